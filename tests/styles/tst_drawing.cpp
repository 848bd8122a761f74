// What the three styles draw, measure, answer and polish, case by case. The
// cases are the "== " lines of baselines/drawing.txt, whose top explains how
// to read them; under each case stands what every look did, as text. Each
// look runs under observation (ProbeStyles.h): its own drawing is recorded
// call by call, and what it hands to the style on top (proxy()) or to its
// base is noted in between, with the option it passes.
#include <QtTest>
#include <QtWidgets>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QNavigationButton.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include <functional>
#include <memory>

#include "Baseline.h"
#include "Cases.h"
#include "Dump.h"
#include "ProbeStyles.h"
#include "RecordingPaintDevice.h"

namespace {

using S = QStyle;
using Settings = QMap<QString, QString>;

CommonStyle::StyleOptions styleFlags(const QString &keys)
{
    static const QHash<QString, int> flags{ { "CS_BUTTON_OUTLINE", CommonStyle::CS_BUTTON_OUTLINE },
        { "CS_MENUBAR_ICONS", CommonStyle::CS_MENUBAR_ICONS },
        { "CS_COMPACT_MENUBAR", CommonStyle::CS_COMPACT_MENUBAR },
        { "CS_TWO_DIGIT_NUMBERS", CommonStyle::CS_TWO_DIGIT_NUMBERS } };
    int value = 0;
    for (const QString &key : keys.split('|', Qt::SkipEmptyParts))
        value |= flags.value(key);
    return CommonStyle::StyleOptions(value);
}

// The option class an element expects; a case may name another (option=...).
QString optionClass(const QString &element)
{
    static const QHash<QString, QString> classes{ { "CE_MenuBarItem", "QStyleOptionMenuItem" },
        { "CE_MenuItem", "QStyleOptionMenuItem" }, { "CT_MenuBarItem", "QStyleOptionMenuItem" }, { "PE_Frame", "QStyleOptionFrame" }, { "PE_FrameLineEdit", "QStyleOptionFrame" },
        { "PE_PanelLineEdit", "QStyleOptionFrame" }, { "CC_ComboBox", "QStyleOptionComboBox" }, { "CC_ScrollBar", "QStyleOptionComboBox" } };
    return classes.value(element, "QStyleOptionButton");
}

// Made shared, an option is deleted as the class it was made as: QStyleOption has no virtual destructor.
template <typename T>
std::shared_ptr<QStyleOption> made()
{
    return std::make_shared<T>();
}

std::shared_ptr<QStyleOption> makeOption(const QString &element, const Settings &s, const QWidget *w)
{
    static const QHash<QString, std::shared_ptr<QStyleOption> (*)()> make{ { "QStyleOption", made<QStyleOption> },
        { "QStyleOptionButton", made<QStyleOptionButton> }, { "QStyleOptionMenuItem", made<QStyleOptionMenuItem> },
        { "QStyleOptionFrame", made<QStyleOptionFrame> }, { "QStyleOptionComplex", made<QStyleOptionComplex> },
        { "QStyleOptionComboBox", made<QStyleOptionComboBox> } };
    const std::shared_ptr<QStyleOption> o = make.value(s.value("option", optionClass(element)))();
    if (w)
        o->initFrom(w);
    const QStringList r = s.value("rect", "20,10,100,40").split(',');
    o->rect = QRect(r.value(0).toInt(), r.value(1).toInt(), r.value(2).toInt(), r.value(3).toInt());
    o->state = S::State(keyValue<S::StateFlag>(s.value("state", "Enabled"), "State_"));
    o->direction = s.value("direction") == "RightToLeft" ? Qt::RightToLeft : Qt::LeftToRight;
    for (auto it = s.begin(); it != s.end(); ++it) {
        if (it.key().startsWith("palette."))
            o->palette.setColor(QPalette::ColorRole(keyValue<QPalette::ColorRole>(it.key().mid(8))), QColor(it.value()));
    }
    const QIcon icon = s.contains("icon") ? colourIcon() : QIcon();
    if (auto *button = qstyleoption_cast<QStyleOptionButton *>(o.get())) {
        button->text = s.value("text");
        button->icon = icon;
        button->iconSize = QSize(16, 16);
        if (s.value("features") == "HasMenu")
            button->features |= QStyleOptionButton::HasMenu;
    } else if (auto *item = qstyleoption_cast<QStyleOptionMenuItem *>(o.get())) {
        item->text = s.value("text");
        item->icon = icon;
    } else if (auto *combo = qstyleoption_cast<QStyleOptionComboBox *>(o.get())) {
        combo->frame = s.value("frame") != "false";
    }
    return o;
}

// What polish and then unpolish change on a widget and its children; with no widget, on a palette.
void polishCase(QStyle *look, QWidget *w, const std::function<void(const QString &)> &say)
{
    const auto report = [&say](const char *what, const QStringList &before, const QStringList &after) {
        for (const QString &change : Dump::changes(before, after))
            say(QLatin1String(what) + change);
    };
    if (!w) {
        QWidget before, after;
        QPalette palette(Qt::darkMagenta, Qt::yellow);
        before.setPalette(palette);
        look->polish(palette);
        after.setPalette(palette);
        report("polish: ", Dump::widgetState(&before), Dump::widgetState(&after));
        look->polish(static_cast<QWidget *>(nullptr)); // a null widget is no widget
        look->unpolish(static_cast<QWidget *>(nullptr));
        return;
    }
    // A 7-point bold italic font and colours no look uses show which fonts and colours a look sets or derives.
    w->setFont(QFont(QApplication::font().family(), 7, QFont::Bold, true));
    QPalette marked;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        marked.setColor(QPalette::ColorRole(role), QColor::fromHsv(role * 17, 90, 210));
    w->setPalette(marked);
    for (QWidget *child : w->findChildren<QWidget *>())
        child->setPalette(marked);
    const QStringList before = Dump::widgetState(w);
    look->polish(w);
    const QStringList polished = Dump::widgetState(w);
    report("polish: ", before, polished);
    look->unpolish(w);
    report("unpolish: ", polished, Dump::widgetState(w));
}

// One case with one look: what it draws, answers or changes, and what it leaves on the painter.
QStringList runCase(const QString &header, QStyle *look)
{
    const CaseLine line(header);
    const QString verb = line.verb;
    const QStringList names = line.names;
    Settings s;
    for (const auto &setting : line.settings)
        s.insert(setting.first, setting.second);
    QWidget window;
    QWidget *w = makeWidget(line, &window);
    if (verb != "polish") // shown, a widget would be polished by the application's style first
        window.show();
    static_cast<CommonStyle *>(look)->setStyleOptions(styleFlags(s.value("flags",
        "CS_BUTTON_OUTLINE|CS_MENUBAR_ICONS|CS_TWO_DIGIT_NUMBERS")));

    RecordingPaintDevice device;
    QPainter painter(&device);
    // As a widget's paint might leave it, with a dashed pen, a patterned brush and a 9-point font,
    // so that what a look copies from the painter shows; no render hints.
    const QPen pen(QColor(0x12, 0x34, 0x56), 3, Qt::DashLine);
    const QBrush brush(QColor(0x65, 0x43, 0x21), Qt::Dense4Pattern);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(QFont(QApplication::font().family(), 9));
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform, false);
    const auto say = [](const QString &line) { RecordingPaintDevice::note(line); };
    if (verb == "polish")
        polishCase(look, w, say);
    for (const QString &name : names) {
        const std::shared_ptr<QStyleOption> o = makeOption(verb == "rect" ? names.first() : name, s, w);
        if (verb == "draw") {
            say(name + ": " + Dump::option(o.get()));
            if (name.startsWith("PE_"))
                look->drawPrimitive(S::PrimitiveElement(keyValue<S::PrimitiveElement>(name)), o.get(), &painter, w);
            else if (name.startsWith("CE_"))
                look->drawControl(S::ControlElement(keyValue<S::ControlElement>(name)), o.get(), &painter, w);
            else
                look->drawComplexControl(S::ComplexControl(keyValue<S::ComplexControl>(name)),
                                         qstyleoption_cast<const QStyleOptionComplex *>(o.get()), &painter, w);
        } else if (verb == "metric") {
            say(QString("= %1 %2").arg(name).arg(look->pixelMetric(S::PixelMetric(keyValue<S::PixelMetric>(name)), o.get(), w)));
        } else if (verb == "hint") {
            say(QString("= %1 %2").arg(name).arg(look->styleHint(S::StyleHint(keyValue<S::StyleHint>(name)), o.get(), w)));
        } else if (verb == "size") {
            const QStringList c = s.value("contents").split('x');
            const QSize size = look->sizeFromContents(S::ContentsType(keyValue<S::ContentsType>(name)), o.get(),
                                                      QSize(c.value(0).toInt(), c.value(1).toInt()), w);
            say(QString("= %1 %2x%3").arg(name).arg(size.width()).arg(size.height()));
        } else if (verb == "rect" && name != names.first()) {
            const auto control = S::ComplexControl(keyValue<S::ComplexControl>(names.first()));
            const auto sc = S::SubControl(keyValue<S::SubControl>(name));
            say(QString("= %1 %2").arg(name, Dump::rect(look->subControlRect(
                control, qstyleoption_cast<const QStyleOptionComplex *>(o.get()), sc, w))));
        }
    }
    QStringList left{ "hints " + Dump::hints(painter.renderHints()) };
    if (painter.pen() != pen)
        left << "pen " + Dump::pen(painter.pen());
    if (painter.brush() != brush || painter.font().pointSize() != 9 || !painter.transform().isIdentity())
        left << "brush, font or transform changed";
    return device.lines() << "end: " + left.join(", ");
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

