// The colour tables with the library's own colour file.
#include <QtTest>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>

#include "ColorTables.h"

using Veltrix::Internal::colorFileReadCount;

class TestColorTables : public QObject
{
    Q_OBJECT

private slots:
    // First, while both tables are still empty.
    void readOncePerTable()
    {
        QCOMPARE(colorFileReadCount(), 0);
        { CommonStyle common; }
        // The flat table waits for its first colour lookup.
        { FlatStyle flat; }
        QCOMPARE(colorFileReadCount(), 0);

        { GradientStyle first; }
        QCOMPARE(colorFileReadCount(), 1);
        {
            GradientStyle second;
            GradientStyle third;
        }
        QCOMPARE(colorFileReadCount(), 1);

        loadGradientColors();
        QCOMPARE(colorFileReadCount(), 1);
        loadGradientColors();
        gradientColor(GC_DARKBLUE);
        gradientColor(GC_RED);
        QCOMPARE(colorFileReadCount(), 1);

        flatColor(FC_BLUE);
        QCOMPARE(colorFileReadCount(), 2);
        loadFlatColors();
        flatColor(FC_BLACK);
        QCOMPARE(colorFileReadCount(), 2);
    }

    void colors_data()
    {
        QTest::addColumn<bool>("gradient");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("expected");

        QTest::newRow("GC_DARKGRAY_1") << true << int(GC_DARKGRAY_1) << "#808285";
        QTest::newRow("GC_MIDGRAY_1") << true << int(GC_MIDGRAY_1) << "#A5A6A7";
        QTest::newRow("GC_MIDGRAY_2") << true << int(GC_MIDGRAY_2) << "#C3C3C4";
        QTest::newRow("GC_LIGHTGRAY") << true << int(GC_LIGHTGRAY) << "#E1E1E2";
        QTest::newRow("GC_DARKBLUE") << true << int(GC_DARKBLUE) << "#003B6A";
        QTest::newRow("GC_MIDBLUE_1") << true << int(GC_MIDBLUE_1) << "#215F8B";
        QTest::newRow("GC_MIDBLUE_2") << true << int(GC_MIDBLUE_2) << "#628CB2";
        QTest::newRow("GC_LIGHTBLUE") << true << int(GC_LIGHTBLUE) << "#A2BAD2";
        QTest::newRow("GC_BLUE_HOVER") << true << int(GC_BLUE_HOVER) << "#00142A";
        QTest::newRow("GC_DARKGRAY_2") << true << int(GC_DARKGRAY_2) << "#404245";
        QTest::newRow("GC_WHITE") << true << int(GC_WHITE) << "#FFFFFF";
        QTest::newRow("GC_BLACK") << true << int(GC_BLACK) << "#000000";
        QTest::newRow("GC_ANTHRACITE") << true << int(GC_ANTHRACITE) << "#222222";
        QTest::newRow("GC_RED") << true << int(GC_RED) << "#E20015";
        QTest::newRow("gradient id 14") << true << 14 << "#808080";
        QTest::newRow("gradient id -1") << true << -1 << "#808080";

        QTest::newRow("FC_DARK_BLUE") << false << int(FC_DARK_BLUE) << "#00519C";
        QTest::newRow("FC_BLUE") << false << int(FC_BLUE) << "#4A91C6";
        QTest::newRow("FC_LIGHT_BLUE") << false << int(FC_LIGHT_BLUE) << "#C9DCEB";
        QTest::newRow("FC_DARK_GRAY") << false << int(FC_DARK_GRAY) << "#535353";
        QTest::newRow("FC_GRAY") << false << int(FC_GRAY) << "#A0A0A0";
        QTest::newRow("FC_LIGHT_GRAY") << false << int(FC_LIGHT_GRAY) << "#C9C9C9";
        QTest::newRow("FC_WHITE") << false << int(FC_WHITE) << "#FFFFFF";
        QTest::newRow("FC_BLACK") << false << int(FC_BLACK) << "#000000";
        QTest::newRow("flat id 8") << false << 8 << "#808080";
        QTest::newRow("flat id 100") << false << 100 << "#808080";
    }

    void colors()
    {
        QFETCH(bool, gradient);
        QFETCH(int, id);
        QFETCH(QString, expected);

        const QColor color = gradient ? gradientColor(GradientColor(id)) : flatColor(FlatColor(id));
        QVERIFY(color.isValid());
        QCOMPARE(color.alpha(), 255);
        QCOMPARE(color.name().toUpper(), expected);
    }
};

QTEST_MAIN(TestColorTables)

#include "tst_internal_colortables.moc"
