// What the gradient look paints for button panels, check boxes and
// navigation steps.
#include <QApplication>
#include <QtTest>

#include <GradientStyle.h>
#include <QNavigationButton.h>
#include <QStyledComboBox.h>
#include <QStyledPushButton.h>

#include "GradientTestSupport.h"
#include "TestSupport.h"

using GradientTest::color;
using GradientTest::ofKind;
using VeltrixTest::stopsToString;

namespace {

constexpr QPainter::RenderHints SmoothHints =
    QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;

bool hasPoint(const QPainterPath &path, const QPointF &point)
{
    for (int i = 0; i < path.elementCount(); ++i) {
        if (QPointF(path.elementAt(i)) == point)
            return true;
    }
    return false;
}

} // namespace

class TestGradientPrimitives : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_style.reset(new GradientStyle); }

    void init() { m_style->setStyleOptions(QFlags<CommonStyle::StyleOption>(19)); }

    void buttonPanel_data()
    {
        QTest::addColumn<QString>("widget"); // styled, combo, plain or none
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("stops");
        QTest::addColumn<QString>("pen");

        const int normal = QStyle::State_Enabled | QStyle::State_Raised;
        const int hover = normal | QStyle::State_MouseOver;
        const int pressed = QStyle::State_Enabled | QStyle::State_Sunken | QStyle::State_MouseOver;
        const int disabled = QStyle::State_MouseOver | QStyle::State_Sunken;
        const struct
        {
            const char *name;
            int type;
            const char *stops[4]; // normal, hover, pressed, disabled
            const char *pen;
        } table[] = {
            { "default", StyleHelper::DEFAULT, { "WHITE>LIGHTGRAY", "LIGHTGRAY>MIDGRAY_2", "MIDGRAY_2>LIGHTGRAY", "WHITE>LIGHTGRAY" }, "MIDGRAY_1" },
            { "light gray", StyleHelper::GRADIENT_LIGHTGRAY, { "WHITE>LIGHTGRAY", "LIGHTGRAY>MIDGRAY_2", "MIDGRAY_2>LIGHTGRAY", "WHITE>LIGHTGRAY" }, "MIDGRAY_1" },
            { "medium gray", StyleHelper::GRADIENT_MEDIUMGRAY, { "LIGHTGRAY>MIDGRAY_2", "MIDGRAY_2>MIDGRAY_1", "MIDGRAY_1>MIDGRAY_2", "LIGHTGRAY>MIDGRAY_2" }, "DARKGRAY_1" },
            { "dark gray", StyleHelper::GRADIENT_DARKGRAY, { "MIDGRAY_1>DARKGRAY_2", "MIDGRAY_1>DARKGRAY_2", "DARKGRAY_2>MIDGRAY_1", "MIDGRAY_1>DARKGRAY_2" }, "DARKGRAY_2" },
            { "black", StyleHelper::GRADIENT_BLACK, { "DARKGRAY_2>BLACK", "DARKGRAY_2>BLACK", "BLACK>DARKGRAY_2", "DARKGRAY_2>BLACK" }, "BLACK" },
            { "blue", StyleHelper::GRADIENT_BLUE, { "MIDBLUE_2>DARKBLUE", "MIDBLUE_1>BLUE_HOVER", "BLUE_HOVER>MIDBLUE_1", "MIDBLUE_2>DARKBLUE" }, "BLUE_HOVER" },
            { "unknown", 42, { "WHITE>LIGHTGRAY", "LIGHTGRAY>MIDGRAY_2", "MIDGRAY_2>LIGHTGRAY", "WHITE>LIGHTGRAY" }, "MIDGRAY_1" },
        };
        const int states[] = { normal, hover, pressed, disabled };
        const char *rows[] = { "normal", "hover", "pressed", "disabled" };
        for (const auto &line : table) {
            for (int row = 0; row < 4; ++row)
                QTest::addRow("%s, %s", line.name, rows[row])
                    << "styled" << line.type << states[row] << line.stops[row] << line.pen;
        }
        QTest::newRow("blue, checked") << "styled" << int(StyleHelper::GRADIENT_BLUE)
                                       << int(QStyle::State_Enabled | QStyle::State_On) << "BLUE_HOVER>MIDBLUE_1"
                                       << "BLUE_HOVER";
        QTest::newRow("combo, medium gray, hover") << "combo" << int(StyleHelper::GRADIENT_MEDIUMGRAY) << hover
                                                   << "MIDGRAY_2>MIDGRAY_1" << "DARKGRAY_1";
        QTest::newRow("plain button") << "plain" << 0 << normal << "WHITE>LIGHTGRAY" << "MIDGRAY_1";
        QTest::newRow("no widget, pressed") << "none" << 0 << pressed << "MIDGRAY_2>LIGHTGRAY" << "MIDGRAY_1";
    }

    void buttonPanel()
    {
        QFETCH(QString, widget);
        QFETCH(int, type);
        QFETCH(int, state);
        QFETCH(QString, stops);
        QFETCH(QString, pen);
        QStyledPushButton styled;
        styled.setButtonType(StyleHelper::ButtonType(type));
        QStyledComboBox combo;
        combo.setButtonType(StyleHelper::ButtonType(type));
        QPushButton plain;
        const QWidget *w = widget == QLatin1String("styled") ? static_cast<QWidget *>(&styled)
            : widget == QLatin1String("combo")               ? static_cast<QWidget *>(&combo)
            : widget == QLatin1String("plain")               ? &plain
                                                             : nullptr;
        QStyleOptionButton option;
        option.rect = QRect(20, 10, 120, 30);
        option.state = QStyle::State(state);

        const auto records = GradientTest::draw(m_style.data(), QStyle::PE_PanelButtonCommand, option, w);
        QCOMPARE(records.size(), 1);
        const PaintRecord &panel = records.first();
        QCOMPARE(panel.kind, PaintRecord::Path);
        QCOMPARE(stopsToString(panel.gradientStops()), GradientTest::stops(stops));
        // The gradient runs over the height from the painter's origin.
        QCOMPARE(panel.gradientLine(), QLineF(0, 0, 0, 30));
        QCOMPARE(panel.penColor(), color(pen));
        QCOMPARE(panel.pen.widthF(), 1.0);
        QCOMPARE(panel.renderHints & SmoothHints, SmoothHints);
    }

    void designs_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<QString>("rounded"); // rounded corners: tl, tr, br, bl
        QTest::newRow("default") << int(StyleHelper::BD_DEFAULT) << "tl tr br bl";
        QTest::newRow("left") << int(StyleHelper::BD_GROUPBOX_SELECTION_LEFT) << "bl";
        QTest::newRow("mid") << int(StyleHelper::BD_GROUPBOX_SELECTION_MID) << "";
        QTest::newRow("right") << int(StyleHelper::BD_GROUPBOX_SELECTION_RIGHT) << "br";
        QTest::newRow("top all") << int(StyleHelper::BD_GROUPBOX_SELECTION_TOP_ALL) << "tl tr";
        QTest::newRow("unknown") << 42 << "tl tr br bl";
    }

    void designs()
    {
        QFETCH(int, design);
        QFETCH(QString, rounded);
        QStyledPushButton button;
        button.setButtonDesign(StyleHelper::ButtonDesign(design));
        QStyleOptionButton option;
        option.rect = QRect(20, 10, 100, 40);
        option.state = QStyle::State_Enabled;

        for (bool outline : { true, false }) {
            m_style->setStyleOptions(outline ? QFlags<CommonStyle::StyleOption>(19) : CommonStyle::CS_TWO_DIGIT_NUMBERS);
            const auto paths = ofKind(
                GradientTest::draw(m_style.data(), QStyle::PE_PanelButtonCommand, option, &button),
                PaintRecord::Path);
            QCOMPARE(paths.size(), 1);
            const QPainterPath path = paths.first().path;
            QCOMPARE(path.boundingRect(), QRectF(20, 10, 100, 40));
            // Without the outline flag the shape is only filled.
            QCOMPARE(paths.first().pen.style(), outline ? Qt::SolidLine : Qt::NoPen);
            QCOMPARE(paths.first().brush.style(), Qt::LinearGradientPattern);

            const struct
            {
                const char *name;
                QPointF corner;
                QPointF horizontal; // where a rounded corner's arc meets the edges
                QPointF vertical;
            } corners[] = {
                { "tl", { 20, 10 }, { 25, 10 }, { 20, 15 } },
                { "tr", { 120, 10 }, { 115, 10 }, { 120, 15 } },
                { "br", { 120, 50 }, { 115, 50 }, { 120, 45 } },
                { "bl", { 20, 50 }, { 25, 50 }, { 20, 45 } },
            };
            for (const auto &c : corners) {
                const bool round = rounded.split(QLatin1Char(' ')).contains(QLatin1String(c.name));
                QVERIFY2(hasPoint(path, c.corner) != round, c.name);
                if (round)
                    QVERIFY2(hasPoint(path, c.horizontal) && hasPoint(path, c.vertical), c.name);
            }
        }
    }

    void panelWithOtherOption()
    {
        // Another option class: a DEFAULT button with rounded corners,
        // whatever the widget says.
        QStyledPushButton button;
        button.setButtonType(StyleHelper::GRADIENT_BLUE);
        button.setButtonDesign(StyleHelper::BD_GROUPBOX_SELECTION_MID);
        QStyleOption option;
        option.rect = QRect(0, 0, 80, 24);
        option.state = QStyle::State_Enabled | QStyle::State_Sunken;
        const auto records = GradientTest::draw(m_style.data(), QStyle::PE_PanelButtonCommand, option, &button);
        QCOMPARE(records.size(), 1);
        QCOMPARE(stopsToString(records.first().gradientStops()), GradientTest::stops("WHITE>LIGHTGRAY"));
        QCOMPARE(records.first().penColor(), color("MIDGRAY_1"));
        QVERIFY(!hasPoint(records.first().path, QPointF(0, 0)));
    }

    void checkBox_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("stops");
        QTest::addColumn<bool>("tick");
        const int on = QStyle::State_Enabled | QStyle::State_On;
        QTest::newRow("unchecked") << int(QStyle::State_Enabled | QStyle::State_Off) << "WHITE>LIGHTGRAY" << false;
        QTest::newRow("checked") << on << "WHITE>LIGHTGRAY" << true;
        QTest::newRow("partly checked") << int(QStyle::State_Enabled | QStyle::State_NoChange) << "WHITE>LIGHTGRAY" << false;
        QTest::newRow("pressed, unchecked") << int(QStyle::State_Enabled | QStyle::State_Sunken) << "MIDGRAY_2>LIGHTGRAY" << true;
        QTest::newRow("disabled, checked") << int(QStyle::State_On) << "WHITE>LIGHTGRAY" << true;
    }

    void checkBox()
    {
        QFETCH(int, state);
        QFETCH(QString, stops);
        QFETCH(bool, tick);
        // The outline flag concerns button panels only.
        m_style->setStyleOptions(CommonStyle::CS_TWO_DIGIT_NUMBERS);
        QStyleOptionButton option;
        option.rect = QRect(30, 20, 18, 18);
        option.state = QStyle::State(state);
        const auto records = GradientTest::draw(m_style.data(), QStyle::PE_IndicatorCheckBox, option, nullptr);
        QCOMPARE(records.size(), tick ? 2 : 1);
        const PaintRecord &box = records.first();
        QCOMPARE(box.kind, PaintRecord::Path);
        QCOMPARE(box.mappedPath().boundingRect(), QRectF(30.5, 20.5, 17, 17));
        QCOMPARE(box.penColor(), color("MIDGRAY_1"));
        QCOMPARE(stopsToString(box.gradientStops()), GradientTest::stops(stops));
        QCOMPARE(box.gradientLine(), QLineF(0, 0, 0, 17));
        if (!tick)
            return;
        const PaintRecord &mark = records.at(1);
        QCOMPARE(mark.penColor(), color("DARKGRAY_2"));
        QCOMPARE(mark.pen.widthF(), 3.0);
        const QPainterPath path = mark.mappedPath();
        QCOMPARE(path.elementCount(), 3);
        QCOMPARE(QPointF(path.elementAt(0)), QPointF(30.5 + 17 / 4, 20.5 + 8.5));
        QCOMPARE(QPointF(path.elementAt(1)), QPointF(30.5 + 17 * 0.4, 20.5 + 17 * 0.7));
        QCOMPARE(QPointF(path.elementAt(2)), QPointF(30.5 + 17 * 0.8, 20.5 + 17 * 0.3));
    }

    void navigationPanel_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("twoDigits");
        QTest::addColumn<QString>("neighbours"); // predecessor, successor: on, off (disabled), hidden, none
        QTest::addColumn<QString>("number");     // empty: no circle and no number
        QTest::addColumn<QString>("lines");      // connectors drawn: upper, lower

        QTest::newRow("first, checked") << 0 << true << true << true << "none on" << "01" << "lower";
        QTest::newRow("first, one digit") << 0 << true << true << false << "none on" << "1" << "lower";
        QTest::newRow("twelfth") << 11 << true << false << true << "on on" << "12" << "upper lower";
        QTest::newRow("hundredth, two digits") << 99 << true << false << true << "on none" << "100" << "upper";
        QTest::newRow("hundredth, one digit") << 99 << true << false << false << "on none" << "100" << "upper";
        QTest::newRow("hidden neighbours") << 4 << true << false << true << "hidden hidden" << "05" << "lower";
        QTest::newRow("disabled neighbours") << 4 << true << false << true << "off off" << "05" << "";
        QTest::newRow("disabled") << 2 << false << false << true << "on on" << "03" << "";
        QTest::newRow("disabled, checked") << 2 << false << true << true << "on on" << "03" << "";
        QTest::newRow("no id") << -1 << true << true << true << "on on" << "" << "";
    }

    void navigationPanel()
    {
        QFETCH(int, id);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(bool, twoDigits);
        QFETCH(QString, neighbours);
        QFETCH(QString, number);
        QFETCH(QString, lines);
        m_style->setStyleOptions(twoDigits ? CommonStyle::CS_TWO_DIGIT_NUMBERS : CommonStyle::CS_MENUBAR_ICONS);

        QWidget window;
        auto *button = new QNavigationButton(id, QStringLiteral("Step"), &window);
        const QStringList links = neighbours.split(QLatin1Char(' '));
        for (int i = 0; i < 2; ++i) {
            if (links.at(i) == QLatin1String("none"))
                continue;
            auto *other = new QNavigationButton(i, &window);
            other->setEnabled(links.at(i) != QLatin1String("off"));
            other->setVisible(links.at(i) != QLatin1String("hidden"));
            i == 0 ? button->setPredecessor(other) : button->setSuccessor(other);
        }
        window.show();

        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = QRect(0, 40, 200, 44);
        option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
        if (checked)
            option.state |= QStyle::State_On;
        const auto records = GradientTest::draw(m_style.data(), QStyle::PE_PanelButtonCommand, option, button);

        // Marker: light copy one pixel left, then the darker line.
        const auto markers = ofKind(records, PaintRecord::Polygon);
        QCOMPARE(markers.size(), 2);
        QCOMPARE(markers.at(0).penColor(), color("LIGHTGRAY"));
        QCOMPARE(markers.at(0).transform.dx(), -1.0);
        QCOMPARE(markers.at(1).penColor(), color("MIDGRAY_2"));
        QCOMPARE(markers.at(1).transform.dx(), 0.0);
        const QPolygonF arrow(QVector<QPointF>{ QPointF(190, 40), QPointF(200, 62), QPointF(190, 84) });
        const QPolygonF separator(QVector<QPointF>{ QPointF(190, 40), QPointF(190, 84) });
        QCOMPARE(markers.at(1).polygon, enabled && checked ? arrow : separator);
        QVERIFY(markers.at(1).polyline);

        const int s = qMin(44, int(option.fontMetrics.height() * 1.25));
        const QRectF circle(8, (44 - s) / 2, s, s);
        const int cx = 8 + s / 2;
        const int cy = (44 - s) / 2 + s / 2;
        const auto ellipses = ofKind(records, PaintRecord::Ellipse);
        QCOMPARE(ellipses.size(), enabled && id >= 0 ? 1 : 0);
        if (!ellipses.isEmpty()) {
            QCOMPARE(ellipses.first().rect, circle);
            QCOMPARE(ellipses.first().brushColor(), color(checked ? "DARKBLUE" : "LIGHTBLUE"));
            QCOMPARE(ellipses.first().pen.width(), int(s * 0.2));
        }

        QStringList drawnLines;
        for (const PaintRecord &record : ofKind(records, PaintRecord::Lines)) {
            const QLineF line = record.lines.first();
            QCOMPARE(record.penColor(), color("LIGHTBLUE"));
            if (line == QLineF(cx, 40, cx, cy))
                drawnLines << QStringLiteral("upper");
            else if (line == QLineF(cx, cy, cx, 84))
                drawnLines << QStringLiteral("lower");
            else
                QFAIL(qPrintable(QStringLiteral("unexpected connector %1,%2 %3,%4").arg(line.x1()).arg(line.y1()).arg(line.x2()).arg(line.y2())));
        }
        QCOMPARE(drawnLines.join(QLatin1Char(' ')), lines);

        const auto texts = ofKind(records, PaintRecord::Text);
        QCOMPARE(texts.size(), number.isEmpty() ? 0 : 1);
        if (number.isEmpty())
            return;
        const PaintRecord &text = texts.first();
        QCOMPARE(text.text, number);
        QCOMPARE(text.penColor(), color(!enabled ? "MIDGRAY_2" : checked ? "WHITE" : "DARKBLUE"));
        // Centred in the circle (one pixel less at the bottom), within rounding.
        const QFontMetricsF metrics(text.font);
        const qreal textCentreX = text.position.x() + metrics.horizontalAdvance(number) / 2;
        const qreal textCentreY = text.position.y() - metrics.ascent() + metrics.height() / 2;
        QVERIFY2(qAbs(textCentreX - circle.center().x()) <= 1, qPrintable(QString::number(textCentreX)));
        QVERIFY2(qAbs(textCentreY - (circle.top() + (s - 1) / 2.0)) <= 1, qPrintable(QString::number(textCentreY)));
    }

    void navigationPanelWithOtherOption()
    {
        QNavigationButton button(0, QStringLiteral("Step"));
        button.setEnabled(true);
        QStyleOption option;
        option.initFrom(&button);
        option.rect = QRect(0, 0, 200, 40);
        QVERIFY(GradientTest::draw(m_style.data(), QStyle::PE_PanelButtonCommand, option, &button).isEmpty());
    }

private:
    QScopedPointer<GradientStyle> m_style;
};

QTEST_MAIN(TestGradientPrimitives)
#include "tst_gradientstyle_primitives.moc"
