#ifndef PLUGINTESTSUPPORT_H
#define PLUGINTESTSUPPORT_H

#include <QMetaProperty>

// A property as a form writes it: enumerations and flags by key. Shared by
// the tests and the Qt-only probe program, so it needs QtCore only.
inline QString propertyText(const QObject *object, const char *name)
{
    const QMetaProperty property = object->metaObject()->property(object->metaObject()->indexOfProperty(name));
    const QVariant value = property.read(object);
    if (!property.isEnumType())
        return value.toString();
    const QMetaEnum keys = property.enumerator();
    const int number = value.toInt();
    return QString::fromLatin1(keys.isFlag() ? keys.valueToKeys(number) : QByteArray(keys.valueToKey(number)));
}

#endif // PLUGINTESTSUPPORT_H
