#ifndef QNAVIGATIONBUTTONGROUP_H
#define QNAVIGATIONBUTTONGROUP_H

#include <QBoxLayout>
#include <QWidget>

#include "VeltrixGlobal.h"

class QAbstractButton;
class QButtonGroup;
class QNavigationButton;

// A row or column of navigation steps. The buttons sit in a box layout and in
// an exclusive button group, consecutive QNavigationButtons are linked as
// predecessor and successor, and the group enables steps as the user
// advances. Any other QAbstractButton may be added too; it is laid out and
// checked like a step but breaks the chain of links.
//
//     auto *steps = new QNavigationButtonGroup(QBoxLayout::TopToBottom, this);
//     steps->addNavigationButton(new QNavigationButton(0, tr("Source")));
//     steps->addNavigationButton(new QNavigationButton(1, tr("Target")));
//     steps->addStretch(1);
//     steps->setCheckedButton(0);
//     connect(next, &QPushButton::clicked, steps, &QNavigationButtonGroup::showNext);
class VELTRIX_EXPORT QNavigationButtonGroup : public QWidget
{
    Q_OBJECT

public:
    enum NavigationOption {
        // setCheckedButton() also enables every step added before the target.
        NAV_ENABLE_PREVIOUS = 1,
        // A click on a step, and setCheckedButton(), also enable its successor.
        NAV_ENABLE_NEXT = 4
    };
    Q_DECLARE_FLAGS(NavigationOptions, NavigationOption)
    Q_FLAGS(NavigationOption NavigationOptions)

    // The parent defaults to null like every other Qt widget; the direction
    // has no default, a group is always a row or a column.
    explicit QNavigationButtonGroup(QBoxLayout::Direction direction, QWidget *parent = nullptr);
    ~QNavigationButtonGroup() override;

    // Appends the button to the layout (the group widget becomes its parent)
    // and to the button group under `id`, makes it checkable and disabled and
    // relinks the steps. For an id of -1 the group picks a negative id of its
    // own (-2, -3, ... like QButtonGroup), never one a positive step uses.
    void addNavigationButton(QAbstractButton *button, int id);
    // The same, under the button's own id().
    void addNavigationButton(QNavigationButton *button);
    void addStretch(int stretch = 0);

    QBoxLayout *layout() const;

    // Disables every step; the checked step stays checked.
    void resetButtons();
    // Enables and checks the step of `id` (and more, by the options), then
    // emits buttonClicked(button) and buttonClicked(id). Unknown ids are
    // ignored.
    void setCheckedButton(int id);

    // NAV_ENABLE_PREVIOUS by default. A change applies from the next click or
    // setCheckedButton(); steps already enabled stay enabled.
    NavigationOptions navigationOptions() const;
    void setNavigationOptions(NavigationOptions options);

signals:
    void buttonClicked(QAbstractButton *button);
    void buttonClicked(int id);

public slots:
    // Step to the checked step's successor or predecessor, when the checked
    // step is an enabled QNavigationButton that has one. No signal is emitted.
    void showNext();
    void showPrev();

protected slots:
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
