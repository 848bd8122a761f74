#include "FlatStyle.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>

#include "FlatStyle_p.h"
#include "QFrameDescriptionLabel.h"
#include "QFrameHeaderLabel.h"
#include "QNavigationButton.h"
#include "QStyledComboBox.h"
#include "QStyledHeader.h"
#include "QStyledMenuBar.h"

using Veltrix::FlatLook::setSolidBrush;

namespace {

constexpr int HeaderFontSize = 16;
constexpr int FrameHeaderFontSize = 20;
constexpr int FrameDescriptionFontSize = 12;

template <typename Widget>
void changePalette(Widget *widget, QPalette::ColorRole role, FlatColor color)
{
    QPalette palette = widget->palette();
    setSolidBrush(palette, role, color);
    widget->setPalette(palette);
}

void polishStyledComboBox(QStyledComboBox *comboBox)
{
    QPalette palette = comboBox->palette();
    if (comboBox->buttonType() == StyleHelper::GRADIENT_BLUE)
        setSolidBrush(palette, QPalette::ButtonText, FC_WHITE);
    comboBox->setPalette(palette);
}

void polishFrameHeaderLabel(QFrameHeaderLabel *label)
{
    QFont font = QApplication::font();
    font.setPointSize(FrameHeaderFontSize);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    changePalette(label, QPalette::WindowText, FC_DARK_BLUE);
}

void polishFrameDescriptionLabel(QFrameDescriptionLabel *label)
{
    QFont font = QApplication::font();
    font.setPointSize(FrameDescriptionFontSize);
    label->setFont(font);
}

void polishMenu(QMenu *menu)
{
    QPalette palette = menu->palette();
    setSolidBrush(palette, QPalette::Window, FC_WHITE);
    setSolidBrush(palette, QPalette::Highlight, FC_BLUE);
    setSolidBrush(palette, QPalette::HighlightedText, FC_WHITE);
    menu->setPalette(palette);
}

} // namespace

FlatStyle::FlatStyle() = default;

FlatStyle::~FlatStyle() = default;

void FlatStyle::polish(QPalette &palette)
{
    setSolidBrush(palette, QPalette::Text, FC_BLACK);
    setSolidBrush(palette, QPalette::Window, FC_WHITE);
}

void FlatStyle::polish(QWidget *widget)
{
    CommonStyle::polish(widget);
    if (auto *comboBox = qobject_cast<QStyledComboBox *>(widget))
        polishStyledComboBox(comboBox);
    else if (auto *header = qobject_cast<QStyledHeader *>(widget))
        polishStyledHeader(header);
    else if (auto *headerLabel = qobject_cast<QFrameHeaderLabel *>(widget))
        polishFrameHeaderLabel(headerLabel);
    else if (auto *descriptionLabel = qobject_cast<QFrameDescriptionLabel *>(widget))
        polishFrameDescriptionLabel(descriptionLabel);
    else if (auto *navigationButton = qobject_cast<QNavigationButton *>(widget))
        changePalette(navigationButton, QPalette::Button, FC_DARK_GRAY);
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
    // The form creates the labels as direct children of the header under
    // these names.
    const auto label = [header](const char *name) {
        return header->findChild<QLabel *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    QLabel *titleLabel = label("appTitleLabel");
    QLabel *nameLabel = label("appNameLabel");
    if (QLabel *logoLabel = label("appLogoLabel"))
        logoLabel->setPixmap(QPixmap(QStringLiteral(":/logos/r_logo.png")));

    QFont font = QApplication::font();
    font.setPointSize(HeaderFontSize);
    if (nameLabel)
        nameLabel->setFont(font);
    font.setWeight(QFont::DemiBold);
    if (titleLabel)
        titleLabel->setFont(font);

    if (nameLabel) {
        QPalette palette = nameLabel->palette();
        palette.setBrush(QPalette::All, nameLabel->foregroundRole(),
                         QBrush(flatColor(FC_DARK_GRAY), Qt::SolidPattern));
        nameLabel->setPalette(palette);
        if (titleLabel)
            titleLabel->setPalette(palette);
    }

    QStyledMenuBar *menuBar = header->menuBar();
    if (!menuBar)
        return;
    menuBar->setNativeMenuBar(false);
    changePalette(menuBar, QPalette::Window, FC_LIGHT_GRAY);
    // Only the menus there are now: menus added later keep their own palette.
    const auto menus = menuBar->findChildren<QMenu *>();
    for (QMenu *menu : menus)
        polishMenu(menu);
}
