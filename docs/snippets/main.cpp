// Runs every example of the API reference once, offscreen, and fails when one
// throws, logs a warning or misses one of its checks.
#include <QApplication>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <cstdio>
#include <exception>

#include "snippets.h"

namespace {

struct Snippet
{
    const char *name;
    SnippetFunction run;
};

QVector<Snippet> &registry()
{
    static QVector<Snippet> snippets;
    return snippets;
}

int failures = 0;
const char *current = "";

void onMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", current, qPrintable(message));
    // The offscreen platform cannot pass size constraints on to a window
    // system; that notice is about the test set-up, not about the example.
    if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QLatin1String("propagateSizeHints")))
        ++failures;
}

} // namespace

SnippetRegistration::SnippetRegistration(const char *name, SnippetFunction run)
{
    registry().append({ name, run });
}

void snippetCheck(bool ok, const char *expression, const char *file, int line)
{
    if (ok)
        return;
    std::fprintf(stderr, "%s: check failed: %s (%s:%d)\n", current, expression, file, line);
    ++failures;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(onMessage);
    for (const Snippet &snippet : qAsConst(registry())) {
        current = snippet.name;
        QPointer<QWidget> host = new QWidget;
        try {
            snippet.run(host);
        } catch (const std::exception &error) {
            std::fprintf(stderr, "%s: exception: %s\n", current, error.what());
            ++failures;
        }
        if (host) {
            host->show();
            QApplication::processEvents();
        }
        delete host;
    }
    std::printf("%d examples run, %d failures\n", int(registry().size()), failures);
    return failures == 0 && !registry().isEmpty() ? 0 : 1;
}
