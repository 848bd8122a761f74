#ifndef QSTYLEDPUSHBUTTON_H
#define QSTYLEDPUSHBUTTON_H

#include <QPushButton>

#include "StyleHelper.h"
#include "VeltrixGlobal.h"

// A push button that carries the library's colour scheme (buttonType), its
// shape within a row of buttons (buttonDesign) and label options. The values
// are only stored; the installed style reads them when it paints.
class VELTRIX_EXPORT QStyledPushButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(StyleHelper::ButtonType buttonType READ buttonType WRITE setButtonType)
    Q_PROPERTY(StyleHelper::ButtonDesign buttonDesign READ buttonDesign WRITE setButtonDesign)
    Q_PROPERTY(ButtonOptions buttonOptions READ buttonOptions WRITE setButtonOptions)

public:
    enum ButtonOption {
        BO_ICON_LEFT_ALIGNED = 1
    };
    Q_DECLARE_FLAGS(ButtonOptions, ButtonOption)
    Q_FLAGS(ButtonOption ButtonOptions)

    explicit QStyledPushButton(QWidget *parent = nullptr);
    QStyledPushButton(const QString &text, QWidget *parent);
    QStyledPushButton(const QIcon &icon, const QString &text, QWidget *parent);
    ~QStyledPushButton() override;

    StyleHelper::ButtonType buttonType() const;
    void setButtonType(StyleHelper::ButtonType type);

    StyleHelper::ButtonDesign buttonDesign() const;
    void setButtonDesign(StyleHelper::ButtonDesign design);

    ButtonOptions buttonOptions() const;
    void setButtonOptions(ButtonOptions options);

private:
    ButtonOptions m_buttonOptions;
    StyleHelper::ButtonType m_buttonType;
    StyleHelper::ButtonDesign m_buttonDesign;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(QStyledPushButton::ButtonOptions)

#endif // QSTYLEDPUSHBUTTON_H