    Baseline m_baseline{ QStringLiteral(VELTRIX_BASELINE_DIR "/drawing.txt") };
    QVector<QStyle *> m_looks; // each under observation, its probes around it

private slots:
    void initTestCase()
    {
        // Fusion leaves the placeholder colour unset in Qt 5 and makes it half-transparent text in Qt 6:
        // unset here, so that what unpolish takes back from the application palette reads alike in both.
        QPalette palette = QApplication::palette();
        palette.setBrush(QPalette::PlaceholderText, Qt::NoBrush);
        QApplication::setPalette(palette);
        for (QProxyStyle *look : std::initializer_list<QProxyStyle *>{ new CommonStyle, new GradientStyle, new FlatStyle }) {
            probeLook(look);
            m_looks << look;
        }
    }

    void cleanupTestCase()
    {
        QVERIFY(m_baseline.finish(m_baseline.cases()));
        for (QStyle *look : qAsConst(m_looks))
            delete look->proxy();
    }

    void cases_data()
    {
        QTest::addColumn<QString>("header");
        for (const QString &header : m_baseline.cases())
            QTest::newRow(qPrintable(header)) << header;
    }

    // Each look's lines, or a word that they are those of the look before.
    void cases()
    {
        QFETCH(QString, header);
        QStringList lines, previous;
        QString previousLook;
        for (QStyle *look : qAsConst(m_looks)) {
            const QString name = QString::fromLatin1(look->metaObject()->className());
            Dump::preferGroup(name == "GradientStyle" ? "GradientStyleColor"
                                                                   : "FlatStyleColor");
            const QStringList seen = runCase(header, look);
            if (seen == previous) {
                lines << QString("-- %1: as %2").arg(name, previousLook);
                continue;
            }
            lines << "-- " + name << seen;
            previous = seen;
            previousLook = name;
        }
        QVERIFY(m_baseline.check(header, lines));
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
