// Examples for navigation steps, their group and the pixmap button.
#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QPixmapButton.h>

#include "snippets.h"

SNIPPET(navigationGroup)
{
    QWidget *parent = host;
    auto *nextButton = new QPushButton(QObject::tr("Next"), host);
    //! [group]
    auto *steps = new QNavigationButtonGroup(QBoxLayout::TopToBottom, parent);
    steps->addNavigationButton(new QNavigationButton(0, QObject::tr("Source")));
    steps->addNavigationButton(new QNavigationButton(1, QObject::tr("Target")));
    steps->addStretch(1);
    // Default NAV_ENABLE_PREVIOUS; NAV_ENABLE_NEXT also opens the step after a clicked one.
    steps->setNavigationOptions(steps->navigationOptions() | QNavigationButtonGroup::NAV_ENABLE_NEXT);
    steps->setCheckedButton(0);
    QObject::connect(nextButton, &QPushButton::clicked, steps, &QNavigationButtonGroup::showNext);
    //! [group]
    const auto buttons = steps->findChildren<QNavigationButton *>();
    SNIPPET_CHECK(buttons.size() == 2 && buttons.at(0)->successor() == buttons.at(1));
    SNIPPET_CHECK(buttons.at(0)->isChecked() && buttons.at(1)->isEnabled());
    nextButton->click();
    SNIPPET_CHECK(buttons.at(1)->isChecked());
}

SNIPPET(openEveryStep)
{
    auto *steps = new QNavigationButtonGroup(QBoxLayout::LeftToRight, host);
    for (int id = 0; id < 4; ++id)
        steps->addNavigationButton(new QNavigationButton(id, QObject::tr("Step %1").arg(id + 1)));
    //! [open all]
    // Every step open from the start: checking the last one opens those before
    // it (NAV_ENABLE_PREVIOUS), then the first one is checked again.
    steps->setCheckedButton(3);
    steps->setCheckedButton(0);
    //! [open all]
    const auto buttons = steps->findChildren<QNavigationButton *>();
    SNIPPET_CHECK(buttons.at(0)->isChecked() && buttons.at(3)->isEnabled() && !buttons.at(3)->isChecked());
}

SNIPPET(pixmapButton)
{
    QWidget *window = host;
    //! [pixmap button]
    // 48 × 48 pixels at a device pixel ratio of 2: 24 × 24 on screen, sharp on a
    // high-DPI screen when the application has set Qt::AA_UseHighDpiPixmaps.
    QPixmap picture(48, 48);
    picture.setDevicePixelRatio(2);
    picture.fill(Qt::darkCyan);
    auto *play = new QPixmapButton(picture, window);
    QObject::connect(play, &QAbstractButton::clicked, window, &QWidget::close);
    //! [pixmap button]
    SNIPPET_CHECK(play->iconSize() == QSize(24, 24));
}
