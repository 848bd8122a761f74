#ifndef VELTRIX_GRADIENTTESTSUPPORT_H
#define VELTRIX_GRADIENTTESTSUPPORT_H

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QProxyStyle>
#include <QString>
#include <QStyleOption>
#include <type_traits>

#include "RecordingPaintDevice.h"

// The gradient colours of the library's colour file, by key, written down
// independently of the library's own lookup.
namespace GradientTest {

inline QColor color(const QString &key)
{
    static const QHash<QString, QString> table = {
        { "DARKGRAY_1", "#808285" }, { "MIDGRAY_1", "#A5A6A7" }, { "MIDGRAY_2", "#C3C3C4" },
        { "LIGHTGRAY", "#E1E1E2" },  { "DARKBLUE", "#003B6A" },  { "MIDBLUE_1", "#215F8B" },
        { "MIDBLUE_2", "#628CB2" },  { "LIGHTBLUE", "#A2BAD2" }, { "BLUE_HOVER", "#00142A" },
        { "DARKGRAY_2", "#404245" }, { "WHITE", "#FFFFFF" },     { "BLACK", "#000000" },
    };
    Q_ASSERT_X(table.contains(key), "GradientTest::color", qPrintable(key));
    return QColor(table.value(key));
}

// "TOP>BOTTOM" as the "#RRGGBB@0,#RRGGBB@1" string of VeltrixTest::stopsToString.
inline QString stops(const QString &pair)
{
    const QStringList keys = pair.split(QLatin1Char('>'));
    return QStringLiteral("%1@0,%2@1").arg(color(keys.at(0)).name().toUpper(), color(keys.at(1)).name().toUpper());
}

// Draws one primitive or control through `style` and returns what reached
// the device.
template <typename Element>
QVector<PaintRecord> draw(const QStyle *style, Element element, const QStyleOption &option, const QWidget *widget,
                          Qt::LayoutDirection direction = Qt::LeftToRight)
{
    RecordingPaintDevice device;
    QPainter painter(&device);
    painter.setLayoutDirection(direction);
    if constexpr (std::is_same_v<Element, QStyle::PrimitiveElement>)
        style->drawPrimitive(element, &option, &painter, widget);
    else
        style->drawControl(element, &option, &painter, widget);
    painter.end();
    return device.records();
}

inline QVector<PaintRecord> ofKind(const QVector<PaintRecord> &records, PaintRecord::Kind kind)
{
    QVector<PaintRecord> result;
    for (const PaintRecord &record : records) {
        if (record.kind == kind)
            result << record;
    }
    return result;
}

// A style stacked on top of the style under test: it logs the primitives
// that reach it and can answer chosen pixel metrics, to tell calls that go
// through proxy() from calls to the base style.
class StackedStyle : public QProxyStyle
{
public:
    struct Call
    {
        QStyle::PrimitiveElement element;
        int optionType;
        QStyle::State state;
    };

    explicit StackedStyle(QStyle *base)
        : QProxyStyle(base)
    {
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override
    {
        calls.append({ element, option->type, option->state });
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override
    {
        return metrics.contains(metric) ? metrics.value(metric) : QProxyStyle::pixelMetric(metric, option, widget);
    }

    mutable QVector<Call> calls;
    QHash<int, int> metrics;
};

} // namespace GradientTest

#endif // VELTRIX_GRADIENTTESTSUPPORT_H
