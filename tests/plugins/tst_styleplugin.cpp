#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QProcess>
#include <QStyleFactory>
#include <QStylePlugin>
#include <QtTest>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>

// The style plugin as Qt finds it in the build tree: by QPluginLoader, by
// QStyleFactory and by the -style option of a program that does not link the
// library.
class TestStylePlugin : public QObject
{
    Q_OBJECT

private:
    static QString pluginFile()
    {
        return QStringLiteral(VELTRIX_PLUGIN_DIR "/styles/libveltrixstyles.so");
    }

    static QProcessEnvironment probeEnvironment()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VELTRIX_PLUGIN_DIR));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

    // The offscreen platform plugin notes what it cannot do whatever the style.
    static QString withoutPlatformNotes(QString messages)
    {
        return messages.remove(QStringLiteral("This plugin does not support propagateSizeHints()\n"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(pluginFile()), qPrintable(pluginFile()));
        QCoreApplication::addLibraryPath(QStringLiteral(VELTRIX_PLUGIN_DIR));
    }

    void metaData()
    {
        QPluginLoader loader(pluginFile());
        const QJsonObject metaData = loader.metaData();
        QCOMPARE(metaData.value(QStringLiteral("IID")).toString(), QStringLiteral(QStyleFactoryInterface_iid));
        QCOMPARE(metaData.value(QStringLiteral("className")).toString(), QStringLiteral("VeltrixStylePlugin"));
        const QJsonArray keys = metaData.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray();
        QCOMPARE(keys.toVariantList(),
                 QVariantList({QStringLiteral("VeltrixGradient"), QStringLiteral("VeltrixFlat"),
                               QStringLiteral("VeltrixCommon")}));
    }

    void instanceCreatesEveryListedKey()
    {
        QPluginLoader loader(pluginFile());
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        auto *plugin = qobject_cast<QStylePlugin *>(loader.instance());
        QVERIFY(plugin);
        const QJsonArray keys = loader.metaData().value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray();
        for (const QJsonValue &key : keys) {
            QScopedPointer<QStyle> style(plugin->create(key.toString()));
            QVERIFY2(qobject_cast<CommonStyle *>(style.data()), qPrintable(key.toString()));
        }
        QCOMPARE(plugin->create(QStringLiteral("Fusion")), static_cast<QStyle *>(nullptr));
        QCOMPARE(plugin->create(QString()), static_cast<QStyle *>(nullptr));
    }

    void factoryListsKeys()
    {
        const QStringList keys = QStyleFactory::keys();
        for (const char *key : {"VeltrixGradient", "VeltrixFlat", "VeltrixCommon"})
            QVERIFY2(keys.contains(QLatin1String(key), Qt::CaseInsensitive), qPrintable(keys.join(QLatin1Char(' '))));
    }

    void factoryCreates_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("className");
        QTest::newRow("gradient") << "VeltrixGradient" << "GradientStyle";
        QTest::newRow("flat") << "VeltrixFlat" << "FlatStyle";
        QTest::newRow("common") << "VeltrixCommon" << "CommonStyle";
        QTest::newRow("lower case") << "veltrixflat" << "FlatStyle";
        QTest::newRow("upper case") << "VELTRIXGRADIENT" << "GradientStyle";
        QTest::newRow("mixed case") << "vELTRIXcOMMON" << "CommonStyle";
    }

    void factoryCreates()
    {
        QFETCH(QString, key);
        QFETCH(QString, className);
        QScopedPointer<QStyle> style(QStyleFactory::create(key));
        QVERIFY(style);
        QCOMPARE(QString::fromLatin1(style->metaObject()->className()), className);
        // The library's classes, not look-alikes: the casts go through its meta-objects.
        QVERIFY(qobject_cast<CommonStyle *>(style.data()));
        QCOMPARE(qobject_cast<GradientStyle *>(style.data()) != nullptr, className == QLatin1String("GradientStyle"));
        QCOMPARE(qobject_cast<FlatStyle *>(style.data()) != nullptr, className == QLatin1String("FlatStyle"));
    }

    void factoryRejectsOtherKeys()
    {
        QCOMPARE(QStyleFactory::create(QStringLiteral("Veltrix")), static_cast<QStyle *>(nullptr));
        QCOMPARE(QStyleFactory::create(QStringLiteral("VeltrixFlatX")), static_cast<QStyle *>(nullptr));
    }

    void styleOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("messages");
        QTest::newRow("flat") << QStringList{"-style", "VeltrixFlat"} << "FlatStyle" << "";
        QTest::newRow("gradient, = form") << QStringList{"-style=VeltrixGradient"} << "GradientStyle" << "";
        QTest::newRow("common, lower case") << QStringList{"-style", "veltrixcommon"} << "CommonStyle" << "";
        // An unknown key leaves Qt's default for the platform in place.
        // It also shows the keys as Qt lists them to the user.
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
        probe.setProcessEnvironment(probeEnvironment());
        probe.start(QStringLiteral(VELTRIX_PLUGIN_PROBE), arguments);
        QVERIFY2(probe.waitForFinished(60000), qPrintable(probe.errorString()));
        const QString output = QString::fromUtf8(probe.readAllStandardOutput());
        const QString errors = withoutPlatformNotes(QString::fromUtf8(probe.readAllStandardError()));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QVERIFY2(probe.exitCode() == 0, qPrintable(errors));
        QVERIFY2(output.contains(QLatin1String("style ") + className + QLatin1Char('\n')), qPrintable(output));
        QVERIFY2(output.contains(QLatin1String("painted yes\n")), qPrintable(output));
        // Nothing is logged while the stock widgets are built and painted.
        if (messages.isEmpty())
            QVERIFY2(errors.isEmpty(), qPrintable(errors));
        else
            QVERIFY2(errors.startsWith(messages), qPrintable(errors));
    }
};

QTEST_MAIN(TestStylePlugin)
#include "tst_styleplugin.moc"
