#include <QBuffer>
#include <QBoxLayout>
#include <QDomDocument>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <QPixmapButton.h>
#include <QSlideMaster.h>

#include "PluginTestSupport.h"
#include "ui_uic_form.h"

// The Designer plugin as QPluginLoader, QUiLoader and uic see it.
class TestDesignerPlugin : public QObject
{
    Q_OBJECT

    QPluginLoader m_plugin{QStringLiteral(VELTRIX_PLUGIN_DIR "/designer/libveltrixwidgets.so")};
    QList<QDesignerCustomWidgetInterface *> m_widgets;
    QTemporaryDir m_formDir;

    QWidget *load(const QByteArray &ui)
    {
        QUiLoader loader;
        loader.clearPluginPaths(); // this build's plugin, nothing installed
        loader.addPluginPath(QStringLiteral(VELTRIX_PLUGIN_DIR "/designer"));
        loader.setWorkingDirectory(QDir(m_formDir.path()));
        QBuffer buffer;
        buffer.setData(ui);
        return loader.load(&buffer);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setLibraryPaths({});
        QCOMPARE(m_plugin.metaData().value(QLatin1String("IID")).toString(),
                 QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(m_plugin.instance());
        QVERIFY2(collection, qPrintable(m_plugin.errorString()));
        m_widgets = collection->customWidgets();
        // The picture the test form's pixmap button names, beside the form.
        QPixmap picture(24, 16);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(m_formDir.filePath(QStringLiteral("picture.png"))));
    }

    void everyExportedWidget()
    {
        QStringList expected = QStringLiteral(VELTRIX_EXPORTED_CLASSES).split(QLatin1Char(','));
        for (const char *nonWidget : {"CommonStyle", "GradientStyle", "FlatStyle", "QInternationalizationHelper"})
            QVERIFY(expected.removeOne(QLatin1String(nonWidget)));
        QStringList names;
        for (QDesignerCustomWidgetInterface *widget : m_widgets) {
            names.append(widget->name());
            QCOMPARE(widget->group(), QStringLiteral("Veltrix"));
        }
        names.sort();
        expected.sort();
        QCOMPARE(names, expected);
    }

