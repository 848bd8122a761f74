#ifndef STYLEHELPER_H
#define STYLEHELPER_H

#include <QObject>

#include "VeltrixGlobal.h"

//! The two enumerations that choose how a styled button looks.
//!
//! ButtonType picks a button's colour scheme and ButtonDesign its shape
//! within a row of buttons. They are the types of the `buttonType` and
//! `buttonDesign` properties of QStyledPushButton and QStyledComboBox; the
//! installed look reads them whenever it paints (and, for combo boxes, when
//! it polishes). StyleHelper itself is only their scope and is never
//! instantiated.
//!
//! \snippet buttons.cpp types
//!
//! Values outside the lists are allowed (both enumerations are based on
//! `int`, so a number read from a stored setting is well defined) and are
//! drawn as DEFAULT and BD_DEFAULT.
//!
//! The meta-object of StyleHelper stays inside the library. The properties
//! of the buttons still take the enumerations by name or number through the
//! property system, which is also how Qt Designer stores them; but
//! `QVariant::fromValue(StyleHelper::...)` and
//! `QMetaEnum::fromType<StyleHelper::...>()` need that meta-object and do not
//! link in a host. Use the property's own enumerator instead:
//!
//! \snippet buttons.cpp by name
class StyleHelper
{
    Q_GADGET

public:
    //! The colour scheme of a styled push button or combo box.
    //!
    //! The names come from the gradient look, which gives every type its own
    //! gradient; the flat look tells only GRADIENT_BLUE (a blue button with
    //! white text) from the rest (light grey).
    //! \lookgrid{pushbutton-types}
    enum ButtonType : int {
        DEFAULT = 0,             //!< White to light grey, black text; also what a plain QPushButton gets.
        GRADIENT_LIGHTGRAY = 1,  //!< The same colours as DEFAULT.
        GRADIENT_MEDIUMGRAY = 2, //!< Light to medium grey, black text.
        GRADIENT_DARKGRAY = 3,   //!< Medium to dark grey, white text.
        GRADIENT_BLACK = 4,      //!< Dark grey to black, white text.
        GRADIENT_BLUE = 5        //!< Blue, white text; in the flat look the only type with a colour of its own.
    };
    Q_ENUM(ButtonType)

    //! The shape of a styled push button or combo box within a row of buttons
    //! placed edge to edge (gradient look only; the flat look has square
    //! corners throughout).
    //! \looks{pushbutton-designs}
    enum ButtonDesign : int {
        BD_DEFAULT = 0,                   //!< A button on its own: all four corners rounded.
        BD_GROUPBOX_SELECTION_LEFT = 1,   //!< The first button of a row: only the bottom-left corner rounded.
        BD_GROUPBOX_SELECTION_MID = 2,    //!< A button inside a row: no corner rounded.
        BD_GROUPBOX_SELECTION_RIGHT = 3,  //!< The last button of a row: only the bottom-right corner rounded.
        BD_GROUPBOX_SELECTION_TOP_ALL = 4 //!< A tab: the two top corners rounded.
    };
    Q_ENUM(ButtonDesign)
};

#endif // STYLEHELPER_H
