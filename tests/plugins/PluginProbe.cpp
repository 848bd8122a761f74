// A Qt program that knows nothing of Veltrix: it links Qt only and reaches
// the library through its plugins, like any foreign application.
//
//   veltrix-plugin-probe [-style KEY] [--ui FILE]
//
// Prints "style <class>", paints stock widgets under that style ("painted
// yes"), then with --ui loads the form through QUiLoader and prints
// "widget <name> <class>" per named widget and "property <name>.<property>
// <value>" for each entry of the form's "probe" property. Last comes
// "library <path>" for each libVeltrix in the process. Qt's messages go to
// stderr.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMetaProperty>
#include <QPushButton>
#include <QStyle>
#include <QTextStream>
#include <QUiLoader>
#include <QVBoxLayout>

namespace {

QString propertyText(const QObject *object, const QByteArray &name)
{
    const int index = object->metaObject()->indexOfProperty(name.constData());
    if (index < 0)
        return QStringLiteral("<none>");
    const QMetaProperty property = object->metaObject()->property(index);
    const int value = property.read(object).toInt();
    if (!property.isEnumType())
        return property.read(object).toString();
    const QMetaEnum keys = property.enumerator();
    return QString::fromLatin1(keys.isFlag() ? keys.valueToKeys(value) : QByteArray(keys.valueToKey(value)));
}

void printForm(QTextStream &out, const QString &fileName)
{
    QFile file(fileName);
    QUiLoader loader;
    QScopedPointer<QWidget> form(loader.load(&file));
    if (!form) {
        qWarning("cannot load %s: %s", qPrintable(fileName), qPrintable(loader.errorString()));
        return;
    }
    for (const QWidget *widget : form->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            out << "widget " << widget->objectName() << ' ' << widget->metaObject()->className() << '\n';
    }
    for (const QString &probe : form->property("probe").toString().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QObject *object = form->findChild<QObject *>(probe.section(QLatin1Char('.'), 0, 0));
        out << "property " << probe << ' '
            << (object ? propertyText(object, probe.section(QLatin1Char('.'), 1).toLatin1()) : QStringLiteral("<missing>"))
            << '\n';
    }
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        QTextStream(stderr) << message << '\n';
    });
    QApplication app(argc, argv);
    QTextStream out(stdout);
    out << "style " << QApplication::style()->metaObject()->className() << '\n';

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QPushButton(QStringLiteral("Push")));
    layout->addWidget(new QCheckBox(QStringLiteral("Check")));
    layout->addWidget(new QComboBox);
    window.show();
    out << "painted " << (window.grab().isNull() ? "no" : "yes") << '\n';

    const int uiIndex = QApplication::arguments().indexOf(QStringLiteral("--ui"));
    if (uiIndex > 0 && uiIndex + 1 < QApplication::arguments().size())
        printForm(out, QApplication::arguments().at(uiIndex + 1));

    // Which libVeltrix the plugins brought in, from the process's own map.
    QFile maps(QStringLiteral("/proc/self/maps"));
    QStringList libraries;
    if (maps.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString &line : QString::fromLocal8Bit(maps.readAll()).split(QLatin1Char('\n'))) {
            const QString path = line.section(QLatin1Char(' '), -1);
            if (path.contains(QLatin1String("/libVeltrix.so")) && !libraries.contains(path))
                libraries.append(path);
        }
    }
    for (const QString &library : libraries)
        out << "library " << library << '\n';
    return 0;
}
