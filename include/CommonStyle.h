#ifndef COMMONSTYLE_H
#define COMMONSTYLE_H

#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>

#include "VeltrixGlobal.h"

class QStyleOptionMenuItem;

//! The proxy style over Fusion that both of the library's looks build on.
//!
//! CommonStyle wraps Qt's Fusion style (made with QStyleFactory and owned by
//! the proxy) and adds what GradientStyle and FlatStyle share:
//!
//! - Constructing it sets the application font to 11 points, for the whole
//!   application and for good: the font stays when the style is destroyed.
//! - Every drawControl() and drawComplexControl() call switches on
//!   antialiasing, text antialiasing and smooth pixmap transforms on the
//!   painter and leaves them on.
//! - Buttons, combo boxes and menu bars track the mouse (Qt::WA_Hover).
//! - Menu-bar items show their action's icon, the text and a small
//!   drop-down chevron; a QStyledMenuBar is 30 pixels high (15 when compact),
//!   uses a 12-point font and never underlines mnemonics.
//! - A QNavigationButton gets a 10-point font and is sized for its number
//!   badge (navButtonIconSize(), navButtonMargin()).
//! - A push button whose text is wider than four fifths of Fusion's size
//!   hint is made a quarter wider.
//! - Check-box indicators are 18 pixels; disabled text is neither etched
//!   nor dithered; combo-box lists drop down below the box.
//!
//! A few of these can be switched with setStyleOptions(). Everything else is
//! Fusion's. A host may install CommonStyle on its own to get Fusion with
//! these changes; usually it installs one of the two looks, which derive from
//! it:
//!
//! \snippet styles.cpp common
//!
//! QApplication::setStyle() takes ownership of the style. The style draws
//! menu-bar items with its own code for every menu bar, not only for
//! QStyledMenuBar; the two looks hand ordinary menu bars back to Fusion.
//!
//! \lookgrid{look-sample}
//!
//! \see GradientStyle, FlatStyle, \ref looks
class VELTRIX_EXPORT CommonStyle : public QProxyStyle
{
    Q_OBJECT

public:
    //! Switches for a few details of the looks; see setStyleOptions().
    enum StyleOption {
        //! Gradient look: button panels get a one-pixel outline in the colour
        //! of their button type. Without it they are only filled. Navigation
        //! steps, check boxes and the flat look do not change.
        CS_BUTTON_OUTLINE = 0x01,
        //! Menu-bar items show their action's icon (at the small icon size)
        //! before the text.
        CS_MENUBAR_ICONS = 0x02,
        //! A QStyledMenuBar is polished into a 15-pixel strip and every action
        //! it holds at that moment is hidden. Unpolishing shows them again.
        CS_COMPACT_MENUBAR = 0x04,
        //! Navigation steps show numbers below 10 with a leading zero: 01,
        //! 02, ... (numbers of three digits are shown in full).
        CS_TWO_DIGIT_NUMBERS = 0x10
    };
    //! A combination of StyleOption values (QFlags).
    Q_DECLARE_FLAGS(StyleOptions, StyleOption)
    Q_FLAGS(StyleOption StyleOptions)

    //! Makes the style over a new Fusion style and sets the application font
    //! to 11 points (QApplication::setFont(), for all widgets).
    //!
    //! The host pictures `:/pixmaps/checkbox_checked.png` and
    //! `:/pixmaps/checkbox_unchecked.png` are loaded into checkedPixmap and
    //! uncheckedPixmap; the options start as CS_BUTTON_OUTLINE |
    //! CS_MENUBAR_ICONS | CS_TWO_DIGIT_NUMBERS (19).
    CommonStyle();
    //! Destroys the style and the Fusion style it wraps. The application font
    //! set by the constructor stays.
    ~CommonStyle() override;

    //! Replaces the option flags.
    //!
    //! Nothing is repainted or polished here: the new flags apply from the next
    //! paint or size query, and CS_COMPACT_MENUBAR from the next time a menu
    //! bar is polished (for instance when the style is installed again).
    //! Values other than the four StyleOption flags have no effect.
    //! \snippet styles.cpp options
    void setStyleOptions(QFlags<CommonStyle::StyleOption> options);
    //! The option flags; CS_BUTTON_OUTLINE | CS_MENUBAR_ICONS |
    //! CS_TWO_DIGIT_NUMBERS (19) until setStyleOptions() is called.
    QFlags<CommonStyle::StyleOption> styleOptions() const;

