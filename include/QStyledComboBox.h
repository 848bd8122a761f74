#ifndef QSTYLEDCOMBOBOX_H
#define QSTYLEDCOMBOBOX_H

#include <QComboBox>

#include "StyleHelper.h"
#include "VeltrixGlobal.h"

// A combo box with the library's colour scheme and design properties. It
// hides its drop-down arrow while it is empty or disabled.
class VELTRIX_EXPORT QStyledComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(StyleHelper::ButtonType buttonType READ buttonType WRITE setButtonType)
    Q_PROPERTY(StyleHelper::ButtonDesign buttonDesign READ buttonDesign WRITE setButtonDesign)

public:
    explicit QStyledComboBox(QWidget *parent = nullptr);
    ~QStyledComboBox() override;

    StyleHelper::ButtonType buttonType() const;
    void setButtonType(StyleHelper::ButtonType type);

    StyleHelper::ButtonDesign buttonDesign() const;
    void setButtonDesign(StyleHelper::ButtonDesign design);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StyleHelper::ButtonType m_buttonType;
    StyleHelper::ButtonDesign m_buttonDesign;
};

#endif // QSTYLEDCOMBOBOX_H
