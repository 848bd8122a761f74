// Examples for the styled push button and combo box and their enumerations.
#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMetaEnum>
#include <QStyle>
#include <QVBoxLayout>

#include <QStyledComboBox.h>
#include <QStyledPushButton.h>

#include "snippets.h"

SNIPPET(buttonTypes)
{
    QWidget *window = host;
    //! [types]
    auto *save = new QStyledPushButton(QObject::tr("Save"), window);
    save->setButtonType(StyleHelper::GRADIENT_BLUE);  // blue in both looks
    auto *cancel = new QStyledPushButton(QObject::tr("Cancel"), window);
    cancel->setButtonType(StyleHelper::GRADIENT_LIGHTGRAY);
    //! [types]
}

SNIPPET(buttonTypeByName)
{
    auto *button = new QStyledPushButton(host);
    //! [by name]
    // By name or by number, as Qt Designer stores them.
    button->setProperty("buttonType", "GRADIENT_BLUE");
    button->setProperty("buttonDesign", int(StyleHelper::BD_GROUPBOX_SELECTION_TOP_ALL));
    // The names of the values come from the property's own enumerator.
    const QMetaObject *meta = button->metaObject();
    const QMetaEnum types = meta->property(meta->indexOfProperty("buttonType")).enumerator();
    const QByteArray name = types.valueToKey(button->buttonType());  // "GRADIENT_BLUE"
    //! [by name]
    SNIPPET_CHECK(button->buttonType() == StyleHelper::GRADIENT_BLUE);
    SNIPPET_CHECK(button->buttonDesign() == StyleHelper::BD_GROUPBOX_SELECTION_TOP_ALL);
    SNIPPET_CHECK(name == "GRADIENT_BLUE");
}

SNIPPET(segmentedButtons)
{
    QWidget *window = host;
    auto *layout = new QVBoxLayout(window);
    //! [segments]
    // Three buttons edge to edge form one segmented control in the gradient look.
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    layout->addLayout(row);
    auto *group = new QButtonGroup(window);  // exclusive: one segment checked at a time
    const QStringList texts{ QObject::tr("Day"), QObject::tr("Week"), QObject::tr("Month") };
    const StyleHelper::ButtonDesign designs[] = { StyleHelper::BD_GROUPBOX_SELECTION_LEFT,
                                                  StyleHelper::BD_GROUPBOX_SELECTION_MID,
                                                  StyleHelper::BD_GROUPBOX_SELECTION_RIGHT };
    for (int i = 0; i < texts.size(); ++i) {
        auto *segment = new QStyledPushButton(texts.at(i), window);
        segment->setButtonDesign(designs[i]);
        segment->setCheckable(true);
        segment->setChecked(i == 0);
        group->addButton(segment);
        row->addWidget(segment);
    }
    //! [segments]
}

SNIPPET(iconLeftAligned)
{
    QWidget *window = host;
    //! [icon left]
    const QIcon icon = window->style()->standardIcon(QStyle::SP_DialogOpenButton);
    auto *open = new QStyledPushButton(icon, QObject::tr("Open"), window);
    open->setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
    open->setMinimumWidth(160);  // the text is centred in the room beside the icon
    //! [icon left]
}

SNIPPET(styledComboBox)
{
    QWidget *window = host;
    //! [combo box]
    auto *units = new QStyledComboBox(window);
    units->setButtonType(StyleHelper::GRADIENT_BLUE);  // before it is shown: the looks set the text colour then
    units->addItems({ QObject::tr("Metres"), QObject::tr("Feet") });
    //! [combo box]
}
