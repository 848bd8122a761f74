#include <QBuffer>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>
#include <QtTest>
#include <utility>

#include <QSlideMaster.h>

#include "PluginTestSupport.h"

namespace {

// Collects warnings while it lives. Designer sets some properties more than
// once, so how often a refused value is reported is Designer's business.
QStringList collectedWarnings;
QtMessageHandler previousHandler = nullptr;

struct WarningCollector
{
    WarningCollector()
    {
        previousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (type == QtWarningMsg && !collectedWarnings.contains(text))
                collectedWarnings.append(text);
            else if (type != QtWarningMsg)
                previousHandler(type, context, text);
        });
    }
    ~WarningCollector() { qInstallMessageHandler(previousHandler); }
    QStringList take() { return std::exchange(collectedWarnings, QStringList()); }
};

} // namespace

// The widgets in Qt Designer's own form editor, without its main window: the
// property editor's view of them, and forms saved by Designer and read back
// by Designer and by QUiLoader.
class TestDesignerFormEditor : public QObject
{
    Q_OBJECT

    QDesignerFormEditorInterface *m_core = nullptr;
    QTemporaryDir m_formDir;

    QDesignerFormWindowInterface *open(const QString &contents)
    {
        QDesignerFormWindowInterface *form = m_core->formWindowManager()->createFormWindow();
        form->setFileName(m_formDir.filePath(QStringLiteral("form.ui")));
        return form->setContents(contents) ? form : nullptr;
    }

