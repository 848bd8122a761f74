#include "TestSupport.h"

// The style plugin as Qt finds it in the build tree, by QStyleFactory.
class TestStylePlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::addLibraryPath(VELTRIX_PLUGIN_DIR);
        QStringList keys = QStyleFactory::keys().filter("Veltrix"); // as lists of styles show them
        keys.sort();
        QCOMPARE(keys, QStringList({ "VeltrixCommon", "VeltrixFlat", "VeltrixGradient" }));
    }

    void styles_data()
    {
        VeltrixTest::columns<QString, QString>({ "key", "className" }); // no class: no such style
        QTest::newRow("gradient") << "VeltrixGradient" << "GradientStyle";
        QTest::newRow("flat, lower case") << "veltrixflat" << "FlatStyle";
        QTest::newRow("common, upper case") << "VELTRIXCOMMON" << "CommonStyle";
        QTest::newRow("prefix only") << "Veltrix" << "";
        QTest::newRow("longer key") << "VeltrixFlatX" << "";
    }

    // A key in this process's QStyleFactory, as -style on the command line and QApplication::setStyle() use it.
    // (plugins_installed starts a program that links Qt only with -style and each key, against the installed
    // plugin; tst_crawl has the looks paint Qt's widgets without a word.)
    void styles()
    {
        QFETCH(QString, key);
        QFETCH(QString, className);
        QScopedPointer<QStyle> style(QStyleFactory::create(key));
        // The plugin's styles are the library's own classes, as a host casts them.
        const CommonStyle *veltrix = qobject_cast<CommonStyle *>(style.data());
        QCOMPARE(veltrix ? QString(veltrix->metaObject()->className()) : QString(), className);
    }
};

QTEST_MAIN(TestStylePlugin)
#include "tst_styleplugin.moc"
