#ifndef VELTRIX_DUMP_H
#define VELTRIX_DUMP_H

#include <QColor>
#include <QPainter>
#include <QStringList>
#include <QStyle>

class QBrush;
class QPalette;
class QPen;
class QRectF;
class QWidget;

// Readable, stable text for what tests compare: colours by their key in the
// library's colour file, numbers rounded to two decimals, style enumerations
// by name.
namespace Dump {

// The colour file's key of `colour` ("GC_WHITE"), looked up first in `group`
// ("GradientStyleColor" or "FlatStyleColor") and then in the other one;
// "#RRGGBB" (or "#AARRGGBB") for a colour outside the file. Keys are read
// from ":/StyleHelper/StyleHelper.ini", the library's own file, never from a
// copy. Where two keys of a group share a value, the first in sorted order
// names it.
void preferGroup(const QString &group);
QString colour(const QColor &colour);

QString number(qreal value);
QString rect(const QRectF &rect);
QString brush(const QBrush &brush);
QString pen(const QPen &pen);
// "9pt w50 italic": the weight on Qt 5's scale (Normal 50, Bold 75) in
// either build; Qt 6 counts weights from 100 to 900.
QString font(const QFont &font);
// "aa+text+smooth" for antialiasing, text antialiasing and smooth pixmaps.
QString hints(QPainter::RenderHints hints);

// "PE_Frame", "SO_Frame v3 3,4 18x18 Enabled|HasFocus", "QStyledMenuBar".
template <typename Enum>
QString name(Enum value);
QString state(QStyle::State state);
// Sub-controls share values across controls: "SC_ComboBoxArrow", not "SC_ScrollBarSlider".
QString subControl(QStyle::ComplexControl control, QStyle::SubControl subControl);
QString option(const QStyleOption *option);
QString widget(const QWidget *widget);

// A property as text: enumerations and flags by key, strings quoted, sizes as
// WxH, pixmaps and icons by size, objects by class ("null" for none).
QString value(const QObject *object, const char *property);
// A widget and what its layouts hold, one indented line each: class, object
// name, the given properties where the object has them; spacers with their
// size and growth; layouts with margins, spacing and stretch factors.
QStringList tree(const QWidget *widget, const QList<QByteArray> &properties);

// What a user or a style can see of a widget and its descendants, one
// "path property<TAB>value" entry a line (fonts, palette roles, hover, fixed
// heights, label pixmaps, menu-bar nativeness, action visibility).
QStringList widgetState(const QWidget *widget);
// The entries of `after` that differ from those of `before`, as "path property: old -> new".
QStringList changes(const QStringList &before, const QStringList &after);

} // namespace Dump

#include <QMetaEnum>

template <typename Enum>
QString Dump::name(Enum value)
{
    const char *key = QMetaEnum::fromType<Enum>().valueToKey(int(value));
    return key ? QString::fromLatin1(key) : QString::number(int(value));
}

#endif // VELTRIX_DUMP_H
