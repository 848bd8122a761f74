// A Qt program that knows nothing of Veltrix: it links Qt only and reaches
// the library through its plugins, like any foreign application.
//
//   veltrix-plugin-probe [-style KEY] [FORM.ui [OBJECT.PROPERTY ...]]
//
// Prints "style <class>", paints stock widgets under that style ("painted
// yes"), loads the form through QUiLoader and prints "property
// <object.property> <value>" for each further argument. Last come "library
// <path>" lines for the libVeltrix (or libVeltrix6) mappings in the process.
// Qt's messages go to stderr.
#include <QUiLoader>
#include <QtWidgets> // with QtCore and QtGui: Qt's modules only

#include "PluginTestSupport.h"

int main(int argc, char **argv)
{
    // Whatever the logging set-up of the host, the tests read stderr.
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { QTextStream(stderr) << text << '\n'; });
    QApplication app(argc, argv); // takes -style out of the arguments
    QTextStream out(stdout);
    out << "style " << QApplication::style()->metaObject()->className() << '\n';

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    for (QWidget *widget : QWidgetList{ new QPushButton("Push"), new QCheckBox, new QComboBox })
        layout->addWidget(widget);
    window.show();
    out << "painted " << (window.grab().isNull() ? "no" : "yes") << '\n';

    const QStringList arguments = QApplication::arguments().mid(1);
    QFile file(arguments.value(0));
    QUiLoader loader;
    QScopedPointer<QWidget> form(arguments.isEmpty() ? nullptr : loader.load(&file));
    for (const QString &probe : arguments.mid(1)) {
        const QObject *object = form ? form->findChild<QObject *>(probe.section('.', 0, 0)) : nullptr;
        out << "property " << probe << ' '
            << (object ? propertyText(object, qPrintable(probe.section('.', 1))) : "<missing>") << '\n';
    }

    // Which libVeltrix the plugins brought in, from the process's own map.
    QFile maps("/proc/self/maps");
    maps.open(QIODevice::ReadOnly);
    auto mapped = QRegularExpression("/\\S*/libVeltrix6?\\.so\\S*").globalMatch(maps.readAll());
    while (mapped.hasNext())
        out << "library " << mapped.next().captured() << '\n';
    return 0;
}
