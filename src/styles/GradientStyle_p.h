#ifndef VELTRIX_GRADIENTSTYLE_P_H
#define VELTRIX_GRADIENTSTYLE_P_H

#include <QBrush>
#include <QLinearGradient>
#include <QPalette>

#include "ColorTables.h"

// Small pieces shared by the set-up, primitive and control sources of the
// gradient look.
namespace Veltrix {
namespace GradientLook {

// A top-to-bottom gradient over `height` in painter coordinates: the looks
// start their gradients at y = 0 whatever the rectangle's top.
inline QLinearGradient verticalGradient(qreal height, GradientColor top, GradientColor bottom)
{
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, gradientColor(top));
    gradient.setColorAt(1, gradientColor(bottom));
    return gradient;
}

// Palette changes of the look always apply to every colour group.
inline void setSolidBrush(QPalette &palette, QPalette::ColorRole role, GradientColor color)
{
    palette.setBrush(QPalette::All, role, QBrush(gradientColor(color), Qt::SolidPattern));
}

} // namespace GradientLook
} // namespace Veltrix

#endif // VELTRIX_GRADIENTSTYLE_P_H
