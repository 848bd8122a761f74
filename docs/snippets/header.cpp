// Examples for the header, the menu bar and the slide.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <QSlideMaster.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>

#include "snippets.h"

SNIPPET(styledHeader)
{
    QWidget *window = host;
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    //! [header]
    auto *header = new QStyledHeader(window);
    header->setApplicationTitle(QObject::tr("Planner"));
    header->setApplicationSubTitle(QObject::tr("Network sites"));
    QMenu *file = header->menuBar()->addMenu(QObject::tr("&File"));
    file->addAction(QObject::tr("&Quit"), window, &QWidget::close);
    layout->addWidget(header);
    //! [header]
}

SNIPPET(styledMenuBar)
{
    QWidget *window = host;
    auto *layout = new QVBoxLayout(window);
    //! [menu bar]
    auto *bar = new QStyledMenuBar(window);
    QMenu *edit = bar->addMenu(QObject::tr("&Edit"));
    edit->addAction(QObject::tr("&Copy"));
    layout->setMenuBar(bar);
    //! [menu bar]
}

SNIPPET(slideMaster)
{
    QWidget *window = host;
    //! [slide]
    auto *slide = new QSlideMaster(window);
    slide->setTitle(QObject::tr("Target"));
    slide->setSubTitle(QObject::tr("Where the files are copied to."));
    slide->setCentralWidget(new QLineEdit);  // the slide owns it from here on
    //! [slide]
    SNIPPET_CHECK(qobject_cast<QLineEdit *>(slide->centralWidget()) != nullptr);
}

SNIPPET(slidePages)
{
    auto *slide = new QSlideMaster(host);
    //! [central widget]
    // Pages that come and go live in one stacked widget: the slide deletes a
    // central widget as soon as it is given another one.
    auto *pages = new QStackedWidget;
    pages->addWidget(new QLabel(QObject::tr("First page")));
    pages->addWidget(new QLabel(QObject::tr("Second page")));
    slide->setCentralWidget(pages);
    pages->setCurrentIndex(1);
    //! [central widget]
}
