// Primitive elements of the gradient look: frames, check boxes, and the
// panels of push buttons, combo boxes and navigation steps.
#include "GradientStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

#include "GradientStyle_p.h"
#include "QNavigationButton.h"
#include "QStyledComboBox.h"
#include "QStyledPushButton.h"
#include "StyleCommon.h"
#include "StyleShared.h"

using Veltrix::GradientLook::verticalGradient;

namespace {

// Radius of a rounded button corner; arcs are drawn in squares of twice it.
constexpr qreal CornerDiameter = 10;
// Check box: corner radius and the width of the tick.
constexpr qreal CheckBoxRadius = 2;
constexpr int TickWidth = 3;
// The step marker (arrow tip or separator) sits this far inside the right edge.
constexpr int MarkerInset = 9;
// Connector and circle outline width, relative to the circle.
constexpr qreal ConnectorWidthRatio = 0.2;

enum StateRow { NormalRow, HoverRow, PressedRow, DisabledRow };

StateRow buttonStateRow(QStyle::State state)
{
    if (!(state & QStyle::State_Enabled))
        return DisabledRow;
    if (state & (QStyle::State_On | QStyle::State_Sunken))
        return PressedRow;
    if (state & QStyle::State_MouseOver)
        return HoverRow;
    return NormalRow;
}

struct StopPair
{
    GradientColor top;
    GradientColor bottom;
};

// Top and bottom colour of a button panel per type (DEFAULT .. GRADIENT_BLUE)
// and state row; a disabled panel keeps its normal colours.
constexpr StopPair PanelStops[6][4] = {
    // Normal, Hover, Pressed, Disabled
    { { GC_WHITE, GC_LIGHTGRAY }, { GC_LIGHTGRAY, GC_MIDGRAY_2 }, { GC_MIDGRAY_2, GC_LIGHTGRAY }, { GC_WHITE, GC_LIGHTGRAY } },
    { { GC_WHITE, GC_LIGHTGRAY }, { GC_LIGHTGRAY, GC_MIDGRAY_2 }, { GC_MIDGRAY_2, GC_LIGHTGRAY }, { GC_WHITE, GC_LIGHTGRAY } },
    { { GC_LIGHTGRAY, GC_MIDGRAY_2 }, { GC_MIDGRAY_2, GC_MIDGRAY_1 }, { GC_MIDGRAY_1, GC_MIDGRAY_2 }, { GC_LIGHTGRAY, GC_MIDGRAY_2 } },
    { { GC_MIDGRAY_1, GC_DARKGRAY_2 }, { GC_MIDGRAY_1, GC_DARKGRAY_2 }, { GC_DARKGRAY_2, GC_MIDGRAY_1 }, { GC_MIDGRAY_1, GC_DARKGRAY_2 } },
    { { GC_DARKGRAY_2, GC_BLACK }, { GC_DARKGRAY_2, GC_BLACK }, { GC_BLACK, GC_DARKGRAY_2 }, { GC_DARKGRAY_2, GC_BLACK } },
    { { GC_MIDBLUE_2, GC_DARKBLUE }, { GC_MIDBLUE_1, GC_BLUE_HOVER }, { GC_BLUE_HOVER, GC_MIDBLUE_1 }, { GC_MIDBLUE_2, GC_DARKBLUE } },
};

// Outline colour per type, whatever the state.
constexpr GradientColor PanelPens[6] = {
    GC_MIDGRAY_1, GC_MIDGRAY_1, GC_DARKGRAY_1, GC_DARKGRAY_2, GC_BLACK, GC_BLUE_HOVER,
};

// Types outside the table (a value cast into the enumeration) look DEFAULT.
int typeRow(int type)
{
    return type >= StyleHelper::DEFAULT && type <= StyleHelper::GRADIENT_BLUE ? type : StyleHelper::DEFAULT;
}

StopPair panelStops(int type, StateRow row)
{
    return PanelStops[typeRow(type)][row];
}

GradientColor panelPenColor(int type)
{
    return PanelPens[typeRow(type)];
}

// The outline of a button within a row of buttons: the outer corners of the
// row are rounded, inner joints are square. Unknown designs are fully rounded.
QPainterPath buttonDesignPath(int design, const QRect &rect)
{
    const qreal x = rect.x();
    const qreal y = rect.y();
    const qreal w = rect.width();
    const qreal h = rect.height();
    const qreal d = CornerDiameter;
    const QRectF topLeft(x, y, d, d);
    const QRectF topRight(x + w - d, y, d, d);
    const QRectF bottomRight(x + w - d, y + h - d, d, d);
    const QRectF bottomLeft(x, y + h - d, d, d);

    QPainterPath path;
    switch (design) {
    case StyleHelper::BD_GROUPBOX_SELECTION_LEFT:
        path.moveTo(x, y);
        path.lineTo(x + w, y);
        path.lineTo(x + w, y + h);
        path.arcTo(bottomLeft, 270, -90);
        break;
    case StyleHelper::BD_GROUPBOX_SELECTION_MID:
        path.moveTo(x, y);
        path.lineTo(x + w, y);
        path.lineTo(x + w, y + h);
        path.lineTo(x, y + h);
        break;
    case StyleHelper::BD_GROUPBOX_SELECTION_RIGHT:
        path.moveTo(x, y);
        path.lineTo(x + w, y);
        path.arcTo(bottomRight, 0, -90);
        path.lineTo(x, y + h);
        break;
    case StyleHelper::BD_GROUPBOX_SELECTION_TOP_ALL:
        path.arcMoveTo(topLeft, 180);
        path.arcTo(topLeft, 180, -90);
        path.arcTo(topRight, 90, -90);
        path.lineTo(x + w, y + h);
        path.lineTo(x, y + h);
        break;
    default:
        path.arcMoveTo(topLeft, 180);
        path.arcTo(topLeft, 180, -90);
        path.arcTo(topRight, 90, -90);
        path.arcTo(bottomRight, 0, -90);
        path.arcTo(bottomLeft, 270, -90);
        break;
    }
    path.closeSubpath();
    return path;
}

} // namespace

void GradientStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    Veltrix::enableSmoothRendering(painter);
    switch (element) {
    case PE_Frame:
        return drawFrame(option, painter, widget);
    case PE_PanelButtonCommand:
        return drawCommandPanel(option, painter, widget);
    case PE_IndicatorCheckBox:
        return drawCheckBoxIndicator(option, painter);
    default:
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void GradientStyle::drawFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (!Veltrix::redirectFrame(proxy(), option, painter, widget))
        QProxyStyle::drawPrimitive(PE_Frame, option, painter, widget);
}

void GradientStyle::drawCheckBoxIndicator(const QStyleOption *option, QPainter *painter) const
{
    painter->save();
    // Half-pixel offset: the one-pixel outline then covers whole pixels.
    painter->translate(0.5, 0.5);
    const QRect box = option->rect.adjusted(0, 0, -1, -1);
    const int h = box.height();
    const bool sunken = option->state & State_Sunken;

    const QLinearGradient gradient = verticalGradient(h, sunken ? GC_MIDGRAY_2 : GC_WHITE, GC_LIGHTGRAY);
    QPen pen = painter->pen();
    pen.setColor(gradientColor(GC_MIDGRAY_1));
    pen.setWidth(1);
    painter->setPen(pen);
    painter->setBrush(gradient);
    painter->drawRoundedRect(QRectF(box), CheckBoxRadius, CheckBoxRadius, Qt::AbsoluteSize);

    if (option->state & (State_On | State_Sunken)) {
        pen.setColor(gradientColor(GC_DARKGRAY_2));
        pen.setWidth(TickWidth);
        painter->setPen(pen);
        painter->drawPath(Veltrix::checkMarkPath(box));
    }
    painter->restore();
}

void GradientStyle::drawCommandPanel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    painter->save();
    if (qobject_cast<const QNavigationButton *>(widget))
        drawNavigationPanel(option, painter, widget);
    else
        drawButtonPanel(option, painter, widget);
    painter->restore();
}

