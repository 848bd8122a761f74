// Combo boxes in every colour scheme and row shape, rows of buttons with
// icons at the edge, and buttons with menus: the details of styled buttons.
#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMetaEnum>
#include <QStyle>
#include <QVBoxLayout>

#include <GradientStyle.h>
#include <QStyledComboBox.h>
#include <QStyledGroupBox.h>
#include <QStyledPushButton.h>

#include "GalleryPages.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gallery", text);
}

QStyledComboBox *styledCombo(int type, int design, int items, QWidget *parent)
{
    auto *combo = new QStyledComboBox(parent);
    combo->setButtonType(StyleHelper::ButtonType(type));
    combo->setButtonDesign(StyleHelper::ButtonDesign(design));
    const QStringList texts{ tr("Ethernet"), tr("Wireless"), tr("Serial line") };
    combo->addItems(texts.mid(0, items));
    // Every combo box gets the same width, whatever the language: sized by
    // its longest entry, a German row of them would not fit a small screen.
    // The drop-down list still shows the entries in full.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumWidth(120);
    // The gradient look gives light text only to its blue type; its dark
    // types get it from the host here (the flat look keeps them light grey).
    if (qobject_cast<GradientStyle *>(QApplication::style())
        && (type == StyleHelper::GRADIENT_DARKGRAY || type == StyleHelper::GRADIENT_BLACK)) {
        QPalette palette = combo->palette();
        palette.setColor(QPalette::ButtonText, Qt::white);
        combo->setPalette(palette);
    }
    return combo;
}

// Widgets side by side without spacing, so rounded ends and square joints
// form one control.
QWidget *joined(const QVector<QWidget *> &widgets, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget *widget : widgets) {
        widget->setParent(row);
        layout->addWidget(widget);
    }
    return row;
}

QWidget *comboTypes(QWidget *parent)
{
    auto *box = new QStyledGroupBox(tr("Combo boxes in every type"), parent);
    auto *grid = new QGridLayout(box);
    const QStringList headings{ tr("Filled"), tr("Empty"), tr("Disabled"), tr("Segmented (left, mid, right)") };
    for (int column = 0; column < headings.size(); ++column)
        grid->addWidget(new QLabel(headings.at(column), box), 0, column + 1);

    const QMetaObject &mo = QStyledComboBox::staticMetaObject;
    const QMetaEnum types = mo.property(mo.indexOfProperty("buttonType")).enumerator();
    for (int i = 0; i < types.keyCount(); ++i) {
        const int type = types.value(i);
        const int row = i + 1;
        grid->addWidget(new QLabel(QString::fromLatin1(types.key(i)), box), row, 0);
        grid->addWidget(styledCombo(type, StyleHelper::BD_DEFAULT, 3, box), row, 1);
        grid->addWidget(styledCombo(type, StyleHelper::BD_DEFAULT, 0, box), row, 2);
        QStyledComboBox *disabled = styledCombo(type, StyleHelper::BD_DEFAULT, 3, box);
        disabled->setEnabled(false);
        grid->addWidget(disabled, row, 3);
        grid->addWidget(joined({ styledCombo(type, StyleHelper::BD_GROUPBOX_SELECTION_LEFT, 3, box),
                                 styledCombo(type, StyleHelper::BD_GROUPBOX_SELECTION_MID, 3, box),
                                 styledCombo(type, StyleHelper::BD_GROUPBOX_SELECTION_RIGHT, 3, box) },
                               box),
                        row, 4);
    }
    grid->setColumnStretch(5, 1);
    return box;
}

QStyledPushButton *iconButton(const QString &text, StyleHelper::ButtonType type, StyleHelper::ButtonDesign design,
                              bool leftAligned, QWidget *parent)
{
    const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton);
    auto *button = new QStyledPushButton(icon, text, parent);
    button->setButtonType(type);
    button->setButtonDesign(design);
    if (leftAligned)
        button->setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
    button->setMinimumWidth(140);
    return button;
}

QWidget *iconRows(QWidget *parent)
{
    auto *box = new QStyledGroupBox(tr("Icons at the edge, in a row"), parent);
    auto *layout = new QVBoxLayout(box);
    for (const StyleHelper::ButtonType type : { StyleHelper::GRADIENT_LIGHTGRAY, StyleHelper::GRADIENT_BLACK,
                                                StyleHelper::GRADIENT_BLUE }) {
        layout->addWidget(joined({ iconButton(tr("Save"), type, StyleHelper::BD_GROUPBOX_SELECTION_LEFT, true, box),
                                   iconButton(tr("Save as"), type, StyleHelper::BD_GROUPBOX_SELECTION_MID, true, box),
                                   iconButton(tr("Save all"), type, StyleHelper::BD_GROUPBOX_SELECTION_RIGHT, true, box) },
                                 box),
                          0, Qt::AlignLeft);
    }
    return box;
}

QWidget *menusAndToggles(QWidget *parent)
{
    auto *box = new QStyledGroupBox(tr("Menus and toggles"), parent);
    auto *layout = new QGridLayout(box);
    int row = 0;
    for (const StyleHelper::ButtonType type : { StyleHelper::DEFAULT, StyleHelper::GRADIENT_DARKGRAY,
                                                StyleHelper::GRADIENT_BLUE }) {
        auto *withMenu = new QStyledPushButton(tr("Export"), box);
        withMenu->setButtonType(type);
        auto *menu = new QMenu(withMenu);
        menu->addAction(tr("As PDF"));
        menu->addAction(tr("As picture"));
        withMenu->setMenu(menu);
        layout->addWidget(withMenu, row, 0);

        auto *toggle = new QStyledPushButton(tr("Pinned"), box);
        toggle->setButtonType(type);
        toggle->setCheckable(true);
        toggle->setChecked(true);
        layout->addWidget(toggle, row++, 1);
    }
    return box;
}

QWidget *createButtonsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(comboTypes(page));
    auto *lower = new QHBoxLayout();
    lower->addWidget(iconRows(page));
    lower->addWidget(menusAndToggles(page));
    layout->addLayout(lower);
    layout->addStretch(1);
    return page;
}

} // namespace

GALLERY_PAGE("buttons", 25, QT_TRANSLATE_NOOP("Gallery", "Button details"),
             QT_TRANSLATE_NOOP("Gallery", "Combo boxes in every type and row shape, rows of buttons with icons, "
                                          "buttons with menus and toggles."),
             &createButtonsPage);
