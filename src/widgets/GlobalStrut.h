#ifndef VELTRIX_GLOBALSTRUT_H
#define VELTRIX_GLOBALSTRUT_H

#include <QApplication>
#include <QSize>

namespace Veltrix {

// A size hint grown to the application's minimum widget size. Qt 5 lets an
// application set one (QApplication::setGlobalStrut, none by default); Qt 6
// has no such setting, so there the hint stays as it is.
inline QSize expandedToGlobalStrut(const QSize &size)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return size.expandedTo(QApplication::globalStrut());
#else
    return size;
#endif
}

} // namespace Veltrix

#endif // VELTRIX_GLOBALSTRUT_H
