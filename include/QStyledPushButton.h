#ifndef QSTYLEDPUSHBUTTON_H
#define QSTYLEDPUSHBUTTON_H

#include <QPushButton>

#include "StyleHelper.h"
#include "VeltrixGlobal.h"

//! A push button that carries the library's colour scheme, row shape and
//! label options.
//!
//! It behaves exactly like a QPushButton; it only stores three values that
//! the installed look reads when it paints the button: buttonType (the
//! colour scheme), buttonDesign (its shape within a row of buttons) and
//! buttonOptions (where the icon goes). The setters store and do nothing
//! else: change the values before the button is shown, or call update()
//! afterwards. Under a style other than GradientStyle or FlatStyle the button
//! looks like any QPushButton.
//!
//! \snippet buttons.cpp types
//! \snippet buttons.cpp segments
//!
//! \lookgrid{pushbutton-types}
//! \looks{pushbutton-designs}
class VELTRIX_EXPORT QStyledPushButton : public QPushButton
{
    Q_OBJECT
    //! The colour scheme; StyleHelper::DEFAULT for a new button.
    Q_PROPERTY(StyleHelper::ButtonType buttonType READ buttonType WRITE setButtonType)
    //! The shape within a row of buttons; StyleHelper::BD_DEFAULT for a new
    //! button. Only the gradient look draws it.
    Q_PROPERTY(StyleHelper::ButtonDesign buttonDesign READ buttonDesign WRITE setButtonDesign)
    //! Label options; none for a new button.
    Q_PROPERTY(ButtonOptions buttonOptions READ buttonOptions WRITE setButtonOptions)

public:
    //! Options for the button's label.
    enum ButtonOption {
        //! The icon sits at the button's left margin and the text is centred
        //! in the room beside it. Without it, icon and text are centred
        //! together. In a right-to-left layout the icon moves to the right
        //! margin but the text stays at the left edge (see \ref surprises).
        //! \lookgrid{pushbutton-icons}
        BO_ICON_LEFT_ALIGNED = 1
    };
    //! A combination of ButtonOption values (QFlags).
    Q_DECLARE_FLAGS(ButtonOptions, ButtonOption)
    Q_FLAGS(ButtonOption ButtonOptions)

    //! Makes a button without text, of type StyleHelper::DEFAULT and design
    //! StyleHelper::BD_DEFAULT, without options. The parent, if any, owns it.
    explicit QStyledPushButton(QWidget *parent = nullptr);
    //! Makes a button showing `text`; otherwise as QStyledPushButton(QWidget *).
    //! The parent has no default here: pass nullptr for a button without one.
    QStyledPushButton(const QString &text, QWidget *parent);
    //! Makes a button showing `icon` and `text`; otherwise as
    //! QStyledPushButton(QWidget *).
    QStyledPushButton(const QIcon &icon, const QString &text, QWidget *parent);
    //! Destroys the button.
    ~QStyledPushButton() override;

    //! The colour scheme the look paints the button in.
    StyleHelper::ButtonType buttonType() const;
    //! Stores the colour scheme; seen at the next paint. Any value is
    //! accepted, unknown ones are drawn as StyleHelper::DEFAULT.
    void setButtonType(StyleHelper::ButtonType type);

    //! The shape of the button within a row of buttons.
    StyleHelper::ButtonDesign buttonDesign() const;
    //! Stores the shape; seen at the next paint. Any value is accepted,
    //! unknown ones are drawn as StyleHelper::BD_DEFAULT.
    void setButtonDesign(StyleHelper::ButtonDesign design);

    //! The label options.
    ButtonOptions buttonOptions() const;
    //! Stores the label options; seen at the next paint. Bits other than
    //! BO_ICON_LEFT_ALIGNED have no effect.
    //! \snippet buttons.cpp icon left
    void setButtonOptions(ButtonOptions options);

private:
    ButtonOptions m_buttonOptions;
    StyleHelper::ButtonType m_buttonType = StyleHelper::DEFAULT;
    StyleHelper::ButtonDesign m_buttonDesign = StyleHelper::BD_DEFAULT;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(QStyledPushButton::ButtonOptions)

#endif // QSTYLEDPUSHBUTTON_H
