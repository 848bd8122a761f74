// QElidedLabel as its users see it, and its paint against the same algorithm
// written the plain way over the whole text, on texts that take both the
// shortened path and its fallbacks.
#include <QPainter>
#include <QTextLayout>
#include <QtTest>

#include "ElidedTextPainter.h"
#include "QElidedLabel.h"
#include "RecordingPaintDevice.h"

// Numbered word pairs; a label one pair wide shows one pair per line.
static QString pairs(int count)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << QStringLiteral("aaaa%1 bbbb%1").arg(i);
    return words.join(QLatin1Char(' '));
}

// One pair wide, whole pixels high.
static QSize linesHigh(const QWidget &label, qreal lines)
{
    const QFontMetrics metrics = label.fontMetrics();
    return QSize(metrics.horizontalAdvance(QStringLiteral("aaaa1 bbbb1")) + 2, int(lines * metrics.lineSpacing()));
}

static bool referencePaint(QPainter *painter, const QString &text, int width, int height, int margin)
{
    const QFontMetrics metrics = painter->fontMetrics();
    QTextLayout layout(text, painter->font());
    layout.beginLayout();
    bool elided = false;
    int y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (height < y + 2 * metrics.lineSpacing()) {
            const QString rest = text.mid(line.textStart());
            painter->drawText(QPoint(margin, y + metrics.ascent()), metrics.elidedText(rest, Qt::ElideRight, width));
            elided = layout.createLine().isValid();
            break;
        }
        line.draw(painter, QPointF(0, y));
        y += metrics.lineSpacing();
    }
    layout.endLayout();
    return elided;
}

// The device size and the result, then every text item with its baseline.
static QStringList drawnText(const RecordingPaintDevice &device, bool elided)
{
    return QStringList{ QStringLiteral("%1x%2 elided %3").arg(device.width()).arg(device.height()).arg(elided) }
        + device.lines(QStringLiteral("text"));
}

class TestElidedLabel : public QObject
{
    Q_OBJECT

private slots:
    // Per step the height in lines, then a paint; 0 clears the text instead of
    // resizing, a negative height resizes without painting. Seen: the flag
    // before and after each step (T, F), and each signal (+, -) as it comes.
    void flagAndSignal_data()
    {
        QTest::addColumn<QVector<int>>("steps");
        QTest::addColumn<QString>("seen");
        QTest::newRow("shrink and grow") << QVector<int>{ 3, 2, 2, 2, 1, 3, 3, 3, 3 } << "FF+TTTT-FFFF";
        QTest::newRow("text becomes empty") << QVector<int>{ 1, 0, 0 } << "F+T-FF";
        QTest::newRow("not painted, not told") << QVector<int>{ 1, -3, 3 } << "F+TT-F";
    }
    void flagAndSignal()
    {
        QFETCH(QVector<int>, steps);
        QFETCH(QString, seen);

        QElidedLabel label(pairs(3));
        QString actual = label.isElided() ? "T" : "F";
        // The flag is already the new one when the signal comes (! if not).
        connect(&label, &QElidedLabel::elisionChanged, this, [&](bool elided) {
            const QChar told = elided ? '+' : '-';
            actual += elided != label.isElided() ? QChar('!') : told;
        });
        for (int lines : steps) {
            if (lines == 0)
                label.clear();
            else
                label.resize(linesHigh(label, qAbs(lines)));
            if (lines >= 0)
                label.grab();
            actual += label.isElided() ? 'T' : 'F';
        }
        QCOMPARE(actual, seen);
    }

    // layoutPrefix: a paint 300 pixels wide and one line high lays out only a
    // prefix of the text; elisionPrefix: it elides only a prefix of the rest.
    void matchesReference_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("layoutPrefix");
        QTest::addColumn<bool>("elisionPrefix");
        const QString latin = QStringLiteral("Lorem ipsum dolor sit amet, consectetur (sed do) eiusmod tempor. ");
        const QString hebrew = QString("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd \u05d6\u05d4\u05d5 12 ");
        const auto row = [](const char *name, const QString &text, bool layoutPrefix, bool elisionPrefix) {
            QTest::newRow(name) << text << layoutPrefix << elisionPrefix;
        };
        row("empty", QString(), false, false);
        row("short", "Short text", false, false);
        row("exact fit", "one\u2028two\u2028three", false, false); // the label three lines high
        row("many lines", latin.repeated(330), true, true);
        const QString word = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitaensmuetzenabzeichenhersteller");
        row("very long words", (word + " a ").repeated(450), true, true);
        row("one word", QString(20000, 'w'), false, false);
        row("right to left", hebrew.repeated(1000), true, true);
        row("arabic", QString("\u0645\u0631\u062d\u0628\u0627 \u0628\u0643 \u0661\u0662 ").repeated(2000), true, true);
        row("right to left with brackets", QString(hebrew + "(abc) ").repeated(600), false, false);
        row("mixed directions", (latin.repeated(3) + hebrew).repeated(150), true, true);
        row("newlines", QString("first line\nsecond\n\nthird one here\r\n").repeated(800), true, true);
        row("marks in the tail", latin.repeated(160) + "\u200f\u202b\u2067" + hebrew.repeated(300), true, true);
        row("isolates up front", "\u2067" + latin.repeated(160), false, false);
        row("string terminator in tail", latin.repeated(160) + QChar(0x9c) + latin, true, false);
        row("combining marks", QString("cafe\u0301 na\u0308ive a\u0300\u0301\u0302 ").repeated(1500), true, true);
        row("surrogate pairs", QString("smile \U0001F600\U0001F44D\U0001F3FD go ").repeated(1700), true, true);
        row("cjk", QString("\u6f22\u5b57\u306e\u6587\u7ae0\u3002\u30ab\u30bf").repeated(3000), true, true);
        row("thai", QString("\u0e20\u0e32\u0e29\u0e32\u0e44\u0e17\u0e22\u0e07\u0e48 ").repeated(2500), true, true);
        // Drawn by a fallback font, in the same item as the first lines.
        row("fallback font ahead", latin.repeated(30) + QChar(0x3002) + latin.repeated(250), true, true);
    }
    void matchesReference()
    {
        QFETCH(QString, text);
        QFETCH(bool, layoutPrefix);
        QFETCH(bool, elisionPrefix);
        const int threeLines = 3 * QElidedLabel().fontMetrics().lineSpacing();
        for (const QSize size : { QSize(300, 10), QSize(170, 10), QSize(420, threeLines), QSize(300, 170) }) {
            RecordingPaintDevice painted(size), reference(size);
            QPainter optimised(&painted), plain(&reference);
            ElidedText::Trace trace;
            const bool elided = ElidedText::paint(&optimised, text, size.width(), size.height(), 5, &trace);
            const bool expected = referencePaint(&plain, text, size.width(), size.height(), 5);
            QCOMPARE(drawnText(painted, elided), drawnText(reference, expected));
            if (size != QSize(300, 10))
                continue;
            // A line or two of the text, however long the whole is.
            QCOMPARE(trace.laidOutLength < qMin(1000, text.size()), layoutPrefix);
            QCOMPARE(trace.elidedLength < qMin(1000, text.size()), elisionPrefix);
        }
    }
};

QTEST_MAIN(TestElidedLabel)
#include "tst_internal_elidedlabel.moc"