    //! QStyle's other polish() overloads (for a QPalette and a QApplication)
    //! stay visible next to the ones declared here.
    using QProxyStyle::polish;
    //! QStyle's other unpolish() overload (for a QApplication) stays visible
    //! next to the one declared here.
    using QProxyStyle::unpolish;

protected:
    //! Prepares a widget for the style. Fusion's own widget polish is not run.
    //!
    //! Buttons, combo boxes and menu bars (and their subclasses) get
    //! Qt::WA_Hover. A QStyledMenuBar gets a fixed height of 30 pixels, or 15
    //! with CS_COMPACT_MENUBAR, which also hides every QAction among its
    //! descendants; in both cases its font becomes 12 points. A
    //! QNavigationButton's font becomes 10 points. A null widget is ignored.
    //!
    //! The overrides in this class are protected; Qt calls them through
    //! QStyle, where they are public.
    void polish(QWidget *widget) override;
    //! Takes back what polish() set: the hover attribute; for a
    //! QStyledMenuBar its actions are shown again, its height becomes 30 and
    //! it gets the application's font and palette; a QNavigationButton gets
    //! the application font. A null widget is ignored.
    void unpolish(QWidget *widget) override;
    //! Draws menu-bar items itself and hands every other element to Fusion.
    //!
    //! A menu-bar item (CE_MenuBarItem) is drawn for any widget: the
    //! action's icon 11 pixels from the left edge (with CS_MENUBAR_ICONS),
    //! then the text (without an icon, 11 pixels from the edge), in the
    //! palette's QPalette::ButtonText colour, with mnemonics hidden, and for
    //! an enabled item a two-pixel chevron 19 pixels left of the right edge.
    //! The item's background is left to the caller. An option that is not a
    //! QStyleOptionMenuItem draws nothing.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    //! Lets Fusion draw the element; a group box frame (PE_FrameGroupBox)
    //! and a check box (PE_IndicatorCheckBox) may come from a picture drawn
    //! before, where it looks the same.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    //! Switches on smooth rendering and lets Fusion draw the control.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    //! Answers 18 for PM_IndicatorWidth and PM_IndicatorHeight and 0 for
    //! PM_MenuBarItemSpacing, PM_MenuBarVMargin and PM_MenuBarHMargin; every
    //! other metric is Fusion's.
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    //! Starts from Fusion's size and adjusts three kinds of contents.
    //!
    //! - CT_PushButton: a QPushButton whose text is wider than 0.8 × the
    //!   width becomes 1.25 × as wide. A QNavigationButton (with a
    //!   QStyleOptionButton) grows by navButtonIconSize() + 18 pixels and is
    //!   2 × navButtonIconSize() high.
    //! - CT_MenuBarItem (only when a widget is given): the contents width
    //!   plus 22, as high as the menu bar; a QStyledMenuBar's items are 14
    //!   pixels wider still, and when they show an icon (CS_MENUBAR_ICONS)
    //!   they also make room for the text.
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    //! Answers 0 for SH_EtchDisabledText, SH_DitherDisabledText and
    //! SH_ComboBox_Popup, 1 for SH_DrawMenuBarSeparator, and 0 for
    //! SH_UnderlineShortcut on a QStyledMenuBar; every other hint is Fusion's.
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    //! The side of a navigation step's number badge for `option`: the smaller
    //! of the option rectangle's height and 1.25 × the option's font height
    //! (truncated). `option` must not be null.
    static int navButtonIconSize(const QStyleOption *option);
    //! The margin left and right of a navigation step's number badge: 8 pixels.
    static int navButtonMargin();

    //! The icon of the installed look, for the host to give its windows.
    //!
    //! CommonStyle returns a null icon; GradientStyle and FlatStyle return the
    //! icon the host supplies for their look. The library never calls it.
    virtual QIcon windowIcon() const;

    //! The host's picture of a checked box, loaded from
    //! `:/pixmaps/checkbox_checked.png` by the constructor; null when the host
    //! supplies none. The library's own drawing does not use it; it is there
    //! for styles derived from this one.
    QPixmap checkedPixmap;
    //! The host's picture of an unchecked box, from
    //! `:/pixmaps/checkbox_unchecked.png`; see checkedPixmap.
    QPixmap uncheckedPixmap;

private:
    void drawMenuBarItem(const QStyleOptionMenuItem *item, QPainter *painter) const;

    QFlags<CommonStyle::StyleOption> styleOptionFlags;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CommonStyle::StyleOptions)

#endif // COMMONSTYLE_H
