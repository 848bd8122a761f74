#ifndef VELTRIX_TESTSUPPORT_H
#define VELTRIX_TESTSUPPORT_H

// What the tests share: readable text for what is drawn (Dump), widgets and
// options made from case lines (Cases), reviewed baseline files (Baseline),
// styles that observe a look (probes) and the recording paint device.
#include <QtTest>
#include <QtWidgets>

#include <initializer_list>
#include <memory>

// The library's looks and widgets, which cases use.
#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>
#include <QElidedLabel.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QIpAdressEdit.h>
#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QPixmapButton.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledGroupBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

// A QPaintDevice whose engine writes every drawing call as one readable line
// instead of drawing: what is drawn (rectangles, lines, a path's elements, a
// text and its baseline origin, a pixmap's size and corner colour and its
// target), then the painter state that matters for it (pen, brush with
// gradient stops, font, render hints, transform, clip, opacity). Colours
// from the library's colour file are written by their key (see Dump below),
// numbers rounded to two decimals, so the lines are stable text that
// baselines can hold.
//
// It reports the primary screen's logical DPI, so text measured on it matches
// text measured for widgets. While a device is alive its lines are also the
// place where the probe styles note the calls that reach them (note()).
class RecordingPaintDevice : public QPaintDevice
{
public:
    explicit RecordingPaintDevice(const QSize &size = QSize(400, 300));
    ~RecordingPaintDevice() override;

    QPaintEngine *paintEngine() const override;

    // Every line, in order.
    QStringList lines() const;

    // Appends a line to the newest device, while it is alive.
    static void note(const QString &line);

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    QScopedPointer<Engine> m_engine;
};

namespace VeltrixTest {

// Declares the columns of a data table, in the order of the types.
template <typename... T>
void columns(std::initializer_list<const char *> names)
{
    auto name = names.begin();
    (QTest::addColumn<T>(*name++), ...);
}

// A data table of one column, "name", one row a name: the cases of a baseline file.
inline void nameRows(const QStringList &names)
{
    QTest::addColumn<QString>("name");
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

// From now on collects what the program prints as a warning or worse, except the offscreen platform's
// remark on windows; the caller clears the list when it has looked. Call it once QtTest runs (from
// initTestCase), or QtTest's own handler replaces this one.
inline QStringList &collectMessages()
{
    static QStringList messages;
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && !message.contains("propagateSizeHints"))
            messages << message;
    });
    return messages;
}

} // namespace VeltrixTest

// Readable, stable text for what tests compare: colours by their key in the
// library's colour file, numbers rounded to two decimals, style enumerations
// by name.
namespace Dump {

// Colours are written as their key in the colour file's `group`
// ("GradientStyleColor", the default, or "FlatStyleColor"): "GC_WHITE";
// "#RRGGBB" (or "#AARRGGBB") for a colour outside that group. Keys are read
// from ":/StyleHelper/StyleHelper.ini", the library's own file, never from a
// copy. Where two keys of a group share a value, the first in sorted order
// names it.
void preferGroup(const QString &group);

QString number(qreal value);
// "x,y x,y ..."
QString points(const QVector<QPointF> &points);
QString size(const QSizeF &size); // "WxH"
QString rect(const QRectF &rect);
QString brush(const QBrush &brush);
QString pen(const QPen &pen);
// "16x16@2 GC_BLUE": size in device pixels, ratio and the top left pixel,
// which tells a solid test picture; "none" for a null pixmap.
QString pixmap(const QPixmap &pixmap);
// "9pt Normal italic": the weight by its name in QFont::Weight, the same in
// either build; a weight without a name is written as the build's number.
QString font(const QFont &font);
// "aa+text+smooth" for antialiasing, text antialiasing and smooth pixmaps.
QString hints(QPainter::RenderHints hints);

// "PE_Frame", "SO_Frame 3,4 18x18 Enabled|HasFocus", "QStyledMenuBar".
template <typename Enum>
QString name(Enum value)
{
    const char *key = QMetaEnum::fromType<Enum>().valueToKey(int(value));
    return key ? QString::fromLatin1(key) : QString::number(int(value));
}
// Sub-controls share values across controls: "SC_ComboBoxArrow", not "SC_ScrollBarSlider".
QString subControl(QStyle::ComplexControl control, QStyle::SubControl subControl);
QString option(const QStyleOption *option);
QString widget(const QWidget *widget);

// A widget and what its layouts hold, one indented line each: class, object
// name, the given properties where the object has them (enumerations and
// flags by key, strings quoted, sizes as WxH, pixmaps as above, icons as
// set or none, objects by class); spacers with their size and growth;
// layouts with margins, spacing and stretch factors.
QStringList tree(const QWidget *widget, const QList<QByteArray> &properties);

// What a user or a style can see of a widget and its descendants, one
// "path property<TAB>value" entry a line (fonts, palette roles, hover, fixed
// heights, label pixmaps, action visibility).
QStringList widgetState(const QWidget *widget);
// The entries of `after` that differ from those of `before`, as "path property: old -> new".
QStringList changes(const QStringList &before, const QStringList &after);

} // namespace Dump

// A case line of a baseline file: a verb, the names it works on (style
// elements, metrics, ...), a widget class and key=value settings, in Qt's own
// names, e.g.
//   draw PE_PanelButtonCommand QStyledPushButton buttonType=GRADIENT_BLUE state=Enabled|MouseOver text=Apply
// The files say what each verb does. Other tests describe the widgets they
// need in the same words, without a verb: "QCheckBox text=Check checked=true".
struct CaseLine
{
    explicit CaseLine(const QString &line);

