#include "StyleCore.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStaticText>
#include <QStyleOption>
#include <QTextLayout>

#include <algorithm>
#include <functional>

#include "PanelCache.h"
#include "QNavigationButton.h"
#include "QStyledComboBox.h"
#include "QStyledHeader.h"
#include "QStyledMenuBar.h"
#include "QStyledPushButton.h"
#include "StyleMetrics.h"

namespace Veltrix {

namespace {

// Where a push button's icon and text go.
struct LabelLayout
{
    QRect textRect;
    int textFlags = 0;
    QPixmap pixmap;  // null when the button has no icon
    QRect iconRect;  // logical size of the pixmap, already shifted when pressed
};

// The icon centred with the text as one block, or at the button margin for a
// QStyledPushButton with a left-aligned icon (the text then centred in the
// room right of it), mirrored for right-to-left, shifted while pressed, with
// room for a menu indicator.
LabelLayout layoutLabel(const QStyle *style, const QStyleOptionButton *option, const QWidget *widget,
                        QIcon::State iconState)
{
    LabelLayout layout;
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
        // Logical size (truncated), so a high-DPI pixmap keeps its place and extent.
        const qreal ratio = layout.pixmap.devicePixelRatio();
        const QSize icon(int(layout.pixmap.width() / ratio), int(layout.pixmap.height() / ratio));
        const int textWidth = option->fontMetrics.boundingRect(r, layout.textFlags, option->text).width();
        const int labelWidth = option->text.isEmpty() ? icon.width() : icon.width() + Metrics::IconTextGap + textWidth;
        const auto *styled = qobject_cast<const QStyledPushButton *>(widget);
        const bool leftAligned = styled && styled->buttonOptions().testFlag(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, option, widget);

        QRect iconRect(0, r.top() + (r.height() - icon.height()) / 2, icon.width(), icon.height());
        iconRect.moveLeft(leftAligned ? r.left() + margin : r.left() + (r.width() - labelWidth) / 2);
        iconRect = QStyle::visualRect(option->direction, layout.textRect, iconRect);
        layout.textFlags |= Qt::AlignLeft;
        // A left-aligned icon leaves the text centred in the room to its right.
        const int offset = leftAligned ? (r.width() - iconRect.width() - 2 * margin - Metrics::IconTextGap - textWidth) / 2 : 0;
        if (option->direction == Qt::RightToLeft)
            layout.textRect.setRight(iconRect.left() - offset - Metrics::IconTextGap);
        else
            layout.textRect.setLeft(iconRect.right() + 1 + Metrics::IconTextGap + offset);
        if (option->state & (QStyle::State_On | QStyle::State_Sunken))
            iconRect.translate(style->proxy()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, option, widget),
                               style->pixelMetric(QStyle::PM_ButtonShiftVertical, option, widget));
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

// The text drawText() shows for Qt::TextHideMnemonic: each '&' takes the next character literally
// ("&&" shows one), a last '&' shows nothing.
QString withoutMnemonics(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && ++i == text.size())
            break;
        shown += text.at(i);
    }
    return shown;
}

// A line of text laid out once per text, font and resolution: its static text, its size as drawText()
// measures the line (its advance, its ascent plus descent) and its natural width (with the overhang of
// its last glyph), which drawText() clips to.
struct KeptLine
{
    QStaticText text;
    QSizeF size;
    qreal naturalWidth = 0;
};

// Fonts compare equal whatever resolution they were resolved for, hence the device's resolution in the key.
struct LineKey
{
    QString text;
    QFont font;
    int dpi;
    bool operator==(const LineKey &other) const { return dpi == other.dpi && text == other.text && font == other.font; }
};

// Hashing a whole font costs as much as the rest of a lookup; a few of its numbers spread the keys as well.
decltype(::qHash(0)) qHash(const LineKey &key, decltype(::qHash(0)) seed = 0)
{
    // Unsigned: a font sized in points has a pixel size of -1.
    const uint numbers = uint(key.dpi) ^ (uint(key.font.pixelSize()) << 8) ^ (uint(key.font.weight()) << 16);
    return ::qHash(key.text, seed) ^ ::qHash(numbers, seed) ^ ::qHash(key.font.pointSizeF(), seed);
}

