#ifndef VELTRIX_FLATTESTSUPPORT_H
#define VELTRIX_FLATTESTSUPPORT_H

#include <QColor>
#include <QHash>
#include <QProxyStyle>
#include <QStyleOption>
#include <QVector>

// The flat colours as the library's colour table file defines them, written
// out here so the tests do not depend on the library's own lookup.
namespace FlatRgb {
const QColor DarkBlue(0x00, 0x51, 0x9C);
const QColor Blue(0x4A, 0x91, 0xC6);
const QColor DarkGray(0x53, 0x53, 0x53);
const QColor Gray(0xA0, 0xA0, 0xA0);
const QColor LightGray(0xC9, 0xC9, 0xC9);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Black(0x00, 0x00, 0x00);
} // namespace FlatRgb

// Stacked on top of a style, it becomes that style's proxy(): it records the
// primitives that reach it and can answer chosen pixel metrics itself, so a
// test sees which calls go through the proxy.
class SpyStyle : public QProxyStyle
{
public:
    struct Call
    {
        PrimitiveElement element;
        int optionType;
        State state;
    };

    explicit SpyStyle(QStyle *base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override
    {
        calls.append({ element, option->type, option->state });
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override
    {
        const auto it = metrics.constFind(metric);
        return it != metrics.constEnd() ? it.value() : QProxyStyle::pixelMetric(metric, option, widget);
    }

    QVector<int> elements() const
    {
        QVector<int> result;
        for (const Call &call : calls)
            result << int(call.element);
        return result;
    }

    mutable QVector<Call> calls;
    QHash<int, int> metrics;
};

#endif // VELTRIX_FLATTESTSUPPORT_H
