// What the gradient look sets up, polishes and draws, recorded call by call.
#include <QtTest>
#include <QtWidgets>

#include <GradientStyle.h>
#include <QFrameHeaderLabel.h>
#include <QNavigationButton.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include "RecordingPaintDevice.h"

namespace {

using S = QStyle;
using R = PaintRecord;
using Records = QVector<PaintRecord>;
constexpr QPainter::RenderHints Smooth =
    QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;

// The library's colour file, written down apart from its own lookup: W white, K black, LG light gray,
// M1/M2 mid grays, D1/D2 dark grays, DB dark blue, B1/B2 mid blues, LB light blue, BH blue hover.
const QHash<QString, QColor> Colours = { { "D1", "#808285" }, { "M1", "#A5A6A7" }, { "M2", "#C3C3C4" },
    { "LG", "#E1E1E2" }, { "DB", "#003B6A" }, { "B1", "#215F8B" }, { "B2", "#628CB2" }, { "LB", "#A2BAD2" },
    { "BH", "#00142A" }, { "D2", "#404245" }, { "W", "#FFFFFF" }, { "K", "#000000" } };

// The key of a drawn colour ("#rrggbb" for one outside the file), and of a two-stop gradient as "TOP>BOTTOM".
QString key(const QColor &colour) { return Colours.key(colour, colour.name()); }
QString key(const QGradientStops &s)
{
    return s.size() == 2 && s[0].first == 0 && s[1].first == 1 ? key(s[0].second) + '>' + key(s[1].second) : "?";
}

// Paints one element through `style` with the smooth hints off beforehand and returns what reached the
// device (all records, or those of one kind).
template <typename Element>
Records draw(const QStyle *style, Element e, const QStyleOption &option, const QWidget *w, int kind = -1)
{
    RecordingPaintDevice device;
    QPainter painter(&device);
    painter.setRenderHints(Smooth, false);
    painter.setLayoutDirection(option.direction);
    if constexpr (std::is_same_v<Element, S::PrimitiveElement>)
        style->drawPrimitive(e, &option, &painter, w);
    else
        style->drawControl(e, &option, &painter, w);
    // The look switches the hints on for every element and leaves them on; otherwise nothing counts as drawn.
    if ((painter.renderHints() & Smooth) != Smooth)
        return {};
    return kind < 0 ? device.records() : device.records(R::Kind(kind));
}

// Declares the columns of a data table, in the order of the types.
template <typename... T>
void columns(std::initializer_list<const char *> names)
{
    auto name = names.begin();
    (QTest::addColumn<T>(*name++), ...);
}

// A style stacked on top of the look: records which primitives reach it through the look's proxy().
struct StackedStyle : QProxyStyle
{
    using QProxyStyle::QProxyStyle;
    mutable QStringList calls;
    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
    {
        calls << QMetaEnum::fromType<PrimitiveElement>().valueToKey(e)
                + QString((o->state & State_HasFocus) ? " focus" : "") + ((o->state & State_Raised) ? " raised" : "");
        QProxyStyle::drawPrimitive(e, o, p, w);
    }
};

} // namespace

class TestGradientStyle : public QObject
{
    Q_OBJECT

    GradientStyle m_style;

private slots:
    void init() { m_style.setStyleOptions(CommonStyle::StyleOptions(19)); }

    void palette()
    {
        QPalette palette(Qt::darkMagenta, Qt::yellow), expected = palette;
        expected.setBrush(QPalette::Text, Colours["K"]), expected.setBrush(QPalette::Window, Colours["W"]);
        m_style.polish(palette);
        QCOMPARE(palette, expected);
        m_style.polish(static_cast<QWidget *>(nullptr)), m_style.unpolish(static_cast<QWidget *>(nullptr));
    }