const KeptLine &keptLine(const QString &text, const QFont &font, int dpi)
{
    static QHash<LineKey, KeptLine> kept; // bounded: a few steps, labels and titles in a few fonts
    static const bool cleared = [] {
        // A font added while the program runs may draw glyphs that a kept line shows as missing.
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, [] { kept.clear(); });
        return true;
    }();
    Q_UNUSED(cleared)
    const LineKey key{ text, font, dpi };
    auto found = kept.find(key);
    if (found != kept.end())
        return *found;
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight); // as drawText() lays out for the painter's direction
    option.setWrapMode(QTextOption::ManualWrap);
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QStaticText staticText(text);
    staticText.setTextFormat(Qt::PlainText);
    staticText.setTextOption(option);
    staticText.setPerformanceHint(QStaticText::AggressiveCaching);
    if (kept.size() > 64)
        kept.clear();
    return *kept.insert(key, { staticText, QSizeF(line.horizontalAdvance(), line.ascent() + line.descent()),
                               line.naturalTextWidth() });
}

// painter->drawText(rect, flags, text) for a single line drawn again and again (a step's number and
// title, a button's label, a menu bar's titles), centred or left-aligned, vertically centred. Where the
// panel cache applies, the text's layout is kept (keptLine()) and placed where drawText() places it; the
// glyphs are still drawn every time. Text drawText() would clip, or treat specially (line breaks, tabs,
// an underlined mnemonic), goes to drawText().
void drawLaidOutText(QPainter *painter, const QRect &rect, int flags, const QString &given)
{
    const bool mnemonics = flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic) && given.contains(QLatin1Char('&'));
    if (mnemonics && flags & Qt::TextShowMnemonic && !(flags & Qt::TextHideMnemonic))
        return painter->drawText(rect, flags, given);
    const QString text = mnemonics ? withoutMnemonics(given) : given;
    const bool centred = flags & Qt::AlignHCenter;
    const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c < QLatin1Char(' ') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == TextVariantSeparator;
    });
    // Laid out left to right: what a left-to-right painter does, and an automatic one for text that starts
    // left to right; centred digits alone look the same either way (a right-to-left painter would put
    // left-aligned text on the right).
    const Qt::LayoutDirection direction = painter->layoutDirection();
    const bool leftToRight = direction == Qt::LeftToRight || (direction == Qt::LayoutDirectionAuto && !text.isRightToLeft());
    const auto digits = [&text] { return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }); };
    // A static text draws no underline, overline or strike-out line (nor an opaque background, which
    // blitsLikeDrawing() turns away).
    const QFont &font = painter->font();
    const bool decorated = font.underline() || font.overline() || font.strikeOut();
    if (!plain || decorated || !blitsLikeDrawing(painter) || !(leftToRight || (centred && digits())))
        return painter->drawText(rect, flags, given);
    const KeptLine &line = keptLine(text, font, painter->device()->logicalDpiY());
    const bool clipped = !(flags & Qt::TextDontClip) && line.naturalWidth > rect.width();
    if (clipped || line.size.width() > rect.width() || line.size.height() > rect.height())
        return painter->drawText(rect, flags, given);
    const qreal x = centred ? (rect.width() - line.size.width()) / 2 : 0;
    // Where drawText() places a line: in 1/64 of a pixel, cut towards zero (QFixed), before the device's
    // pixel ratio scales it.
    const auto fixed = [](qreal v) { return int(v * 64) / 64.0; };
    painter->drawStaticText(QPointF(fixed(rect.x() + x), fixed(rect.y() + (rect.height() - line.size.height()) / 2)), line.text);
}

} // namespace

bool keepsTextLayout(const QProxyStyle *style, const QPainter *painter)
{
    // Fusion's drawItemText() is drawText() in a pen of the role's brush, enabled or not.
    return blitsLikeDrawing(painter) && qstrcmp(style->baseStyle()->metaObject()->className(), "QFusionStyle") == 0;
}

