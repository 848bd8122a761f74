#include "TestSupport.h"

// The style plugin as Qt finds it in the build tree: by QStyleFactory and by
// the -style option of a program that links Qt only.
class TestStylePlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::addLibraryPath(VELTRIX_PLUGIN_DIR);
        qputenv("QT_PLUGIN_PATH", VELTRIX_PLUGIN_DIR); // for the probe
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

    // A key in this process's QStyleFactory, then in -style of a program that
    // builds and paints stock widgets under it, logging nothing.
    void styles()
    {
        QFETCH(QString, key);
        QFETCH(QString, className);
        QScopedPointer<QStyle> style(QStyleFactory::create(key));
        // The plugin's styles are the library's own classes, as a host casts them.
        const CommonStyle *veltrix = qobject_cast<CommonStyle *>(style.data());
        QCOMPARE(veltrix ? QString(veltrix->metaObject()->className()) : QString(), className);
        if (className.isEmpty())
            return;
        QProcess probe;
        probe.start(VELTRIX_PLUGIN_PROBE, { "-style", key });
        QVERIFY2(probe.waitForFinished(60000), qPrintable(probe.errorString()));
        // Nothing logged, but what the offscreen platform cannot do under any style.
        const QString errors = QString(probe.readAllStandardError()).remove("This plugin does not support propagateSizeHints()\n");
        QCOMPARE(QString(probe.readAllStandardOutput()).section('\n', 0, 1) + errors,
                 QString("style %1\npainted yes").arg(className));
        QVERIFY(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0);
    }
};

QTEST_MAIN(TestStylePlugin)
#include "tst_styleplugin.moc"
