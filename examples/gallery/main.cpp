// veltrix-gallery: every widget of the library on pages, under each look.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QFont>
#include <QStyle>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "GalleryStyles.h"
#include "GalleryWindow.h"
#include "WidgetShots.h"

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Switches the window to the language of --lang, if one was given.
bool applyLanguageOption(GalleryWindow &window, const QString &code)
{
    if (code.isEmpty())
        return true;
    if (window.setLanguageCode(code)) {
        // Retranslate now, so the window is first laid out with the new texts.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        return true;
    }
    std::fprintf(stderr, "no translation for language \"%s\"\n", qPrintable(code));
    return false;
}

// Renders every page of a fresh window under `styleName` into `dir`.
// `font` is the application font the program started with: the library's
// looks change it for good, and each look is shown as it starts on its own.
bool writeScreenshots(const QString &styleName, const QDir &dir, const QString &language, const QFont &font)
{
    QApplication::setFont(font);
    QStyle *style = createGalleryStyle(styleName);
    if (!style)
        return false;
    QApplication::setStyle(style);
    GalleryWindow window;
    if (!applyLanguageOption(window, language))
        return false;
    window.show();
    bool ok = true;
    for (int i = 0; i < window.pageCount(); ++i) {
        window.showPage(i);
        QApplication::processEvents();
        const QString path = dir.absoluteFilePath(
            QStringLiteral("%1-%2-%3.png").arg(styleName).arg(i + 1, 2, 10, QLatin1Char('0')).arg(window.pageId(i)));
        if (window.grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    // QApplication takes "-style"/"--style" for itself and would swallow the
    // gallery's own option, so it is renamed before Qt sees the arguments.
    std::vector<QByteArray> renamed;
    renamed.reserve(argc);
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--style" || arg == "-style" || arg.startsWith("--style=")) {
            renamed.push_back("--look" + arg.mid(arg.indexOf('=') < 0 ? arg.size() : arg.indexOf('=')));
            argv[i] = renamed.back().data();
        }
        // Screenshots need no screen: fall back to the offscreen platform.
        if ((arg == "--screenshot" || arg == "--widget-shots") && !hasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // High-resolution pixmaps (the 2x pictures of the pixmap buttons) reach a
    // high-DPI screen unscaled only with this attribute; Qt 6 always does so.
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("veltrix-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every widget of the Veltrix library."));
    parser.addHelpOption();
    const QStringList styles = galleryStyleNames();
    QCommandLineOption styleOption(QStringList{ QStringLiteral("style"), QStringLiteral("look") },
                                   QStringLiteral("The look: %1, or all (with --screenshot).").arg(styles.join(QLatin1Char('|'))),
                                   QStringLiteral("name"), defaultGalleryStyle());
    QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("Write every page as PNG into DIR, print the paths and exit."),
                                        QStringLiteral("DIR"));
    QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("Start in this language (e.g. de)."),
                                  QStringLiteral("code"));
    QCommandLineOption widgetShotsOption(QStringLiteral("widget-shots"),
                                         QStringLiteral("Write a picture of every library widget under every look "
                                                        "into DIR, print the paths and exit."),
                                         QStringLiteral("DIR"));
    parser.addOptions({ styleOption, screenshotOption, langOption, widgetShotsOption });
    parser.process(app);
    if (parser.isSet(widgetShotsOption))
        return writeWidgetShots(parser.value(widgetShotsOption)) ? 0 : 1;

    const QString styleName = parser.value(styleOption);
    const bool all = styleName == QLatin1String("all");
    if (!all && !styles.contains(styleName)) {
        std::fprintf(stderr, "unknown style \"%s\"; choose one of: %s\n", qPrintable(styleName),
                     qPrintable(styles.join(QStringLiteral(", "))));
        return 2;
    }

    if (parser.isSet(screenshotOption)) {
        const QDir dir(parser.value(screenshotOption));
        if (!QDir().mkpath(dir.absolutePath())) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.absolutePath()));
            return 1;
        }
        bool ok = true;
        const QFont font = QApplication::font();
        for (const QString &name : all ? styles : QStringList{ styleName })
            ok &= writeScreenshots(name, dir, parser.value(langOption), font);
        return ok ? 0 : 1;
    }
    if (all) {
        std::fprintf(stderr, "--style all needs --screenshot\n");
        return 2;
    }

    QApplication::setStyle(createGalleryStyle(styleName));
    GalleryWindow window;
    if (!applyLanguageOption(window, parser.value(langOption)))
        return 2;
    window.show();
    return app.exec();
}
