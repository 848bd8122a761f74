#ifndef VELTRIX_COLORTABLES_H
#define VELTRIX_COLORTABLES_H

#include <QColor>

// The two process-wide colour tables of the styles, filled once from
// ":/StyleHelper/StyleHelper.ini". Private to the library.
// The enumerations are int-based so that any id, also one outside them, is a
// well-defined lookup (answered with the fallback colour).

enum GradientColor : int {
    GC_DARKGRAY_1 = 0,
    GC_MIDGRAY_1 = 1,
    GC_MIDGRAY_2 = 2,
    GC_LIGHTGRAY = 3,
    GC_DARKBLUE = 4,
    GC_MIDBLUE_1 = 5,
    GC_MIDBLUE_2 = 6,
    GC_LIGHTBLUE = 7,
    GC_BLUE_HOVER = 8,
    GC_DARKGRAY_2 = 9,
    GC_WHITE = 10,
    GC_BLACK = 11,
    GC_ANTHRACITE = 12,
    GC_RED = 13
};

enum FlatColor : int {
    FC_DARK_BLUE = 0,
    FC_BLUE = 1,
    FC_LIGHT_BLUE = 2,
    FC_DARK_GRAY = 3,
    FC_GRAY = 4,
    FC_LIGHT_GRAY = 5,
    FC_WHITE = 6,
    FC_BLACK = 7
};

// Fill a table from the file if it is still empty; later calls return at once.
void loadGradientColors();
void loadFlatColors();

// The colour of an id, loading its table first; "#808080" for an unknown id.
QColor gradientColor(GradientColor id);
QColor flatColor(FlatColor id);

namespace Veltrix {
namespace Internal {
// How often the colour table file has been opened in this process (for tests).
int colorFileReadCount();
} // namespace Internal
} // namespace Veltrix

#endif // VELTRIX_COLORTABLES_H
