#ifndef VELTRIX_STYLECOMMON_H
#define VELTRIX_STYLECOMMON_H

#include <QPainter>

namespace Veltrix {

// Every drawing entry point of the library's styles switches these on and
// leaves them on.
inline void enableSmoothRendering(QPainter *painter)
{
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                            | QPainter::SmoothPixmapTransform);
}

} // namespace Veltrix

#endif // VELTRIX_STYLECOMMON_H