    // widget: the one polished, with a combo box's button type; part: a child by name or slide position, the
    // menu bar, or the widget itself; colour: of the role in every group, empty for the widget's own;
    // font: point size and weight, empty for the application font.
    void polish_data()
    {
        columns<QString, int, QString, QPalette::ColorRole, QString, QString>(
            { "widget", "type", "part", "role", "colour", "font" });
        const auto text = QPalette::WindowText, button = QPalette::ButtonText, high = QPalette::HighlightedText;
        QTest::newRow("header name") << "header" << 0 << "appNameLabel" << text << "K" << "16";
        QTest::newRow("header menu text") << "header" << 0 << "menu" << button << "W" << "";
        QTest::newRow("header menu highlight") << "header" << 0 << "menu" << high << "K" << "";
        QTest::newRow("slide title") << "slide" << 0 << "0" << text << "DB" << "16 demibold";
        QTest::newRow("slide subtitle") << "slide" << 0 << "1" << text << "" << "10";
        QTest::newRow("frame heading") << "heading" << 0 << "" << text << "DB" << "20 demibold";
        QTest::newRow("push button, untouched") << "button" << 0 << "" << text << "" << "";
        QTest::newRow("combo, default") << "combo" << 0 << "" << button << "" << "";
        QTest::newRow("combo, medium gray") << "combo" << 2 << "" << button << "K" << "";
        QTest::newRow("combo, blue") << "combo" << 5 << "" << button << "W" << "";
    }

    void polish()
    {
        QFETCH(QString, widget); QFETCH(int, type); QFETCH(QString, part); QFETCH(QPalette::ColorRole, role);
        QFETCH(QString, colour); QFETCH(QString, font);
        const std::unique_ptr<QWidget> target(widget == "header" ? new QStyledHeader
            : widget == "slide" ? new QSlideMaster : widget == "combo" ? new QStyledComboBox
            : widget == "heading" ? new QFrameHeaderLabel : static_cast<QWidget *>(new QStyledPushButton));
        if (auto *combo = qobject_cast<QStyledComboBox *>(target.get()))
            combo->setButtonType(StyleHelper::ButtonType(type));
        QWidget *shown = part.isEmpty() ? target.get() : part == "menu" ? target->findChild<QStyledMenuBar *>()
            : part.size() == 1 ? target->layout()->itemAt(part.toInt())->widget() : target->findChild<QWidget *>(part);
        QPalette own = shown->palette();
        own.setColor(role, Qt::magenta);
        shown->setPalette(own);

        m_style.polish(target.get());
        m_style.unpolish(target.get()); // what polish set stays
        for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            QCOMPARE(key(shown->palette().color(group, role)), colour.isEmpty() ? "#ff00ff" : colour);
        const QFont f = shown->font(), app = QApplication::font();
        const QString weight = f.weight() == QFont::DemiBold ? " demibold" : f.weight() == app.weight() ? "" : " other";
        QCOMPARE(QString::number(f.pointSize()) + weight, font.isEmpty() ? QString::number(app.pointSize()) : font);
    }

    // The option's rectangle is (10, 20, 150, 26) in every row.
    void comboSubControls_data()
    {
        columns<bool, bool, QRect, QRect>({ "frame", "rtl", "edit", "arrow" });
        QTest::newRow("frame") << true << false << QRect(13, 23, 128, 20) << QRect(142, 20, 18, 26);
        QTest::newRow("frame, rtl") << true << true << QRect(29, 23, 128, 20) << QRect(10, 20, 18, 26);
        QTest::newRow("frameless") << false << false << QRect(10, 20, 134, 26) << QRect(144, 20, 16, 26);
        QTest::newRow("frameless, rtl") << false << true << QRect(26, 20, 134, 26) << QRect(10, 20, 16, 26);
    }

