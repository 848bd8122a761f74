// What the three styles draw, measure, answer and polish, case by case. The
// cases are the "== " lines of baselines/drawing.txt, whose top explains how
// to read them; under each case stands what every look did, as text. Each
// look runs under observation (ProbeStyles.h): its own drawing is recorded
// call by call, and what it hands to the style on top (proxy()) or to its
// base is noted in between, with the option it passes.
#include "TestSupport.h"

namespace {

using S = QStyle;

void noteChanges(const QString &what, const QStringList &before, const QStringList &after)
{
    for (const QString &change : Dump::changes(before, after))
        RecordingPaintDevice::note(what + change);
}

// What polish and then unpolish change on a widget and its children; with no widget, on a palette.
void polishCase(QStyle *look, QWidget *w)
{
    if (!w) {
        QWidget before, after;
        QPalette palette(Qt::darkMagenta, Qt::yellow);
        before.setPalette(palette);
        look->polish(palette);
        after.setPalette(palette);
        noteChanges("polish: ", Dump::widgetState(&before), Dump::widgetState(&after));
        look->polish(static_cast<QWidget *>(nullptr)); // a null widget is no widget
        look->unpolish(static_cast<QWidget *>(nullptr));
        return;
    }
    // A 7-point bold italic font and colours no look uses show which fonts and colours a look sets or derives.
    w->setFont(QFont(QApplication::font().family(), 7, QFont::Bold, true));
    QPalette marked;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        marked.setColor(QPalette::ColorRole(role), QColor::fromHsv(role * 17, 90, 210));
    for (QWidget *each : QWidgetList{ w } + w->findChildren<QWidget *>())
        each->setPalette(marked);
    const QStringList before = Dump::widgetState(w);
    look->polish(w);
    const QStringList polished = Dump::widgetState(w);
    noteChanges("polish: ", before, polished);
    look->unpolish(w);
    noteChanges("unpolish: ", polished, Dump::widgetState(w));
}

// What a look draws for `name`, or what it answers about it.
void ask(QStyle *look, const CaseLine &line, const QString &name, QPainter *painter, QWidget *w)
{
    const QString &verb = line.verb, &first = line.names.first();
    const std::shared_ptr<QStyleOption> o = makeOption(verb == "rect" ? first : name, line, w);
    const auto *complex = qstyleoption_cast<const QStyleOptionComplex *>(o.get());
    if (verb == "draw")
        RecordingPaintDevice::note(name + ": " + Dump::option(o.get()));
    QString answer;
    if (verb == "draw" && name.startsWith("PE_"))
        look->drawPrimitive(keyValue<S::PrimitiveElement>(name), o.get(), painter, w);
    else if (verb == "draw" && name.startsWith("CE_"))
        look->drawControl(keyValue<S::ControlElement>(name), o.get(), painter, w);
    else if (verb == "draw")
        look->drawComplexControl(keyValue<S::ComplexControl>(name), complex, painter, w);
    else if (verb == "metric")
        answer = QString::number(look->pixelMetric(keyValue<S::PixelMetric>(name), o.get(), w));
    else if (verb == "hint")
        answer = QString::number(look->styleHint(keyValue<S::StyleHint>(name), o.get(), w));
    else if (verb == "size")
        answer = Dump::size(look->sizeFromContents(keyValue<S::ContentsType>(name), o.get(), sizeOf(line.value("contents")), w));
    else if (verb == "rect" && name != first)
        answer = Dump::rect(look->subControlRect(keyValue<S::ComplexControl>(first), complex, keyValue<S::SubControl>(name), w));
    if (!answer.isEmpty())
        RecordingPaintDevice::note("= " + name + ' ' + answer);
}

// One case with one look: what it draws, answers or changes, and the hints and pen it leaves on the painter
// (tst_crawl holds every element to handing back the rest of the painter as it came).
QStringList runCase(const CaseLine &line, CommonStyle *look)
{
    QWidget window;
    QWidget *w = makeWidget(line, &window);
    if (line.verb != "polish") // shown, a widget would be polished by the application's style first
        window.show();
    const QString flags = line.value("flags", "CS_BUTTON_OUTLINE|CS_MENUBAR_ICONS|CS_TWO_DIGIT_NUMBERS");
    look->setStyleOptions(CommonStyle::StyleOptions(flagsValue(CommonStyle::staticMetaObject, "StyleOptions", flags)));
    RecordingPaintDevice device;
    QPainter painter(&device);
    // As a widget's paint might leave it, with a dashed pen, a patterned brush and a 9-point font,
    // so that what a look copies from the painter shows; no render hints.
    const QPen pen(QColor(0x12, 0x34, 0x56), 3, Qt::DashLine);
    const QBrush brush(QColor(0x65, 0x43, 0x21), Qt::Dense4Pattern);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(QFont(QApplication::font().family(), 9));
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (line.verb == "polish")
        polishCase(look, w);
    for (const QString &name : line.names)
        ask(look, line, name, &painter, w);
    QStringList left{ "hints " + Dump::hints(painter.renderHints()) };
    if (painter.pen() != pen)
        left << "pen " + Dump::pen(painter.pen());
    return device.lines() << "end: " + left.join(", ");
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

    Baseline m_baseline{ QStringLiteral(VELTRIX_BASELINE_DIR "/drawing.txt") };
    const QVector<CommonStyle *> m_looks{ new CommonStyle, new GradientStyle, new FlatStyle }; // each put under observation

private slots:
    void initTestCase()
    {
        // Fusion leaves the placeholder colour unset in Qt 5 and makes it half-transparent text in Qt 6:
        // unset here, so that what unpolish takes back from the application palette reads alike in both.
        QPalette palette = QApplication::palette();
        palette.setBrush(QPalette::PlaceholderText, Qt::NoBrush);
        QApplication::setPalette(palette);
        for (CommonStyle *look : m_looks)
            probeLook(look);
    }

    void cleanupTestCase()
    {
        QVERIFY(m_baseline.finish(m_baseline.cases()));
        for (CommonStyle *look : m_looks)
            delete look->proxy();
    }

    void cases_data() { VeltrixTest::nameRows(m_baseline.cases()); }

    // Each look's lines, or a word that they are those of the look before.
    void cases()
    {
        QFETCH(QString, name);
        QStringList lines, previous;
        QString previousLook;
        for (CommonStyle *look : m_looks) {
            const QString lookName = look->metaObject()->className();
            Dump::preferGroup(lookName == "GradientStyle" ? "GradientStyleColor" : "FlatStyleColor");
            const QStringList seen = runCase(CaseLine(name), look);
            if (seen == previous) {
                lines << QString("-- %1: as %2").arg(lookName, previousLook);
                continue;
            }
            lines << "-- " + lookName << seen;
            previous = seen;
            previousLook = lookName;
        }
        m_baseline.check(name, lines);
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
