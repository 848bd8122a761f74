#ifndef VELTRIX_STYLESHARED_H
#define VELTRIX_STYLESHARED_H

#include <QIcon>
#include <QPainterPath>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;
class QStyle;
class QStyleOption;
class QStyleOptionButton;
class QWidget;

// Pieces whose logic is the same in the gradient and the flat look.
namespace Veltrix {

// PE_Frame of both looks: a combo box popup becomes a raised menu panel and a
// frame described by a frame option a line-edit frame without focus, both
// drawn through `proxy` so a style stacked on top sees them. Returns false
// when the frame is neither, for the caller to hand it to the base style.
bool redirectFrame(const QStyle *proxy, const QStyleOption *option, QPainter *painter, const QWidget *widget);

// The number shown on a navigation step with the given id: id + 1, padded
// with a leading zero to two digits when `twoDigits` is set.
QString navigationNumberText(int id, bool twoDigits);

// The tick of a checked box drawn in `box`: from a quarter of its width at half
// its height down to (0.4, 0.7) and up to (0.8, 0.3) of its size.
QPainterPath checkMarkPath(const QRect &box);

// Where a push button's icon and text go.
struct PushButtonLabelLayout
{
    QRect textRect;
    int textFlags = 0;
    QPixmap pixmap;  // null when the button has no icon
    QRect iconRect;  // logical size of the pixmap, already shifted when pressed
};

// Lays out the label of a push button: the icon centred with the text as one
// block, or at the button margin for a QStyledPushButton with a left-aligned
// icon (the text then centred in the room right of it), mirrored for
// right-to-left, shifted while pressed, with room for a menu indicator.
// `style` is the calling style (button margin, vertical shift, shortcut hint);
// the horizontal shift and the menu indicator are asked of its proxy.
PushButtonLabelLayout layoutPushButtonLabel(const QStyle *style, const QStyleOptionButton *option,
                                            const QWidget *widget, QIcon::State iconState);

} // namespace Veltrix

#endif // VELTRIX_STYLESHARED_H
