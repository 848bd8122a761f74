#ifndef GRADIENTSTYLE_H
#define GRADIENTSTYLE_H

#include "CommonStyle.h"
#include "VeltrixGlobal.h"

class QSlideMaster;

//! The gradient look: blue and grey vertical gradients on a white window.
//!
//! Push buttons and combo boxes are filled with a top-to-bottom gradient
//! whose colours follow their StyleHelper::ButtonType and the state (normal,
//! under the mouse, pressed); their corners follow their
//! StyleHelper::ButtonDesign, so buttons placed edge to edge form one
//! segmented control. Navigation steps become numbered circles joined by
//! connectors, a QStyledMenuBar becomes a dark blue band, and the header,
//! slide and heading labels get the look's fonts and dark blue titles. Text
//! is black on white (QPalette::Text and QPalette::Window).
//!
//! The colours come from the library's colour table
//! (`:/StyleHelper/StyleHelper.ini`), read once per process when the first
//! GradientStyle is constructed. Two pictures come from the host's own
//! resources: `:/logos/K_logo.png` for the QStyledHeader logo and
//! `:/logos/GradientLogo.ico` for windowIcon(); without them the logo stays
//! empty and the icon has no image.
//!
//! \snippet styles.cpp gradient
//!
//! \lookgrid{look-sample}
//!
//! Everything not described here is CommonStyle's, and below it Fusion's.
//! \see FlatStyle, \ref looks
class VELTRIX_EXPORT GradientStyle : public CommonStyle
{
    Q_OBJECT

public:
    //! Makes the style (see CommonStyle(): Fusion underneath, application
    //! font 11 points) and reads the colour table unless an earlier
    //! GradientStyle already has.
    GradientStyle();
    //! Destroys the style; the colour table stays loaded for the process.
    ~GradientStyle() override;

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
    //! - QStyledComboBox: white button text for GRADIENT_BLUE, black for
    //!   GRADIENT_MEDIUMGRAY; the type is read now, so a later change shows
    //!   only after the box is polished again.
    //! - QStyledHeader: the logo `:/logos/K_logo.png`; title and subtitle in
    //!   the application font at 16 points, in black; the menu bar with
    //!   white QPalette::ButtonText and black QPalette::HighlightedText.
    //! - QSlideMaster: the title in 16-point demi-bold dark blue, the subtitle
    //!   at 10 points.
    //! - QFrameHeaderLabel: 20-point demi-bold dark blue.
    //!
    //! Other widgets, QFrameDescriptionLabel and QStyledGroupBox among them,
    //! get only the common treatment. A null widget is ignored.
    void polish(QWidget *widget) override;
    //! Runs CommonStyle::unpolish() only: the fonts, palettes and logo set by
    //! polish() stay on the widgets.
    void unpolish(QWidget *widget) override;

    //! Draws frames, command panels and check boxes in the gradient look.
    //!
    //! - PE_Frame: the frame of a combo box's pop-up becomes a raised menu
    //!   panel (PE_PanelMenu); any other frame described by a
    //!   QStyleOptionFrame becomes a line-edit frame that never shows focus
    //!   (PE_FrameLineEdit). Both are drawn through proxy(), so a style
    //!   stacked on top sees them.
    //! - PE_PanelButtonCommand: for a QNavigationButton, a separator at its
    //!   right edge (an arrow when it is checked) and, unless its id is
    //!   negative, the step number in a circle with a connector up to the
    //!   previous step (when that is enabled and visible) and down to the next
    //!   one (when that is enabled, even if hidden). A disabled step shows only
    //!   its separator and a grey number. Any other button, and the button
    //!   part of a non-editable combo
    //!   box, is the gradient panel of its type and design (a plain
    //!   QPushButton, and any option that is not a QStyleOptionButton, as
    //!   StyleHelper::DEFAULT with rounded corners). Unknown types and designs
    //!   are drawn as DEFAULT and BD_DEFAULT.
    //! - PE_IndicatorCheckBox: a small rounded box with a grey gradient, with
    //!   a tick while checked or pressed; a partly checked box shows no tick.
    //!
    //! Every other element is Fusion's. The painter's antialiasing, text
    //! antialiasing and smooth pixmap hints are switched on and stay on.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    //! Draws button labels, menu items and the styled menu bar.
    //!
    //! - CE_PushButtonLabel: a QNavigationButton's own text after the badge,
    //!   dark blue (bold while checked) or grey when disabled. Other buttons:
    //!   the icon centred together with the text, or at the button margin
    //!   with the text centred in the rest for a QStyledPushButton with
    //!   QStyledPushButton::BO_ICON_LEFT_ALIGNED, then the text in the colour
    //!   of the button type and state.
    //! - CE_MenuItem: entries of pop-up menus with black text and a light grey
    //!   highlight; disabled entries in grey.
    //! - CE_MenuBarItem and CE_MenuBarEmptyArea: a QStyledMenuBar is a blue
    //!   gradient band; the item the mouse or keyboard is on darkens, an item
    //!   whose menu is open turns light, and each item ends in a thin
    //!   separator. Other menu bars are Fusion's with a light grey highlight.
    //!
    //! A label or menu-bar item whose option has the wrong type draws
    //! nothing. Every other element goes to CommonStyle::drawControl().
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    //! Lays out combo boxes: the arrow is 18 pixels wide (16 without a frame),
    //! the edit field is inset by 3 pixels (0 without a frame) and leaves 16
    //! pixels for the arrow, and the frame and pop-up take the whole
    //! rectangle; every part is mirrored for right-to-left layouts. Other
    //! controls are Fusion's.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget = nullptr) const override;

    //! The look's window icon, `:/logos/GradientLogo.ico` from the host's
    //! resources, made anew at each call.
    //!
    //! When the host supplies no such file the icon is not null but has no
    //! image (QIcon::availableSizes() is empty).
    //! \snippet styles.cpp window icon
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
