// Control elements and combo-box geometry of the gradient look: push-button
// and navigation labels, menu items, and the blue menu bar.
#include "GradientStyle.h"

#include <QPainter>
#include <QStyleOption>

#include "GradientStyle_p.h"
#include "QNavigationButton.h"
#include "QStyledMenuBar.h"
#include "QStyledPushButton.h"
#include "StyleCommon.h"
#include "StyleShared.h"

using Veltrix::GradientLook::setSolidBrush;
using Veltrix::GradientLook::verticalGradient;

namespace {

// Combo box: inset of the edit field inside the frame, and arrow widths.
constexpr int ComboFrameInset = 3;
constexpr int ComboArrowWidthFramed = 18;
constexpr int ComboArrowWidthFrameless = 16;
// The edit field leaves this much room for the arrow.
constexpr int ComboEditFieldArrowRoom = 16;

// Label colour of a push button per type, disabled / under the mouse /
// otherwise. Unknown types use the DEFAULT row.
GradientColor pushButtonTextColor(int type, QStyle::State state)
{
    const bool enabled = state & QStyle::State_Enabled;
    const bool hover = state & QStyle::State_MouseOver;
    switch (type) {
    case StyleHelper::GRADIENT_DARKGRAY:
        return !enabled ? GC_MIDGRAY_1 : hover ? GC_MIDGRAY_2 : GC_WHITE;
    case StyleHelper::GRADIENT_BLACK:
        if (!enabled)
            return GC_DARKGRAY_2;
        if (hover)
            return GC_DARKGRAY_1;
        return state & (QStyle::State_Sunken | QStyle::State_On) ? GC_MIDGRAY_1 : GC_WHITE;
    case StyleHelper::GRADIENT_BLUE:
        return !enabled ? GC_DARKBLUE : hover ? GC_MIDGRAY_2 : GC_WHITE;
    default:
        return !enabled ? GC_MIDGRAY_2 : hover ? GC_DARKGRAY_2 : GC_BLACK;
    }
}

struct MenuBarItemLook
{
    GradientColor top;
    GradientColor bottom;
    bool changesText;
    GradientColor text;
};

// A styled menu-bar item: pressed items turn light, the item under the
// keyboard or mouse dark; a disabled one keeps the bar's gradient.
MenuBarItemLook menuBarItemLook(QStyle::State state)
{
    if (!(state & QStyle::State_Enabled))
        return { GC_MIDBLUE_2, GC_DARKBLUE, true, GC_DARKBLUE };
    if ((state & QStyle::State_Selected) && (state & QStyle::State_Sunken))
        return { GC_LIGHTGRAY, GC_WHITE, true, GC_BLACK };
    if ((state & QStyle::State_Selected) && (state & QStyle::State_HasFocus))
        return { GC_MIDBLUE_1, GC_BLUE_HOVER, true, GC_MIDGRAY_2 };
    return { GC_MIDBLUE_2, GC_DARKBLUE, false, GC_DARKBLUE };
}

} // namespace

void GradientStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    Veltrix::enableSmoothRendering(painter);
    switch (element) {
    case CE_PushButtonLabel:
        return drawPushButtonLabel(option, painter, widget);
    case CE_MenuItem:
        return drawMenuItem(option, painter, widget);
    case CE_MenuBarItem:
        return drawMenuBarItem(option, painter, widget);
    case CE_MenuBarEmptyArea:
        return drawMenuBarEmptyArea(option, painter, widget);
    default:
        return CommonStyle::drawControl(element, option, painter, widget);
    }
}

void GradientStyle::drawPushButtonLabel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button)
        return;
    painter->save();
    if (qobject_cast<const QNavigationButton *>(widget))
        drawNavigationLabel(button, painter, widget);
    else
        drawButtonLabel(button, painter, widget);
    painter->restore();
}

void GradientStyle::drawNavigationLabel(const QStyleOptionButton *option, QPainter *painter,
                                        const QWidget *widget) const
{
    const auto *button = static_cast<const QNavigationButton *>(widget);
    const bool enabled = option->state & State_Enabled;
    // The text starts after the number badge and its margins.
    const QRect textRect = option->rect.adjusted(navButtonIconSize(option) + 2 * navButtonMargin(), 0, 0, 0);
    QPen pen = painter->pen();
    pen.setColor(gradientColor(enabled ? GC_DARKBLUE : GC_MIDGRAY_2));
    painter->setPen(pen);
    if (enabled && (option->state & State_On)) {
        QFont font = painter->font();
        font.setWeight(QFont::Bold);
        painter->setFont(font);
    }
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, button->text());
}

