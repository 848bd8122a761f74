// Examples for the styles: installing a look, its options and window icon.
#include <QApplication>
#include <QWidget>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>
#include <QStyledMenuBar.h>

#include "snippets.h"

SNIPPET(installCommonStyle)
{
    //! [common]
    QApplication::setStyle(new CommonStyle); // the application owns the style
    //! [common]
    Q_UNUSED(host);
}

SNIPPET(installGradientStyle)
{
    QWidget *window = host;
    //! [gradient]
    auto *style = new GradientStyle;
    QApplication::setStyle(style);               // the application owns the style from here on
    window->setWindowIcon(style->windowIcon());  // the host's :/logos/GradientLogo.ico
    //! [gradient]
    // The example's host resources (host_resources.qrc) carry the icon.
    SNIPPET_CHECK(!window->windowIcon().availableSizes().isEmpty());
}

SNIPPET(installFlatStyle)
{
    QWidget *window = host;
    //! [flat]
    auto *style = new FlatStyle;
    QApplication::setStyle(style);               // the application owns the style from here on
    window->setWindowIcon(style->windowIcon());  // the host's :/logos/r_logo.ico
    //! [flat]
    SNIPPET_CHECK(!window->windowIcon().isNull());
}

SNIPPET(styleOptions)
{
    //! [options]
    auto *style = new GradientStyle;
    // Filled buttons without outline, a compact menu bar, numbers without a leading zero.
    style->setStyleOptions(CommonStyle::CS_MENUBAR_ICONS | CommonStyle::CS_COMPACT_MENUBAR);
    QApplication::setStyle(style);  // widgets are polished with the options already in place
    //! [options]
    auto *bar = new QStyledMenuBar(host);
    bar->ensurePolished();
    SNIPPET_CHECK(bar->maximumHeight() == 15);
}

SNIPPET(windowIconOfTheLook)
{
    QApplication::setStyle(new FlatStyle);
    QWidget *window = host;
    //! [window icon]
    // Give a window the icon of the look in force, when it is one of the library's.
    if (auto *gradient = qobject_cast<GradientStyle *>(QApplication::style()))
        window->setWindowIcon(gradient->windowIcon());
    else if (auto *flat = qobject_cast<FlatStyle *>(QApplication::style()))
        window->setWindowIcon(flat->windowIcon());
    //! [window icon]
    SNIPPET_CHECK(!window->windowIcon().isNull());
}
