#ifndef QSLIDEMASTER_H
#define QSLIDEMASTER_H

#include <QFrame>

#include "VeltrixGlobal.h"

class QLabel;

//! A page template: a title, a subtitle and one exchangeable central widget.
//!
//! The slide stacks a title line, a word-wrapped subtitle and the central
//! widget, which takes all the remaining height. The host puts its page
//! content in with setCentralWidget(); a new slide holds an empty
//! placeholder widget there. The gradient look gives the title a 16-point
//! demi-bold dark blue font and the subtitle 10 points; the flat look leaves
//! both labels in the application font.
//!
//! \snippet header.cpp slide
//!
//! \lookgrid{slide}
class VELTRIX_EXPORT QSlideMaster : public QFrame
{
    Q_OBJECT
    //! The title line; empty for a new slide. A long title does not wrap.
    Q_PROPERTY(QString title READ title WRITE setTitle)
    //! The subtitle under the title; empty for a new slide. It wraps over as
    //! many lines as it needs.
    Q_PROPERTY(QString subTitle READ subTitle WRITE setSubTitle)

public:
    //! Makes a slide with empty title and subtitle and an empty placeholder as
    //! central widget. `parent` and `f` are passed to QFrame; the parent, if
    //! any, owns the slide.
    explicit QSlideMaster(QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    //! Destroys the slide with its labels and central widget.
    ~QSlideMaster() override;

    //! The text of the title label.
    QString title() const;
    //! Shows `title` in the title label.
    void setTitle(const QString &title);

    //! The text of the subtitle label.
    QString subTitle() const;
    //! Shows `subTitle` in the subtitle label.
    void setSubTitle(const QString &subTitle);

    //! The current central widget: the placeholder until one is set, null
    //! after setCentralWidget(nullptr).
    QWidget *centralWidget() const;
    //! Makes `widget` the central widget, under the subtitle, and takes
    //! ownership of it.
    //!
    //! The previous central widget is deleted with all its children, also
    //! when it has been given another parent in the meantime, so keep no
    //! pointer to it; a widget from inside the old one may be passed here and
    //! survives. To switch between pages, make a QStackedWidget the central
    //! widget. Passing the current central widget again changes nothing. Passing
    //! nullptr deletes the current one and leaves the slide without a central
    //! widget (Qt logs a warning as its layout refuses the null widget).
    //! \snippet header.cpp central widget
    void setCentralWidget(QWidget *widget);

private:
    Q_DISABLE_COPY(QSlideMaster)
    // The gradient look styles the two labels when it polishes a slide.
    friend class GradientStyle;

    QLabel *m_titleLabel;
    QLabel *m_subTitleLabel;
    QWidget *m_centralWidget;
};

#endif // QSLIDEMASTER_H