    void comboSubControls()
    {
        QFETCH(bool, frame); QFETCH(bool, rtl); QFETCH(QRect, edit); QFETCH(QRect, arrow);
        QStyleOptionComboBox option;
        option.rect = QRect(10, 20, 150, 26);
        std::tie(option.frame, option.direction) = std::make_tuple(frame, rtl ? Qt::RightToLeft : Qt::LeftToRight);
        QVector<QRect> rects;
        for (auto c : { S::SC_ComboBoxFrame, S::SC_ComboBoxListBoxPopup, S::SC_ComboBoxEditField, S::SC_ComboBoxArrow })
            rects << m_style.subControlRect(S::CC_ComboBox, &option, c);
        QCOMPARE(rects, (QVector<QRect>{ option.rect, option.rect, edit, arrow }));
    }

    // The button panel and label by widget (styled, combo, plain, none, or "option": a plain QStyleOption),
    // button type, design and state. look: the panel's stops, its pen ("none": filled only, with the outline
    // flag off), the label's colour ("-": none), then 1 for each round corner of tl, tr, br, bl.
    void buttons_data()
    {
        columns<QString, int, int, int, QString>({ "widget", "type", "design", "state", "look" });
        const int normal = S::State_Enabled | S::State_Raised, hover = normal | S::State_MouseOver;
        const int pressed = S::State_Enabled | S::State_Sunken, disabled = S::State_MouseOver | S::State_Sunken;
        const int states[] = { normal, hover, pressed, disabled };
        const char *rows[] = { "normal", "hover", "pressed", "disabled" };
        // Per type: the stops and the label colour in the four rows above, and the pen.
        const struct { const char *name; int type; const char *stops, *pen, *text; } table[] = {
            { "light gray", 1, "W>LG LG>M2 M2>LG W>LG", "M1", "K D2 K M2" },
            { "medium gray", 2, "LG>M2 M2>M1 M1>M2 LG>M2", "D1", "K D2 K M2" },
            { "dark gray", 3, "M1>D2 M1>D2 D2>M1 M1>D2", "D2", "W M2 W M1" },
            { "black", 4, "D2>K D2>K K>D2 D2>K", "K", "W D1 M1 D2" },
            { "blue", 5, "B2>DB B1>BH BH>B1 B2>DB", "BH", "W M2 W DB" },
            { "unknown", 42, "W>LG LG>M2 M2>LG W>LG", "M1", "K D2 K M2" },
        };
        for (const auto &t : table)
            for (int i = 0; i < 4; ++i)
                QTest::addRow("%s, %s", t.name, rows[i]) << "styled" << t.type << 0 << states[i]
                    << QString(t.stops).split(' ')[i] + ' ' + t.pen + ' ' + QString(t.text).split(' ')[i] + " 1111";
        const int checked = S::State_Enabled | S::State_On;
        QTest::newRow("black, checked") << "styled" << 4 << 0 << checked << "K>D2 K M1 1111";
        QTest::newRow("combo, medium gray") << "combo" << 2 << 0 << hover << "M2>M1 D1 D2 1111";
        QTest::newRow("plain button") << "plain" << 0 << 0 << hover << "LG>M2 M1 D2 1111";
        QTest::newRow("no widget") << "none" << 0 << 0 << disabled << "W>LG M1 M2 1111";
        QTest::newRow("left design") << "styled" << 0 << 1 << normal << "W>LG M1 K 0001";
        QTest::newRow("mid design") << "styled" << 0 << 2 << normal << "W>LG M1 K 0000";
        QTest::newRow("right design") << "styled" << 0 << 3 << normal << "W>LG M1 K 0010";
        QTest::newRow("top design, combo") << "combo" << 0 << 4 << normal << "W>LG M1 K 1100";
        QTest::newRow("unknown design") << "styled" << 0 << 42 << normal << "W>LG M1 K 1111";
        QTest::newRow("top design, no outline") << "styled" << 0 << 4 << normal << "W>LG none K 1100";
        QTest::newRow("other option") << "option" << 5 << 2 << pressed << "W>LG M1 - 1111";
    }

