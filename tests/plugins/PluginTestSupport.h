#ifndef PLUGINTESTSUPPORT_H
#define PLUGINTESTSUPPORT_H

#include <QFile>
#include <QMetaProperty>

namespace PluginTest {

// A property as a form writes it: enumerations and flags by key.
inline QString propertyText(const QObject *object, const char *name)
{
    const QMetaProperty property = object->metaObject()->property(object->metaObject()->indexOfProperty(name));
    const QVariant value = property.read(object);
    if (!property.isEnumType())
        return value.toString();
    const QMetaEnum keys = property.enumerator();
    return QString::fromLatin1(keys.isFlag() ? keys.valueToKeys(value.toInt()) : QByteArray(keys.valueToKey(value.toInt())));
}

inline QByteArray testForm()
{
    QFile file(QStringLiteral(VELTRIX_TEST_FORMS "/veltrix_widgets.ui"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace PluginTest

#endif // PLUGINTESTSUPPORT_H
