// Styled push buttons in every type and design, and with icons: the colour
// schemes and row shapes the looks give them. Combo boxes have their own page.
#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QStyle>
#include <QVBoxLayout>

#include <QStyledGroupBox.h>
#include <QStyledPushButton.h>

#include "GalleryPages.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gallery", text);
}

QWidget *typesAndDesigns(QWidget *parent)
{
    auto *box = new QStyledGroupBox(tr("Button types and designs"), parent);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);
    const QStringList headings{ tr("Plain"), tr("Disabled"), tr("Segmented (left, mid, right)"),
                                tr("Tabs (top)") };
    for (int column = 0; column < headings.size(); ++column) {
        auto *heading = new QLabel(headings.at(column), box);
        // Long headings wrap over their buttons rather than widen the page,
        // and short ones sit on the last line, right above the buttons.
        heading->setWordWrap(true);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(heading, 0, column + 1);
    }

    const QMetaEnum types = buttonEnum("buttonType");
    const QStringList segments{ tr("Day"), tr("Week"), tr("Month") };
    const QVector<int> segmentDesigns{ StyleHelper::BD_GROUPBOX_SELECTION_LEFT, StyleHelper::BD_GROUPBOX_SELECTION_MID,
                                       StyleHelper::BD_GROUPBOX_SELECTION_RIGHT };
    const QStringList tabs{ tr("General"), tr("Network"), tr("Display") };
    const QVector<int> tabDesigns(tabs.size(), StyleHelper::BD_GROUPBOX_SELECTION_TOP_ALL);
    for (int i = 0; i < types.keyCount(); ++i) {
        const int type = types.value(i);
        const int row = i + 1;
        grid->addWidget(new QLabel(QString::fromLatin1(types.key(i)), box), row, 0);
        grid->addWidget(styledButton(tr("Apply"), type, StyleHelper::BD_DEFAULT, box), row, 1);
        QStyledPushButton *disabled = styledButton(tr("Apply"), type, StyleHelper::BD_DEFAULT, box);
        disabled->setEnabled(false);
        grid->addWidget(disabled, row, 2);
        grid->addWidget(buttonRow(segments, segmentDesigns, type, box), row, 3);
        grid->addWidget(buttonRow(tabs, tabDesigns, type, box), row, 4);
    }
    grid->setColumnStretch(5, 1);
    return box;
}

QWidget *iconButtons(QWidget *parent)
{
    auto *box = new QStyledGroupBox(tr("Icons"), parent);
    auto *layout = new QGridLayout(box);
    const QStyle *style = QApplication::style();
    const struct
    {
        QStyle::StandardPixmap icon;
        const char *text;
        StyleHelper::ButtonType type;
    } entries[] = {
        { QStyle::SP_DialogSaveButton, QT_TRANSLATE_NOOP("Gallery", "Save"), StyleHelper::GRADIENT_BLUE },
        { QStyle::SP_DialogOpenButton, QT_TRANSLATE_NOOP("Gallery", "Open"), StyleHelper::GRADIENT_LIGHTGRAY },
        { QStyle::SP_BrowserReload, QT_TRANSLATE_NOOP("Gallery", "Reload"), StyleHelper::GRADIENT_DARKGRAY },
    };
    const QStringList headings{ tr("Icon centred"), tr("Icon at the left"), tr("Disabled") };
    for (int column = 0; column < headings.size(); ++column)
        layout->addWidget(new QLabel(headings.at(column), box), 0, column);
    int row = 1;
    for (const auto &entry : entries) {
        for (int column = 0; column < 3; ++column) {
            auto *button = new QStyledPushButton(style->standardIcon(entry.icon), tr(entry.text), box);
            button->setButtonType(entry.type);
            if (column > 0)
                button->setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
            button->setEnabled(column != 2);
            button->setMinimumWidth(130);
            layout->addWidget(button, row, column);
        }
        ++row;
    }
    return box;
}

QWidget *createStyledButtonsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(typesAndDesigns(page));
    auto *lower = new QHBoxLayout();
    lower->addWidget(iconButtons(page));
    lower->addStretch(1);
    layout->addLayout(lower);
    layout->addStretch(1);
    return page;
}

} // namespace

GALLERY_PAGE("styled-buttons", 20, QT_TRANSLATE_NOOP("Gallery", "Styled buttons"),
             QT_TRANSLATE_NOOP("Gallery", "Push buttons in every type and design, side by side as segments and "
                                          "tabs, and with icons centred or at the left edge."),
             &createStyledButtonsPage);