    QString value(const QString &key, const QString &fallback = QString()) const;

    QString verb;
    QStringList names;
    QString widgetClass;
    QVector<QPair<QString, QString>> settings; // in the order written
};

// `new W(parent)`.
template <typename W>
QWidget *create(QWidget *parent)
{
    return new W(parent);
}

// The case's widget, a child of `window` (null without a class), with the
// settings that are its properties written in order: enumerations and flags
// by key, sizes as WxH, pixmaps as WxH@ratio (filled), "icon" for
// colourIcon(); a navigation step's predecessor/successor=on|off|hidden
// makes that neighbour; items=N fills a combo box; checkState=... sets a
// check box's state; underMouse=true puts the mouse over it. Menu bars and
// headers come with a File menu (with an icon, and Recent, with Older) and a
// disabled Edit menu.
QWidget *makeWidget(const CaseLine &line, QWidget *window);

// The option a case passes for style element `name` (or the option class `name`), made as the class the
// case names (option=...) or else the element expects, from the widget and the settings: rect=x,y,w,h
// (20,10,100,40), state=Enabled|... (Enabled), direction=RightToLeft, palette.<Role>=colour, a button's or
// menu item's text and icon, features=HasMenu, a combo box's frame=false. Made shared, an option is
// deleted as the class it was made as: QStyleOption has no virtual destructor.
std::shared_ptr<QStyleOption> makeOption(const QString &name, const CaseLine &line, const QWidget *widget = nullptr);
// The option classes makeOption() knows, all but the abstract ones of Qt's widgets.
QStringList optionClasses();

// A new GradientStyle, FlatStyle or CommonStyle by its class name, else the style of that key from QStyleFactory.
QStyle *newStyle(const QString &name);

// Red when off, blue when on, green in the active (focused) mode: shows which picture is drawn.
QIcon colourIcon();

// A pixmap of "WxH@ratio" (ratio 1 if not given) filled with `colour`.
QPixmap filledPixmap(const QString &text, const QColor &colour = Qt::darkBlue);

// "WxH" as a size.
QSize sizeOf(const QString &text);

// "Enabled|Sunken" with prefix "State_" -> the flags' value.
template <typename Enum>
Enum keyValue(const QString &keys, const QString &prefix = QString())
{
    const QString prefixed = prefix + QString(keys).replace('|', '|' + prefix);
    return Enum(QMetaEnum::fromType<Enum>().keysToValue(prefixed.toLatin1()));
}

// "A|B" as the value of the flags type `name` of `meta`, for the library's types declared with Q_FLAGS, which
// QMetaEnum::fromType() does not know; `known` tells whether every key was one of the type's.
inline int flagsValue(const QMetaObject &meta, const char *name, const QString &keys, bool *known = nullptr)
{
    return meta.enumerator(meta.indexOfEnumerator(name)).keysToValue(keys.toLatin1(), known);
}

// Expected text kept in a reviewed file under tests/: blocks of lines, each
// under a "== <case name>" header, after a preamble that explains the file. A test hands in what it produced for a
// case; a difference fails the test with the case name and a line diff.
//
// With VELTRIX_UPDATE_BASELINES=1 in the environment (or the CMake target
// update-baselines) nothing fails: the file is written anew from what the
// cases produce, in case order, so regenerating twice gives the same file.
// Change a baseline only together with the code change that explains it,
// and read the diff.
//
// Text metrics are Qt's own: Qt 6 keeps ascents and descents in fractions
// of a pixel where Qt 5 rounds them up, so heights that follow from a font
// and the baselines of text lines differ by up to a pixel. A file holding
// such values is PerQtMajor: the Qt 6 build compares with, and rewrites,
// qt6/<name> beside it, for the cases that the file itself lists.
class Baseline
{
public:
    enum Majors { SharedByQtMajors, PerQtMajor };
    explicit Baseline(const QString &path, Majors majors = SharedByQtMajors);

    // The case names of the file, in its order.
    QStringList cases() const { return m_order; }
    // The lines the file holds for a case: where a test reads a case's input from its first lines, it
    // hands them back with what it produced.
    QStringList expected(const QString &name) const { return m_expected.value(name); }

    // Compares (or, when updating, records) one case; a mismatch fails the
    // running test function with the case name and a line diff.
    void check(const QString &name, const QStringList &lines);
    // After every case, when updating: writes the file with `order`'s cases.
    // (Elsewhere a case the file holds but no test runs fails in check(), as
    // every test runs the file's cases.)
    bool finish(const QStringList &order);

private:
    void read(const QString &path);

    QString m_path;
    QString m_preamble; // the lines before the first case, kept as they are
    QStringList m_order;
    QMap<QString, QStringList> m_expected;
    QMap<QString, QStringList> m_actual;
};

// Two styles that put a look under observation. The look's own drawing goes
// to a RecordingPaintDevice; these note, on the same device's lines, every
// call the look passes on:
//
//   a stacked probe (a style on top: the look's proxy())
//        |  notes "> proxy ..." and forwards to the look
//     the look under test
//        |  QProxyStyle:: calls
//   a base probe (the look's base style in place of Fusion)
//           notes "> base ..." and draws nothing itself
//
// So a baseline shows which calls a look makes through proxy(), which it
// hands to its base, and with which option; and it never changes with the
// Fusion of the Qt in use, since the base answers with fixed numbers.

// Installs the probes around `look` and returns the stack's top, which owns
// the look and its base.
QStyle *probeLook(QProxyStyle *look);

// A base probe on its own, for a widget to measure and paint itself with.
QStyle *newBaseProbe();

#endif // VELTRIX_TESTSUPPORT_H
