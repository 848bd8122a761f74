#ifndef COMMONSTYLE_H
#define COMMONSTYLE_H

#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>

#include "VeltrixGlobal.h"

// Proxy style over Fusion shared by GradientStyle and FlatStyle: 11-point
// application font, antialiased drawing, menu-bar items with icon and
// chevron, a few metrics and hints, and the sizes and polish of the library's
// menu bar and navigation buttons. A host may install it on its own.
class VELTRIX_EXPORT CommonStyle : public QProxyStyle
{
    Q_OBJECT

public:
    enum StyleOption {
        CS_BUTTON_OUTLINE = 0x01,
        CS_MENUBAR_ICONS = 0x02,
        CS_COMPACT_MENUBAR = 0x04,
        CS_TWO_DIGIT_NUMBERS = 0x10
    };
    Q_DECLARE_FLAGS(StyleOptions, StyleOption)

    CommonStyle();
    ~CommonStyle() override;

    // Takes effect at the next paint or size query (the compact menu bar at
    // the next polish); nothing is repainted here.
    void setStyleOptions(QFlags<CommonStyle::StyleOption> options);
    QFlags<CommonStyle::StyleOption> styleOptions() const;

    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

protected:
    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    // Icon extent of a navigation button: min(rect height, 1.25 x font height).
    static int navButtonIconSize(const QStyleOption *option);
    // Horizontal margin around a navigation button's number badge.
    static int navButtonMargin();

    // The icon of the installed look, for the host's windows; empty here.
    virtual QIcon windowIcon() const;

    // Host-supplied check-box pictures (":/pixmaps/checkbox_*.png"); null when absent.
    QPixmap checkedPixmap;
    QPixmap uncheckedPixmap;

private:
    QFlags<CommonStyle::StyleOption> styleOptionFlags;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CommonStyle::StyleOptions)

#endif // COMMONSTYLE_H
