#ifndef ELIDEDTEXTPAINTER_H
#define ELIDEDTEXTPAINTER_H

#include <QString>

class QPainter;

// The painting behind QElidedLabel, kept apart so it can be tested on its own.
namespace ElidedText {

// What a paint handed to the text machinery; filled for tests and benchmarks.
struct Trace
{
    int laidOutLength = -1; // characters given to the QTextLayout that was drawn
    int elidedFrom = -1;    // where the rest that was elided starts in the text
    int elidedLength = -1;  // characters of it given to the elidedText call that was drawn
};

// Lays `text` out from the top-left corner over `width`, draws every line
// that has a whole line spacing below it, and draws the rest of the text
// from the last visible line on, elided at the right, with its baseline at
// (margin, top + ascent). Uses the painter's font, pen and metrics. Returns
// true when text is left beyond the last visible line.
//
// Only a bounded prefix of a long text is laid out and measured when that
// provably gives the same lines, the same elided string and the same result;
// otherwise the whole text is used.
bool paint(QPainter *painter, const QString &text, int width, int height, int margin, Trace *trace = nullptr);

// Whether paint() may stand a prefix in for a long text, as above; on by
// default. Off, every paint uses the whole text, which is how the tests tell
// that the prefixes change nothing.
void setPrefixesEnabled(bool enabled);

// The index of the first character at or after `from` that elidedText
// treats specially: U+009C, or a directional mark, embedding, override or
// isolate (U+200E-200F, U+202A-202E, U+2066-2069); -1 when there is none.
int findElisionSpecial(const QString &text, int from);

} // namespace ElidedText

#endif // ELIDEDTEXTPAINTER_H
