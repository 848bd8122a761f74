#include "QStyledComboBox.h"

#include <QPainter>
#include <QStyleOptionComboBox>

QStyledComboBox::QStyledComboBox(QWidget *parent)
    : QComboBox(parent)
    , m_buttonType(StyleHelper::DEFAULT)
    , m_buttonDesign(StyleHelper::BD_DEFAULT)
{
}

QStyledComboBox::~QStyledComboBox() = default;

StyleHelper::ButtonType QStyledComboBox::buttonType() const
{
    return m_buttonType;
}

void QStyledComboBox::setButtonType(StyleHelper::ButtonType type)
{
    m_buttonType = type;
}

StyleHelper::ButtonDesign QStyledComboBox::buttonDesign() const
{
    return m_buttonDesign;
}

void QStyledComboBox::setButtonDesign(StyleHelper::ButtonDesign design)
{
    m_buttonDesign = design;
}

void QStyledComboBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyle *currentStyle = style();
    painter.setPen(palette().color(QPalette::Text));

    QStyleOptionComboBox option;
    initStyleOption(&option);
    // Nothing to drop down: an empty or disabled box shows no arrow.
    if (count() == 0 || !isEnabled())
        option.subControls &= ~QStyle::SC_ComboBoxArrow;

    currentStyle->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    currentStyle->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
}