void drawItemText(const QProxyStyle *style, QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                  bool enabled, const QString &text, QPalette::ColorRole role)
{
    if (text.isEmpty() || !keepsTextLayout(style, painter))
        return style->QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
    if (role == QPalette::NoRole)
        return drawLaidOutText(painter, rect, flags, text);
    const QPen pen = painter->pen();
    painter->setPen(QPen(palette.brush(role), pen.widthF()));
    drawLaidOutText(painter, rect, flags, text);
    painter->setPen(pen);
}

namespace {

// A step's number in its badge, drawn directly in the pen the badge left; the text needs only its colour.
void drawStepNumber(const Look &look, const CommonStyle *style, const Step &step, const QRect &badge, QPainter *painter,
                    int id)
{
    QPen pen = painter->pen();
    pen.setColor(look.stepNumberColor(step));
    painter->setPen(pen);
    const bool twoDigits = style->styleOptions().testFlag(CommonStyle::CS_TWO_DIGIT_NUMBERS);
    drawLaidOutText(painter, badge.adjusted(0, 0, 0, -1), Qt::AlignCenter, navigationNumberText(id, twoDigits));
}

void drawStepPanel(const Look &look, const CommonStyle *style, const QStyleOption *option, QPainter *painter,
                   const QNavigationButton *button)
{
    if (!qstyleoption_cast<const QStyleOptionButton *>(option))
        return;
    const Step step{ option, option->state.testFlag(QStyle::State_Enabled), option->state.testFlag(QStyle::State_On),
                     Metrics::navigationIconSize(option) };
    const QRect r = option->rect;
    const QRect badge = look.stepBadge(step);
    const bool numbered = button->id() >= 0;
    // Links join the steps the user can go to: a hidden but enabled next step still continues the chain.
    const QNavigationButton *predecessor = button->predecessor();
    const QNavigationButton *successor = button->successor();
    const bool upper = predecessor && predecessor->isEnabled() && predecessor->isVisible();
    const bool lower = successor && successor->isEnabled();

    // Everything but the number depends on these few inputs: drawn once, then blitted.
    CacheKey key("step");
    key << r.x() << r.y() << r.height() << badge << step.enabled << step.on << numbered << upper << lower;
    // A step narrower than its badge ends inside the badge's room, which then sets the panel's extent alone.
    key << (badge.right() > r.right() ? r.width() : -1);
    look.addStepKey(key, step);
    // Room for the strokes; the badge end and the marker end differ along the step, the rest repeats.
    const int margin = qMax(painter->pen().width(), step.iconSize / 4) + 2;
    const QRect area = r.united(badge).adjusted(-margin, -margin, margin, margin);
    const Slices slices{ badge.right() + margin + 1 - area.left(), Metrics::StepMarkerExtent + 2 * margin };
    look.drawStepFill(painter, step);
    const auto panel = [&](QPainter *p) {
        QPen pen = p->pen();
        QBrush brush = p->brush();
        brush.setStyle(Qt::SolidPattern);
        look.drawStepBackground(p, step, pen);
        if (!numbered || !step.enabled)
            return;
        const int x = badge.left() + badge.width() / 2;
        const int upperEnd = look.linksEndAtBadgeCentre() ? badge.top() + badge.height() / 2 : badge.top();
        const int lowerStart = look.linksEndAtBadgeCentre() ? upperEnd : badge.top() + badge.height();
        look.drawStepBadge(p, step, badge, pen, brush, [&] {
            if (upper)
                p->drawLine(x, r.top(), x, upperEnd);
            if (lower)
                p->drawLine(x, lowerStart, x, r.top() + r.height());
        });
    };
    // A step narrower than its marker draws the marker across its left edge, possibly past the device's,
    // where the raster engine clips a line before antialiasing it: no picture of it would match.
    if (r.width() <= Metrics::StepMarkerInset + 1)
        panel(painter);
    else
        drawCached(painter, area, key, panel, slices);
    if (numbered)
        drawStepNumber(look, style, step, badge, painter, button->id());
}

// A navigation step's own text, after the badge and its margins.
void drawStepText(const Look &look, const QStyleOption *option, QPainter *painter, const QNavigationButton *button)
{
    const Step step{ option, option->state.testFlag(QStyle::State_Enabled), option->state.testFlag(QStyle::State_On),
                     Metrics::navigationIconSize(option) };
    QPen pen = painter->pen();
    pen.setColor(look.stepTextColor(step));
    painter->setPen(pen);
    if (const int weight = look.stepTextWeight(step); weight >= 0)
        painter->setFont(weightedFont(painter->font(), weight));
    drawLaidOutText(painter, option->rect.adjusted(Metrics::navigationTextIndent(option), 0, 0, 0),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, button->text());
}

void drawButtonText(const Look &look, const QProxyStyle *style, const QStyleOptionButton *option, QPainter *painter,
                    const QWidget *widget)
{
    const LabelLayout layout = layoutLabel(style, option, widget, look.labelIconState(option->state));
    if (!layout.pixmap.isNull())
        painter->drawPixmap(layout.iconRect, layout.pixmap);
    const auto *styled = qobject_cast<const QStyledPushButton *>(widget);
    QPen pen = painter->pen();
    pen.setColor(look.labelColor(styled ? int(styled->buttonType()) : int(StyleHelper::DEFAULT), option->state));
    painter->setPen(pen);
    // NoRole keeps the pen set above.
    drawItemText(style, painter, layout.textRect, layout.textFlags, option->palette, option->state & QStyle::State_Enabled,
                 option->text, QPalette::NoRole);
}

} // namespace