void GradientStyle::drawNavigationPanel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (!qstyleoption_cast<const QStyleOptionButton *>(option))
        return;
    const auto *button = static_cast<const QNavigationButton *>(widget);
    const QRect r = option->rect;
    const int left = r.left();
    const int top = r.top();
    const int height = r.height();
    const int right = left + r.width() - 1;
    const bool enabled = option->state & State_Enabled;
    const bool checked = option->state & State_On;

    QPen pen = painter->pen();
    QBrush brush = painter->brush();
    brush.setStyle(Qt::SolidPattern);

    // The current step points at its page; the others are only separated.
    QPolygon marker;
    if (enabled && checked)
        marker << QPoint(right - MarkerInset, top) << QPoint(right + 1, top + height / 2)
               << QPoint(right - MarkerInset, top + height);
    else
        marker << QPoint(right - MarkerInset, top) << QPoint(right - MarkerInset, top + height);
    // A light line one pixel to the left of a darker one gives the marker depth.
    painter->translate(-1, 0);
    pen.setColor(gradientColor(GC_LIGHTGRAY));
    painter->setPen(pen);
    painter->drawPolyline(marker);
    painter->translate(1, 0);
    pen.setColor(gradientColor(GC_MIDGRAY_2));
    painter->setPen(pen);
    painter->drawPolyline(marker);

    if (button->id() < 0)
        return;

    const int size = navButtonIconSize(option);
    const int margin = navButtonMargin();
    const QRect circle(margin, (height - size) / 2, size, size);
    const int cx = margin + size / 2;
    const int cy = (height - size) / 2 + size / 2;

    if (enabled) {
        pen.setColor(gradientColor(GC_LIGHTBLUE));
        pen.setWidth(int(size * ConnectorWidthRatio));
        brush.setColor(gradientColor(GC_LIGHTBLUE));
        painter->setPen(pen);
        painter->setBrush(brush);
        const QNavigationButton *predecessor = button->predecessor();
        if (predecessor && predecessor->isEnabled() && predecessor->isVisible())
            painter->drawLine(cx, top, cx, cy);
        // A hidden but enabled next step still continues the chain.
        const QNavigationButton *successor = button->successor();
        if (successor && successor->isEnabled())
            painter->drawLine(cx, cy, cx, top + height);
        if (checked) {
            pen.setColor(gradientColor(GC_DARKBLUE));
            brush.setColor(gradientColor(GC_DARKBLUE));
            painter->setPen(pen);
            painter->setBrush(brush);
        }
        painter->drawEllipse(circle);
    }

    pen.setColor(gradientColor(!enabled ? GC_MIDGRAY_2 : checked ? GC_WHITE : GC_DARKBLUE));
    painter->setPen(pen);
    const QString number = Veltrix::navigationNumberText(button->id(), styleOptions() & CS_TWO_DIGIT_NUMBERS);
    painter->drawText(circle.adjusted(0, 0, 0, -1), Qt::AlignCenter, number);
}

void GradientStyle::drawButtonPanel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const QRect r = option->rect;
    QPen pen = painter->pen();
    GradientColor top = GC_WHITE;
    GradientColor bottom = GC_LIGHTGRAY;
    GradientColor penColor = GC_MIDGRAY_1;
    int design = StyleHelper::BD_DEFAULT;

    if (qstyleoption_cast<const QStyleOptionButton *>(option)) {
        int type = StyleHelper::DEFAULT;
        if (const auto *button = qobject_cast<const QStyledPushButton *>(widget)) {
            type = button->buttonType();
            design = button->buttonDesign();
        } else if (const auto *combo = qobject_cast<const QStyledComboBox *>(widget)) {
            type = combo->buttonType();
            design = combo->buttonDesign();
        }
        const StopPair stops = panelStops(type, buttonStateRow(option->state));
        top = stops.top;
        bottom = stops.bottom;
        penColor = panelPenColor(type);
    }

    const QLinearGradient gradient = verticalGradient(r.height(), top, bottom);
    pen.setColor(gradientColor(penColor));
    pen.setWidth(1);
    painter->setPen(pen);
    painter->setBrush(gradient);

    const QPainterPath path = buttonDesignPath(design, r);
    if (styleOptions() & CS_BUTTON_OUTLINE)
        painter->drawPath(path);
    else
        painter->fillPath(path, gradient);
}
