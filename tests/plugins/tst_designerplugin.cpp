#include <QUiLoader>
#include <QtDesigner> // with QtXml, QtUiPlugin and QtWidgets
#include <QtDesigner/QDesignerComponents>

#include "PluginTestSupport.h"
#include "TestSupport.h"

// The Designer plugin as QPluginLoader, QUiLoader and Qt Designer's own
// form editor (without its main window) see it.
class TestDesignerPlugin : public QObject
{
    Q_OBJECT

    QMap<QString, QDesignerCustomWidgetInterface *> m_widgets;
    QDesignerFormEditorInterface *m_core = nullptr;
    QByteArray m_ui;
    QScopedPointer<QWidget> m_form; // m_ui as QUiLoader builds it
    Baseline m_baseline{ VELTRIX_BASELINE_DIR "/designer.txt" };

    static QWidget *load(QByteArray ui)
    {
        QUiLoader loader;
        loader.setWorkingDirectory(QDir(VELTRIX_TEST_FORMS)); // where the form's picture is
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
        QCoreApplication::setLibraryPaths({ VELTRIX_PLUGIN_DIR });
        QPluginLoader plugin(VELTRIX_PLUGIN_DIR "/designer/libveltrixwidgets.so");
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(plugin.instance());
        QVERIFY2(collection, qPrintable(plugin.errorString()));
        for (QDesignerCustomWidgetInterface *widget : collection->customWidgets())
            m_widgets.insert(widget->name(), widget);
        QCOMPARE(m_widgets.keys(), QString(VELTRIX_EXPORTED_WIDGETS).split(','));

        QFile file(VELTRIX_TEST_FORMS "/veltrix_widgets.ui");
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_ui = file.readAll();
        m_form.reset(load(m_ui));
        QVERIFY(m_form);
        m_core = QDesignerComponents::createFormEditor(this);
        m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, nullptr));
        new QDesignerIntegration(m_core, this);
        QDesignerComponents::initializePlugins(m_core);
    }

    void cleanupTestCase() { QVERIFY(m_baseline.finish(m_widgets.keys() + m_baseline.cases().filter("."))); }

    void widget_data() { VeltrixTest::nameRows(m_widgets.keys()); }

    // What Designer shows of a widget, and what it writes into a form for a new one.
    void widget()
    {
        QFETCH(QString, name);
        QDesignerCustomWidgetInterface *widget = m_widgets.value(name);
        // A picture on a clear ground.
        const QImage icon = widget->icon().pixmap(32, 32).toImage();
        QImage blank(icon.size(), icon.format());
        blank.fill(Qt::transparent);
        QVERIFY(!icon.isNull() && icon != blank && icon.pixelColor(0, 0).alpha() == 0);
        QVERIFY2(QDomDocument().setContent(widget->domXml()), qPrintable(widget->domXml()));
        QWidget parent;
        const QMetaObject *created = widget->createWidget(&parent)->metaObject();
        m_baseline.check(name, QStringList{ QString("group %1, include %2%3").arg(widget->group(), widget->includeFile(),
                                                widget->isContainer() ? ", container" : ""),
                                            QString("creates a %1, a %2").arg(created->className(), created->superClass()->className()),
                                            "tool tip: " + widget->toolTip(), "what's this: " + widget->whatsThis() }
                                   + widget->domXml().split('\n', Qt::SkipEmptyParts));
    }

    // The pixmap is read relative to the form and the button takes its size. The page made inside a slide
    // becomes its central widget, in QUiLoader and in Designer, which offers neither to add nor to remove one.
    void pixmapAndPage()
    {
        QCOMPARE(m_form->findChild<QPixmapButton *>("picture")->iconSize(), QSize(24, 16));
        QCOMPARE(m_form->findChild<QSlideMaster *>("slide")->centralWidget()->objectName(), QString("slidePage"));
        // A slide without a page: a child added once control is back in the event loop is the application's own.
        QScopedPointer<QWidget> empty(m_widgets.value("QSlideMaster")->createWidget(nullptr));
        const QWidget *placeholder = static_cast<QSlideMaster *>(empty.data())->centralWidget();
        QCoreApplication::processEvents();
        new QWidget(empty.data());
        QCOMPARE(static_cast<QSlideMaster *>(empty.data())->centralWidget(), placeholder);

        QScopedPointer<QDesignerFormWindowInterface> form(openInDesigner(m_ui));
        QVERIFY(form);
        auto *slide = form->mainContainer()->findChild<QSlideMaster *>("slide");
        auto *container = qt_extension<QDesignerContainerExtension *>(m_core->extensionManager(), slide);
        QVERIFY(container && container->count() == 1 && !container->canAddWidget() && !container->canRemove(0));
        QCOMPARE(container->widget(0), slide->centralWidget());
        QCOMPARE(container->widget(0)->objectName(), QString("slidePage"));
    }

    // The property cases of baselines/designer.txt, whose top explains them. What Designer shows before it
    // saves must be what both Designer and QUiLoader read back from the saved form.
    void properties_data() { VeltrixTest::nameRows(m_baseline.cases().filter(".")); }

    void properties()
    {
        QFETCH(QString, name);
        const QString object = name.section('.', 0, 0), property = name.section(' ', 0, 0).section('.', 1), value = name.section(' ', 1);
        const auto text = [&](const QWidget *form) { return propertyText(form->findChild<QWidget *>(object), qPrintable(property)); };
        QStringList lines{ "loaded " + text(m_form.data()) };
        QScopedPointer<QDesignerFormWindowInterface> form(openInDesigner(m_ui));
        QVERIFY(form);
        QWidget *widget = form->mainContainer()->findChild<QWidget *>(object);
        auto *sheet = qt_extension<QDesignerPropertySheetExtension *>(m_core->extensionManager(), widget);
        QVERIFY(sheet->indexOf(property) >= 0 && sheet->isVisible(sheet->indexOf(property)));
        bool number = false;
        const int n = value.toInt(&number);
        if (value != "unedited")
            form->cursor()->setWidgetProperty(widget, property, number ? QVariant(n) : QVariant(value));
        const QString contents = form->contents();
        QScopedPointer<QDesignerFormWindowInterface> reopened(openInDesigner(contents.toUtf8()));
        QScopedPointer<QWidget> reloaded(load(contents.toUtf8()));
        QVERIFY(reopened && reloaded);
        const QString shown = text(form->mainContainer());
        QCOMPARE(text(reopened->mainContainer()) + ", " + text(reloaded.data()), shown + ", " + shown);
        // The element among the object's own properties, which come right after its name.
        const QRegularExpression saved(QString("<property name=\"%1\">\\s*(\\S.*)").arg(property));
        m_baseline.check(name, lines << "shown " + shown << "saved " + saved.match(contents, contents.indexOf(QString("name=\"%1\"").arg(object))).captured(1));
    }
};

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designerplugin.moc"
