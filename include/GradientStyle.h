#ifndef GRADIENTSTYLE_H
#define GRADIENTSTYLE_H

#include "CommonStyle.h"
#include "VeltrixGlobal.h"

class QSlideMaster;

// The gradient look: blue and grey vertical gradients on a white window with
// black text. Buttons and combo boxes take their colours from their
// buttonType and their corners from their buttonDesign; navigation buttons
// become numbered steps joined by connectors. The colours come from the
// library's colour table, read once when the first GradientStyle is made.
class VELTRIX_EXPORT GradientStyle : public CommonStyle
{
    Q_OBJECT

public:
    GradientStyle();
    ~GradientStyle() override;

    // Keep the QApplication overloads of QStyle visible next to the
    // overrides below.
    using CommonStyle::polish;
    using CommonStyle::unpolish;

    void polish(QPalette &palette) override;
    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget = nullptr) const override;

    // The look's window icon (":/logos/GradientLogo.ico", supplied by the host).
    QIcon windowIcon() const override;

private:
    Q_DISABLE_COPY(GradientStyle)

    // The elements that go through the common style's own drawing (GradientStyle.cpp);
    // the rest of the look is in GradientLook.cpp.
    void drawMenuItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawMenuBarItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    static void polishSlideMaster(QSlideMaster *slide);
};

#endif // GRADIENTSTYLE_H
