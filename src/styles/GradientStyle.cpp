#include "GradientStyle.h"

#include <QLabel>
#include <QStyleOption>

#include "GradientLook.h"
#include "QFrameHeaderLabel.h"
#include "QSlideMaster.h"
#include "QStyledComboBox.h"
#include "QStyledHeader.h"
#include "QStyledMenuBar.h"
#include "StyleMetrics.h"

using namespace Veltrix;

namespace {

// The menu bar's gradients start at the painter's origin whatever the rectangle's top.
void fillGradient(QPainter *painter, const QRect &rect, const QColor &top, const QColor &bottom)
{
    fillRect(painter, rect, verticalGradient(rect.height(), top, bottom));
}

} // namespace

GradientStyle::GradientStyle()
{
    // Read the colour table now rather than in the middle of the first paint.
    loadGradientColors();
}

GradientStyle::~GradientStyle() = default;

void GradientStyle::polish(QPalette &palette)
{
    setSolidBrush(palette, QPalette::Text, gradientColor(GC_BLACK));
    setSolidBrush(palette, QPalette::Window, gradientColor(GC_WHITE));
}

void GradientStyle::polish(QWidget *widget)
{
    CommonStyle::polish(widget);
    // Only the first matching class is treated.
    if (auto *combo = qobject_cast<QStyledComboBox *>(widget)) {
        QPalette palette = combo->palette();
        if (combo->buttonType() == StyleHelper::GRADIENT_MEDIUMGRAY)
            setSolidBrush(palette, QPalette::ButtonText, gradientColor(GC_BLACK));
        else if (combo->buttonType() == StyleHelper::GRADIENT_BLUE)
            setSolidBrush(palette, QPalette::ButtonText, gradientColor(GC_WHITE));
        combo->setPalette(palette);
    } else if (auto *header = qobject_cast<QStyledHeader *>(widget)) {
        polishHeaderLabels(gradientLook(), header);
        if (QStyledMenuBar *menuBar = header->menuBar()) {
            QPalette palette = menuBar->palette();
            setSolidBrush(palette, QPalette::ButtonText, gradientColor(GC_WHITE));
            setSolidBrush(palette, QPalette::HighlightedText, gradientColor(GC_BLACK));
            menuBar->setPalette(palette);
        }
    } else if (auto *slide = qobject_cast<QSlideMaster *>(widget)) {
        polishSlideMaster(slide);
    } else if (auto *label = qobject_cast<QFrameHeaderLabel *>(widget)) {
        QFont font = label->font();
        font.setPointSize(Metrics::FrameHeaderFontSize);
        font.setWeight(QFont::DemiBold);
        label->setFont(font);
        setSolidBrush(label, QPalette::WindowText, gradientColor(GC_DARKBLUE));
    }
}

void GradientStyle::polishSlideMaster(QSlideMaster *slide)
{
    if (QLabel *title = slide->m_titleLabel) {
        setSolidBrush(title, QPalette::WindowText, gradientColor(GC_DARKBLUE));
        QFont font = title->font();
        font.setWeight(QFont::DemiBold);
        font.setPointSize(Metrics::HeaderFontSize);
        title->setFont(font);
    }
    if (QLabel *subTitle = slide->m_subTitleLabel) {
        QFont font = subTitle->font();
        font.setPointSize(Metrics::SlideSubTitleFontSize);
        subTitle->setFont(font);
    }
}

void GradientStyle::unpolish(QWidget *widget)
{
    // Fonts, palettes and the logo set by polish stay: only what the common
    // style set is taken back.
    CommonStyle::unpolish(widget);
}

QIcon GradientStyle::windowIcon() const
{
    return QIcon(QStringLiteral(":/logos/GradientLogo.ico"));
}

void GradientStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    enableRenderHints(painter, SmoothHints);
    switch (element) {
    case PE_Frame:
        if (!redirectFrame(proxy(), option, painter, widget))
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    case PE_FrameGroupBox:
        return drawGroupBoxFrame(this, option, painter, widget);
    case PE_PanelButtonCommand:
        return drawCommandPanel(gradientLook(), this, option, painter, widget);
    case PE_IndicatorCheckBox:
        return drawGradientCheckBox(option, painter);
    default:
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void GradientStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    enableRenderHints(painter, SmoothHints);
    switch (element) {
    case CE_PushButtonLabel:
        return drawPushButtonLabel(gradientLook(), this, option, painter, widget);
    case CE_MenuItem:
        return drawMenuItem(option, painter, widget);
    case CE_MenuBarItem:
        return drawMenuBarItem(option, painter, widget);
    case CE_MenuBarEmptyArea:
        if (!isStyledMenuBar(widget))
            return QProxyStyle::drawControl(element, option, painter, widget);
        painter->save();
        // Wide, so filled directly rather than kept in the cache.
        fillGradient(painter, option->rect, gradientColor(GC_MIDBLUE_2), gradientColor(GC_DARKBLUE));
        painter->restore();
        return;
    default:
        return CommonStyle::drawControl(element, option, painter, widget);
    }
}

