#ifndef PLUGINTESTSUPPORT_H
#define PLUGINTESTSUPPORT_H

#include <QMetaProperty>

// A property as a form writes it: enumerations and flags by key. Shared by
// the tests and the Qt-only probe program, so it needs QtCore only.
inline QString propertyText(const QObject *object, const char *name)
{
    const QMetaProperty property = object->metaObject()->property(object->metaObject()->indexOfProperty(name));
    const QVariant value = property.read(object);
    const QMetaEnum keys = property.enumerator();
    if (!property.isEnumType())
        return value.toString();
    return keys.isFlag() ? keys.valueToKeys(value.toInt()) : QByteArray(keys.valueToKey(value.toInt()));
}

#endif // PLUGINTESTSUPPORT_H
