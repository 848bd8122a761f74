#ifndef VELTRIX_FLATLOOK_H
#define VELTRIX_FLATLOOK_H

#include "ColorTables.h"
#include "StyleCore.h"

// The flat look's description for the shared drawing, and the piece only the
// flat look draws.
namespace Veltrix {

const Look &flatLook();

// The grey outline of a line edit, for any option; the painter's brush fills it.
void drawFlatLineEditFrame(const QStyleOption *option, QPainter *painter);

} // namespace Veltrix

#endif // VELTRIX_FLATLOOK_H
