#ifndef VELTRIX_TESTSUPPORT_H
#define VELTRIX_TESTSUPPORT_H

#include <QTest>

#include <initializer_list>

namespace VeltrixTest {

// Declares the columns of a data table, in the order of the types.
template <typename... T>
void columns(std::initializer_list<const char *> names)
{
    auto name = names.begin();
    (QTest::addColumn<T>(*name++), ...);
}

} // namespace VeltrixTest

#endif // VELTRIX_TESTSUPPORT_H
