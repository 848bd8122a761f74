#include <QUiLoader>
#include <QtDesigner> // with QtXml, QtUiPlugin and QtWidgets
#include <QtDesigner/QDesignerComponents>
#include <QtTest>

#include <QPixmapButton.h>
#include <QSlideMaster.h>

#include "PluginTestSupport.h"

// The Designer plugin as QPluginLoader, QUiLoader and Qt Designer's own
// form editor (without its main window) see it.
class TestDesignerPlugin : public QObject
{
    Q_OBJECT

    QMap<QString, QDesignerCustomWidgetInterface *> m_widgets;
    QDesignerFormEditorInterface *m_core = nullptr;
    QTemporaryDir m_formDir; // the picture the test form names
    QByteArray m_ui;
    QScopedPointer<QWidget> m_form; // m_ui as QUiLoader builds it

    QWidget *load(QByteArray ui) const
    {
        QUiLoader loader;
        loader.setWorkingDirectory(QDir(m_formDir.path()));
        QBuffer buffer(&ui);
        return loader.load(&buffer);
    }

    QDesignerFormWindowInterface *openInDesigner(const QByteArray &ui) const
    {
        QDesignerFormWindowInterface *form = m_core->formWindowManager()->createFormWindow();
        return form->setContents(QString::fromUtf8(ui)) ? form : nullptr;
    }

private slots:
    void initTestCase()
    {
        // QUiLoader and Designer look for widget plugins in <library
        // path>/designer: this build's plugin, nothing installed.
        QCoreApplication::setLibraryPaths({QStringLiteral(VELTRIX_PLUGIN_DIR)});
        QPluginLoader plugin(QStringLiteral(VELTRIX_PLUGIN_DIR "/designer/libveltrixwidgets.so"));
        QCOMPARE(plugin.metaData().value(QLatin1String("IID")).toString(),
                 QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(plugin.instance());
        QVERIFY2(collection, qPrintable(plugin.errorString()));
        for (QDesignerCustomWidgetInterface *widget : collection->customWidgets())
            m_widgets.insert(widget->name(), widget);
        QCOMPARE(m_widgets.keys(), QStringLiteral(VELTRIX_EXPORTED_WIDGETS).split(QLatin1Char(',')));

        QPixmap picture(24, 16);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(m_formDir.filePath(QStringLiteral("picture.png"))));
        QFile file(QStringLiteral(VELTRIX_TEST_FORMS "/veltrix_widgets.ui"));
        m_ui = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        m_form.reset(load(m_ui));
        QVERIFY(m_form);

        m_core = QDesignerComponents::createFormEditor(this);
        m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, nullptr));
        new QDesignerIntegration(m_core, this);
        QDesignerComponents::initializePlugins(m_core);
    }

    void widget_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : m_widgets.keys())
            QTest::newRow(qPrintable(name)) << name;
    }

    void widget()
    {
        QFETCH(QString, name);
        QDesignerCustomWidgetInterface *widget = m_widgets.value(name);
        const bool container = name == QLatin1String("QSlideMaster") || name == QLatin1String("QStyledGroupBox");
        QCOMPARE(widget->isContainer(), container);
        QCOMPARE(widget->group(), QStringLiteral("Veltrix"));
        QCOMPARE(widget->includeFile(), name + QStringLiteral(".h"));
        QVERIFY(!widget->toolTip().isEmpty() && widget->whatsThis().size() > widget->toolTip().size());
        // A picture on a clear ground.
        const QImage icon = widget->icon().pixmap(32, 32).toImage();
        QImage blank(icon.size(), icon.format());
        blank.fill(Qt::transparent);
        QVERIFY(!icon.isNull() && icon != blank && icon.pixelColor(0, 0).alpha() == 0);

        QDomDocument dom;
        QVERIFY2(dom.setContent(widget->domXml()), qPrintable(widget->domXml()));
        const QDomElement custom = dom.documentElement().firstChildElement("customwidgets").firstChildElement();
        const auto text = [&custom](const char *tag) { return custom.firstChildElement(QLatin1String(tag)).text(); };
        QCOMPARE(dom.documentElement().firstChildElement("widget").attribute("class"), name);
        QCOMPARE(text("class"), name);
        QCOMPARE(text("header"), widget->includeFile());
        QCOMPARE(text("container") == QLatin1String("1"), container);
        QWidget parent;
        const QWidget *created = widget->createWidget(&parent);
        QCOMPARE(QString::fromLatin1(created->metaObject()->className()), name);
        QCOMPARE(QString::fromLatin1(created->metaObject()->superClass()->className()), text("extends"));
    }

    void pixmapAndPage()
    {
        // The pixmap is read relative to the form; the button takes its size.
        QCOMPARE(m_form->findChild<QPixmapButton *>(QStringLiteral("picture"))->iconSize(), QSize(24, 16));
        // QUiLoader: the page created inside the slide becomes its central widget.
        auto *slide = m_form->findChild<QSlideMaster *>(QStringLiteral("slide"));
        QCOMPARE(slide->centralWidget()->objectName(), QStringLiteral("slidePage"));
        // A slide without a page: a child added once control is back in the
        // event loop is the application's own.
        QScopedPointer<QWidget> empty(m_widgets.value(QStringLiteral("QSlideMaster"))->createWidget(nullptr));
        const QWidget *placeholder = static_cast<QSlideMaster *>(empty.data())->centralWidget();
        QCoreApplication::processEvents();
        new QWidget(empty.data());
        QCOMPARE(static_cast<QSlideMaster *>(empty.data())->centralWidget(), placeholder);

        // Designer: one fixed page, that it offers neither to add nor to remove.
        QScopedPointer<QDesignerFormWindowInterface> form(openInDesigner(m_ui));
        QVERIFY(form);
        slide = form->mainContainer()->findChild<QSlideMaster *>(QStringLiteral("slide"));
        auto *container = qt_extension<QDesignerContainerExtension *>(m_core->extensionManager(), slide);
        QVERIFY(container && container->count() == 1 && container->widget(0) == slide->centralWidget());
        QCOMPARE(container->widget(0)->objectName(), QStringLiteral("slidePage"));
        QVERIFY(!container->canAddWidget() && !container->canRemove(0));
    }

    void properties_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("loaded"); // from the test form
        QTest::addColumn<QVariant>("edit"); // invalid: saved unedited
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("enum: button type") << "okButton" << "buttonType" << "GRADIENT_BLUE" << QVariant(4)
            << "<enum>StyleHelper::GRADIENT_BLACK</enum>" << "GRADIENT_BLACK";
        QTest::newRow("flags, unedited") << "okButton" << "buttonOptions" << "BO_ICON_LEFT_ALIGNED" << QVariant()
            << "<set>QStyledPushButton::BO_ICON_LEFT_ALIGNED</set>" << "BO_ICON_LEFT_ALIGNED";
        QTest::newRow("string: header title") << "header" << "applicationTitle" << "Form Title" << QVariant("Edited")
            << "<string>Edited</string>" << "Edited";
        QTest::newRow("string: IP address") << "ipEdit" << "ipAdress" << "192.168.1.10" << QVariant("10.0.0.254")
            << "<string>10.0.0.254</string>" << "10.0.0.254";
        QTest::newRow("int: navigation id") << "step" << "id" << "3" << QVariant(7) << "<number>7</number>" << "7";
    }

    // The test form as QUiLoader reads it; then one property edited in Designer
    // as its property editor does, saved, and read back by Designer and QUiLoader.
    void properties()
    {
        QFETCH(QString, objectName);
        QFETCH(QString, property);
        QFETCH(QString, loaded);
        QFETCH(QVariant, edit);
        QFETCH(QString, written);
        QFETCH(QString, read);
        const auto text = [&](const QWidget *form) {
            return propertyText(form->findChild<QWidget *>(objectName), qPrintable(property));
        };
        QCOMPARE(text(m_form.data()), loaded);

        QScopedPointer<QDesignerFormWindowInterface> form(openInDesigner(m_ui));
        QVERIFY(form);
        QWidget *widget = form->mainContainer()->findChild<QWidget *>(objectName);
        auto *sheet = qt_extension<QDesignerPropertySheetExtension *>(m_core->extensionManager(), widget);
        QVERIFY(sheet->indexOf(property) >= 0 && sheet->isVisible(sheet->indexOf(property)));
        if (edit.isValid())
            form->cursor()->setWidgetProperty(widget, property, edit);
        const QByteArray saved = form->contents().toUtf8();
        QVERIFY2(saved.contains(written.toUtf8()), saved.constData());
        QScopedPointer<QDesignerFormWindowInterface> reopened(openInDesigner(saved));
        QScopedPointer<QWidget> reloaded(load(saved));
        QVERIFY(reopened && reloaded);
        QCOMPARE(text(reopened->mainContainer()), read);
        QCOMPARE(text(reloaded.data()), read);
    }
};

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designerplugin.moc"
