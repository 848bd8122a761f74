#ifndef QNAVIGATIONBUTTON_H
#define QNAVIGATIONBUTTON_H

#include <QAbstractButton>
#include <QPointer>

#include "VeltrixGlobal.h"

class QStyleOptionButton;

//! One step of a step-by-step navigation: a checkable button with an id and
//! links to the steps before and after it.
//!
//! The button draws nothing itself; the looks paint it as a numbered step:
//! the number is id() + 1, the connectors to the neighbouring steps follow
//! predecessor() and successor(), and the text stands after the number. A
//! new step is checkable, unchecked and disabled; it becomes available when
//! the application or its QNavigationButtonGroup enables it. The group also
//! sets the links, so a host rarely sets them itself.
//!
//! \snippet navigation.cpp group
//!
//! \looks{navigation}
//!
//! Under a style other than the library's looks the step is drawn as a plain
//! push button without number.
class VELTRIX_EXPORT QNavigationButton : public QAbstractButton
{
    Q_OBJECT
    //! The step's id; the looks show id + 1 as its number and hide the number
    //! for a negative id. -1 for a step made without one.
    Q_PROPERTY(int id READ id WRITE setId)
    //! The step before this one, or null; not owned.
    Q_PROPERTY(QNavigationButton *predecessor READ predecessor WRITE setPredecessor)
    //! The step after this one, or null; not owned.
    Q_PROPERTY(QNavigationButton *successor READ successor WRITE setSuccessor)

public:
    //! Makes a disabled, checkable step with `id`, `icon` and `text`. The
    //! parent, if any, owns it; QNavigationButtonGroup::addNavigationButton()
    //! takes it over.
    QNavigationButton(int id, const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    //! Makes a disabled, checkable step with `id` and `text`.
    QNavigationButton(int id, const QString &text, QWidget *parent = nullptr);
    //! Makes a disabled, checkable step with `id` and no text.
    explicit QNavigationButton(int id, QWidget *parent = nullptr);
    //! Makes a disabled, checkable step with id -1 and no text, as Qt Designer
    //! does.
    explicit QNavigationButton(QWidget *parent = nullptr);
    //! Destroys the step. Steps linked to it read a null link afterwards.
    ~QNavigationButton() override;

    //! The step's id.
    int id() const;
    //! Changes the id, and with it the number shown. A button group the step
    //! was added to keeps the id it was added under.
    void setId(int id);

    //! The previous step, or null. A linked step that has been deleted reads
    //! as null.
    QNavigationButton *predecessor() const;
    //! Links the previous step (null unlinks). The other step is not changed:
    //! links are one-way until both are set. The step does not own it and is
    //! not repainted.
    void setPredecessor(QNavigationButton *predecessor);
    //! The next step, or null. A linked step that has been deleted reads as
    //! null.
    QNavigationButton *successor() const;
    //! Links the next step (null unlinks); one-way and not owned, like
    //! setPredecessor().
    void setSuccessor(QNavigationButton *successor);

    //! The size the style asks for the text (or "XXXX" when there is none)
    //! and the icon. The library's looks add room for the number badge and
    //! make the step twice the badge high.
    QSize sizeHint() const override;

protected:
    //! Asks the style to draw the step as a push button (QStyle::CE_PushButton)
    //! with the option from initStyleOption().
    void paintEvent(QPaintEvent *event) override;
    //! Fills `option` from the button: its state (sunken while pressed,
    //! raised otherwise, QStyle::State_On while checked), text, icon and icon
    //! size, without button features. A null option is ignored.
    void initStyleOption(QStyleOptionButton *option) const;

private:
    QPointer<QNavigationButton> m_predecessor;
    QPointer<QNavigationButton> m_successor;
    int m_id;
};

Q_DECLARE_METATYPE(QNavigationButton *)

#endif // QNAVIGATIONBUTTON_H
