#include <QJsonArray>
#include <QJsonObject>
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
    void initTestCase() { QCoreApplication::addLibraryPath(QStringLiteral(VELTRIX_PLUGIN_DIR)); }

    void metaData()
    {
        QPluginLoader loader(QStringLiteral(VELTRIX_PLUGIN_DIR "/styles/libveltrixstyles.so"));
        const QJsonObject metaData = loader.metaData();
        QCOMPARE(metaData.value(QLatin1String("IID")).toString(), QStringLiteral(QStyleFactoryInterface_iid));
        QCOMPARE(metaData.value(QLatin1String("MetaData")).toObject().value(QLatin1String("Keys")).toArray().toVariantList(),
                 QVariantList({"VeltrixGradient", "VeltrixFlat", "VeltrixCommon"}));
        QVERIFY(qobject_cast<QStylePlugin *>(loader.instance()));
    }

    void factory_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("className");
        QTest::newRow("gradient") << "VeltrixGradient" << "GradientStyle";
        QTest::newRow("flat") << "VeltrixFlat" << "FlatStyle";
        QTest::newRow("common") << "VeltrixCommon" << "CommonStyle";
        QTest::newRow("lower case") << "veltrixflat" << "FlatStyle";
        QTest::newRow("upper case") << "VELTRIXGRADIENT" << "GradientStyle";
        QTest::newRow("prefix only") << "Veltrix" << "";
        QTest::newRow("longer key") << "VeltrixFlatX" << "";
    }

    void factory()
    {
        QFETCH(QString, key);
        QFETCH(QString, className);
        QCOMPARE(QStyleFactory::keys().contains(key, Qt::CaseInsensitive), !className.isEmpty());
        QScopedPointer<QStyle> style(QStyleFactory::create(key));
        QCOMPARE(style ? QString::fromLatin1(style->metaObject()->className()) : QString(), className);
        // The library's own classes, as its meta-objects tell.
        QCOMPARE(qobject_cast<CommonStyle *>(style.data()) != nullptr, !className.isEmpty());
    }

    void styleOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("messages");
        QTest::newRow("flat") << QStringList{"-style", "VeltrixFlat"} << "FlatStyle" << "";
        QTest::newRow("gradient, = form") << QStringList{"-style=VeltrixGradient"} << "GradientStyle" << "";
        QTest::newRow("common, lower case") << QStringList{"-style", "veltrixcommon"} << "CommonStyle" << "";
        // Qt keeps its default and lists the keys it knows, ours among them.
        QTest::newRow("unknown") << QStringList{"-style", "VeltrixNone"} << "QFusionStyle"
                                 << "QApplication: invalid style override 'VeltrixNone' passed, ignoring it.\n"
                                    "\tAvailable styles: VeltrixCommon, VeltrixFlat, VeltrixGradient, ";
    }

    void styleOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, className);
        QFETCH(QString, messages);
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VELTRIX_PLUGIN_DIR));
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(VELTRIX_PLUGIN_PROBE), arguments);
        QVERIFY2(probe.waitForFinished(60000), qPrintable(probe.errorString()));
        const QString output = QString::fromUtf8(probe.readAllStandardOutput());
        // The offscreen platform notes what it cannot do, whatever the style.
        const QString errors = QString::fromUtf8(probe.readAllStandardError())
                                   .remove(QStringLiteral("This plugin does not support propagateSizeHints()\n"));
        QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0, qPrintable(errors));
        QVERIFY2(output.startsWith(QStringLiteral("style %1\npainted yes\n").arg(className)), qPrintable(output));
        // Nothing is logged while stock widgets are built and painted.
        QVERIFY2(messages.isEmpty() ? errors.isEmpty() : errors.startsWith(messages), qPrintable(errors));
    }
};

QTEST_MAIN(TestStylePlugin)
#include "tst_styleplugin.moc"
