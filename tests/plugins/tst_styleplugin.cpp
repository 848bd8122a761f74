#include <QJsonArray>
#include <QPluginLoader>
#include <QProcess>
#include <QStyleFactory>
#include <QStylePlugin>
#include <QtTest>

#include <CommonStyle.h>

// The style plugin as Qt finds it in the build tree: by QPluginLoader, by
// QStyleFactory and by the -style option of a program that links Qt only.
class TestStylePlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::addLibraryPath(QStringLiteral(VELTRIX_PLUGIN_DIR));
        qputenv("QT_PLUGIN_PATH", VELTRIX_PLUGIN_DIR); // for the probe
        QPluginLoader loader(QStringLiteral(VELTRIX_PLUGIN_DIR "/styles/libveltrixstyles.so"));
        const QJsonObject metaData = loader.metaData();
        QCOMPARE(metaData.value(QLatin1String("IID")).toString(), QStringLiteral(QStyleFactoryInterface_iid));
        QCOMPARE(metaData.value(QLatin1String("MetaData")).toObject().value(QLatin1String("Keys")).toArray(),
                 QJsonArray({"VeltrixGradient", "VeltrixFlat", "VeltrixCommon"}));
        QVERIFY2(qobject_cast<QStylePlugin *>(loader.instance()), qPrintable(loader.errorString()));
    }

    void styles_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("className"); // empty: no such style
        QTest::newRow("gradient") << "VeltrixGradient" << "GradientStyle";
        QTest::newRow("flat, lower case") << "veltrixflat" << "FlatStyle";
        QTest::newRow("common, upper case") << "VELTRIXCOMMON" << "CommonStyle";
        QTest::newRow("prefix only") << "Veltrix" << "";
        QTest::newRow("longer key") << "VeltrixFlatX" << "";
    }

    // A key in this process's QStyleFactory, then in -style of a program that
    // builds and paints stock widgets under it.
    void styles()
    {
        QFETCH(QString, key);
        QFETCH(QString, className);
        QCOMPARE(QStyleFactory::keys().contains(key, Qt::CaseInsensitive), !className.isEmpty());
        QScopedPointer<QStyle> style(QStyleFactory::create(key));
        QCOMPARE(style ? QString::fromLatin1(style->metaObject()->className()) : QString(), className);
        QCOMPARE(qobject_cast<CommonStyle *>(style.data()) != nullptr, !className.isEmpty());
        if (className.isEmpty())
            return;

        QProcess probe;
        probe.start(QStringLiteral(VELTRIX_PLUGIN_PROBE), {QStringLiteral("-style"), key});
        QVERIFY2(probe.waitForFinished(60000), qPrintable(probe.errorString()));
        const QString output = QString::fromUtf8(probe.readAllStandardOutput());
        // The offscreen platform notes what it cannot do, whatever the style.
        const QString errors = QString::fromUtf8(probe.readAllStandardError())
                                   .remove(QStringLiteral("This plugin does not support propagateSizeHints()\n"));
        QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0, qPrintable(errors));
        QVERIFY2(errors.isEmpty(), qPrintable(errors)); // nothing logged while building and painting
        QVERIFY2(output.startsWith(QStringLiteral("style %1\npainted yes\n").arg(className)), qPrintable(output));
    }
};

QTEST_MAIN(TestStylePlugin)
#include "tst_styleplugin.moc"
