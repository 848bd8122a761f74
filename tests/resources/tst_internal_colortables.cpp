// The styles' colour tables: each filled from the library's colour file, once a process. Which colour an id
// stands for is pinned by the drawing baselines (tests/styles), which name every colour drawn by its key in
// that file.
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
};

QTEST_MAIN(TestColorTables)
#include "tst_internal_colortables.moc"