    void buttons()
    {
        QFETCH(QString, widget); QFETCH(int, type); QFETCH(int, design); QFETCH(int, state); QFETCH(QString, look);
        QStyledPushButton styled;
        QStyledComboBox combo;
        QPushButton plain;
        styled.setButtonType(StyleHelper::ButtonType(type)), styled.setButtonDesign(StyleHelper::ButtonDesign(design));
        combo.setButtonType(StyleHelper::ButtonType(type)), combo.setButtonDesign(StyleHelper::ButtonDesign(design));
        const QWidget *w = widget == "combo" ? static_cast<QWidget *>(&combo) : widget == "plain" ? &plain
            : widget == "none" ? nullptr : &styled;
        QStyleOptionButton button;
        button.rect = QRect(20, 10, 100, 40);
        button.state = S::State(state);
        button.text = "Apply";
        const QStyleOption other(button), &option = widget == "option" ? other : button;

        const Records label = draw(&m_style, S::CE_PushButtonLabel, option, w, R::Text);
        if (look.contains(" none "))
            m_style.setStyleOptions({}); // without the outline flag the shape is only filled
        const Records panel = draw(&m_style, S::PE_PanelButtonCommand, option, w);
        QCOMPARE(panel.size(), 1);
        const PaintRecord &r = panel.first();
        QCOMPARE(r.gradientLine(), QLineF(0, 0, 0, 40)); // the gradient runs from the painter's origin
        QCOMPARE(r.path.boundingRect(), QRectF(button.rect));
        QString seen = key(r.gradientStops()) + ' ' + (r.pen.style() ? key(r.penColor()) : "none") + ' '
            + (label.isEmpty() ? "-" : key(label.first().penColor())) + ' ';
        // A corner rounded with radius 5 leaves out the point half a pixel in and keeps the one 1.5 pixels in.
        const QPointF corners[] = { { 20, 10 }, { 120, 10 }, { 120, 50 }, { 20, 50 } };
        const QPointF in[] = { { 1, 1 }, { -1, 1 }, { -1, -1 }, { 1, -1 } };
        for (int i = 0; i < 4; ++i)
            seen += !r.path.contains(corners[i] + 0.5 * in[i]) && r.path.contains(corners[i] + 1.5 * in[i]) ? '1' : '0';
        QCOMPARE(seen, look);
    }

    // What a step panel draws, in order: the marker 9 pixels inside the right edge (a light copy one pixel to the
    // left, then the line), the connectors from the option's top to its bottom, then the circle and the number,
    // both in painter coordinates. links: predecessor and successor, each on, off (disabled), hidden or none.
    void navigation_data()
    {
        columns<int, int, bool, QString, QString>({ "id", "state", "twoDigits", "links", "drawn" });
        const int on = S::State_Enabled | S::State_On, en = S::State_Enabled;
        const QString arrow = "LG-1 arrow, M2 arrow, ", line = "LG-1 line, M2 line, ";
        QTest::newRow("first") << 0 << on << true << "none on" << arrow + "LB lower, DB circle, W 01";
        QTest::newRow("first, one digit") << 0 << on << false << "none on" << arrow + "LB lower, DB circle, W 1";
        QTest::newRow("twelfth") << 11 << en << true << "on on" << line + "LB upper, LB lower, LB circle, DB 12";
        QTest::newRow("hundredth, one digit") << 99 << en << false << "on none" << line + "LB upper, LB circle, DB 100";
        QTest::newRow("hidden neighbours") << 4 << en << true << "hidden hidden" << line + "LB lower, LB circle, DB 05";
        QTest::newRow("disabled neighbours") << 4 << en << true << "off off" << line + "LB circle, DB 05";
        QTest::newRow("disabled, checked") << 2 << int(S::State_On) << true << "on on" << line + "M2 03";
        QTest::newRow("no id") << -1 << en << true << "on on" << line.chopped(2);
    }

