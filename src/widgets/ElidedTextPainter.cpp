#include "ElidedTextPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QVector>

#include <bitset>
#include <memory>


// Why a prefix may stand in for the whole text
// ---------------------------------------------
// A label shows a few lines, yet QTextLayout itemizes and analyses its whole
// text, and QFontMetrics::elidedText shapes the whole rest to learn its width
// before cutting it. On a megabyte both take hundreds of milliseconds. Both
// only *decide* from a short stretch: a line ends at most one word (plus its
// spaces) after the next line begins, and elision stops at the first grapheme
// that overflows. What happens further on can still reach back through:
//  - shaping, line-break and grapheme rules: they look a few characters
//    ahead, so we keep LookAhead characters after everything examined;
//  - script runs: leading Common characters (digits, punctuation) take the
//    script of the next letter, so we need a letter with a script of its own;
//  - bidi levels: neutrals take the direction of the next strong character;
//    explicit embeddings and isolates reach across anything; brackets pair
//    across anything, and too many open brackets later unpair them all, but
//    that cannot change a level while nothing before runs right to left;
//  - Thai line breaks come from a dictionary, which stops at a space;
//  - a line's ascent, hence its baseline, is the largest ascent of all fonts
//    used anywhere in the items it touches, and an item runs on for up to
//    4096 characters; so either everything those items can still reach is
//    drawn by the font's first choice, or the prefix holds them whole;
//  - elidedText itself treats U+009C as a separator of alternative texts and
//    appends every directional control of the part it cuts away.
// So a prefix is trusted only when, at least LookAhead characters past all
// that was examined, it holds an anchor (a strong-direction letter with its
// own script after a space, or a Han/kana character) and nothing up to the
// anchor is an explicit embedding or isolate, or a bracket in right-to-left
// text. Controls beyond the prefix are appended as elidedText would; a
// U+009C anywhere in the rest means the whole rest is used. Whenever a prefix
// is too short it is doubled; when it cannot be trusted the whole text is used.
// The one assumption beyond these rules: no run of text has a negative
// total advance.