    void widget_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("container");
        for (int i = 0; i < m_widgets.size(); ++i)
            QTest::newRow(qPrintable(m_widgets.at(i)->name())) << i
                << (m_widgets.at(i)->name() == QLatin1String("QSlideMaster") || m_widgets.at(i)->name() == QLatin1String("QStyledGroupBox"));
    }

    void widget()
    {
        QFETCH(int, index);
        QFETCH(bool, container);
        QDesignerCustomWidgetInterface *widget = m_widgets.at(index);
        QCOMPARE(widget->isContainer(), container);
        QCOMPARE(widget->includeFile(), widget->name() + QStringLiteral(".h"));
        QVERIFY(!widget->toolTip().isEmpty() && widget->whatsThis().size() > widget->toolTip().size());
        const QImage icon = widget->icon().pixmap(32, 32).toImage();
        QImage blank(icon.size(), icon.format());
        blank.fill(Qt::transparent);
        QVERIFY(!icon.isNull() && icon != blank && icon.pixelColor(0, 0).alpha() == 0);

        QDomDocument dom;
        QVERIFY2(dom.setContent(widget->domXml()), qPrintable(widget->domXml()));
        const QDomElement form = dom.documentElement().firstChildElement(QStringLiteral("widget"));
        const QDomElement custom = dom.documentElement().firstChildElement(QStringLiteral("customwidgets")).firstChildElement();
        QCOMPARE(form.attribute(QStringLiteral("class")), widget->name());
        QCOMPARE(custom.firstChildElement(QStringLiteral("class")).text(), widget->name());
        QCOMPARE(custom.firstChildElement(QStringLiteral("header")).text(), widget->includeFile());
        QCOMPARE(custom.firstChildElement(QStringLiteral("container")).text() == QLatin1String("1"), container);

        QWidget parent;
        QWidget *created = widget->createWidget(&parent);
        QCOMPARE(created->parentWidget(), &parent);
        QCOMPARE(QString::fromLatin1(created->metaObject()->className()), form.attribute(QStringLiteral("class")));
        QCOMPARE(QString::fromLatin1(created->metaObject()->superClass()->className()),
                 custom.firstChildElement(QStringLiteral("extends")).text());
    }

    void loadedForm_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("value");
        QTest::newRow("enum") << "okButton" << "QStyledPushButton" << QByteArray("buttonType") << "GRADIENT_BLUE";
        QTest::newRow("flags") << "okButton" << "QStyledPushButton" << QByteArray("buttonOptions") << "BO_ICON_LEFT_ALIGNED";
        QTest::newRow("combo enum") << "combo" << "QStyledComboBox" << QByteArray("buttonDesign") << "BD_GROUPBOX_SELECTION_TOP_ALL";
        QTest::newRow("header title") << "header" << "QStyledHeader" << QByteArray("applicationSubTitle") << "Form Subtitle";
        QTest::newRow("slide title") << "slide" << "QSlideMaster" << QByteArray("subTitle") << "Slide Subtitle";
        QTest::newRow("ip address") << "ipEdit" << "QIpAdressEdit" << QByteArray("ipAdress") << "192.168.1.10";
        QTest::newRow("navigation id") << "step" << "QNavigationButton" << QByteArray("id") << "3";
        QTest::newRow("elided text") << "elided" << "QElidedLabel" << QByteArray("text") << "A text long enough to be cut short";
        QTest::newRow("group in a layout") << "steps" << "QNavigationButtonGroup" << QByteArray("objectName") << "steps";
    }

    void loadedForm()
    {
        QFETCH(QString, objectName);
        QFETCH(QString, className);
        QFETCH(QByteArray, property);
        QFETCH(QString, value);
        QScopedPointer<QWidget> form(load(PluginTest::testForm()));
        QVERIFY(form);
        QWidget *widget = form->findChild<QWidget *>(objectName);
        QVERIFY(widget);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(PluginTest::propertyText(widget, property.constData()), value);
    }

    void loadedPixmapAndPage()
    {
        QScopedPointer<QWidget> form(load(PluginTest::testForm()));
        QVERIFY(form);
        // The pixmap is read relative to the form; the button takes its size.
        QCOMPARE(form->findChild<QPixmapButton *>(QStringLiteral("picture"))->iconSize(), QSize(24, 16));
        // The slide's page replaces the empty widget the slide starts with,
        // under the subtitle with the remaining height.
        auto *slide = form->findChild<QSlideMaster *>(QStringLiteral("slide"));
        QWidget *page = slide->findChild<QWidget *>(QStringLiteral("slidePage"));
        QCOMPARE(slide->centralWidget(), page);
        auto *layout = static_cast<QBoxLayout *>(slide->layout());
        QCOMPARE(layout->count(), 3);
        QVERIFY(layout->itemAt(2)->widget() == page && layout->stretch(2) == 1);
        QCOMPARE(slide->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 3);

        // Once control is back in the event loop, a new child is no page.
        QCoreApplication::processEvents();
        auto *overlay = new QWidget(slide);
        QCOMPARE(slide->centralWidget(), page);
        QCOMPARE(overlay->parentWidget(), slide);
    }

    void compiledForm()
    {
        QWidget form;
        Ui::UicForm ui;
        ui.setupUi(&form);
        QCOMPARE(PluginTest::propertyText(ui.okButton, "buttonDesign"), QStringLiteral("BD_GROUPBOX_SELECTION_MID"));
        QCOMPARE(ui.okButton->buttonOptions(), QStyledPushButton::ButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED));
        QCOMPARE(ui.step->id(), 2);
        // Texts are set in retranslateUi(), after the type: the IPv6 address fits.
        QCOMPARE(ui.ipEdit->ipAdress(), QStringLiteral("fe80:0:0:0:0:0:0:1"));
        // uic cannot hand the page to the slide; the application does.
        QVERIFY(ui.slide->centralWidget() != ui.slidePage);
        ui.slide->setCentralWidget(ui.slidePage);
        QCOMPARE(ui.slide->layout()->indexOf(ui.slidePage), 2);
    }
};

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designerplugin.moc"
