// QElidedLabel as its users see it, and its paint of long texts, which lays
// out and elides only a prefix where that gives the same result, against its
// paint of the whole text, on texts that take both the shortened path and
// its fallbacks. (The widget baselines pin what the whole-text paint draws,
// for a short text at heights of whole and of part lines.)
#include "ElidedTextPainter.h"
#include "TestSupport.h"

class TestElidedLabel : public QObject
{
    Q_OBJECT

    const Baseline m_texts{ VELTRIX_BASELINE_DIR "/elision.txt" }; // texts only

private slots:
    // Shrunk and grown one line at a time, painted after each step but one: the
    // flag follows each paint, and the signal comes once per change, with the
    // flag already the new one.
    void flagAndSignal()
    {
        // One word pair wide, the label shows one pair per line.
        QElidedLabel label(QStringLiteral("aaaa1 bbbb1 aaaa2 bbbb2 aaaa3 bbbb3"));
        const int width = label.fontMetrics().horizontalAdvance(QStringLiteral("aaaa1 bbbb1")) + 2;
        // The flag before and after each step (T, F), each signal (+, -) as it comes, ! where they disagree.
        QString seen = label.isElided() ? "T" : "F";
        connect(&label, &QElidedLabel::elisionChanged, this,
                [&](bool elided) { seen += elided == label.isElided() ? "-+"[elided] : '!'; });
        // Lines high; a negative height resizes without painting.
        for (int lines : { 3, 2, 2, 1, -3, 3, 3 }) {
            label.resize(width, qAbs(lines) * label.fontMetrics().lineSpacing());
            if (lines >= 0)
                label.grab();
            seen += label.isElided() ? 'T' : 'F';
        }
        QCOMPARE(seen, QStringLiteral("FF+TTTT-FF"));
    }

    // The texts of baselines/elision.txt, whose top explains them.
    void matchesWholeText_data()
    {
        VeltrixTest::columns<QString, QString>({ "text", "prefix" });
        for (const QString &name : m_texts.cases()) {
            QString text;
            for (const QString &pieces : m_texts.expected(name).mid(1)) {
                QString unit;
                for (const QJsonValue piece : QJsonDocument::fromJson(pieces.section(' ', 1).toUtf8()).array())
                    unit += piece.toString();
                text += unit.repeated(pieces.section(' ', 0, 0).toInt());
            }
            QTest::newRow(qPrintable(name)) << text << m_texts.expected(name).value(0);
        }
    }
    void matchesWholeText()
    {
        QFETCH(QString, text);
        QFETCH(QString, prefix);
        const int threeLines = 3 * QElidedLabel().fontMetrics().lineSpacing();
        ElidedText::Trace trace; // of the last paint, 300 pixels wide and one line high
        for (const QSize size : { QSize(170, 10), QSize(420, threeLines), QSize(300, 170), QSize(300, 10) }) {
            RecordingPaintDevice painted(size), whole(size);
            QPainter shortened(&painted), plain(&whole);
            ElidedText::setPrefixesEnabled(false);
            const bool elided = ElidedText::paint(&plain, text, size.width(), size.height(), 5, &trace);
            ElidedText::setPrefixesEnabled(true);
            QCOMPARE(trace.laidOutLength, int(text.size())); // so that the comparison below is with the whole text
            QCOMPARE(ElidedText::paint(&shortened, text, size.width(), size.height(), 5, &trace), elided);
            QCOMPARE(painted.lines(), whole.lines());
        }
        // A line or two of the text, however long the whole is.
        QCOMPARE(trace.laidOutLength < qMin(1000, text.size()), prefix != "whole");
        QCOMPARE(trace.elidedLength < qMin(1000, text.size()), prefix == "both");
    }
};

QTEST_MAIN(TestElidedLabel)
#include "tst_internal_elidedlabel.moc"
