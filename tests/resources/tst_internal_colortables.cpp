// The styles' colour tables: each filled from the library's colour file, once a process.
#include <QSettings>
#include <QtTest>

#include <FlatStyle.h>
#include <GradientStyle.h>

#include "ColorTables.h"
#include "TestSupport.h"

class TestColorTables : public QObject
{
    Q_OBJECT

private slots:
    // Styles come and go, and each table reads the file once; the flat one waits for its first lookup.
    void readOncePerTable()
    {
        delete new FlatStyle;
        QCOMPARE(Veltrix::Internal::colorFileReadCount(), 0);
        for (int i = 0; i < 3; ++i)
            delete new GradientStyle;
        QCOMPARE(Veltrix::Internal::colorFileReadCount(), 1);
        flatColor(FC_BLUE);
        flatColor(FC_BLACK);
        QCOMPARE(Veltrix::Internal::colorFileReadCount(), 2);
    }

    // The keys of a group of the colour file, in the order of the ids of the table they fill.
    void colours_data()
    {
        VeltrixTest::columns<QString, QStringList>({ "group", "keys" });
        QTest::newRow("gradient") << "GradientStyleColor"
                                  << QStringList{ "GC_DARKGRAY_1", "GC_MIDGRAY_1", "GC_MIDGRAY_2", "GC_LIGHTGRAY", "GC_DARKBLUE",
                                                  "GC_MIDBLUE_1", "GC_MIDBLUE_2", "GC_LIGHTBLUE", "GC_BLUE_HOVER", "GC_DARKGRAY_2",
                                                  "GC_WHITE", "GC_BLACK", "GC_ANTHRACITE", "GC_RED" };
        QTest::newRow("flat") << "FlatStyleColor"
                              << QStringList{ "FC_DARK_BLUE", "FC_BLUE", "FC_LIGHT_BLUE", "FC_DARK_GRAY", "FC_GRAY",
                                              "FC_LIGHT_GRAY", "FC_WHITE", "FC_BLACK" };
    }

    // Each id's colour is what the file writes for its key.
    void colours()
    {
        QFETCH(QString, group);
        QFETCH(QStringList, keys);
        const QSettings file(":/StyleHelper/StyleHelper.ini", QSettings::IniFormat);
        QStringList expected;
        QStringList actual;
        for (int id = 0; id < keys.size(); ++id) {
            expected << keys[id] + '=' + file.value(group + '/' + keys[id]).toString().toUpper();
            const QColor colour = group.startsWith("Gradient") ? gradientColor(GradientColor(id)) : flatColor(FlatColor(id));
            actual << keys[id] + '=' + colour.name().toUpper();
        }
        QCOMPARE(actual.join(' '), expected.join(' '));
    }
};

QTEST_MAIN(TestColorTables)
#include "tst_internal_colortables.moc"
