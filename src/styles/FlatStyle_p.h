#ifndef VELTRIX_FLATSTYLE_P_H
#define VELTRIX_FLATSTYLE_P_H

#include <QBrush>
#include <QPainter>
#include <QPalette>

#include "ColorTables.h"

// Small pieces shared by the set-up, primitive and control sources of the
// flat look.
namespace Veltrix {
namespace FlatLook {

// The flat look's drawing entry points switch on these two hints and leave
// them on. Pixmaps are not smoothed: the look's icons are drawn at their
// own size.
inline void enableFlatRendering(QPainter *painter)
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, true);
}

// Palette changes of the look always apply to every colour group.
inline void setSolidBrush(QPalette &palette, QPalette::ColorRole role, FlatColor color)
{
    palette.setBrush(QPalette::All, role, QBrush(flatColor(color), Qt::SolidPattern));
}

} // namespace FlatLook
} // namespace Veltrix

#endif // VELTRIX_FLATSTYLE_P_H
