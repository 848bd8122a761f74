// The gradient look as the shared drawing sees it: its colours, chosen by
// button type and state, and the shapes only it has (gradient panels with
// rounded corners, numbered circles, a gradient check box).
#include "GradientLook.h"

#include <QPainterPath>
#include <QStyleOption>

#include "StyleHelper.h"
#include "StyleMetrics.h"

namespace Veltrix {

namespace {

enum StateRow { NormalRow, HoverRow, PressedRow };

StateRow buttonStateRow(QStyle::State state)
{
    if (!(state & QStyle::State_Enabled))
        return NormalRow;
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
// and state row; a disabled panel keeps its normal colours (NormalRow).
constexpr StopPair PanelStops[6][3] = {
    // Normal, Hover, Pressed
    { { GC_WHITE, GC_LIGHTGRAY }, { GC_LIGHTGRAY, GC_MIDGRAY_2 }, { GC_MIDGRAY_2, GC_LIGHTGRAY } },
    { { GC_WHITE, GC_LIGHTGRAY }, { GC_LIGHTGRAY, GC_MIDGRAY_2 }, { GC_MIDGRAY_2, GC_LIGHTGRAY } },
    { { GC_LIGHTGRAY, GC_MIDGRAY_2 }, { GC_MIDGRAY_2, GC_MIDGRAY_1 }, { GC_MIDGRAY_1, GC_MIDGRAY_2 } },
    { { GC_MIDGRAY_1, GC_DARKGRAY_2 }, { GC_MIDGRAY_1, GC_DARKGRAY_2 }, { GC_DARKGRAY_2, GC_MIDGRAY_1 } },
    { { GC_DARKGRAY_2, GC_BLACK }, { GC_DARKGRAY_2, GC_BLACK }, { GC_BLACK, GC_DARKGRAY_2 } },
    { { GC_MIDBLUE_2, GC_DARKBLUE }, { GC_MIDBLUE_1, GC_BLUE_HOVER }, { GC_BLUE_HOVER, GC_MIDBLUE_1 } },
};

// Outline colour per type, whatever the state.
constexpr GradientColor PanelPens[6] = { GC_MIDGRAY_1, GC_MIDGRAY_1, GC_DARKGRAY_1, GC_DARKGRAY_2, GC_BLACK, GC_BLUE_HOVER };

// Types outside the table (a value cast into the enumeration) look DEFAULT.
int typeRow(int type)
{
    return type >= StyleHelper::DEFAULT && type <= StyleHelper::GRADIENT_BLUE ? type : StyleHelper::DEFAULT;
}

// Which corners of a button are round, by its place in a row of buttons; unknown designs are fully rounded.
int designCorners(int design)
{
    switch (design) {
    case StyleHelper::BD_GROUPBOX_SELECTION_LEFT:
        return BottomLeft;
    case StyleHelper::BD_GROUPBOX_SELECTION_MID:
        return 0;
    case StyleHelper::BD_GROUPBOX_SELECTION_RIGHT:
        return BottomRight;
    case StyleHelper::BD_GROUPBOX_SELECTION_TOP_ALL:
        return TopLeft | TopRight;
    default:
        return AllCorners;
    }
}

class GradientLook : public Look
{
public:
    void drawStepFill(QPainter *, const Step &) const override {}
    // The step's marker: an arrow pointing at the page of the current step, a separator for the others,
    // light one pixel to the left of dark for depth.
    void drawStepBackground(QPainter *painter, const Step &step, QPen &pen) const override
    {
        const QRect r = step.option->rect;
        const int tail = r.right() - Metrics::StepMarkerInset;
        QPolygon marker;
        if (step.enabled && step.on)
            marker << QPoint(tail, r.top()) << QPoint(r.right() + 1, r.top() + r.height() / 2)
                   << QPoint(tail, r.top() + r.height());
        else
            marker << QPoint(tail, r.top()) << QPoint(tail, r.top() + r.height());
        painter->translate(-1, 0);
        pen.setColor(gradientColor(GC_LIGHTGRAY));
        painter->setPen(pen);
        painter->drawPolyline(marker);
        painter->translate(1, 0);
        pen.setColor(gradientColor(GC_MIDGRAY_2));
        painter->setPen(pen);
        painter->drawPolyline(marker);
    }
    QRect stepBadge(const Step &step) const override
    {
        const int height = step.option->rect.height();
        return QRect(Metrics::NavigationMargin, (height - step.iconSize) / 2, step.iconSize, step.iconSize);
    }
    bool linksEndAtBadgeCentre() const override { return true; }
    // Light blue links under a circle, filled dark blue for the current step.
    void drawStepBadge(QPainter *painter, const Step &step, const QRect &badge, QPen &pen, QBrush &brush,
                       const std::function<void()> &drawLinks) const override
    {
        pen.setColor(gradientColor(GC_LIGHTBLUE));
        pen.setWidth(int(step.iconSize * Metrics::StepLinkWidthShare));
        brush.setColor(gradientColor(GC_LIGHTBLUE));
        painter->setPen(pen);
        painter->setBrush(brush);
        drawLinks();
        if (step.on) {
            pen.setColor(gradientColor(GC_DARKBLUE));
            brush.setColor(gradientColor(GC_DARKBLUE));
            painter->setPen(pen);
            painter->setBrush(brush);
        }
        painter->drawEllipse(badge);
    }
    QColor stepNumberColor(const Step &step) const override
    {
        if (!step.enabled)
            return gradientColor(GC_MIDGRAY_2);
        return gradientColor(step.on ? GC_WHITE : GC_DARKBLUE);
    }
    void addStepKey(CacheKey &key, const Step &step) const override
    {
        key << 'g' << step.iconSize << gradientColor(GC_LIGHTGRAY) << gradientColor(GC_MIDGRAY_2)
            << gradientColor(GC_LIGHTBLUE) << gradientColor(GC_DARKBLUE);
    }
    QColor stepTextColor(const Step &step) const override
    {
        return gradientColor(step.enabled ? GC_DARKBLUE : GC_MIDGRAY_2);
    }
    int stepTextWeight(const Step &step) const override { return step.enabled && step.on ? QFont::Bold : -1; }

    // A vertical gradient by type and state in the shape of the button's design, outlined when the
    // common flag asks for it. Other options than a button's make a DEFAULT button.
    void drawButtonPanel(QPainter *painter, const QStyleOption *option, const QWidget *widget,
                         CommonStyle::StyleOptions flags) const override
    {
        const bool button = qstyleoption_cast<const QStyleOptionButton *>(option);
        const int type = button ? typeRow(Veltrix::buttonType(widget)) : StyleHelper::DEFAULT;
        const StopPair stops = button ? PanelStops[type][buttonStateRow(option->state)] : StopPair{ GC_WHITE, GC_LIGHTGRAY };
        const QColor top = gradientColor(stops.top), bottom = gradientColor(stops.bottom), line = gradientColor(PanelPens[type]);
        const int corners = designCorners(button ? buttonDesign(widget) : StyleHelper::BD_DEFAULT);
        const bool outline = flags.testFlag(CommonStyle::CS_BUTTON_OUTLINE);
        const QRect r = option->rect;
        CacheKey key("gradient-panel");
        // The gradient starts at the painter's origin, so the panel's top matters; its left does not.
        key << r.y() << r.height() << top << bottom << line << corners << outline;
        // Between the rounded ends every column is the same, whatever the width: a corner's arc spans
        // the radius from the panel's edge, and the ends hold the pixel of antialiasing outside the
        // edge and two more.
        const int end = int(Metrics::ButtonCornerRadius) + 3;
        drawCached(painter, r.adjusted(-1, -1, 1, 1), key, [&](QPainter *p) {
            const QLinearGradient gradient = verticalGradient(r.height(), top, bottom);
            QPen pen = p->pen();
            pen.setColor(line);
            pen.setWidth(1);
            p->setPen(pen);
            p->setBrush(gradient);
            const QPainterPath path = buttonOutline(r, corners);
            if (outline)
                p->drawPath(path);
            else
                p->fillPath(path, gradient);
        }, Slices{ end, end });
    }
    QIcon::State labelIconState(QStyle::State state) const override
    {
        return state & QStyle::State_On ? QIcon::On : QIcon::Off;
    }
    // Disabled, under the mouse, otherwise; a black button also dims its text while pressed.
    QColor labelColor(int type, QStyle::State state) const override
    {
        const bool enabled = state & QStyle::State_Enabled;
        const bool hover = state & QStyle::State_MouseOver;
        const bool down = state & (QStyle::State_Sunken | QStyle::State_On);
        GradientColor disabled = GC_MIDGRAY_2, hovered = GC_DARKGRAY_2, normal = GC_BLACK;
        if (type == StyleHelper::GRADIENT_DARKGRAY) {
            disabled = GC_MIDGRAY_1;
            hovered = GC_MIDGRAY_2;
            normal = GC_WHITE;
        } else if (type == StyleHelper::GRADIENT_BLACK) {
            disabled = GC_DARKGRAY_2;
            hovered = GC_DARKGRAY_1;
            normal = down ? GC_MIDGRAY_1 : GC_WHITE;
        } else if (type == StyleHelper::GRADIENT_BLUE) {
            disabled = GC_DARKBLUE;
            hovered = GC_MIDGRAY_2;
            normal = GC_WHITE;
        }
        if (!enabled)
            return gradientColor(disabled);
        return gradientColor(hover ? hovered : normal);
    }

    QString headerLogo() const override { return QStringLiteral(":/logos/K_logo.png"); }
    QColor headerTextColor() const override { return gradientColor(GC_BLACK); }
    int headerTitleWeight() const override { return -1; }
};

} // namespace

const Look &gradientLook()
{
    static const GradientLook look;
    return look;
}

void drawGradientCheckBox(const QStyleOption *option, QPainter *painter)
{
    const bool sunken = option->state & QStyle::State_Sunken;
    const bool ticked = option->state & (QStyle::State_On | QStyle::State_Sunken);
    const QColor line = gradientColor(GC_MIDGRAY_1), top = gradientColor(sunken ? GC_MIDGRAY_2 : GC_WHITE);
    const QColor bottom = gradientColor(GC_LIGHTGRAY), tick = gradientColor(GC_DARKGRAY_2);
    CacheKey key("gradient-check");
    key << option->rect << line << top << bottom << ticked << tick;
    painter->save();
    drawCached(painter, option->rect.adjusted(-1, -1, 1, 1), key, [&](QPainter *p) {
        // Half a pixel in: the one-pixel outline then covers whole pixels.
        p->translate(0.5, 0.5);
        const QRect box = option->rect.adjusted(0, 0, -1, -1);
        QPen pen = p->pen();
        pen.setColor(line);
        pen.setWidth(1);
        p->setPen(pen);
        p->setBrush(verticalGradient(box.height(), top, bottom));
        p->drawRoundedRect(QRectF(box), Metrics::CheckBoxRadius, Metrics::CheckBoxRadius, Qt::AbsoluteSize);
        if (ticked)
            drawCheckMark(p, box, tick, Metrics::GradientTickWidth);
    });
    painter->restore();
}

MenuBarItemLook gradientMenuBarItem(QStyle::State state)
{
    if (!(state & QStyle::State_Enabled))
        return { GC_MIDBLUE_2, GC_DARKBLUE, true, GC_DARKBLUE };
    if ((state & QStyle::State_Selected) && (state & QStyle::State_Sunken))
        return { GC_LIGHTGRAY, GC_WHITE, true, GC_BLACK };
    if ((state & QStyle::State_Selected) && (state & QStyle::State_HasFocus))
        return { GC_MIDBLUE_1, GC_BLUE_HOVER, true, GC_MIDGRAY_2 };
    return { GC_MIDBLUE_2, GC_DARKBLUE, false, GC_DARKBLUE };
}

} // namespace Veltrix
