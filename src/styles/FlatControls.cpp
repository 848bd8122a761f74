#include "FlatStyle.h"

#include <QStyleOption>

#include "FlatStyle_p.h"
#include "QNavigationButton.h"
#include "QStyledMenuBar.h"
#include "QStyledPushButton.h"
#include "StyleShared.h"

using Veltrix::FlatLook::enableFlatRendering;
using Veltrix::FlatLook::setSolidBrush;

namespace {

// Text colour of a push-button label by button type and state: white on the
// blue panel, black on the light grey one, dark grey when disabled.
FlatColor buttonTextColor(StyleHelper::ButtonType type, bool enabled)
{
    if (!enabled)
        return FC_DARK_GRAY;
    return type == StyleHelper::GRADIENT_BLUE ? FC_WHITE : FC_BLACK;
}

// A styled menu-bar item turns white while its menu is open.
FlatColor menuBarItemColor(QStyle::State state)
{
    const QStyle::State open = QStyle::State_Selected | QStyle::State_Sunken;
    return (state & open) == open ? FC_WHITE : FC_LIGHT_GRAY;
}

} // namespace

void FlatStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    enableFlatRendering(painter);
    switch (element) {
    case CE_PushButtonLabel:
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option))
            drawPushButtonLabel(button, painter, widget);
        return;
    case CE_MenuBarItem:
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option))
            drawMenuBarItem(item, painter, widget);
        return;
    default:
        return CommonStyle::drawControl(element, option, painter, widget);
    }
}

void FlatStyle::drawPushButtonLabel(const QStyleOptionButton *option, QPainter *painter,
                                    const QWidget *widget) const
{
    painter->save();
    if (qobject_cast<const QNavigationButton *>(widget))
        drawNavigationLabel(option, painter, widget);
    else
        drawButtonLabel(option, painter, widget);
    painter->restore();
}

// Called with the painter saved by drawPushButtonLabel.
void FlatStyle::drawNavigationLabel(const QStyleOptionButton *option, QPainter *painter,
                                    const QWidget *widget) const
{
    const auto *button = static_cast<const QNavigationButton *>(widget);
    // Room for the badge drawn by the command panel.
    QRect textRect = option->rect;
    textRect.setLeft(textRect.left() + 2 * navButtonMargin() + navButtonIconSize(option));

    QPen pen = painter->pen();
    pen.setColor(flatColor(FC_WHITE));
    if (option->state & State_On) {
        QFont font = painter->font();
        font.setWeight(QFont::DemiBold);
        painter->setFont(font);
    }
    painter->setPen(pen);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, button->text());
}

// Called with the painter saved by drawPushButtonLabel.
void FlatStyle::drawButtonLabel(const QStyleOptionButton *option, QPainter *painter, const QWidget *widget) const
{
    // The flat look shows the same picture for checked and unchecked buttons.
    const Veltrix::PushButtonLabelLayout label = Veltrix::layoutPushButtonLabel(this, option, widget, QIcon::Off);
    if (!label.pixmap.isNull())
        painter->drawPixmap(label.iconRect, label.pixmap);

    const auto *styled = qobject_cast<const QStyledPushButton *>(widget);
    const StyleHelper::ButtonType type = styled ? styled->buttonType() : StyleHelper::DEFAULT;
    const bool enabled = option->state & State_Enabled;
    QPen pen = painter->pen();
    pen.setColor(flatColor(buttonTextColor(type, enabled)));
    painter->setPen(pen);
    // No palette role: the pen chosen above colours the text.
    QProxyStyle::drawItemText(painter, label.textRect, label.textFlags, option->palette, enabled, option->text,
                              QPalette::NoRole);
}

void FlatStyle::drawMenuBarItem(const QStyleOptionMenuItem *option, QPainter *painter, const QWidget *widget) const
{
    // Ordinary menu bars keep the base style's items entirely.
    if (!qobject_cast<const QStyledMenuBar *>(widget)) {
        QProxyStyle::drawControl(CE_MenuBarItem, option, painter, widget);
        return;
    }
    painter->save();
    QStyleOptionMenuItem item(*option);
    QPalette palette = item.palette;
    setSolidBrush(palette, QPalette::Window, menuBarItemColor(option->state));
    setSolidBrush(palette, QPalette::ButtonText, FC_BLACK);
    painter->fillRect(option->rect, palette.brush(QPalette::Window));
    item.palette = palette;
    CommonStyle::drawControl(CE_MenuBarItem, &item, painter, widget);
    painter->restore();
}