void GradientStyle::drawMenuItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    painter->save();
    if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
        QStyleOptionMenuItem copy(*item);
        if (item->state & State_Enabled)
            copy.palette = changedPalette(item->palette, { { QPalette::Text, gradientColor(GC_BLACK) },
                                                           { QPalette::Highlight, gradientColor(GC_LIGHTGRAY) },
                                                           { QPalette::HighlightedText, gradientColor(GC_BLACK) } });
        else
            copy.palette = changedPalette(item->palette, { { QPalette::Text, gradientColor(GC_MIDGRAY_2) } });
        CommonStyle::drawControl(CE_MenuItem, &copy, painter, widget);
    } else {
        CommonStyle::drawControl(CE_MenuItem, option, painter, widget);
    }
    painter->restore();
}

// A styled menu bar's item on the bar's gradient, lighter while open, darker with the focus, set
// apart by a dark and a light line on its right edge. Other menu bars keep Fusion's items, in the
// look's highlight colours.
void GradientStyle::drawMenuBarItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return;
    QStyleOptionMenuItem copy(*item);
    if (!isStyledMenuBar(widget)) {
        copy.palette = changedPalette(item->palette, { { QPalette::Highlight, gradientColor(GC_LIGHTGRAY) },
                                                       { QPalette::HighlightedText, gradientColor(GC_BLACK) } });
        return QProxyStyle::drawControl(CE_MenuBarItem, &copy, painter, widget);
    }
    painter->save();
    const QRect r = item->rect;
    const MenuBarItemLook look = gradientMenuBarItem(item->state);
    if (look.changesText)
        copy.palette = changedPalette(item->palette, { { QPalette::ButtonText, gradientColor(look.text) } });
    const QColor top = gradientColor(look.top), bottom = gradientColor(look.bottom);
    CacheKey fillKey("gradient-fill");
    fillKey << r << top << bottom;
    drawCached(painter, r, fillKey, [&](QPainter *p) { fillGradient(p, r, top, bottom); }, Slices(), true);
    CommonStyle::drawControl(CE_MenuBarItem, &copy, painter, widget);
    const QColor dark = gradientColor(GC_DARKBLUE), lightTop = gradientColor(GC_LIGHTBLUE), lightBottom = gradientColor(GC_MIDBLUE_1);
    CacheKey key("gradient-bar-edge");
    key << r << dark << lightTop << lightBottom;
    drawCached(painter, QRect(r.right() - 2, -2, 5, r.height() + 5), key, [&](QPainter *p) {
        QPen pen = p->pen();
        pen.setColor(dark);
        p->setPen(pen);
        p->drawLine(r.right(), 0, r.right(), r.height());
        pen.setBrush(verticalGradient(r.height(), lightTop, lightBottom));
        p->setPen(pen);
        p->drawLine(r.right() + 1, 0, r.right() + 1, r.height());
    });
    painter->restore();
}

QRect GradientStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                                    const QWidget *widget) const
{
    const QRect base = QProxyStyle::subControlRect(control, option, subControl, widget);
    const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
    if (control != CC_ComboBox || !combo)
        return base;
    const QRect r = combo->rect;
    const int m = combo->frame ? Metrics::ComboFrameInset : 0;
    const int arrow = combo->frame ? Metrics::ComboArrowWidthFramed : Metrics::ComboArrowWidthFrameless;
    QRect result = base;
    if (subControl == SC_ComboBoxFrame || subControl == SC_ComboBoxListBoxPopup)
        result = r;
    else if (subControl == SC_ComboBoxEditField)
        result = QRect(r.x() + m, r.y() + m, r.width() - Metrics::ComboEditFieldArrowRoom - 2 * m, r.height() - 2 * m);
    else if (subControl == SC_ComboBoxArrow)
        result = QRect(r.x() + r.width() - arrow, r.y(), arrow, r.height());
    // Every result, the base style's included, is mirrored once more for
    // right-to-left, as the rest of the geometry above is laid out left to right.
    return visualRect(combo->direction, r, result);
}