void GradientStyle::drawButtonLabel(const QStyleOptionButton *option, QPainter *painter,
                                    const QWidget *widget) const
{
    const QIcon::State iconState = option->state & State_On ? QIcon::On : QIcon::Off;
    const Veltrix::PushButtonLabelLayout layout = Veltrix::layoutPushButtonLabel(this, option, widget, iconState);
    if (!layout.pixmap.isNull())
        painter->drawPixmap(layout.iconRect, layout.pixmap);

    const auto *styled = qobject_cast<const QStyledPushButton *>(widget);
    const int type = styled ? int(styled->buttonType()) : int(StyleHelper::DEFAULT);
    QPen pen = painter->pen();
    pen.setColor(gradientColor(pushButtonTextColor(type, option->state)));
    painter->setPen(pen);
    // NoRole keeps the pen set above.
    QProxyStyle::drawItemText(painter, layout.textRect, layout.textFlags, option->palette,
                              option->state & State_Enabled, option->text, QPalette::NoRole);
}

void GradientStyle::drawMenuItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    painter->save();
    if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
        QStyleOptionMenuItem copy(*item);
        if (item->state & State_Enabled) {
            setSolidBrush(copy.palette, QPalette::Text, GC_BLACK);
            setSolidBrush(copy.palette, QPalette::Highlight, GC_LIGHTGRAY);
            setSolidBrush(copy.palette, QPalette::HighlightedText, GC_BLACK);
        } else {
            setSolidBrush(copy.palette, QPalette::Text, GC_MIDGRAY_2);
        }
        CommonStyle::drawControl(CE_MenuItem, &copy, painter, widget);
    } else {
        CommonStyle::drawControl(CE_MenuItem, option, painter, widget);
    }
    painter->restore();
}

void GradientStyle::drawMenuBarItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return;
    QStyleOptionMenuItem copy(*item);

    if (!qobject_cast<const QStyledMenuBar *>(widget)) {
        setSolidBrush(copy.palette, QPalette::Highlight, GC_LIGHTGRAY);
        setSolidBrush(copy.palette, QPalette::HighlightedText, GC_BLACK);
        QProxyStyle::drawControl(CE_MenuBarItem, &copy, painter, widget);
        return;
    }

    painter->save();
    const QRect r = item->rect;
    const MenuBarItemLook look = menuBarItemLook(item->state);
    QLinearGradient gradient = verticalGradient(r.height(), look.top, look.bottom);
    if (look.changesText)
        setSolidBrush(copy.palette, QPalette::ButtonText, look.text);
    painter->fillRect(r, gradient);
    CommonStyle::drawControl(CE_MenuBarItem, &copy, painter, widget);

    // A dark and a light line on the right edge set the items apart.
    QPen pen = painter->pen();
    pen.setColor(gradientColor(GC_DARKBLUE));
    painter->setPen(pen);
    painter->drawLine(r.right(), 0, r.right(), r.height());
    gradient.setStops({ { 0, gradientColor(GC_LIGHTBLUE) }, { 1, gradientColor(GC_MIDBLUE_1) } });
    pen.setBrush(gradient);
    painter->setPen(pen);
    painter->drawLine(r.right() + 1, 0, r.right() + 1, r.height());
    painter->restore();
}

void GradientStyle::drawMenuBarEmptyArea(const QStyleOption *option, QPainter *painter,
                                         const QWidget *widget) const
{
    if (!qobject_cast<const QStyledMenuBar *>(widget))
        return QProxyStyle::drawControl(CE_MenuBarEmptyArea, option, painter, widget);
    painter->save();
    painter->fillRect(option->rect, verticalGradient(option->rect.height(), GC_MIDBLUE_2, GC_DARKBLUE));
    painter->restore();
}

QRect GradientStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                    SubControl subControl, const QWidget *widget) const
{
    const QRect base = QProxyStyle::subControlRect(control, option, subControl, widget);
    const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
    if (control != CC_ComboBox || !combo)
        return base;

    const QRect r = combo->rect;
    const int m = combo->frame ? ComboFrameInset : 0;
    const int arrow = combo->frame ? ComboArrowWidthFramed : ComboArrowWidthFrameless;
    QRect result;
    switch (subControl) {
    case SC_ComboBoxFrame:
    case SC_ComboBoxListBoxPopup:
        result = r;
        break;
    case SC_ComboBoxEditField:
        result = QRect(r.x() + m, r.y() + m, r.width() - ComboEditFieldArrowRoom - 2 * m, r.height() - 2 * m);
        break;
    case SC_ComboBoxArrow:
        result = QRect(r.x() + r.width() - arrow, r.y(), arrow, r.height());
        break;
    default:
        result = base;
        break;
    }
    // Every result, the base style's included, is mirrored once more for
    // right-to-left, as the rest of the geometry above is laid out left to right.
    return visualRect(combo->direction, r, result);
}
