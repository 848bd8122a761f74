#include "CommonStyle.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

#include "QNavigationButton.h"
#include "QStyledMenuBar.h"
#include "PanelCache.h"
#include "StyleCore.h"
#include "StyleMetrics.h"

using namespace Veltrix;

namespace {

constexpr int DefaultStyleOptions = CommonStyle::CS_BUTTON_OUTLINE | CommonStyle::CS_MENUBAR_ICONS
    | CommonStyle::CS_TWO_DIGIT_NUMBERS;

} // namespace

CommonStyle::CommonStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    , checkedPixmap(QStringLiteral(":/pixmaps/checkbox_checked.png"))
    , uncheckedPixmap(QStringLiteral(":/pixmaps/checkbox_unchecked.png"))
    , styleOptionFlags(QFlags<StyleOption>(DefaultStyleOptions))
{
    QApplication::setFont(applicationFont(Metrics::ApplicationFontSize));
}

CommonStyle::~CommonStyle() = default;

void CommonStyle::setStyleOptions(QFlags<CommonStyle::StyleOption> options)
{
    styleOptionFlags = options;
}

QFlags<CommonStyle::StyleOption> CommonStyle::styleOptions() const
{
    return styleOptionFlags;
}

int CommonStyle::navButtonIconSize(const QStyleOption *option)
{
    return Metrics::navigationIconSize(option);
}

int CommonStyle::navButtonMargin()
{
    return Metrics::NavigationMargin;
}

QIcon CommonStyle::windowIcon() const
{
    return QIcon();
}

void CommonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (element == PE_FrameGroupBox)
        return drawGroupBoxFrame(this, option, painter, widget);
    const auto base = [&](QPainter *p) { QProxyStyle::drawPrimitive(element, option, p, widget); };
    if (element == PE_IndicatorCheckBox) {
        // Fusion's box and tick depend on the state, the rectangle and the colours only; a pixel around
        // them leaves room for antialiasing.
        CacheKey key("fusionCheckBox");
        key << int(option->state) << int(option->direction) << option->rect << option->palette;
        return drawCached(painter, option->rect.adjusted(-1, -1, 1, 1), key, base);
    }
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    const bool flat = button && button->features.testFlag(QStyleOptionButton::Flat);
    // Fusion keeps a command panel in its own pixmap, drawn inside the rectangle from the state, the
    // colours and whether the button is the default; but under the render hints every entry point
    // switches on, its blit of that pixmap takes the raster engine's slow path, which ours avoids. A flat
    // button's panel is mostly nothing, which costs nothing to draw; a combo box's is drawn into Fusion's
    // own picture of the whole box, which Fusion keeps.
    if (element != PE_PanelButtonCommand || flat || qobject_cast<const QComboBox *>(widget))
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    CacheKey key("fusionButtonPanel");
    key << int(option->state) << int(option->direction) << option->palette << (button ? int(button->features) : -1);
    drawCached(painter, option->rect, key, base);
}

void CommonStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     QPainter *painter, const QWidget *widget) const
{
    enableRenderHints(painter, SmoothHints);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void CommonStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    enableRenderHints(painter, SmoothHints);
    if (element != CE_MenuBarItem)
        return QProxyStyle::drawControl(element, option, painter, widget);
    if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option))
        drawMenuBarItem(item, painter);
}

// The item's icon (when it has one and the flag asks for it) and text, from the left inset, and a
// drop-down chevron at its right when it is enabled. The background is the caller's.
void CommonStyle::drawMenuBarItem(const QStyleOptionMenuItem *item, QPainter *painter) const
{
    const QRect r = item->rect;
    const bool enabled = item->state & State_Enabled;
    const int alignment = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip
        | Qt::TextHideMnemonic;
    int textLeft = r.left() + Metrics::MenuBarItemInset;
    if (!item->icon.isNull() && styleOptionFlags.testFlag(CS_MENUBAR_ICONS)) {
        const int extent = QProxyStyle::pixelMetric(PM_SmallIconSize);
        const QPixmap pixmap = item->icon.pixmap(extent, enabled ? QIcon::Normal : QIcon::Disabled, QIcon::Off);
        // Logical width, so a high-DPI pixmap takes the same room as at 1x.
        const QRect pixmapRect(textLeft, r.top(), int(pixmap.width() / pixmap.devicePixelRatio()), r.height());
        QProxyStyle::drawItemPixmap(painter, pixmapRect, alignment, pixmap);
        textLeft = pixmapRect.right() + Metrics::MenuBarIconTextGap;
    }
    // Left-aligned and unclipped on a painter that is not right to left, a text without variants is placed by its
    // rectangle's left, top and height alone: where its layout is kept, it is not measured again on every paint.
    const bool measured = painter->layoutDirection() == Qt::RightToLeft || !keepsTextLayout(this, painter)
        || item->text.contains(TextVariantSeparator);
    QRect textRect;
    const int textRight = measured ? textLeft + item->fontMetrics.horizontalAdvance(item->text) - 1 : r.right();
    textRect.setCoords(textLeft, r.top(), textRight, r.bottom() - Metrics::MenuBarTextBottomInset);
    Veltrix::drawItemText(this, painter, textRect, alignment, item->palette, enabled, item->text, QPalette::ButtonText);
    if (!enabled)
        return;
    // The painter keeps the chevron's colour, with its own pen width back.
    QPen pen = painter->pen();
    const int rememberedWidth = pen.width();
    pen.setWidth(Metrics::ChevronStroke);
    pen.setColor(item->palette.color(QPalette::ButtonText));
    painter->setPen(pen);
    const int x = r.right() - Metrics::ChevronOffset;
    const int y = r.top() - 1 + r.height() / 2;
    // The same for every item in the same pen: drawn once, then blitted.
    const int margin = Metrics::ChevronStroke + 1;
    const QRect area(x - margin, y - margin, Metrics::ChevronWidth + 2 * margin + 1, Metrics::ChevronDepth + 2 * margin + 1);
    drawCached(painter, area, CacheKey("chevron"), [x, y](QPainter *p) {
        QPainterPath chevron;
        chevron.moveTo(x, y);
        chevron.lineTo(x + Metrics::ChevronDepth, y + Metrics::ChevronDepth);
        chevron.lineTo(x + Metrics::ChevronWidth, y);
        p->drawPath(chevron);
    });
    pen.setWidth(rememberedWidth);
    painter->setPen(pen);
}

int CommonStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuBarItemSpacing:
    case PM_MenuBarVMargin:
    case PM_MenuBarHMargin:
        return 0;
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
        return Metrics::IndicatorSize;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int CommonStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                           QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_EtchDisabledText:
    case SH_DitherDisabledText:
    case SH_ComboBox_Popup:
        return 0;
    case SH_UnderlineShortcut:
        if (isStyledMenuBar(widget))
            return 0;
        break;
    case SH_DrawMenuBarSeparator:
        return 1;
    default:
        break;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QSize CommonStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                    const QWidget *widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);

    if (type == CT_PushButton) {
        if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
            const int textWidth = option->fontMetrics.horizontalAdvance(button->text());
            if (textWidth > Metrics::WideTextShare * result.width())
                result.setWidth(int(Metrics::WideningFactor * result.width()));
        } else if (qobject_cast<const QNavigationButton *>(widget)
                   && qstyleoption_cast<const QStyleOptionButton *>(option)) {
            const int iconSize = navButtonIconSize(option);
            result.setWidth(result.width() + iconSize + Metrics::NavigationExtraWidth);
            result.setHeight(2 * iconSize);
        }
    } else if (type == CT_MenuBarItem && widget) {
        result = QSize(size.width() + Metrics::MenuBarItemPadding, widget->height());
        if (isStyledMenuBar(widget)) {
            const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
            // The menu bar reports only the icon as contents when there is one.
            if (item && !item->icon.isNull() && (styleOptionFlags & CS_MENUBAR_ICONS))
                result.rwidth() += item->fontMetrics.size(Qt::TextShowMnemonic, item->text).width() + Metrics::MenuBarIconTextGap;
            result.rwidth() += Metrics::StyledMenuBarItemExtra;
        }
    }
    return result;
}

void CommonStyle::polish(QWidget *widget)
{
    if (!widget)
        return;
    if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget)
        || qobject_cast<QMenuBar *>(widget))
        widget->setAttribute(Qt::WA_Hover);

    if (auto *menuBar = qobject_cast<QStyledMenuBar *>(widget)) {
        if (styleOptionFlags & CS_COMPACT_MENUBAR) {
            menuBar->setFixedHeight(Metrics::CompactMenuBarHeight);
            const auto actions = menuBar->findChildren<QAction *>();
            for (QAction *action : actions)
                action->setVisible(false);
        } else {
            menuBar->setFixedHeight(Metrics::MenuBarHeight);
        }
        QFont font = menuBar->font();
        font.setPointSize(Metrics::MenuBarFontSize);
        menuBar->setFont(font);
    }

    if (auto *navigationButton = qobject_cast<QNavigationButton *>(widget)) {
        QFont font = navigationButton->font();
        font.setPointSize(Metrics::NavigationFontSize);
        navigationButton->setFont(font);
    }
}

void CommonStyle::unpolish(QWidget *widget)
{
    if (!widget)
        return;
    if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget)
        || qobject_cast<QMenuBar *>(widget))
        widget->setAttribute(Qt::WA_Hover, false);

    if (auto *menuBar = qobject_cast<QStyledMenuBar *>(widget)) {
        const auto actions = menuBar->findChildren<QAction *>();
        for (QAction *action : actions)
            action->setVisible(true);
        menuBar->setFixedHeight(Metrics::MenuBarHeight);
        menuBar->setFont(QApplication::font());
        menuBar->setPalette(QGuiApplication::palette());
    }

    if (auto *navigationButton = qobject_cast<QNavigationButton *>(widget))
        navigationButton->setFont(QApplication::font());
}
