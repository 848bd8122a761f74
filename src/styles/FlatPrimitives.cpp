#include "FlatStyle.h"

#include <QPainterPath>
#include <QStyleOption>

#include "FlatStyle_p.h"
#include "QNavigationButton.h"
#include "QStyledComboBox.h"
#include "QStyledPushButton.h"
#include "StyleShared.h"

using Veltrix::FlatLook::enableFlatRendering;

namespace {

// The connector and chevron strokes of a navigation step.
constexpr int NavigationStrokeWidth = 2;
// The chevron's tip lies this far left of the step's right edge, its open
// end twice as far.
constexpr int ChevronTipInset = 5;
constexpr int ChevronBackInset = 10;

StyleHelper::ButtonType styledButtonType(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QStyledPushButton *>(widget))
        return button->buttonType();
    if (const auto *comboBox = qobject_cast<const QStyledComboBox *>(widget))
        return comboBox->buttonType();
    return StyleHelper::DEFAULT;
}

// Blue for the blue button type of the library's buttons; every other panel
// is light grey, whatever its state.
FlatColor commandPanelColor(const QStyleOption *option, const QWidget *widget)
{
    if (qstyleoption_cast<const QStyleOptionButton *>(option)
        && styledButtonType(widget) == StyleHelper::GRADIENT_BLUE)
        return FC_BLUE;
    return FC_LIGHT_GRAY;
}

// The step number stands dark on the white badge of the current step and
// white on the dark background otherwise.
FlatColor navigationNumberColor(bool on)
{
    return on ? FC_DARK_GRAY : FC_WHITE;
}


} // namespace

void FlatStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    enableFlatRendering(painter);
    switch (element) {
    case PE_Frame: return drawFrame(option, painter, widget);
    case PE_FrameLineEdit: return drawLineEditFrame(option, painter);
    case PE_PanelButtonCommand: return drawCommandPanel(option, painter, widget);
    case PE_IndicatorCheckBox: return drawCheckBoxIndicator(option, painter, widget);
    default: return QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void FlatStyle::drawFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (!Veltrix::redirectFrame(proxy(), option, painter, widget))
        QProxyStyle::drawPrimitive(PE_Frame, option, painter, widget);
}

void FlatStyle::drawLineEditFrame(const QStyleOption *option, QPainter *painter) const
{
    const QRect &r = option->rect;
    painter->save();
    // Half a pixel puts the one-pixel outline on the pixel grid.
    painter->translate(0.5, 0.5);
    QPen pen = painter->pen();
    pen.setColor(flatColor(FC_GRAY));
    pen.setWidth(1);
    painter->setPen(pen);
    // The painter's brush is left alone: with the usual empty brush only the
    // outline shows.
    painter->drawRect(QRect(r.topLeft(), QPoint(r.right() - 1, r.bottom() - 1)));
    painter->restore();
}

void FlatStyle::drawCommandPanel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    painter->save();
    if (qobject_cast<const QNavigationButton *>(widget)) {
        drawNavigationPanel(option, painter, widget);
    } else {
        QBrush brush = painter->brush();
        brush.setStyle(Qt::SolidPattern);
        brush.setColor(flatColor(commandPanelColor(option, widget)));
        painter->setBrush(brush);
        painter->fillRect(option->rect, brush);
    }
    painter->restore();
}

// Called with the painter saved by drawCommandPanel.
void FlatStyle::drawNavigationPanel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (!qstyleoption_cast<const QStyleOptionButton *>(option))
        return;
    const auto *button = static_cast<const QNavigationButton *>(widget);
    const QRect &r = option->rect;
    const int x1 = r.left();
    const int y1 = r.top();
    const int w = r.width();
    const int h = r.height();
    const bool enabled = option->state & State_Enabled;
    const bool on = option->state & State_On;
    const int m = navButtonMargin();

    QPen pen = painter->pen();
    QBrush brush = painter->brush();
    brush.setStyle(Qt::SolidPattern);
    painter->fillRect(r, flatColor(FC_DARK_GRAY));

    if (enabled && on) {
        const int hx = option->fontMetrics.boundingRect(QLatin1Char('X')).height() / 2;
        const int my = y1 + h / 2;
        pen.setColor(flatColor(FC_WHITE));
        pen.setWidth(NavigationStrokeWidth);
        painter->setPen(pen);
        const QPoint chevron[] = { QPoint(x1 + w - ChevronBackInset, my - hx), QPoint(x1 + w - ChevronTipInset, my),
                                   QPoint(x1 + w - ChevronBackInset, my + hx) };
        painter->drawPolyline(chevron, 3);
        painter->drawLine(QPoint(x1 + m, r.bottom()), QPoint(x1 + w - ChevronTipInset, r.bottom()));
    }

    if (button->id() < 0)
        return;

    // The badge sits at the margin in the painter's coordinates; a button
    // painting itself has its rectangle at the origin.
    const int sz = navButtonIconSize(option) + 2;
    const QRect badge(m, (h - sz) / 2, sz, sz);
    const int by1 = badge.top();
    const int bx2 = badge.right();
    const int by2 = badge.bottom();

    if (enabled) {
        pen.setColor(flatColor(FC_WHITE));
        pen.setWidth(NavigationStrokeWidth);
        brush.setColor(flatColor(FC_WHITE));
        painter->setPen(pen);
        painter->setBrush(brush);
        if (on) {
            painter->fillRect(badge, flatColor(FC_WHITE));
        } else {
            const QLine outline[] = { QLine(m + 1, by1 + 1, bx2, by1 + 1), QLine(bx2, by1 + 1, bx2, by2),
                                      QLine(bx2, by2, m + 1, by2), QLine(m + 1, by2, m + 1, by1 + 1) };
            painter->drawLines(outline, 4);
        }

        const int cx = m + sz / 2;
        const QNavigationButton *predecessor = button->predecessor();
        if (predecessor && predecessor->isEnabled() && predecessor->isVisible())
            painter->drawLine(cx, y1, cx, by1);
        // A hidden successor still counts: the path goes on behind it.
        const QNavigationButton *successor = button->successor();
        if (successor && successor->isEnabled())
            painter->drawLine(cx, by1 + sz, cx, y1 + h);
    }

    pen.setColor(flatColor(navigationNumberColor(on)));
    painter->setPen(pen);
    const QString number =
        Veltrix::navigationNumberText(button->id(), styleOptions().testFlag(CS_TWO_DIGIT_NUMBERS));
    painter->drawText(badge.adjusted(0, 0, 0, -1), Qt::AlignHCenter | Qt::AlignVCenter, number);
}

void FlatStyle::drawCheckBoxIndicator(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    // The box is the grey line-edit outline without a fill of its own.
    proxy()->drawPrimitive(PE_FrameLineEdit, option, painter, widget);
    painter->save();
    if (option->state & (State_On | State_Sunken)) {
        QPen pen = painter->pen();
        pen.setColor(flatColor(FC_DARK_GRAY));
        pen.setWidth(2);
        painter->setPen(pen);
        painter->drawPath(Veltrix::checkMarkPath(option->rect));
    }
    painter->restore();
}
