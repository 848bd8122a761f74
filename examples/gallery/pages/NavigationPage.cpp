// Navigation steps in every state, in horizontal groups.
#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QStyledGroupBox.h>
#include <QStyledPushButton.h>

#include "GalleryPages.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gallery", text);
}

QNavigationButtonGroup *stepRow(QWidget *parent, const QStringList &titles)
{
    auto *group = new QNavigationButtonGroup(QBoxLayout::LeftToRight, parent);
    for (int i = 0; i < titles.size(); ++i)
        group->addNavigationButton(new QNavigationButton(i, titles.at(i)));
    group->addStretch(1);
    return group;
}

QWidget *createNavigationPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QFrameHeaderLabel(tr("Navigation steps"), page));
    auto *description = new QFrameDescriptionLabel(
        tr("Steps open one by one. Visited steps stay enabled, the current one is checked, the ones ahead "
           "are disabled until the reader gets there."),
        page);
    description->setWordWrap(true);
    layout->addWidget(description);

    const QStringList titles{ tr("Source"), tr("Options"), tr("Review"), tr("Install"), tr("Finish") };

    // Two visited steps, the checked third, two still closed.
    auto *states = new QStyledGroupBox(tr("Enabled, checked and disabled"), page);
    auto *statesLayout = new QVBoxLayout(states);
    QNavigationButtonGroup *stateRow = stepRow(states, titles);
    stateRow->setCheckedButton(2);
    statesLayout->addWidget(stateRow);
    layout->addWidget(states);

    // The second step is hidden: its neighbours lose the connector to it
    // where the look asks for a visible neighbour.
    auto *hidden = new QStyledGroupBox(tr("With a hidden neighbour"), page);
    auto *hiddenLayout = new QVBoxLayout(hidden);
    QNavigationButtonGroup *hiddenRow = stepRow(hidden, titles.mid(0, 4));
    hiddenRow->setCheckedButton(3);
    hiddenRow->layout()->itemAt(1)->widget()->hide();
    hiddenLayout->addWidget(hiddenRow);
    layout->addWidget(hidden);

    // A live row: a click on a step also opens the next one.
    auto *live = new QStyledGroupBox(tr("Try it"), page);
    auto *liveLayout = new QVBoxLayout(live);
    QNavigationButtonGroup *liveRow = stepRow(live, titles);
    liveRow->setNavigationOptions(QNavigationButtonGroup::NAV_ENABLE_PREVIOUS | QNavigationButtonGroup::NAV_ENABLE_NEXT);
    liveRow->setCheckedButton(0);
    liveLayout->addWidget(liveRow);
    auto *controls = new QHBoxLayout();
    auto *back = new QStyledPushButton(tr("Back"), live);
    auto *next = new QStyledPushButton(tr("Next"), live);
    next->setButtonType(StyleHelper::GRADIENT_BLUE);
    auto *reset = new QStyledPushButton(tr("Reset"), live);
    auto *status = new QLabel(live);
    controls->addWidget(back);
    controls->addWidget(next);
    controls->addWidget(reset);
    controls->addWidget(status, 1);
    liveLayout->addLayout(controls);
    QObject::connect(back, &QPushButton::clicked, liveRow, &QNavigationButtonGroup::showPrev);
    QObject::connect(next, &QPushButton::clicked, liveRow, &QNavigationButtonGroup::showNext);
    QObject::connect(reset, &QPushButton::clicked, liveRow, [liveRow] {
        liveRow->resetButtons();
        liveRow->setCheckedButton(0);
    });
    QObject::connect(liveRow, QOverload<int>::of(&QNavigationButtonGroup::buttonClicked), status,
                     [status](int id) { status->setText(tr("Step %1 clicked").arg(id + 1)); });
    layout->addWidget(live);

    layout->addStretch(1);
    return page;
}

} // namespace

GALLERY_PAGE("navigation", 50, QT_TRANSLATE_NOOP("Gallery", "Navigation"),
             QT_TRANSLATE_NOOP("Gallery", "Navigation steps and their group: checked, enabled, disabled, hidden."),
             &createNavigationPage);
