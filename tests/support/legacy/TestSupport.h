#ifndef VELTRIX_TESTSUPPORT_H
#define VELTRIX_TESTSUPPORT_H

#include <QColor>
#include <QGradientStops>
#include <QString>
#include <QTest>

#include "RecordingPaintDevice.h"

namespace VeltrixTest {

// "#RRGGBB@pos,..." for a list of stops, upper case, to compare with one string.
inline QString stopsToString(const QGradientStops &stops)
{
    QStringList parts;
    for (const QGradientStop &stop : stops)
        parts << QStringLiteral("%1@%2").arg(stop.second.name().toUpper()).arg(stop.first);
    return parts.join(QLatin1Char(','));
}

} // namespace VeltrixTest

#endif // VELTRIX_TESTSUPPORT_H
