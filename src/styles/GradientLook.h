#ifndef VELTRIX_GRADIENTLOOK_H
#define VELTRIX_GRADIENTLOOK_H

#include "ColorTables.h"
#include "StyleCore.h"

// The gradient look's description for the shared drawing, and the pieces only
// the gradient look draws. Colours are looked up afresh at each use.
namespace Veltrix {

const Look &gradientLook();

// A rounded box with a vertical gradient, ticked when on or pressed.
void drawGradientCheckBox(const QStyleOption *option, QPainter *painter);

// A styled menu-bar item's gradient and, where the state changes it, its text colour.
struct MenuBarItemLook
{
    GradientColor top;
    GradientColor bottom;
    bool changesText;
    GradientColor text;
};
MenuBarItemLook gradientMenuBarItem(QStyle::State state);

} // namespace Veltrix

#endif // VELTRIX_GRADIENTLOOK_H
