#include "FlatStyle.h"

#include <QMenu>
#include <QStyleOption>

#include "FlatLook.h"
#include "QFrameDescriptionLabel.h"
#include "QFrameHeaderLabel.h"
#include "QNavigationButton.h"
#include "QStyledComboBox.h"
#include "QStyledHeader.h"
#include "QStyledMenuBar.h"
#include "StyleMetrics.h"

using namespace Veltrix;

namespace {

// The flat look's entry points switch on these two and leave them on; its
// own pixmaps are drawn at their size and need no smoothing.
constexpr QPainter::RenderHints FlatHints = QPainter::Antialiasing | QPainter::TextAntialiasing;

} // namespace

FlatStyle::FlatStyle() = default;

FlatStyle::~FlatStyle() = default;

void FlatStyle::polish(QPalette &palette)
{
    setSolidBrush(palette, QPalette::Text, flatColor(FC_BLACK));
    setSolidBrush(palette, QPalette::Window, flatColor(FC_WHITE));
}

void FlatStyle::polish(QWidget *widget)
{
    CommonStyle::polish(widget);
    // Only the first matching class is treated.
    if (auto *comboBox = qobject_cast<QStyledComboBox *>(widget)) {
        QPalette palette = comboBox->palette();
        if (comboBox->buttonType() == StyleHelper::GRADIENT_BLUE)
            setSolidBrush(palette, QPalette::ButtonText, flatColor(FC_WHITE));
        comboBox->setPalette(palette);
    } else if (auto *header = qobject_cast<QStyledHeader *>(widget)) {
        polishStyledHeader(header);
    } else if (auto *headerLabel = qobject_cast<QFrameHeaderLabel *>(widget)) {
        headerLabel->setFont(applicationFont(Metrics::FrameHeaderFontSize, QFont::DemiBold));
        setSolidBrush(headerLabel, QPalette::WindowText, flatColor(FC_DARK_BLUE));
    } else if (auto *descriptionLabel = qobject_cast<QFrameDescriptionLabel *>(widget)) {
        descriptionLabel->setFont(applicationFont(Metrics::FrameDescriptionFontSize));
    } else if (auto *navigationButton = qobject_cast<QNavigationButton *>(widget)) {
        setSolidBrush(navigationButton, QPalette::Button, flatColor(FC_DARK_GRAY));
    }
}

// Only what CommonStyle set is taken back; the palettes, fonts and the logo
// given here stay until the widget is polished again.
void FlatStyle::unpolish(QWidget *widget)
{
    CommonStyle::unpolish(widget);
}

QIcon FlatStyle::windowIcon() const
{
    // A Qt 5 icon made from a file name is not null even when the file cannot
    // be read; without the host's icon the caller gets a null icon instead.
    const QIcon icon(QStringLiteral(":/logos/r_logo.ico"));
    return icon.availableSizes().isEmpty() ? QIcon() : icon;
}

void FlatStyle::polishStyledHeader(QStyledHeader *header)
{
    polishHeaderLabels(flatLook(), header);
    QStyledMenuBar *menuBar = header->menuBar();
    if (!menuBar)
        return;
    menuBar->setNativeMenuBar(false);
    setSolidBrush(menuBar, QPalette::Window, flatColor(FC_LIGHT_GRAY));
    // Only the menus there are now: menus added later keep their own palette.
    const auto menus = menuBar->findChildren<QMenu *>();
    for (QMenu *menu : menus) {
        QPalette palette = menu->palette();
        setSolidBrush(palette, QPalette::Window, flatColor(FC_WHITE));
        setSolidBrush(palette, QPalette::Highlight, flatColor(FC_BLUE));
        setSolidBrush(palette, QPalette::HighlightedText, flatColor(FC_WHITE));
        menu->setPalette(palette);
    }
}

void FlatStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    enableRenderHints(painter, FlatHints);
    switch (element) {
    case PE_Frame:
        if (!redirectFrame(proxy(), option, painter, widget))
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    case PE_FrameLineEdit:
        return drawFlatLineEditFrame(option, painter);
    case PE_FrameGroupBox:
        return drawGroupBoxFrame(this, option, painter, widget);
    case PE_PanelButtonCommand:
        return drawCommandPanel(flatLook(), this, option, painter, widget);
    case PE_IndicatorCheckBox:
        // The box is the grey line-edit outline, through the style on top, without a fill of its own.
        proxy()->drawPrimitive(PE_FrameLineEdit, option, painter, widget);
        if (option->state & (State_On | State_Sunken)) {
            CacheKey key("flat-tick");
            key << option->rect << flatColor(FC_DARK_GRAY);
            painter->save();
            drawCached(painter, option->rect.adjusted(-2, -2, 2, 2), key, [option](QPainter *p) {
                drawCheckMark(p, option->rect, flatColor(FC_DARK_GRAY), Metrics::FlatTickWidth);
            });
            painter->restore();
        }
        return;
    default:
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void FlatStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    enableRenderHints(painter, FlatHints);
    switch (element) {
    case CE_PushButtonLabel:
        return drawPushButtonLabel(flatLook(), this, option, painter, widget);
    case CE_MenuBarItem:
        return drawMenuBarItem(option, painter, widget);
    default:
        return CommonStyle::drawControl(element, option, painter, widget);
    }
}

// A styled menu bar's item: light grey, white while its menu is open, with the common style's black
// text and chevron. Ordinary menu bars keep the base style's items entirely.
void FlatStyle::drawMenuBarItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return;
    if (!isStyledMenuBar(widget))
        return QProxyStyle::drawControl(CE_MenuBarItem, option, painter, widget);
    painter->save();
    QStyleOptionMenuItem copy(*item);
    const QStyle::State open = State_Selected | State_Sunken;
    copy.palette = changedPalette(item->palette, { { QPalette::Window, flatColor((item->state & open) == open ? FC_WHITE : FC_LIGHT_GRAY) },
                                                   { QPalette::ButtonText, flatColor(FC_BLACK) } });
    fillRect(painter, item->rect, copy.palette.brush(QPalette::Window));
    CommonStyle::drawControl(CE_MenuBarItem, &copy, painter, widget);
    painter->restore();
}