    void navigation()
    {
        QFETCH(int, id); QFETCH(int, state); QFETCH(bool, twoDigits); QFETCH(QString, links); QFETCH(QString, drawn);
        m_style.setStyleOptions(twoDigits ? CommonStyle::CS_TWO_DIGIT_NUMBERS : CommonStyle::CS_BUTTON_OUTLINE);
        QWidget window;
        QNavigationButton button(id, "Step", &window), before(0, &window), after(1, &window);
        const QStringList link = links.split(' ');
        before.setEnabled(link.at(0) != "off"), after.setEnabled(link.at(1) != "off");
        before.setVisible(link.at(0) != "hidden"), after.setVisible(link.at(1) != "hidden");
        button.setPredecessor(link.at(0) == "none" ? nullptr : &before);
        button.setSuccessor(link.at(1) == "none" ? nullptr : &after);
        window.show();
        QStyleOptionButton option;
        option.initFrom(&button);
        option.rect = QRect(12, 40, 200, 44);
        option.state = S::State(state);

        const int s = qMin(44, int(option.fontMetrics.height() * 1.25)), cx = 8 + s / 2, cy = (44 - s) / 2 + s / 2;
        const QRectF circle(8, (44 - s) / 2, s, s);
        const QPolygonF arrow(QVector<QPointF>{ { 202, 40 }, { 212, 62 }, { 202, 84 } });
        const QPolygonF line(QVector<QPointF>{ { 202, 40 }, { 202, 84 } });
        const QLineF upper(cx, 40, cx, cy), lower(cx, cy, cx, 84);
        QStringList seen;
        for (const PaintRecord &r : draw(&m_style, S::PE_PanelButtonCommand, option, &button)) {
            // The number is centred in the circle, within rounding.
            const bool centred = qAbs(r.position.x() + QFontMetricsF(r.font).horizontalAdvance(r.text) / 2 - cx) <= 1;
            const QString shape = r.polygon == arrow ? "arrow" : r.polygon == line ? "line" : "?";
            const QString what = r.kind == R::Polygon && r.polyline ? shape
                : r.kind == R::Lines ? (r.lines.value(0) == upper ? "upper" : r.lines.value(0) == lower ? "lower" : "?")
                : r.kind == R::Ellipse ? (r.rect == circle && r.pen.width() == int(s * 0.2) ? "circle" : "?")
                : r.kind == R::Text && centred ? r.text : "?";
            const QString dx = r.transform.dx() ? QString::number(r.transform.dx()) : "";
            seen << key(r.kind == R::Ellipse ? r.brushColor() : r.penColor()) + dx + ' ' + what;
        }
        QCOMPARE(seen.join(", "), drawn);
        QVERIFY(draw(&m_style, S::PE_PanelButtonCommand, QStyleOption(option), &button).isEmpty());
    }

    void iconAndText_data()
    {
        columns<bool, QString>({ "leftAligned", "text" });
        QTest::newRow("centred") << false << "Save file";
        QTest::newRow("left aligned") << true << "Save file";
        QTest::newRow("icon only") << false << "";
    }

