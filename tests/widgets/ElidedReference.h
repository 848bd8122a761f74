#ifndef ELIDEDREFERENCE_H
#define ELIDEDREFERENCE_H

// The elided label's paint written the plain way, over the whole text, and
// the sample texts the optimised paint is compared with it on; the long ones
// are shortened before layout unless something in them forbids it.
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include "RecordingPaintDevice.h"

namespace ElidedReference {

inline bool paint(QPainter *painter, const QString &text, int width, int height, int margin)
{
    const QFontMetrics metrics = painter->fontMetrics();
    const int spacing = metrics.lineSpacing();
    int y = 0;
    bool elided = false;
    QTextLayout layout(text, painter->font());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (height >= y + 2 * spacing) {
            line.draw(painter, QPointF(0, y));
            y += spacing;
            continue;
        }
        painter->drawText(QPoint(margin, y + metrics.ascent()),
                          metrics.elidedText(text.mid(line.textStart()), Qt::ElideRight, width));
        elided = layout.createLine().isValid();
        break;
    }
    layout.endLayout();
    return elided;
}

// Every text item drawn, with its baseline in device coordinates.
inline QStringList drawnText(const RecordingPaintDevice &device)
{
    QStringList items;
    for (const PaintRecord &record : device.records(PaintRecord::Text)) {
        const QPointF at = record.mappedPosition();
        items << QStringLiteral("%1,%2:%3").arg(at.x()).arg(at.y()).arg(record.text);
    }
    return items;
}

inline QString repeated(const QString &unit, int length)
{
    QString text;
    text.reserve(length + unit.size());
    while (text.size() < length)
        text += unit;
    text.truncate(length);
    return text;
}

struct Sample
{
    const char *name;
    QString text;
    bool layoutPrefix;  // a label 300 pixels wide, one line high, lays out only a prefix
    bool elisionPrefix; // and elides only a prefix of the rest
};

inline QVector<Sample> samples()
{
    const QString latin = QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipiscing elit (sed do) eiusmod "
                                         "tempor incididunt ut labore et dolore magna aliqua. ");
    const QString hebrew = QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd \u05d6\u05d4\u05d5 "
                                          "\u05d8\u05e7\u05e1\u05d8 \u05d0\u05e8\u05d5\u05da 12 ");
    const QString arabic = QStringLiteral("\u0645\u0631\u062d\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645 "
                                          "\u0647\u0630\u0627 \u0646\u0635 \u0637\u0648\u064a\u0644 \u0661\u0662 ");
    const QString word = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitaen") + QString(30, QLatin1Char('x'));
    return {
        { "empty", QString(), false, false },
        { "short", QStringLiteral("Short text"), false, false },
        { "exact fit", QStringLiteral("one two three four"), false, false },
        { "many lines", repeated(latin, 40000), true, true },
        { "very long words", repeated(word + QStringLiteral(" a "), 30000), true, true },
        { "one word", QString(20000, QLatin1Char('w')), false, false },
        { "right to left", repeated(hebrew, 30000), true, true },
        { "arabic", repeated(arabic, 30000), true, true },
        { "right to left with brackets", repeated(hebrew + QStringLiteral("(abc) "), 20000), false, false },
        { "mixed directions", repeated(latin + hebrew, 30000), true, true },
        { "newlines", repeated(QStringLiteral("first line\nsecond\n\nthird one here\r\n"), 30000), true, true },
        { "line separators", repeated(QStringLiteral("para one\u2028para two is longer\u2029three "), 30000), true, true },
        { "tabs", repeated(QStringLiteral("key\tvalue\tmore words here "), 30000), true, true },
        { "marks in the tail", repeated(latin, 20000) + QStringLiteral("\u200f\u202b") + repeated(hebrew, 10000), true, true },
        { "isolates up front", QStringLiteral("\u2067") + repeated(latin, 20000), false, false },
        { "string terminator in tail", repeated(latin, 20000) + QChar(0x9c) + latin, true, false },
        { "combining marks", repeated(QStringLiteral("cafe\u0301 na\u0308ive a\u0300\u0301\u0302\u0303 "), 30000), true, true },
        { "surrogate pairs", repeated(QStringLiteral("smile \U0001F600\U0001F44D\U0001F3FD go "), 30000), true, true },
        { "cjk", repeated(QStringLiteral("\u6f22\u5b57\u306e\u6587\u7ae0\u3002\u30ab\u30bf\u30ab\u30ca"), 30000), true, true },
        { "thai", repeated(QStringLiteral("\u0e20\u0e32\u0e29\u0e32\u0e44\u0e17\u0e22\u0e07\u0e48\u0e32\u0e22 "), 30000), true, true },
        { "digits only", repeated(QStringLiteral("1234 5678, "), 20000), false, false },
        // Drawn by a fallback font, in the same item as the first lines.
        { "fallback font ahead", repeated(latin, 2000) + QChar(0x3002) + repeated(latin, 30000), true, true },
    };
}

} // namespace ElidedReference

#endif // ELIDEDREFERENCE_H
