#ifndef STYLEHELPER_H
#define STYLEHELPER_H

#include <QObject>

#include "VeltrixGlobal.h"

// Scope of the two enumerations that pick a styled button's colour scheme
// (ButtonType) and its shape within a row of buttons (ButtonDesign). The
// meta-object stays inside the library; hosts reach the enumerations through
// the properties of QStyledPushButton and QStyledComboBox, which resolve their
// keys by name.
class StyleHelper
{
    Q_GADGET

public:
    // Int-based, so that a value outside the list (say from a stored
    // setting) is still a well-defined value that the looks draw as DEFAULT.
    enum ButtonType : int {
        DEFAULT = 0,
        GRADIENT_LIGHTGRAY = 1,
        GRADIENT_MEDIUMGRAY = 2,
        GRADIENT_DARKGRAY = 3,
        GRADIENT_BLACK = 4,
        GRADIENT_BLUE = 5
    };
    Q_ENUM(ButtonType)

    enum ButtonDesign : int {
        BD_DEFAULT = 0,
        BD_GROUPBOX_SELECTION_LEFT = 1,
        BD_GROUPBOX_SELECTION_MID = 2,
        BD_GROUPBOX_SELECTION_RIGHT = 3,
        BD_GROUPBOX_SELECTION_TOP_ALL = 4
    };
    Q_ENUM(ButtonDesign)
};

#endif // STYLEHELPER_H