    void iconAndText()
    {
        QFETCH(bool, leftAligned); QFETCH(QString, text);
        const int margin = static_cast<const QStyle &>(m_style).pixelMetric(S::PM_ButtonMargin);
        QStyledPushButton button;
        button.setButtonOptions(QStyledPushButton::ButtonOptions(int(leftAligned)));
        QStyleOptionButton option;
        option.initFrom(&button);
        option.rect = QRect(10, 5, 220, 32);
        option.text = text;
        option.icon = QIcon(QPixmap(16, 16));
        option.iconSize = QSize(16, 16);
        const Records ltr = draw(&m_style, S::CE_PushButtonLabel, option, &button);
        option.direction = Qt::RightToLeft;
        const Records rtl = draw(&m_style, S::CE_PushButtonLabel, option, &button);
        QCOMPARE(ltr.size(), text.isEmpty() ? 1 : 2);
        const QRectF icon = ltr.first().mappedRect(), mirrored = rtl.first().mappedRect();
        QCOMPARE(icon, QRectF(leftAligned ? 10 + margin : text.isEmpty() ? 112 : icon.left(), 13, 16, 16));
        QCOMPARE(mirrored, QRectF(QStyle::visualRect(Qt::RightToLeft, option.rect, icon.toRect())));
        if (text.isEmpty())
            return;
        // Icon, 4 pixels and text form one block centred in the button, or a left-aligned icon leaves the text
        // centred in the room between it (plus 4) and the far margin; an odd pixel goes to the right. The text's
        // width is the one the label lays out.
        const int tw = button.fontMetrics().boundingRect(option.rect, Qt::AlignVCenter | Qt::TextShowMnemonic, text)
                           .width();
        const qreal left = ltr.last().mappedPosition().x();
        const qreal before = leftAligned ? left - icon.right() - 4 : icon.left() - 10;
        const qreal after = 230 - (leftAligned ? margin : 0) - left - tw;
        QVERIFY2(after - before == 0 || after - before == 1, qPrintable(QString::number(after - before)));
        // In right to left the text ends the same 4 + offset pixels before the icon.
        const qreal right = rtl.last().mappedPosition().x() + QFontMetricsF(rtl.last().font).horizontalAdvance(text);
        QCOMPARE(mirrored.left() - right, left - icon.right() - 1);
    }

    // A styled menu bar: fill: the gradient over an item or the empty area; text: the label's colour, empty for
    // the palette's own, "-" for no text. A plain menu bar is the base style's, without a gradient.
    void menus_data()
    {
        columns<int, int, QString, QString>({ "element", "state", "fill", "text" });
        const int on = S::State_Enabled, sel = on | S::State_Selected, item = S::CE_MenuBarItem;
        QTest::newRow("selected") << item << sel << "B2>DB" << "";
        QTest::newRow("pressed") << item << int(sel | S::State_Sunken | S::State_HasFocus) << "LG>W" << "K";
        QTest::newRow("focused") << item << int(sel | S::State_HasFocus) << "B1>BH" << "M2";
        QTest::newRow("disabled") << item << int(S::State_Selected | S::State_Sunken) << "B2>DB" << "DB";
        QTest::newRow("empty area") << int(S::CE_MenuBarEmptyArea) << on << "B2>DB" << "-";
    }

    void menus()
    {
        QFETCH(int, element); QFETCH(int, state); QFETCH(QString, fill); QFETCH(QString, text);
        QStyledMenuBar bar;
        QMenuBar plain;
        QStyleOptionMenuItem option;
        option.rect = QRect(50, 0, 80, 30);
        option.state = S::State(state);
        option.text = "View";
        option.palette.setColor(QPalette::ButtonText, Qt::magenta);
        const auto drawn = [&](int kind) { return draw(&m_style, S::ControlElement(element), option, &bar, kind); };
        const Records records = drawn(-1), texts = drawn(R::Text), lines = drawn(R::Lines);
        QCOMPARE(texts.isEmpty() ? "-" : key(texts.last().penColor()), text.isEmpty() ? "#ff00ff" : text);
        QVERIFY(draw(&m_style, S::ControlElement(element), option, &plain).value(0).gradientStops().isEmpty());
        QVERIFY(draw(&m_style, S::CE_MenuBarItem, QStyleOption(option), &bar).isEmpty());
        QCOMPARE(records.value(0).rects, QVector<QRectF>{ QRectF(option.rect) });
        QCOMPARE(key(records.value(0).gradientStops()), fill);
        QCOMPARE(records.value(0).gradientLine(), QLineF(0, 0, 0, 30));
        // A dark line and a light-blue gradient line on the item's right edge set it apart.
        QCOMPARE(lines.size(), element == S::CE_MenuBarItem ? 2 : 0);
        for (int i = 0; i < lines.size(); ++i) {
            const QString look = i ? key(lines.at(i).pen.brush().gradient()->stops()) : key(lines.at(i).penColor());
            QCOMPARE(lines.at(i).lines.first(), QLineF(129 + i, 0, 129 + i, 30));
            QCOMPARE(look, i ? "LB>B1" : "DB");
        }
    }
    // A check box: its gradient by state and the tick; frames redirected through the style on top.
    void checkBoxAndFrames_data()
    {
        columns<QString, int, QString>({ "what", "state", "expected" });
        const int focus = S::State_HasFocus;
        QTest::newRow("box off") << "box" << int(S::State_Enabled | S::State_Off) << "M1 W>LG";
        QTest::newRow("box on") << "box" << int(S::State_Enabled | S::State_On) << "M1 W>LG, D2 3 tick";
        QTest::newRow("box pressed") << "box" << int(S::State_Enabled | S::State_Sunken) << "M1 M2>LG, D2 3 tick";
        QTest::newRow("box partly") << "box" << int(S::State_Enabled | S::State_NoChange) << "M1 W>LG";
        QTest::newRow("frame option") << "frame" << focus << "PE_Frame focus, PE_FrameLineEdit";
        QTest::newRow("combo popup") << "popup" << focus << "PE_Frame focus, PE_PanelMenu focus raised";
        QTest::newRow("plain option") << "plain" << focus << "PE_Frame focus";
    }