void enableRenderHints(QPainter *painter, QPainter::RenderHints hints)
{
    if ((painter->renderHints() & hints) != hints)
        painter->setRenderHints(hints);
}

void setSolidBrush(QPalette &palette, QPalette::ColorRole role, const QColor &color)
{
    palette.setBrush(QPalette::All, role, QBrush(color, Qt::SolidPattern));
}

void setSolidBrush(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    setSolidBrush(palette, role, color);
    widget->setPalette(palette);
}

QPalette changedPalette(const QPalette &source, std::initializer_list<RoleColor> roles)
{
    // Bounded: a program has a handful of palettes and the looks a handful of changes.
    static QHash<QVector<qint64>, QPalette> made;
    QVector<qint64> key{ source.cacheKey() };
    for (const RoleColor &role : roles)
        key << role.first << role.second.rgba();
    const auto found = made.constFind(key);
    if (found != made.constEnd())
        return found.value();
    QPalette palette = source;
    for (const RoleColor &role : roles)
        setSolidBrush(palette, role.first, role.second);
    if (made.size() > 256)
        made.clear();
    made.insert(key, palette);
    return palette;
}

QFont weightedFont(const QFont &base, int weight)
{
    static QHash<QPair<QFont, int>, QFont> made;
    const auto found = made.constFind(qMakePair(base, weight));
    if (found != made.constEnd())
        return found.value();
    QFont font = base;
    font.setWeight(QFont::Weight(weight));
    if (made.size() > 64)
        made.clear();
    made.insert(qMakePair(base, weight), font);
    return font;
}

QFont applicationFont(int pointSize, int weight)
{
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    if (weight >= 0)
        font.setWeight(QFont::Weight(weight));
    return font;
}

