#include "QStyledPushButton.h"

QStyledPushButton::QStyledPushButton(QWidget *parent)
    : QPushButton(parent)
{
}

QStyledPushButton::QStyledPushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
}

QStyledPushButton::QStyledPushButton(const QIcon &icon, const QString &text, QWidget *parent)
    : QPushButton(icon, text, parent)
{
}

QStyledPushButton::~QStyledPushButton() = default;

StyleHelper::ButtonType QStyledPushButton::buttonType() const
{
    return m_buttonType;
}

// Setters only store: the style reads the value at the next paint.
void QStyledPushButton::setButtonType(StyleHelper::ButtonType type)
{
    m_buttonType = type;
}

StyleHelper::ButtonDesign QStyledPushButton::buttonDesign() const
{
    return m_buttonDesign;
}

void QStyledPushButton::setButtonDesign(StyleHelper::ButtonDesign design)
{
    m_buttonDesign = design;
}

QStyledPushButton::ButtonOptions QStyledPushButton::buttonOptions() const
{
    return m_buttonOptions;
}

void QStyledPushButton::setButtonOptions(ButtonOptions options)
{
    m_buttonOptions = options;
}
