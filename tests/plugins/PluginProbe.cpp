// A Qt program that knows nothing of Veltrix: it links Qt only and reaches
// the library through its plugins, like any foreign application would.
//
//   veltrix-plugin-probe [-style KEY] [--ui FILE]
//
// Prints "style <class name>" for the application style, paints a window of
// stock widgets under it and, with --ui, loads the form through QUiLoader and
// prints "widget <object name> <class name>" for every named widget and
// "property <object name>.<property> <value>" for the properties listed in
// the form's "probe" dynamic property (comma-separated). Every Qt message is
// passed on to stderr.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QStyle>
#include <QTextStream>
#include <QUiLoader>
#include <QVBoxLayout>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QString propertyText(const QObject *object, const char *name)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0)
        return QStringLiteral("<none>");
    const QMetaProperty property = meta->property(index);
    const QVariant value = property.read(object);
    // Enumerations and flags are printed by key, as a form would write them.
    if (property.isEnumType()) {
        const QMetaEnum metaEnum = property.enumerator();
        const int number = value.toInt();
        return metaEnum.isFlag() ? QString::fromLatin1(metaEnum.valueToKeys(number))
                                 : QString::fromLatin1(metaEnum.valueToKey(number));
    }
    return value.toString();
}

int loadForm(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("cannot open %s", qPrintable(fileName));
        return 2;
    }
    QUiLoader loader;
    QWidget *form = loader.load(&file);
    if (!form) {
        qWarning("cannot load %s: %s", qPrintable(fileName), qPrintable(loader.errorString()));
        return 2;
    }
    form->show();
    QApplication::processEvents();
    const QList<QWidget *> widgets = form->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            out() << "widget " << widget->objectName() << ' ' << widget->metaObject()->className() << '\n';
    }
    const QStringList probes = form->property("probe").toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &probe : probes) {
        const QString objectName = probe.section(QLatin1Char('.'), 0, 0).trimmed();
        const QByteArray propertyName = probe.section(QLatin1Char('.'), 1).trimmed().toLatin1();
        const QObject *object = form->findChild<QObject *>(objectName);
        out() << "property " << objectName << '.' << propertyName << ' '
              << (object ? propertyText(object, propertyName.constData()) : QStringLiteral("<missing>")) << '\n';
    }
    delete form;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        QTextStream(stderr) << message << '\n';
    });
    QApplication app(argc, argv);

    out() << "style " << QApplication::style()->metaObject()->className() << '\n';

    // Stock widgets painted under the style: a crash or a warning here is
    // what a foreign application would meet.
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QPushButton(QStringLiteral("Push")));
    layout->addWidget(new QCheckBox(QStringLiteral("Check")));
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    layout->addWidget(combo);
    layout->addWidget(new QLineEdit(QStringLiteral("Text")));
    window.show();
    QApplication::processEvents();
    const bool painted = !window.grab().isNull();
    out() << "painted " << (painted ? "yes" : "no") << '\n';

    const QStringList arguments = QApplication::arguments();
    const int uiIndex = arguments.indexOf(QStringLiteral("--ui"));
    int result = 0;
    if (uiIndex > 0 && uiIndex + 1 < arguments.size())
        result = loadForm(arguments.at(uiIndex + 1));
    out().flush();
    return result;
}