namespace ElidedText {
namespace {

constexpr int LookAhead = 32;
constexpr int MaxItemLength = 4096; // QTextEngine never makes a longer item
constexpr ushort StringTerminator = 0x9c;
constexpr ushort Ellipsis = 0x2026;
constexpr ushort ZeroWidthJoiner = 0x200d;

bool prefixesEnabled = true; // see setPrefixesEnabled()

inline bool isExplicitDirectionControl(uint c)
{
    return (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

enum class Verdict { Holds, TooShort, Unsupported };

uint codePointAt(const QString &text, int i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    return c.unicode();
}

bool isAnchor(const QString &text, int i)
{
    const QChar c = text.at(i);
    if (c.isSurrogate() || !c.isLetter())
        return false;
    const QChar::Direction direction = c.direction();
    if (direction != QChar::DirL && direction != QChar::DirR && direction != QChar::DirAL)
        return false;
    const QChar::Script script = c.script();
    if (script == QChar::Script_Unknown || script == QChar::Script_Inherited || script == QChar::Script_Common)
        return false;
    if (text.at(i - 1) == QLatin1Char(' '))
        return true;
    // Written without spaces, broken without a dictionary.
    return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana;
}

// The first anchor at or after `from` still followed by LookAhead characters.
int findAnchor(const QString &text, int from)
{
    for (int i = qMax(from, 1); i + LookAhead <= text.size(); ++i) {
        if (isAnchor(text, i))
            return i;
    }
    return -1;
}

// Whether the bidi levels of text[0, anchor] are final, given a strong anchor.
bool directionSettledBefore(const QString &text, int anchor)
{
    bool rightToLeft = false;
    bool brackets = false;
    for (int i = 0; i <= anchor; ++i) {
        const uint c = codePointAt(text, i);
        if (c > 0xffff)
            ++i;
        if (isExplicitDirectionControl(c))
            return false;
        switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
            rightToLeft = true;
            break;
        default:
            break;
        }
        const QChar::Category category = QChar::category(c);
        if ((category == QChar::Punctuation_Open || category == QChar::Punctuation_Close) && QChar::hasMirrored(c))
            brackets = true;
        if (rightToLeft && brackets)
            return false;
    }
    return true;
}

Verdict anchoredAfter(const QString &text, int examinedEnd)
{
    const int anchor = findAnchor(text, examinedEnd + LookAhead);
    if (anchor < 0)
        return Verdict::TooShort;
    return directionSettledBefore(text, anchor) ? Verdict::Holds : Verdict::Unsupported;
}

// Where `c` sits among the characters drawnWithoutFallback() can vouch for:
// Latin letters and the Common punctuation, symbols and currency signs that
// European text uses, all of which go into Latin or Common items. -1 if none.
int judgedIndex(ushort c)
{
    if (c >= 0x20 && c < 0x7f)
        return c - 0x20;
    if (c >= 0xa0 && c < 0x250)
        return 0x5f + (c - 0xa0);
    if (c >= 0x2010 && c < 0x205f)
        return 0x20f + (c - 0x2010);
    if (c >= 0x20a0 && c < 0x20c0)
        return 0x25e + (c - 0x20a0);
    return -1;
}

constexpr int JudgedCount = 0x27e;

ushort judgedCharacter(int index)
{
    if (index < 0x5f)
        return ushort(0x20 + index);
    if (index < 0x20f)
        return ushort(0xa0 + index - 0x5f);
    if (index < 0x25e)
        return ushort(0x2010 + index - 0x20f);
    return ushort(0x20a0 + index - 0x25e);
}

// Whether the font's first choice draws every character of text[from, to)
// itself, so none of them can raise an item's ascent. Characters outside the
// judged set count as needing a fallback.
bool drawnWithoutFallback(const QString &text, int from, int to, const QFont &font)
{
    std::bitset<JudgedCount> used;
    for (int i = from; i < to; ++i) {
        const int index = judgedIndex(text.at(i).unicode());
        if (index < 0)
            return false;
        used.set(size_t(index));
    }
    const QRawFont common = QRawFont::fromFont(font);
    const QRawFont latin = QRawFont::fromFont(font, QFontDatabase::Latin);
    if (!common.isValid() || !latin.isValid())
        return false;
    for (int index = 0; index < JudgedCount; ++index) {
        const ushort c = judgedCharacter(index);
        if (used.test(size_t(index)) && !(common.supportsCharacter(c) && latin.supportsCharacter(c)))
            return false;
    }
    return true;
}

// A cut never splits a surrogate pair.
int cutLength(const QString &text, int length)
{
    if (length >= text.size())
        return text.size();
    return text.at(length - 1).isHighSurrogate() ? length + 1 : length;
}

int grown(int length, int limit)
{
    return length > limit / 2 ? limit : length * 2;
}

// Characters that certainly cover `width` pixels, or the prefix is doubled.
int charactersFor(const QFontMetrics &metrics, int width)
{
    return width / qMax(1, metrics.averageCharWidth() / 2) + 1;
}

// The layout of the paint: which lines are drawn in full, where the last
// visible line starts, and whether a line follows it.
struct Lines
{
    Lines(const QString &text, const QFont &font)
        : layout(text, font)
    {
    }

    QTextLayout layout;
    QVector<int> fullLineTops;
    int fullLinesEnd = 0;
    bool hasLastLine = false;
    int lastLineStart = 0;
    int lastLineTop = 0;
    bool textBeyond = false;
    int followingEnd = -1;
};

void layOut(Lines &lines, int width, int height, int lineSpacing)
{
    lines.layout.beginLayout();
    int y = 0;
    QTextLine line = lines.layout.createLine();
    while (line.isValid()) {
        line.setLineWidth(width);
        const int next = y + lineSpacing;
        if (height >= next + lineSpacing) {
            lines.fullLineTops.append(y);
            lines.fullLinesEnd = line.textStart() + line.textLength();
            y = next;
            line = lines.layout.createLine();
            continue;
        }
        lines.hasLastLine = true;
        lines.lastLineStart = line.textStart();
        lines.lastLineTop = y;
        QTextLine following = lines.layout.createLine();
        lines.textBeyond = following.isValid();
        if (following.isValid()) {
            // Never drawn. Laid out here it covers one line; left open,
            // endLayout() would lay out all remaining text as one line.
            following.setLineWidth(width);
            lines.followingEnd = following.textStart() + following.textLength();
        }
        break;
    }
}

// Lines 1..k and the start of line k + 1 are decided by the text up to the
// end of line k + 1 (each line takes at least its first word and spaces).
// When the prefix is too short, `needed` may say how long it must be.
Verdict prefixLinesHold(const Lines &lines, const QString &prefix, const QString &text, const QFont &font,
                        int *needed)
{
    if (!lines.hasLastLine || lines.followingEnd < 0)
        return Verdict::TooShort;
    int anchor = findAnchor(prefix, lines.followingEnd + LookAhead);
    if (anchor < 0)
        return Verdict::TooShort;
    // The items of the lines drawn in full end by itemsEnd.
    const int itemsEnd = int(qMin<qint64>(text.size(), qint64(lines.fullLinesEnd) + MaxItemLength));
    if (lines.fullLinesEnd > 0 && !drawnWithoutFallback(text, anchor, itemsEnd, font)) {
        anchor = findAnchor(prefix, qMax(lines.followingEnd, itemsEnd) + LookAhead);
        if (anchor < 0) {
            *needed = itemsEnd + 2 * LookAhead + 64;
            return Verdict::TooShort;
        }
    }
    return directionSettledBefore(prefix, anchor) ? Verdict::Holds : Verdict::Unsupported;
}

std::unique_ptr<Lines> layOutPrefix(const QString &text, const QFont &font, const QFontMetrics &metrics,
                                    int width, int height)
{
    const int lineSpacing = metrics.lineSpacing();
    if (lineSpacing <= 0)
        return nullptr;
    const int visibleLines = qMax(1, height / lineSpacing);
    const qint64 estimate =
        qint64(visibleLines + 1) * (charactersFor(metrics, width) + 8) + 2 * LookAhead + 64;
    int length = int(qMin<qint64>(estimate, text.size()));
    while (length < text.size()) {
        length = cutLength(text, length);
        const QString prefix = text.left(length);
        auto lines = std::make_unique<Lines>(prefix, font);
        layOut(*lines, width, height, lineSpacing);
        int needed = 0;
        switch (prefixLinesHold(*lines, prefix, text, font, &needed)) {
        case Verdict::Holds:
            return lines;
        case Verdict::Unsupported:
            lines->layout.endLayout();
            return nullptr;
        case Verdict::TooShort:
            lines->layout.endLayout();
            length = qMax(grown(length, text.size()), qMin(needed, text.size()));
            break;
        }
    }
    return nullptr;
}

// The number of characters of `rest` that `elided` keeps before its
// ellipsis, or -1 when `elided` is not rest cut short. A joiner that may be
// the text's own is counted as kept: that only widens what counts as seen.
int keptLength(const QString &rest, const QString &elided)
{
    if (elided == rest)
        return -1;
    QStringView kept;
    if (elided.endsWith(QChar(Ellipsis)))
        kept = QStringView(elided).left(elided.size() - 1);
    else if (elided.endsWith(QLatin1String("...")))
        kept = QStringView(elided).left(elided.size() - 3);
    else
        return -1;
    if (rest.startsWith(kept))
        return kept.size();
    if (kept.endsWith(QChar(ZeroWidthJoiner)) && rest.startsWith(kept.chopped(1)))
        return kept.size() - 1;
    return -1;
}

// Whether eliding `cut` gives what eliding any longer text would, before
// the directional controls of the longer text's tail. `wider` exceeds the
// width by more than an ellipsis: where the elision at `wider` stops, the
// text already measured more than the width, so neither text fits, and
// everything the elision at the width looked at comes before that point.
Verdict restPrefixHolds(const QFontMetrics &metrics, const QString &cut, int wider)
{
    const int kept = keptLength(cut, metrics.elidedText(cut, Qt::ElideRight, wider));
    if (kept < 0)
        return Verdict::TooShort;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, cut);
    graphemes.setPosition(kept);
    const int examinedEnd = graphemes.toNextBoundary();
    if (examinedEnd < 0)
        return Verdict::TooShort;
    return anchoredAfter(cut, examinedEnd);
}

// elidedText of text.mid(start) at `width`.
QString elideRest(const QFontMetrics &metrics, const QString &text, int start, int width, Trace *trace)
{
    const int restLength = text.size() - start;
    if (trace)
        trace->elidedFrom = start;
    const int ellipsisAllowance = qMax(3 * metrics.maxWidth(),
                                       qMax(metrics.horizontalAdvance(QStringLiteral("...")),
                                            metrics.horizontalAdvance(QChar(Ellipsis))))
        + 2;
    const int wider = width + ellipsisAllowance;
    const qint64 estimate = qint64(charactersFor(metrics, wider)) + 2 * LookAhead + 64;
    int length = prefixesEnabled ? int(qMin<qint64>(estimate, restLength)) : restLength;
    const int firstSpecial = length < restLength ? findElisionSpecial(text, start) : -1;

    while (length < restLength) {
        length = qMin(cutLength(text, start + length) - start, restLength);
        if (firstSpecial >= 0 && firstSpecial < start + length)
            break;
        const QString cut = text.mid(start, length);
        const Verdict verdict = restPrefixHolds(metrics, cut, wider);
        if (verdict == Verdict::Unsupported)
            break;
        if (verdict == Verdict::TooShort) {
            length = grown(length, restLength);
            continue;
        }
        QString tailControls;
        bool terminatorInTail = false;
        for (int i = firstSpecial; i >= 0 && !terminatorInTail; i = findElisionSpecial(text, i + 1)) {
            terminatorInTail = text.at(i).unicode() == StringTerminator;
            tailControls += text.at(i);
        }
        if (terminatorInTail)
            break;
        const QString elided = metrics.elidedText(cut, Qt::ElideRight, width);
        if (trace)
            trace->elidedLength = length;
        // elidedText returns an empty string, without controls, when not even
        // the ellipsis fits.
        return elided.isEmpty() ? elided : elided + tailControls;
    }
    if (trace)
        trace->elidedLength = restLength;
    return metrics.elidedText(text.mid(start), Qt::ElideRight, width);
}

} // namespace

bool paint(QPainter *painter, const QString &text, int width, int height, int margin, Trace *trace)
{
    const QFontMetrics metrics = painter->fontMetrics();
    const QFont font = painter->font();

    std::unique_ptr<Lines> lines = prefixesEnabled ? layOutPrefix(text, font, metrics, width, height) : nullptr;
    if (!lines) {
        lines = std::make_unique<Lines>(text, font);
        layOut(*lines, width, height, metrics.lineSpacing());
    }
    if (trace)
        trace->laidOutLength = lines->layout.text().size();

    for (int i = 0; i < lines->fullLineTops.size(); ++i)
        lines->layout.lineAt(i).draw(painter, QPointF(0, lines->fullLineTops.at(i)));
    if (lines->hasLastLine) {
        const QString elided = elideRest(metrics, text, lines->lastLineStart, width, trace);
        painter->drawText(QPoint(margin, lines->lastLineTop + metrics.ascent()), elided);
    }
    lines->layout.endLayout();
    return lines->textBeyond;
}

void setPrefixesEnabled(bool enabled)
{
    prefixesEnabled = enabled;
}

} // namespace ElidedText
