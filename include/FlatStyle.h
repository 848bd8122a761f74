#ifndef FLATSTYLE_H
#define FLATSTYLE_H

#include "CommonStyle.h"
#include "VeltrixGlobal.h"

class QStyledHeader;

//! The flat look: flat fills and thin grey outlines on a white window.
//!
//! Buttons are flat light grey areas without an outline, blue with white
//! text for StyleHelper::GRADIENT_BLUE; their state (hover, pressed) does
//! not change the fill, and StyleHelper::ButtonDesign has no visible effect.
//! Frames, line edits and check boxes are one-pixel grey outlines. Navigation
//! steps become a dark grey column with white numbered badges joined to
//! their neighbours. A QStyledMenuBar is a light grey bar whose open item
//! turns white. Text is black on white (QPalette::Text and QPalette::Window).
//!
//! The colours come from the library's colour table
//! (`:/StyleHelper/StyleHelper.ini`), read once per process at the first
//! colour lookup. Two pictures come from the host's own resources:
//! `:/logos/r_logo.png` for the QStyledHeader logo and `:/logos/r_logo.ico`
//! for windowIcon(); without them the logo stays empty and the icon is null.
//!
//! \snippet styles.cpp flat
//!
//! \lookgrid{look-sample}
//!
//! Everything not described here is CommonStyle's, and below it Fusion's.
//! \see GradientStyle, \ref looks
class VELTRIX_EXPORT FlatStyle : public CommonStyle
{
    Q_OBJECT

public:
    //! Makes the style (see CommonStyle(): Fusion underneath, application
    //! font 11 points). The colour table is read at the first colour lookup,
    //! not here.
    FlatStyle();
    //! Destroys the style; the colour table stays loaded for the process.
    ~FlatStyle() override;

    //! QStyle's other polish() overloads (for a QPalette and a QApplication)
    //! stay visible next to the ones declared here.
    using CommonStyle::polish;
    //! QStyle's other unpolish() overload (for a QApplication) stays visible
    //! next to the one declared here.
    using CommonStyle::unpolish;

    //! Makes text black and the window background white: QPalette::Text and
    //! QPalette::Window, solid, in every colour group. Every other role keeps
    //! its value (Fusion's standard palette when the style is installed
    //! application-wide).
    void polish(QPalette &palette) override;
    //! Applies CommonStyle::polish(), then the look of the library's widgets.
    //!
    //! Only the first of these that matches is applied (subclasses match too):
    //! - QStyledComboBox: white button text for GRADIENT_BLUE; the type is read
    //!   now, so a later change shows only after the box is polished again.
    //! - QStyledHeader: the logo `:/logos/r_logo.png`; subtitle at 16 points
    //!   and title at 16 points demi-bold (both the application font), both in
    //!   dark grey; the menu bar is made non-native with a light grey
    //!   background, and the menus it holds now get a white background with a
    //!   blue highlight (menus added later keep their own palette).
    //! - QFrameHeaderLabel: the application font at 20 points demi-bold, dark
    //!   blue.
    //! - QFrameDescriptionLabel: the application font at 12 points.
    //! - QNavigationButton: a dark grey QPalette::Button.
    //!
    //! Other widgets, QSlideMaster, QStyledPushButton and QStyledGroupBox
    //! among them, get only the common treatment. A null widget is ignored.
    void polish(QWidget *widget) override;
    //! Runs CommonStyle::unpolish() only: the fonts, palettes and logo set by
    //! polish() stay on the widgets.
    void unpolish(QWidget *widget) override;

    //! Draws frames, line edits, command panels and check boxes in the flat
    //! look.
    //!
    //! - PE_Frame: as in GradientStyle, a combo box's pop-up frame becomes a
    //!   raised menu panel and any frame with a QStyleOptionFrame a line-edit
    //!   frame without focus, both drawn through proxy().
    //! - PE_FrameLineEdit: a one-pixel grey outline, the same with and without
    //!   focus; the painter's brush is left as it is.
    //! - PE_PanelButtonCommand: for a QNavigationButton, a dark grey area; when
    //!   it is checked and enabled a white chevron at the right and a white
    //!   line along the bottom; unless its id is negative, a badge with the
    //!   step number (filled white while checked, outlined otherwise) and
    //!   connectors to the previous step (when that is enabled and visible)
    //!   and the next one (when that is enabled, even if hidden). A disabled
    //!   step shows its white number without badge or connectors. Any other
    //!   button panel is a flat fill: blue for a QStyledPushButton or
    //!   QStyledComboBox of type GRADIENT_BLUE, light grey otherwise, in every
    //!   state.
    //! - PE_IndicatorCheckBox: the grey outline with a dark grey tick while
    //!   checked or pressed.
    //!
    //! Every other element is Fusion's. The painter's antialiasing and text
    //! antialiasing hints are switched on and stay on.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    //! Draws button labels and the items of a QStyledMenuBar.
    //!
    //! - CE_PushButtonLabel: a QNavigationButton's own text in white after
    //!   the badge, demi-bold while checked. Other buttons: the icon placed as
    //!   in GradientStyle (always its QIcon::Off picture), the text white on
    //!   GRADIENT_BLUE, black otherwise and dark grey when disabled.
    //! - CE_MenuBarItem: on a QStyledMenuBar a light grey item that turns
    //!   white while its menu is open, with black text; other menu bars'
    //!   items are Fusion's.
    //!
    //! An option of the wrong type draws nothing. Every other element goes to
    //! CommonStyle::drawControl().
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

    //! The look's window icon, `:/logos/r_logo.ico` from the host's
    //! resources; a null icon when the host supplies no such file.
    //! \snippet styles.cpp window icon
    QIcon windowIcon() const override;

private:
    Q_DISABLE_COPY(FlatStyle)

    // The pieces that go through the common style's own drawing or polish (FlatStyle.cpp);
    // the rest of the look is in FlatLook.cpp.
    void drawMenuBarItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    static void polishStyledHeader(QStyledHeader *header);
};

#endif // FLATSTYLE_H
