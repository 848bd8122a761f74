#ifndef QNAVIGATIONBUTTONGROUP_H
#define QNAVIGATIONBUTTONGROUP_H

#include <QBoxLayout>
#include <QWidget>

#include "VeltrixGlobal.h"

class QAbstractButton;
class QButtonGroup;
class QNavigationButton;

//! A row or column of navigation steps that opens them as the user advances.
//!
//! The group lays its buttons out in a box layout and keeps them in an
//! exclusive QButtonGroup, so at most one step is checked at a time. It links
//! consecutive QNavigationButton steps as predecessor and successor, which
//! the looks draw as connectors and which showNext() and showPrev() follow.
//! Added steps start disabled: setCheckedButton() opens the way to a step
//! (and, by the navigationOptions(), the steps before or after it), and the
//! user can then click back and forth among the open steps.
//!
//! \snippet navigation.cpp group
//!
//! Any other QAbstractButton may be added as well; it is laid out, checked
//! and opened like a step, but the chain of links stops before it.
//!
//! \looks{navigation}
class VELTRIX_EXPORT QNavigationButtonGroup : public QWidget
{
    Q_OBJECT

public:
    //! What else opens when a step is checked.
    enum NavigationOption {
        //! setCheckedButton() also enables every step added before the one it
        //! checks. Set by default.
        NAV_ENABLE_PREVIOUS = 1,
        //! A click on a step, and setCheckedButton(), also enable the step's
        //! successor, so the user can go one step further.
        NAV_ENABLE_NEXT = 4
    };
    //! A combination of NavigationOption values (QFlags).
    Q_DECLARE_FLAGS(NavigationOptions, NavigationOption)
    Q_FLAGS(NavigationOption NavigationOptions)

    //! Makes an empty group laid out in `direction` (for instance
    //! QBoxLayout::TopToBottom for a column), without margins or spacing, with
    //! the options NAV_ENABLE_PREVIOUS. There is no default direction. The
    //! parent, if any, owns the group.
    explicit QNavigationButtonGroup(QBoxLayout::Direction direction, QWidget *parent = nullptr);
    //! Destroys the group with its layout, its button group and every button
    //! added to it.
    ~QNavigationButtonGroup() override;

    //! Appends `button` to the layout and to the button group under `id`.
    //!
    //! The group widget becomes the button's parent and owns it. The button is
    //! made checkable and disabled, whatever it was before, and the links of
    //! all steps are rebuilt: each QNavigationButton becomes the successor of
    //! the one before it and that one its predecessor, up to the first button
    //! that is not a QNavigationButton. An id of -1 asks for an automatic one,
    //! negative and below every id in use: -2, -3, ... as QButtonGroup counts.
    //! A null button is ignored. Give each button its own id;
    //! setCheckedButton() finds the button by it.
    void addNavigationButton(QAbstractButton *button, int id);
    //! Appends `button` under its own QNavigationButton::id(), as
    //! addNavigationButton(QAbstractButton *, int) does. A null button is
    //! ignored.
    void addNavigationButton(QNavigationButton *button);
    //! Adds a stretchable space of factor `stretch` after the buttons added so
    //! far, for instance to keep a column of steps at the top.
    void addStretch(int stretch = 0);

    //! The group's box layout, owned by the group. It hides QWidget::layout()
    //! with the more specific type.
    QBoxLayout *layout() const;

    //! Disables every button of the group. The checked step stays checked
    //! (but disabled, so showNext() and showPrev() do nothing until a step is
    //! checked again).
    void resetButtons();
    //! Opens and checks the step of `id`.
    //!
    //! With NAV_ENABLE_PREVIOUS every button added before it is enabled too;
    //! the step itself is enabled and checked (the previous one unchecked);
    //! with NAV_ENABLE_NEXT its successor is enabled. Then buttonClicked() is
    //! emitted with the button and with `id`, as if the user had clicked it.
    //! An id that no button has changes nothing and emits nothing.
    //! \snippet navigation.cpp open all
    void setCheckedButton(int id);

    //! The options; NAV_ENABLE_PREVIOUS for a new group.
    NavigationOptions navigationOptions() const;
    //! Replaces the options. They apply from the next click or
    //! setCheckedButton(); steps already enabled stay enabled. The class
    //! description's example adds NAV_ENABLE_NEXT.
    void setNavigationOptions(NavigationOptions options);

signals:
    //! A step was clicked by the user or checked by setCheckedButton().
    //! Emitted after the options have opened the next step.
    void buttonClicked(QAbstractButton *button);
    //! The same, with the id the button was added under; emitted after
    //! buttonClicked(QAbstractButton *).
    void buttonClicked(int id);

public slots:
    //! Moves to the checked step's successor: enables and checks it. Does
    //! nothing unless the checked button is an enabled QNavigationButton with
    //! a successor. Emits no buttonClicked(); react to the steps' own
    //! QAbstractButton::toggled() to follow every change of step.
    void showNext();
    //! Moves to the checked step's predecessor, like showNext() in the other
    //! direction.
    void showPrev();

protected slots:
    //! Reacts to a click in the button group: with NAV_ENABLE_NEXT it enables
    //! the clicked step's successor, then emits
    //! buttonClicked(QAbstractButton *).
    void onButtonClicked(QAbstractButton *button);

private:
    int nextAutomaticId() const;
    void relinkButtons();

    NavigationOptions m_navigationOptions;
    QBoxLayout *m_layout;
    QButtonGroup *m_buttonGroup;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(QNavigationButtonGroup::NavigationOptions)

#endif // QNAVIGATIONBUTTONGROUP_H
