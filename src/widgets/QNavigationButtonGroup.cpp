#include "QNavigationButtonGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPointer>

#include "QNavigationButton.h"

QNavigationButtonGroup::QNavigationButtonGroup(QBoxLayout::Direction direction, QWidget *parent)
    : QWidget(parent)
    , m_navigationOptions(NAV_ENABLE_PREVIOUS)
    , m_layout(new QBoxLayout(direction))
    , m_buttonGroup(new QButtonGroup(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setLayout(m_layout);

    connect(m_buttonGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &QNavigationButtonGroup::onButtonClicked);
    // idClicked is QButtonGroup's non-deprecated name for buttonClicked(int).
    connect(m_buttonGroup, &QButtonGroup::idClicked, this, QOverload<int>::of(&QNavigationButtonGroup::buttonClicked));
}

QNavigationButtonGroup::~QNavigationButtonGroup() = default;

void QNavigationButtonGroup::addNavigationButton(QAbstractButton *button, int id)
{
    if (!button)
        return;
    m_layout->addWidget(button);
    m_buttonGroup->addButton(button, id == -1 ? nextAutomaticId() : id);
    button->setCheckable(true);
    button->setEnabled(false);
    relinkButtons();
}

void QNavigationButtonGroup::addNavigationButton(QNavigationButton *button)
{
    if (!button)
        return;
    addNavigationButton(button, button->id());
}

void QNavigationButtonGroup::addStretch(int stretch)
{
    m_layout->addStretch(stretch);
}

QBoxLayout *QNavigationButtonGroup::layout() const
{
    return m_layout;
}

int QNavigationButtonGroup::nextAutomaticId() const
{
    // QButtonGroup documents automatic ids as negative, starting at -2, but
    // Qt 5 counts down from the lowest id in use, which is positive when the
    // other steps have positive ids and may then collide with a later step.
    // Counting the same way, clamped to -2, keeps the documented promise and
    // gives exactly Qt's ids in a group of automatic ids only.
    int lowest = -1;
    const QList<QAbstractButton *> buttons = m_buttonGroup->buttons();
    for (QAbstractButton *button : buttons)
        lowest = qMin(lowest, m_buttonGroup->id(button));
    return qMin(-2, lowest - 1);
}

void QNavigationButtonGroup::relinkButtons()
{
    // The chain ends at the first pair that is not two navigation buttons;
    // later pairs stay as they are.
    const QList<QAbstractButton *> buttons = m_buttonGroup->buttons();
    for (int i = 0; i + 1 < buttons.size(); ++i) {
        auto *first = qobject_cast<QNavigationButton *>(buttons.at(i));
        auto *second = qobject_cast<QNavigationButton *>(buttons.at(i + 1));
        if (!first || !second)
            break;
        first->setSuccessor(second);
        second->setPredecessor(first);
    }
}

void QNavigationButtonGroup::resetButtons()
{
    const QList<QAbstractButton *> buttons = m_buttonGroup->buttons();
    for (QAbstractButton *button : buttons)
        button->setEnabled(false);
}

void QNavigationButtonGroup::setCheckedButton(int id)
{
    QAbstractButton *button = m_buttonGroup->button(id);
    if (!button)
        return;

    if (m_navigationOptions & NAV_ENABLE_PREVIOUS) {
        const QList<QAbstractButton *> buttons = m_buttonGroup->buttons();
        for (QAbstractButton *before : buttons) {
            if (before == button)
                break;
            before->setEnabled(true);
        }
    }

    button->setEnabled(true);
    button->setChecked(true);

    if (m_navigationOptions & NAV_ENABLE_NEXT) {
        if (auto *step = qobject_cast<QNavigationButton *>(button)) {
            if (QNavigationButton *next = step->successor())
                next->setEnabled(true);
        }
    }

    // A receiver may delete this group or the button; emit no further once
    // the group is gone.
    const QPointer<QNavigationButtonGroup> self(this);
    emit buttonClicked(button);
    if (self)
        emit buttonClicked(id);
}

void QNavigationButtonGroup::showNext()
{
    auto *current = qobject_cast<QNavigationButton *>(m_buttonGroup->checkedButton());
    if (!current || !current->isEnabled())
        return;
    if (QNavigationButton *next = current->successor()) {
        next->setEnabled(true);
        next->setChecked(true);
    }
}

void QNavigationButtonGroup::showPrev()
{
    auto *current = qobject_cast<QNavigationButton *>(m_buttonGroup->checkedButton());
    if (!current || !current->isEnabled())
        return;
    if (QNavigationButton *previous = current->predecessor()) {
        previous->setEnabled(true);
        previous->setChecked(true);
    }
}

void QNavigationButtonGroup::onButtonClicked(QAbstractButton *button)
{
    if (m_navigationOptions & NAV_ENABLE_NEXT) {
        if (auto *step = qobject_cast<QNavigationButton *>(button)) {
            if (QNavigationButton *next = step->successor())
                next->setEnabled(true);
        }
    }
    emit buttonClicked(button);
}

QNavigationButtonGroup::NavigationOptions QNavigationButtonGroup::navigationOptions() const
{
    return m_navigationOptions;
}

void QNavigationButtonGroup::setNavigationOptions(NavigationOptions options)
{
    m_navigationOptions = options;
}