    void checkBoxAndFrames()
    {
        QFETCH(QString, what); QFETCH(int, state); QFETCH(QString, expected);
        QStyleOptionFrame frame;
        QStyleOption plain;
        QStyleOption &option = what == "plain" ? plain : frame;
        option.rect = QRect(3, 4, 18, 18);
        option.state = S::State(state);
        QStringList drawn;
        if (what == "box") {
            // The box half a pixel in, its gradient over the painter's height; the tick from a quarter of the width
            // down to 0.7 and up to 0.8 x 0.3.
            const QRectF box(3.5, 4.5, 17, 17), tick(3 + 17 / 4 + 0.5, 4 + 17 * 0.3 + 0.5, 17 * 0.8 - 17 / 4, 17 * 0.4);
            for (const PaintRecord &r : draw(&m_style, S::PE_IndicatorCheckBox, option, nullptr, R::Path)) {
                const bool isTick = r.pen.width() == 3;
                drawn << key(r.penColor()) + ' ' + (isTick ? "3 tick" : key(r.gradientStops()))
                        + (r.mappedPath().boundingRect() == (isTick ? tick : box) ? "" : " misplaced");
            }
        } else {
            auto *stacked = new StackedStyle(new GradientStyle);
            QComboBox combo;
            combo.setStyle(stacked);
            draw(stacked, S::PE_Frame, option, what == "popup" ? combo.view()->parentWidget() : nullptr);
            drawn = stacked->calls;
            delete stacked;
        }
        QCOMPARE(drawn.join(", "), expected);
    }
    // Fusion caches a combo box's panel by state, size and palette: boxes of another type, or without their
    // arrow, must still not show the picture of one painted before them.
    void comboLooksKeptApart()
    {
        const auto picture = [this](int type, int items) {
            QStyledComboBox combo;
            combo.setStyle(&m_style);
            combo.setButtonType(StyleHelper::ButtonType(type));
            for (int i = 0; i < items; ++i)
                combo.addItem(QString());
            combo.resize(120, 26);
            return combo.grab().toImage();
        };
        const QImage grayFilled = picture(StyleHelper::DEFAULT, 1);
        QVERIFY(picture(StyleHelper::GRADIENT_DARKGRAY, 1) != grayFilled);
        QVERIFY(picture(StyleHelper::DEFAULT, 0) != grayFilled);
        QCOMPARE(picture(StyleHelper::DEFAULT, 1), grayFilled);
    }
};

QTEST_MAIN(TestGradientStyle)
#include "tst_gradientstyle.moc"
