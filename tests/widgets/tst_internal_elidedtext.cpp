// Which texts the elided paint shortens before laying out and eliding, so
// that the label's comparison with the whole-text paint covers both paths.
#include <QtTest>

#include "ElidedReference.h"
#include "ElidedTextPainter.h"

class TestElidedText : public QObject
{
    Q_OBJECT

private slots:
    // One character `c` at `at` in 100 letters, searched from `from`.
    void findElisionSpecial_data()
    {
        QTest::addColumn<ushort>("c");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("special");
        const QVector<ushort> specials = { 0x9c, 0x200e, 0x200f, 0x202a, 0x202e, 0x2066, 0x2069 };
        // Sharing a high or a low byte with a special.
        const QVector<ushort> lookalikes = { 0x200d, 0x2014, 0x2029, 0x206a, 0x209c, 0x1c9c, 0x9d };
        for (ushort c : specials + lookalikes) {
            for (int at : { 0, 7, 8, 31, 32, 63, 64, 96, 99 }) {
                QTest::addRow("U+%04X at %d", c, at) << c << at << 0 << specials.contains(c);
                QTest::addRow("U+%04X at %d, from after it", c, at) << c << at << at + 1 << specials.contains(c);
            }
        }
    }
    void findElisionSpecial()
    {
        QFETCH(ushort, c);
        QFETCH(int, at);
        QFETCH(int, from);
        QFETCH(bool, special);
        QString text = ElidedReference::repeated(QStringLiteral("abcdefg "), 100);
        text[at] = QChar(c);
        QCOMPARE(ElidedText::findElisionSpecial(text, from), special && from <= at ? at : -1);
    }

    void prefixPath_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("layoutPrefix");
        QTest::addColumn<bool>("elisionPrefix");
        for (const ElidedReference::Sample &sample : ElidedReference::samples())
            QTest::newRow(sample.name) << sample.text << sample.layoutPrefix << sample.elisionPrefix;
    }
    void prefixPath()
    {
        QFETCH(QString, text);
        QFETCH(bool, layoutPrefix);
        QFETCH(bool, elisionPrefix);

        RecordingPaintDevice device(QSize(300, 10));
        QPainter painter(&device);
        ElidedText::Trace trace;
        ElidedText::paint(&painter, text, 300, 10, 0, &trace);
        // A line or two of the text, however long the whole is.
        QCOMPARE(trace.laidOutLength < text.size(), layoutPrefix);
        QVERIFY(!layoutPrefix || trace.laidOutLength < 1000);
        QCOMPARE(trace.elidedFrom, 0);
        QCOMPARE(trace.elidedLength < text.size(), elisionPrefix);
        QVERIFY(!elisionPrefix || trace.elidedLength < 1000);
    }
};

QTEST_MAIN(TestElidedText)
#include "tst_internal_elidedtext.moc"
