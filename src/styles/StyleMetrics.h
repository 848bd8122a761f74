#ifndef VELTRIX_STYLEMETRICS_H
#define VELTRIX_STYLEMETRICS_H

#include <QFontMetrics>
#include <QStyleOption>
#include <QtGlobal>

// Every number the three styles draw, measure and polish with, in one place;
// derived values are written as the formulas they are.
namespace Veltrix {
namespace Metrics {

// Fonts, in points.
constexpr int ApplicationFontSize = 11;
constexpr int MenuBarFontSize = 12;
constexpr int NavigationFontSize = 10;
constexpr int HeaderFontSize = 16; // the header's title and name, and a slide's title
constexpr int SlideSubTitleFontSize = 10;
constexpr int FrameHeaderFontSize = 20;
constexpr int FrameDescriptionFontSize = 12;

// The styled menu bar and its items.
constexpr int MenuBarHeight = 30;
constexpr int CompactMenuBarHeight = MenuBarHeight / 2;
constexpr int MenuBarItemInset = 11;       // icon or text from the item's left edge
constexpr int MenuBarIconTextGap = 5;
constexpr int MenuBarTextBottomInset = 2;  // the text's rectangle ends this far above the item's bottom
constexpr int ChevronWidth = 8;            // the drop-down chevron: a V this wide ...
constexpr int ChevronDepth = ChevronWidth / 2; // ... and half as deep
constexpr int ChevronStroke = 2;
constexpr int ChevronOffset = 19;          // its left end, from the item's right edge
// Room an item needs beyond its contents: the inset on either side, the
// chevron sitting inside the right one.
constexpr int MenuBarItemPadding = 2 * MenuBarItemInset;
constexpr int StyledMenuBarItemExtra = 14; // more room on the library's own menu bar
constexpr int IndicatorSize = 18;          // check boxes and radio buttons

// Push buttons grow by a quarter when their text takes more than four fifths of them.
constexpr qreal WideTextShare = 0.8;
constexpr qreal WideningFactor = 1.25;

// Navigation steps: a number badge at the margin, the text after it.
constexpr int NavigationMargin = 8;
constexpr qreal NavigationIconScale = 1.25; // of the font height
constexpr int NavigationExtraWidth = 18;
inline int navigationIconSize(const QStyleOption *option)
{
    return qMin(option->rect.height(), int(option->fontMetrics.height() * NavigationIconScale));
}
inline int navigationTextIndent(const QStyleOption *option)
{
    return navigationIconSize(option) + 2 * NavigationMargin;
}

// Gradient look.
constexpr qreal ButtonCornerRadius = 5;
constexpr qreal ButtonCornerDiameter = 2 * ButtonCornerRadius; // the square a corner arc is drawn in
constexpr qreal CheckBoxRadius = 2;
constexpr int GradientTickWidth = 3;
constexpr int StepMarkerInset = 9;          // the step's arrow tail or separator, from its right edge
constexpr qreal StepLinkWidthShare = 0.2;   // of the circle
constexpr int ComboFrameInset = 3;
constexpr int ComboArrowWidthFramed = 18;
constexpr int ComboArrowWidthFrameless = 16;
constexpr int ComboEditFieldArrowRoom = ComboArrowWidthFrameless;

// Flat look.
constexpr int FlatTickWidth = 2;
constexpr int FlatStepStroke = 2;           // the chevron, the underline, the badge outline and the links
constexpr int FlatChevronTipInset = 5;      // the chevron's tip, from the step's right edge ...
constexpr int FlatChevronBackInset = 2 * FlatChevronTipInset; // ... and its open end
constexpr int FlatBadgeGrowth = 2;          // the square badge is this much bigger than the icon size

// How far a step's marker (the gradient arrow and its shade, the flat chevron) reaches in from its right edge.
constexpr int StepMarkerExtent = StepMarkerInset + 2 > FlatChevronBackInset + 1 ? StepMarkerInset + 2 : FlatChevronBackInset + 1;

// Push-button labels: the icon, a gap, then the text.
constexpr int IconTextGap = 4;

} // namespace Metrics
} // namespace Veltrix

#endif // VELTRIX_STYLEMETRICS_H
