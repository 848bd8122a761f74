#include "StyleShared.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "QStyledPushButton.h"

namespace Veltrix {

bool redirectFrame(const QStyle *proxy, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
    if (widget && widget->inherits("QComboBoxPrivateContainer")) {
        QStyleOption menuOption(*option); // a plain option: type and version are QStyleOption's own
        menuOption.state |= QStyle::State_Raised;
        proxy->drawPrimitive(QStyle::PE_PanelMenu, &menuOption, painter, widget);
        return true;
    }
    // qstyleoption_cast, not a version number: QStyleOptionFrame is version 3
    // in Qt 5 and version 1 in Qt 6.
    if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option)) {
        QStyleOptionFrame frameOption(*frame);
        frameOption.state &= ~QStyle::State_HasFocus;
        proxy->drawPrimitive(QStyle::PE_FrameLineEdit, &frameOption, painter, widget);
        return true;
    }
    return false;
}

QString navigationNumberText(int id, bool twoDigits)
{
    const int number = id + 1;
    return twoDigits ? QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) : QString::number(number);
}

QPainterPath checkMarkPath(const QRect &box)
{
    const int w = box.width();
    const int h = box.height();
    QPainterPath path;
    path.moveTo(w / 4, h * 0.5);
    path.lineTo(w * 0.4, h * 0.7);
    path.lineTo(w * 0.8, h * 0.3);
    path.translate(box.topLeft());
    return path;
}

PushButtonLabelLayout layoutPushButtonLabel(const QStyle *style, const QStyleOptionButton *option,
                                            const QWidget *widget, QIcon::State iconState)
{
    PushButtonLabelLayout layout;
    const QRect r = option->rect;
    layout.textRect = r;
    layout.textFlags = Qt::AlignVCenter | Qt::TextShowMnemonic;
    if (!style->styleHint(QStyle::SH_UnderlineShortcut, option, widget))
        layout.textFlags |= Qt::TextHideMnemonic;

    if (option->icon.isNull()) {
        layout.textFlags |= Qt::AlignHCenter;
    } else {
        QIcon::Mode mode = QIcon::Normal;
        if (!(option->state & QStyle::State_Enabled))
            mode = QIcon::Disabled;
        else if (option->state & QStyle::State_HasFocus)
            mode = QIcon::Active;
        layout.pixmap = option->icon.pixmap(option->iconSize, mode, iconState);
        // Logical size, so a high-DPI pixmap keeps its place and extent.
        const qreal ratio = layout.pixmap.devicePixelRatio();
        const int iconWidth = int(layout.pixmap.width() / ratio);
        const int iconHeight = int(layout.pixmap.height() / ratio);

        const int textWidth = option->fontMetrics.boundingRect(r, layout.textFlags, option->text).width();
        const int labelWidth = option->text.isEmpty() ? iconWidth : iconWidth + 4 + textWidth;

        const auto *styled = qobject_cast<const QStyledPushButton *>(widget);
        const bool leftAligned = styled && (styled->buttonOptions() & QStyledPushButton::BO_ICON_LEFT_ALIGNED);
        const int buttonMargin = style->pixelMetric(QStyle::PM_ButtonMargin, option, widget);

        QRect iconRect(0, r.top() + (r.height() - iconHeight) / 2, iconWidth, iconHeight);
        iconRect.moveLeft(leftAligned ? r.left() + buttonMargin : r.left() + (r.width() - labelWidth) / 2);
        iconRect = QStyle::visualRect(option->direction, layout.textRect, iconRect);
        layout.textFlags |= Qt::AlignLeft;

        // A left-aligned icon leaves the text centred in the room to its right.
        const int offset = leftAligned ? (r.width() - iconRect.width() - 2 * buttonMargin - 4 - textWidth) / 2 : 0;
        if (option->direction == Qt::RightToLeft)
            layout.textRect.setRight(iconRect.left() - offset - 4);
        else
            layout.textRect.setLeft(iconRect.right() + 5 + offset);

        if (option->state & (QStyle::State_On | QStyle::State_Sunken)) {
            iconRect.translate(style->proxy()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, option, widget),
                               style->pixelMetric(QStyle::PM_ButtonShiftVertical, option, widget));
        }
        layout.iconRect = iconRect;
    }

    if (option->features & QStyleOptionButton::HasMenu) {
        const int indicator = style->proxy()->pixelMetric(QStyle::PM_MenuButtonIndicator, option, widget);
        if (option->direction == Qt::LeftToRight)
            layout.textRect.setRight(layout.textRect.right() - indicator);
        else
            layout.textRect.setLeft(layout.textRect.left() + indicator);
    }
    return layout;
}

} // namespace Veltrix
