// Example for forms made in Qt Designer and compiled with uic.
#include <QLineEdit>

#include "snippets.h"
#include "ui_slide_page.h"

SNIPPET(uicSlidePage)
{
    QWidget *window = host;
    //! [uic]
    Ui::SlidePage ui;
    ui.setupUi(window);
    // uic cannot make the page the slide's central widget: do it after setupUi().
    ui.slide->setCentralWidget(ui.slidePage);
    //! [uic]
    SNIPPET_CHECK(ui.slide->centralWidget() == ui.slidePage && ui.slidePage->isAncestorOf(ui.targetEdit));
}