QLinearGradient verticalGradient(qreal height, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

bool redirectFrame(const QStyle *proxy, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
    if (widget && widget->inherits("QComboBoxPrivateContainer")) {
        QStyleOption menuOption(*option); // a plain option: type and version are QStyleOption's own
        menuOption.state |= QStyle::State_Raised;
        proxy->drawPrimitive(QStyle::PE_PanelMenu, &menuOption, painter, widget);
        return true;
    }
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

void drawCheckMark(QPainter *painter, const QRect &box, const QColor &color, int width)
{
    const int w = box.width();
    const int h = box.height();
    QPainterPath path;
    path.moveTo(w / 4, h * 0.5);
    path.lineTo(w * 0.4, h * 0.7);
    path.lineTo(w * 0.8, h * 0.3);
    path.translate(box.topLeft());
    QPen pen = painter->pen();
    pen.setColor(color);
    pen.setWidth(width);
    painter->setPen(pen);
    painter->drawPath(path);
}

QPainterPath buttonOutline(const QRect &rect, int corners)
{
    // Clockwise from the top left; a rounded corner is a quarter arc in a
    // square at that corner, sweeping -90 degrees.
    const qreal x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height(), d = Metrics::ButtonCornerDiameter;
    const QRectF square[] = { { x, y, d, d }, { x + w - d, y, d, d }, { x + w - d, y + h - d, d, d }, { x, y + h - d, d, d } };
    const QPointF point[] = { { x, y }, { x + w, y }, { x + w, y + h }, { x, y + h } };
    const qreal startAngle[] = { 180, 90, 0, 270 };
    QPainterPath path;
    for (int corner = 0; corner < 4; ++corner) {
        const bool round = corners & (1 << corner);
        if (corner == 0 && round)
            path.arcMoveTo(square[0], startAngle[0]);
        if (corner == 0 && !round)
            path.moveTo(point[0]);
        if (round)
            path.arcTo(square[corner], startAngle[corner], -90);
        else if (corner > 0)
            path.lineTo(point[corner]);
    }
    path.closeSubpath();
    return path;
}

void drawCommandPanel(const Look &look, const CommonStyle *style, const QStyleOption *option, QPainter *painter,
                      const QWidget *widget)
{
    painter->save();
    if (const auto *step = qobject_cast<const QNavigationButton *>(widget))
        drawStepPanel(look, style, option, painter, step);
    else
        look.drawButtonPanel(painter, option, widget, style->styleOptions());
    painter->restore();
}

void drawPushButtonLabel(const Look &look, const QProxyStyle *style, const QStyleOption *option, QPainter *painter,
                         const QWidget *widget)
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button)
        return;
    // The label changes only the pen and the font; putting back those two is cheaper than save() and restore().
    const QPen pen = painter->pen();
    const QFont font = painter->font();
    if (const auto *step = qobject_cast<const QNavigationButton *>(widget))
        drawStepText(look, button, painter, step);
    else
        drawButtonText(look, style, button, painter, widget);
    painter->setPen(pen);
    if (painter->font() != font)
        painter->setFont(font);
}

void polishHeaderLabels(const Look &look, QStyledHeader *header)
{
    // The form makes the labels direct children of the header under these names.
    const auto label = [header](const char *name) {
        return header->findChild<QLabel *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    QLabel *title = label("appTitleLabel");
    QLabel *name = label("appNameLabel");
    if (QLabel *logo = label("appLogoLabel"))
        logo->setPixmap(QPixmap(look.headerLogo()));
    if (name)
        name->setFont(applicationFont(Metrics::HeaderFontSize));
    if (title)
        title->setFont(applicationFont(Metrics::HeaderFontSize, look.headerTitleWeight()));
    if (name) {
        QPalette palette = name->palette();
        setSolidBrush(palette, name->foregroundRole(), look.headerTextColor());
        name->setPalette(palette);
        if (title)
            title->setPalette(palette);
    }
}

int buttonType(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QStyledPushButton *>(widget))
        return button->buttonType();
    if (const auto *combo = qobject_cast<const QStyledComboBox *>(widget))
        return combo->buttonType();
    return StyleHelper::DEFAULT;
}

int buttonDesign(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QStyledPushButton *>(widget))
        return button->buttonDesign();
    if (const auto *combo = qobject_cast<const QStyledComboBox *>(widget))
        return combo->buttonDesign();
    return StyleHelper::BD_DEFAULT;
}

bool isStyledMenuBar(const QWidget *widget)
{
    return qobject_cast<const QStyledMenuBar *>(widget) != nullptr;
}

void drawGroupBoxFrame(const QProxyStyle *style, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    CacheKey key("groupBoxFrame");
    key << int(option->state) << int(option->direction) << option->fontMetrics.height() << option->palette
        << (box ? int(box->isCheckable()) + 2 * int(box->title().isEmpty()) : -1);
    drawFrameCached(painter, option->rect, key,
                    [&](QPainter *p) { style->QProxyStyle::drawPrimitive(QStyle::PE_FrameGroupBox, option, p, widget); });
}

} // namespace Veltrix
