#ifndef QSTYLEDHEADER_H
#define QSTYLEDHEADER_H

#include <QWidget>

#include "VeltrixGlobal.h"

class QStyledMenuBar;
class QStyledHeaderForm;

//! An application header band: title, subtitle and logo, with the menu bar
//! underneath.
//!
//! The header builds its layout itself: one row with the title and the
//! subtitle on the left and a logo on the right, and a QStyledMenuBar under
//! it over the full width. The host sets the two texts and fills the menu
//! bar; fonts, colours and the logo come from the installed look when it
//! polishes the header (the logo is a picture the host supplies in its
//! resources: `:/logos/K_logo.png` for GradientStyle, `:/logos/r_logo.png`
//! for FlatStyle). Under any other style the logo stays empty.
//!
//! The three labels are child widgets named `appTitleLabel`, `appNameLabel`
//! (the subtitle) and `appLogoLabel`, which a style sheet or a style may
//! address. A new header shows the texts "Application Title" and
//! "Application Name", translated in the context `QStyledHeader` when the
//! header is made; install the library's catalogue first (see
//! \ref translations) if those defaults are ever shown.
//!
//! \snippet header.cpp header
//!
//! \lookgrid{header}
class VELTRIX_EXPORT QStyledHeader : public QWidget
{
    Q_OBJECT
    //! The title at the left of the header, in the title label.
    Q_PROPERTY(QString applicationTitle READ applicationTitle WRITE setApplicationTitle)
    //! The subtitle after the title, in the subtitle label.
    Q_PROPERTY(QString applicationSubTitle READ applicationSubTitle WRITE setApplicationSubTitle)

public:
    //! Builds the header with its labels and an empty menu bar, all child
    //! widgets of the header. The object name becomes "QStyledHeader" and the
    //! size policy horizontally expanding. The parent, if any, owns the header.
    explicit QStyledHeader(QWidget *parent = nullptr);
    //! Destroys the header with its labels and menu bar.
    ~QStyledHeader() override;

    //! The header's menu bar, for the host to fill with its menus; never null.
    //! The header owns it.
    QStyledMenuBar *menuBar();

    //! The text of the title label; "Application Title" (translated) until
    //! set.
    QString applicationTitle() const;
    //! Shows `title` in the title label; an empty text empties it.
    void setApplicationTitle(const QString &title);

    //! The text of the subtitle label; "Application Name" (translated) until
    //! set.
    QString applicationSubTitle() const;
    //! Shows `subTitle` in the subtitle label; an empty text empties it.
    void setApplicationSubTitle(const QString &subTitle);

private:
    Q_DISABLE_COPY(QStyledHeader)

    QStyledHeaderForm *m_form;
    QStyledMenuBar *m_menuBar;
};

#endif // QSTYLEDHEADER_H
