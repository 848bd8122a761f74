#ifndef QSTYLEDMENUBAR_H
#define QSTYLEDMENUBAR_H

#include <QMenuBar>

#include "VeltrixGlobal.h"

//! The library's menu bar: a QMenuBar that the looks give their own band.
//!
//! It adds no behaviour; the styles recognise it by its class. Under any
//! CommonStyle it is 30 pixels high (15 with CommonStyle::CS_COMPACT_MENUBAR,
//! which also hides its actions), uses a 12-point font and shows no mnemonic
//! underlines. Its items show their action's icon (CommonStyle::CS_MENUBAR_ICONS)
//! and, when enabled, a drop-down chevron; the gradient look draws the bar
//! as a dark blue gradient, the flat look as
//! a light grey bar whose open item turns white. Ordinary QMenuBar widgets
//! keep Fusion's items under both looks.
//!
//! QStyledHeader makes one of these for the application's menus; a host may
//! also place one anywhere else.
//!
//! \snippet header.cpp menu bar
//!
//! \lookgrid{menubar}
class VELTRIX_EXPORT QStyledMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    //! Makes an empty menu bar. The parent, if any, owns it.
    explicit QStyledMenuBar(QWidget *parent = nullptr);
    //! Destroys the menu bar and the menus it owns.
    ~QStyledMenuBar() override;
};

#endif // QSTYLEDMENUBAR_H
