#ifndef QSTYLEDCOMBOBOX_H
#define QSTYLEDCOMBOBOX_H

#include <QComboBox>

#include "StyleHelper.h"
#include "VeltrixGlobal.h"

//! A combo box with the library's colour scheme and row shape.
//!
//! Like QStyledPushButton it stores a StyleHelper::ButtonType and a
//! StyleHelper::ButtonDesign for the installed look. The gradient look paints
//! a non-editable box as a button panel of that type and design and, when it
//! polishes the box, gives GRADIENT_BLUE white and GRADIENT_MEDIUMGRAY black
//! button text; the flat look paints GRADIENT_BLUE blue with white text and
//! every other type light grey.
//!
//! One thing it does on its own: while it holds no items or is disabled it
//! hides its drop-down arrow, as there is nothing to drop down.
//!
//! \snippet buttons.cpp combo box
//!
//! \looks{combobox}
class VELTRIX_EXPORT QStyledComboBox : public QComboBox
{
    Q_OBJECT
    //! The colour scheme; StyleHelper::DEFAULT for a new box.
    Q_PROPERTY(StyleHelper::ButtonType buttonType READ buttonType WRITE setButtonType)
    //! The shape within a row of buttons; StyleHelper::BD_DEFAULT for a new
    //! box. Only the gradient look draws it.
    Q_PROPERTY(StyleHelper::ButtonDesign buttonDesign READ buttonDesign WRITE setButtonDesign)

public:
    //! Makes an empty combo box of type StyleHelper::DEFAULT and design
    //! StyleHelper::BD_DEFAULT. The parent, if any, owns it.
    explicit QStyledComboBox(QWidget *parent = nullptr);
    //! Destroys the combo box.
    ~QStyledComboBox() override;

    //! The colour scheme the look paints the box in.
    StyleHelper::ButtonType buttonType() const;
    //! Stores the colour scheme. The panel follows at the next paint, but the
    //! text colour, which the looks set when they polish the box, only after
    //! the box is polished again (for instance when a style is set anew). Set
    //! it before the box is shown. Unknown values are drawn as DEFAULT.
    void setButtonType(StyleHelper::ButtonType type);

    //! The shape of the box within a row of buttons.
    StyleHelper::ButtonDesign buttonDesign() const;
    //! Stores the shape; seen at the next paint. Unknown values are drawn as
    //! StyleHelper::BD_DEFAULT.
    void setButtonDesign(StyleHelper::ButtonDesign design);

protected:
    //! Paints the box as QComboBox does, without the drop-down arrow while
    //! count() is 0 or the box is disabled.
    void paintEvent(QPaintEvent *event) override;

private:
    StyleHelper::ButtonType m_buttonType = StyleHelper::DEFAULT;
    StyleHelper::ButtonDesign m_buttonDesign = StyleHelper::BD_DEFAULT;
};

#endif // QSTYLEDCOMBOBOX_H
