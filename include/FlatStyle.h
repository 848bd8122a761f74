#ifndef FLATSTYLE_H
#define FLATSTYLE_H

#include "CommonStyle.h"
#include "VeltrixGlobal.h"

class QStyledHeader;

// The flat look: flat fills and thin grey outlines on a white window with
// black text. Navigation buttons become dark grey steps with a numbered badge
// joined to their neighbours. The colours come from the library's colour
// table, read at the first colour lookup.
class VELTRIX_EXPORT FlatStyle : public CommonStyle
{
    Q_OBJECT

public:
    FlatStyle();
    ~FlatStyle() override;

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

    // The look's window icon (":/logos/r_logo.ico", supplied by the host).
    QIcon windowIcon() const override;

private:
    Q_DISABLE_COPY(FlatStyle)

    // The pieces that go through the common style's own drawing or polish (FlatStyle.cpp);
    // the rest of the look is in FlatLook.cpp.
    void drawMenuBarItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    static void polishStyledHeader(QStyledHeader *header);
};

#endif // FLATSTYLE_H