    static QWidget *loadWithUiLoader(const QString &contents)
    {
        QUiLoader loader;
        loader.addPluginPath(QStringLiteral(VELTRIX_PLUGIN_DIR "/designer"));
        QBuffer buffer;
        buffer.setData(contents.toUtf8());
        return loader.load(&buffer);
    }

private slots:
    void initTestCase()
    {
        // Designer looks for widget plugins in <library path>/designer.
        QCoreApplication::setLibraryPaths({QStringLiteral(VELTRIX_PLUGIN_DIR)});
        QDesignerComponents::initializeResources();
        m_core = QDesignerComponents::createFormEditor(this);
        m_core->setWidgetBox(QDesignerComponents::createWidgetBox(m_core, nullptr));
        m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, nullptr));
        m_core->setObjectInspector(QDesignerComponents::createObjectInspector(m_core, nullptr));
        m_core->setActionEditor(QDesignerComponents::createActionEditor(m_core, nullptr));
        new QDesignerIntegration(m_core, this);
        QDesignerComponents::initializePlugins(m_core);
    }

    void slidePage()
    {
        QScopedPointer<QDesignerFormWindowInterface> form(open(QString::fromUtf8(PluginTest::testForm())));
        QVERIFY(form);
        auto *slide = form->mainContainer()->findChild<QSlideMaster *>(QStringLiteral("slide"));
        auto *container = qt_extension<QDesignerContainerExtension *>(m_core->extensionManager(), slide);
        QVERIFY(container);
        QCOMPARE(container->count(), 1);
        QCOMPARE(container->widget(0), slide->findChild<QWidget *>(QStringLiteral("slidePage")));
        QCOMPARE(container->widget(0), slide->centralWidget());
        // One fixed page: Designer offers neither to add nor to remove one.
        QVERIFY(!container->canAddWidget() && !container->canRemove(0));
    }

    void editAndSave_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("editor"); // Designer's property sheet value type
        QTest::addColumn<QVariantMap>("before"); // edited first
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("warning");
        QTest::newRow("type") << "okButton" << "buttonType" << "EnumValue" << QVariantMap() << QVariant(4)
                              << "<enum>StyleHelper::GRADIENT_BLACK</enum>" << "GRADIENT_BLACK" << "";
        QTest::newRow("design") << "combo" << "buttonDesign" << "EnumValue" << QVariantMap() << QVariant(2)
                                << "<enum>StyleHelper::BD_GROUPBOX_SELECTION_MID</enum>" << "BD_GROUPBOX_SELECTION_MID" << "";
        // Back at the default, the property is left out of the form.
        QTest::newRow("options cleared") << "okButton" << "buttonOptions" << "FlagValue" << QVariantMap() << QVariant(0)
                                         << "" << "" << "";
        QTest::newRow("header title") << "header" << "applicationTitle" << "StringValue" << QVariantMap() << QVariant("Edited")
                                      << "<string>Edited</string>" << "Edited" << "";
        QTest::newRow("slide subtitle") << "slide" << "subTitle" << "StringValue" << QVariantMap() << QVariant("New")
                                        << "<string>New</string>" << "New" << "";
        QTest::newRow("ip address") << "ipEdit" << "ipAdress" << "StringValue" << QVariantMap() << QVariant("10.0.0.254")
                                    << "<string>10.0.0.254</string>" << "10.0.0.254" << "";
        // A new type empties the fields, yet the form keeps the (now empty)
        // address ahead of the type, which an IPv4 edit refuses on load.
        QTest::newRow("ip type") << "ipEdit" << "ipType" << "EnumValue" << QVariantMap() << QVariant(1)
                                 << "<enum>QIpAdressEdit::IPv6</enum>" << "IPv6" << "IpAdress size mismatch 1!=4.";
        // Forms keep the declaration order, ipAdress before ipType, so the
        // address first meets an IPv4 edit and is refused. QUiLoader sets
        // translatable texts once more after all else, and then it fits.
        QTest::newRow("ipv6 address") << "ipEdit" << "ipAdress" << "StringValue" << QVariantMap{{"ipType", 1}}
                                      << QVariant("fe80:0:0:0:0:0:0:1") << "<string>fe80:0:0:0:0:0:0:1</string>"
                                      << "fe80:0:0:0:0:0:0:1" << "IpAdress size mismatch 1!=4.";
        QTest::newRow("navigation id") << "step" << "id" << "int" << QVariantMap() << QVariant(7) << "<number>7</number>" << "7" << "";
        QTest::newRow("pixmap, unedited") << "picture" << "pixmap" << "PixmapValue" << QVariantMap() << QVariant()
                                          << "<pixmap>picture.png</pixmap>" << "" << "";
    }

    void editAndSave()
    {
        QFETCH(QString, objectName);
        QFETCH(QString, property);
        QFETCH(QString, editor);
        QFETCH(QVariantMap, before);
        QFETCH(QVariant, value);
        QFETCH(QString, written);
        QFETCH(QString, read);
        QFETCH(QString, warning);
        const QStringList expectedWarnings = warning.isEmpty() ? QStringList() : QStringList(warning);
        QScopedPointer<QDesignerFormWindowInterface> form(open(QString::fromUtf8(PluginTest::testForm())));
        QVERIFY(form);
        QWidget *widget = form->mainContainer()->findChild<QWidget *>(objectName);
        auto *sheet = qt_extension<QDesignerPropertySheetExtension *>(m_core->extensionManager(), widget);
        const int index = sheet->indexOf(property);
        QVERIFY(index >= 0 && sheet->isVisible(index));
        QVERIFY2(QString::fromLatin1(sheet->property(index).typeName()).endsWith(editor), sheet->property(index).typeName());
        // What the property editor does with an edited value.
        for (auto edit = before.cbegin(); edit != before.cend(); ++edit)
            form->cursor()->setWidgetProperty(widget, edit.key(), edit.value());
        if (value.isValid())
            form->cursor()->setWidgetProperty(widget, property, value);
        const QString saved = form->contents();
        if (written.isEmpty())
            QVERIFY(!saved.contains(QStringLiteral("<property name=\"%1\">").arg(property)));
        else
            QVERIFY2(saved.contains(written), qPrintable(written));
        if (!value.isValid())
            return; // kept as written; the picture is the form's business

        WarningCollector warnings;
        QScopedPointer<QDesignerFormWindowInterface> reopened(open(saved));
        QVERIFY(reopened);
        QCOMPARE(warnings.take(), expectedWarnings);
        QWidget *again = reopened->mainContainer()->findChild<QWidget *>(objectName);
        QEXPECT_FAIL("ipv6 address", "QIpAdressEdit declares ipAdress before ipType: Designer drops an IPv6 address", Continue);
        QCOMPARE(PluginTest::propertyText(again, property.toLatin1().constData()), read);

        QScopedPointer<QWidget> loaded(loadWithUiLoader(saved));
        QVERIFY(loaded);
        QCOMPARE(warnings.take(), expectedWarnings);
        QCOMPARE(PluginTest::propertyText(loaded->findChild<QWidget *>(objectName), property.toLatin1().constData()), read);
    }
};

QTEST_MAIN(TestDesignerFormEditor)
#include "tst_designerformeditor.moc"
