// QElidedLabel as its users see it, and its paint against the same algorithm
// written the plain way over the whole text, on texts that take both the
// shortened path and its fallbacks.
#include "ElidedTextPainter.h"
#include "TestSupport.h"

static bool referencePaint(QPainter *painter, const QString &text, int width, int height, int margin)
{
    const QFontMetrics metrics = painter->fontMetrics();
    QTextLayout layout(text, painter->font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    int y = 0;
    for (; line.isValid() && y + 2 * metrics.lineSpacing() <= height; y += metrics.lineSpacing()) {
        line.setLineWidth(width);
        line.draw(painter, QPointF(0, y));
        line = layout.createLine();
    }
    if (line.isValid()) {
        line.setLineWidth(width);
        const QString rest = metrics.elidedText(text.mid(line.textStart()), Qt::ElideRight, width);
        painter->drawText(QPoint(margin, y + metrics.ascent()), rest);
    }
    const bool elided = line.isValid() && layout.createLine().isValid();
    layout.endLayout();
    return elided;
}

class TestElidedLabel : public QObject
{
    Q_OBJECT

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

    void matchesReference_data()
    {
        // prefix: how much of a long text a paint one line high looks at: the "whole" text, a prefix to "lay out",
        // or "both" that and a prefix of the rest to elide.
        VeltrixTest::columns<QString, QString>({ "text", "prefix" });
        const auto row = [](const char *name, const QString &text, const char *prefix) {
            QTest::newRow(name) << text << QString(prefix);
        };
        const QString latin = QStringLiteral("Lorem ipsum dolor sit amet, consectetur (sed do) eiusmod tempor. ");
        const QString hebrew = QString("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd \u05d6\u05d4\u05d5 12 ");
        const QString word = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitaensmuetzenabzeichenhersteller");
        row("empty", QString(), "whole");
        row("short", QString("Short text"), "whole");
        row("exact fit", QString("one\u2028two\u2028three"), "whole"); // three lines high
        row("many lines", latin.repeated(330), "both");
        row("very long words", (word + " a ").repeated(450), "both");
        row("one word", QString(20000, 'w'), "whole");
        row("right to left", hebrew.repeated(1000), "both");
        row("arabic", QString("\u0645\u0631\u062d\u0628\u0627 \u0628\u0643 \u0661\u0662 ").repeated(2000), "both");
        row("right to left with brackets", QString(hebrew + "(abc) ").repeated(600), "whole");
        row("mixed directions", (latin.repeated(3) + hebrew).repeated(150), "both");
        row("newlines", QString("first line\nsecond\n\nthird one here\r\n").repeated(800), "both");
        row("marks in the tail", latin.repeated(160) + "\u200f\u202b\u2067" + hebrew.repeated(300), "both");
        row("isolates up front", "\u2067" + latin.repeated(160), "whole");
        row("string terminator in tail", latin.repeated(160) + QChar(0x9c) + latin, "lay out");
        row("combining marks", QString("cafe\u0301 na\u0308ive a\u0300\u0301\u0302 ").repeated(1500), "both");
        row("surrogate pairs", QString("smile \U0001F600\U0001F44D\U0001F3FD go ").repeated(1700), "both");
        row("cjk", QString("\u6f22\u5b57\u306e\u6587\u7ae0\u3002\u30ab\u30bf").repeated(3000), "both");
        row("thai", QString("\u0e20\u0e32\u0e29\u0e32\u0e44\u0e17\u0e22\u0e07\u0e48 ").repeated(2500), "both");
        // Drawn by a fallback font, in the same item as the first lines.
        row("fallback font ahead", latin.repeated(30) + QChar(0x3002) + latin.repeated(250), "both");
    }
    void matchesReference()
    {
        QFETCH(QString, text);
        QFETCH(QString, prefix);
        const int threeLines = 3 * QElidedLabel().fontMetrics().lineSpacing();
        ElidedText::Trace trace; // of the last paint, 300 pixels wide and one line high
        for (const QSize size : { QSize(170, 10), QSize(420, threeLines), QSize(300, 170), QSize(300, 10) }) {
            RecordingPaintDevice painted(size), reference(size);
            QPainter optimised(&painted), plain(&reference);
            QCOMPARE(ElidedText::paint(&optimised, text, size.width(), size.height(), 5, &trace),
                     referencePaint(&plain, text, size.width(), size.height(), 5));
            QCOMPARE(painted.lines(QStringLiteral("text")), reference.lines(QStringLiteral("text")));
        }
        // A line or two of the text, however long the whole is.
        QCOMPARE(trace.laidOutLength < qMin(1000, text.size()), prefix != "whole");
        QCOMPARE(trace.elidedLength < qMin(1000, text.size()), prefix == "both");
    }
};

QTEST_MAIN(TestElidedLabel)
#include "tst_internal_elidedlabel.moc"
