#ifndef VELTRIX_STYLECORE_H
#define VELTRIX_STYLECORE_H

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QStyle>

#include <functional>

#include "CommonStyle.h"
#include "PanelCache.h"

class QProxyStyle;
class QStyledHeader;

// The drawing both looks share. A look is a small description (Look below:
// its colours and the shapes only it has); the skeletons here draw with it.
//
// Which style a call goes to: what a look redirects or hands on as a whole
// element (a frame drawn as another frame, the check box's frame, the button
// shift and the menu indicator) goes through proxy(), so a style stacked on
// top sees and may change it; queries and drawing that belong to the element
// being drawn right now (the look's own metrics, the base's text and pixmap
// drawing, elements the look leaves to Fusion) go to the style itself or to
// QProxyStyle, the base, so a stacked style cannot loop back into them.
namespace Veltrix {

// Every drawing entry point switches these on and leaves them on; painters
// that have them already are not touched.
void enableRenderHints(QPainter *painter, QPainter::RenderHints hints);
constexpr QPainter::RenderHints SmoothHints =
    QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;

// Palette changes of the looks apply to every colour group, as solid brushes.
void setSolidBrush(QPalette &palette, QPalette::ColorRole role, const QColor &color);
// The same on a copy of `widget`'s palette, given back to the widget.
void setSolidBrush(QWidget *widget, QPalette::ColorRole role, const QColor &color);
// `source` with up to three roles set so, as the looks do for every item they paint: made once per
// source palette and change, then shared.
using RoleColor = QPair<QPalette::ColorRole, QColor>;
QPalette changedPalette(const QPalette &source, std::initializer_list<RoleColor> roles);
// `base` with another weight; the same font object each time, so its font engine is found once.
QFont weightedFont(const QFont &base, int weight);
// The application font at `pointSize`, with `weight` unless that is -1.
QFont applicationFont(int pointSize, int weight = -1);

// A top-to-bottom gradient over `height` in painter coordinates: the looks
// start their gradients at y = 0 whatever the rectangle's top.
QLinearGradient verticalGradient(qreal height, const QColor &top, const QColor &bottom);

// PE_Frame of both looks: a combo box popup becomes a raised menu panel and a
// frame described by a frame option a line-edit frame without focus, both
// drawn through `proxy`. Returns false when the frame is neither, for the
// caller to hand it to its base.
bool redirectFrame(const QStyle *proxy, const QStyleOption *option, QPainter *painter, const QWidget *widget);

// The number shown on a navigation step with the given id: id + 1, padded
// with a leading zero to two digits when `twoDigits` is set.
QString navigationNumberText(int id, bool twoDigits);

// The tick of a checked (or pressed) box in `box`, in `color` and `width`:
// from a quarter of its width at half its height down to (0.4, 0.7) and up
// to (0.8, 0.3) of its size.
void drawCheckMark(QPainter *painter, const QRect &box, const QColor &color, int width);

// Separates the variants of a text (longest first), of which drawText() shows the first that fits: such
// text depends on its rectangle's width, so it is measured and drawn with drawText().
constexpr QChar TextVariantSeparator(u'\x9c');

// Whether drawItemText() below keeps the text's layout (where that draws what the base style draws).
bool keepsTextLayout(const QProxyStyle *style, const QPainter *painter);

// The base style's drawItemText(); where the result is the same, a single line's layout is made once per text,
// font and resolution and kept, and only its glyphs are drawn again.
void drawItemText(const QProxyStyle *style, QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                  bool enabled, const QString &text, QPalette::ColorRole role);

// A button's outline within a row of buttons: rounded corners where the row
// ends, square ones where buttons meet.
enum Corner { TopLeft = 0x1, TopRight = 0x2, BottomRight = 0x4, BottomLeft = 0x8, AllCorners = 0xf };
QPainterPath buttonOutline(const QRect &rect, int corners);

// A navigation step as the shared drawing sees it.
struct Step
{
    const QStyleOption *option;
    bool enabled;
    bool on;
    int iconSize;
};

// What differs between the looks in the elements they share.
class Look
{
public:
    virtual ~Look() = default;

    // Navigation steps: a plain fill under everything (drawn as it is, never
    // cached), the marker under the badge, the badge (which the links join),
    // their pens, and the colours of number and text.
    virtual void drawStepFill(QPainter *painter, const Step &step) const = 0;
    virtual void drawStepBackground(QPainter *painter, const Step &step, QPen &pen) const = 0;
    virtual QRect stepBadge(const Step &step) const = 0;
    virtual bool linksEndAtBadgeCentre() const = 0;
    virtual void drawStepBadge(QPainter *painter, const Step &step, const QRect &badge, QPen &pen,
                               QBrush &brush, const std::function<void()> &drawLinks) const = 0;
    virtual QColor stepNumberColor(const Step &step) const = 0;
    // What else the step's picture depends on: the colours and measures the look reads.
    virtual void addStepKey(CacheKey &key, const Step &step) const = 0;
    virtual QColor stepTextColor(const Step &step) const = 0;
    virtual int stepTextWeight(const Step &step) const = 0; // -1 keeps the painter's font

    // Push buttons: the panel under the label, the label's picture and colour.
    virtual void drawButtonPanel(QPainter *painter, const QStyleOption *option, const QWidget *widget,
                                 CommonStyle::StyleOptions flags) const = 0;
    virtual QIcon::State labelIconState(QStyle::State state) const = 0;
    virtual QColor labelColor(int buttonType, QStyle::State state) const = 0;

    // The look's logo on the header and its header texts.
    virtual QString headerLogo() const = 0;
    virtual QColor headerTextColor() const = 0;
    virtual int headerTitleWeight() const = 0; // -1 keeps the application font's
};

// PE_PanelButtonCommand: a navigation step or the look's button panel.
void drawCommandPanel(const Look &look, const CommonStyle *style, const QStyleOption *option, QPainter *painter,
                      const QWidget *widget);
// CE_PushButtonLabel: a navigation step's text after its badge, or a push
// button's icon and text; `style` is the calling look.
void drawPushButtonLabel(const Look &look, const QProxyStyle *style, const QStyleOption *option, QPainter *painter,
                         const QWidget *widget);

// PE_FrameGroupBox as the base style draws it, through the cache: its picture
// depends on the box's size, its title's font and whether it has a title or a
// check box, besides the option's state, direction and palette.
void drawGroupBoxFrame(const QProxyStyle *style, const QStyleOption *option, QPainter *painter, const QWidget *widget);

// The header's logo and texts in the look's manner; the menu bar is the look's own.
void polishHeaderLabels(const Look &look, QStyledHeader *header);

// The item type of a styled push button or combo box (DEFAULT for other widgets), and its design.
int buttonType(const QWidget *widget);
int buttonDesign(const QWidget *widget);
bool isStyledMenuBar(const QWidget *widget);

} // namespace Veltrix

#endif // VELTRIX_STYLECORE_H
