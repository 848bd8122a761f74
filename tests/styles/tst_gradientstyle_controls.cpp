// What the gradient look paints for push-button and navigation labels, menu
// items and the styled menu bar.
#include <algorithm>

#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>
#include <QtTest>

#include <GradientStyle.h>
#include <QNavigationButton.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include "GradientTestSupport.h"
#include "TestSupport.h"

using GradientTest::color;
using GradientTest::ofKind;
using VeltrixTest::stopsToString;

namespace {

QIcon solidIcon(const QColor &fill)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(fill);
    return QIcon(pixmap);
}

} // namespace

class TestGradientControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_style.reset(new GradientStyle); }

    void labelColours_data()
    {
        QTest::addColumn<QString>("widget"); // styled, plain or none
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("colour");
        const int on = QStyle::State_Enabled;
        const int hover = on | QStyle::State_MouseOver;
        const int pressed = on | QStyle::State_Sunken;
        const int off = QStyle::State_MouseOver;
        const struct
        {
            const char *name;
            int type;
            const char *colours[4]; // disabled, hover, normal, pressed
        } table[] = {
            { "default", StyleHelper::DEFAULT, { "MIDGRAY_2", "DARKGRAY_2", "BLACK", "BLACK" } },
            { "light gray", StyleHelper::GRADIENT_LIGHTGRAY, { "MIDGRAY_2", "DARKGRAY_2", "BLACK", "BLACK" } },
            { "medium gray", StyleHelper::GRADIENT_MEDIUMGRAY, { "MIDGRAY_2", "DARKGRAY_2", "BLACK", "BLACK" } },
            { "dark gray", StyleHelper::GRADIENT_DARKGRAY, { "MIDGRAY_1", "MIDGRAY_2", "WHITE", "WHITE" } },
            { "black", StyleHelper::GRADIENT_BLACK, { "DARKGRAY_2", "DARKGRAY_1", "WHITE", "MIDGRAY_1" } },
            { "blue", StyleHelper::GRADIENT_BLUE, { "DARKBLUE", "MIDGRAY_2", "WHITE", "WHITE" } },
            { "unknown", -3, { "MIDGRAY_2", "DARKGRAY_2", "BLACK", "BLACK" } },
        };
        const int states[] = { off, hover, on, pressed };
        const char *rows[] = { "disabled", "hover", "normal", "pressed" };
        for (const auto &line : table) {
            for (int row = 0; row < 4; ++row)
                QTest::addRow("%s, %s", line.name, rows[row]) << "styled" << line.type << states[row] << line.colours[row];
        }
        QTest::newRow("black, checked") << "styled" << int(StyleHelper::GRADIENT_BLACK)
                                        << int(QStyle::State_Enabled | QStyle::State_On) << "MIDGRAY_1";
        QTest::newRow("black, pressed under the mouse") << "styled" << int(StyleHelper::GRADIENT_BLACK)
                                                        << (pressed | hover) << "DARKGRAY_1";
        QTest::newRow("plain button, hover") << "plain" << 0 << hover << "DARKGRAY_2";
        QTest::newRow("no widget, disabled") << "none" << 0 << off << "MIDGRAY_2";
    }

    void labelColours()
    {
        QFETCH(QString, widget);
        QFETCH(int, type);
        QFETCH(int, state);
        QFETCH(QString, colour);
        QStyledPushButton styled;
        styled.setButtonType(StyleHelper::ButtonType(type));
        QPushButton plain;
        const QWidget *w = widget == QLatin1String("styled") ? static_cast<QWidget *>(&styled)
            : widget == QLatin1String("plain")               ? &plain
                                                             : nullptr;
        QStyleOptionButton option;
        option.initFrom(&plain);
        option.rect = QRect(0, 0, 120, 30);
        option.state = QStyle::State(state);
        option.text = QStringLiteral("&Apply");
        const auto texts = ofKind(GradientTest::draw(m_style.data(), QStyle::CE_PushButtonLabel, option, w),
                                  PaintRecord::Text);
        // The mnemonic splits the text into runs; every run has the colour.
        QVERIFY(!texts.isEmpty());
        for (const PaintRecord &text : texts)
            QCOMPARE(text.penColor(), color(colour));
    }

    void iconAndText_data()
    {
        QTest::addColumn<bool>("leftAligned");
        QTest::addColumn<QString>("text");
        QTest::newRow("centred") << false << "Save file";
        QTest::newRow("left aligned") << true << "Save file";
        QTest::newRow("icon only") << false << "";
        QTest::newRow("icon only, left aligned") << true << "";
    }

    void iconAndText()
    {
        QFETCH(bool, leftAligned);
        QFETCH(QString, text);
        QStyledPushButton button;
        if (leftAligned)
            button.setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
        const QRect r(10, 5, 220, 32);
        const int margin = qstyle()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
        QRectF icon[2];
        qreal textLeft[2] = {};
        qreal textRight[2] = {};
        for (int rtl = 0; rtl < 2; ++rtl) {
            QStyleOptionButton option;
            option.initFrom(&button);
            option.rect = r;
            option.state = QStyle::State_Enabled;
            option.direction = rtl ? Qt::RightToLeft : Qt::LeftToRight;
            option.text = text;
            option.icon = solidIcon(Qt::red);
            option.iconSize = QSize(16, 16);
            const auto records = GradientTest::draw(qstyle(), QStyle::CE_PushButtonLabel, option, &button,
                                                           option.direction);
            const auto pixmaps = ofKind(records, PaintRecord::Pixmap);
            QCOMPARE(pixmaps.size(), 1);
            icon[rtl] = pixmaps.first().mappedRect();
            const auto texts = ofKind(records, PaintRecord::Text);
            QCOMPARE(texts.size(), text.isEmpty() ? 0 : 1);
            if (!texts.isEmpty()) {
                textLeft[rtl] = texts.first().mappedPosition().x();
                textRight[rtl] = textLeft[rtl] + QFontMetricsF(texts.first().font).horizontalAdvance(text);
            }
        }

        QCOMPARE(icon[0].size(), QSizeF(16, 16));
        QCOMPARE(icon[0].top(), qreal(5 + (32 - 16) / 2));
        // Right to left mirrors the icon within the button.
        QCOMPARE(icon[1], QRectF(QStyle::visualRect(Qt::RightToLeft, r, icon[0].toRect())));
        if (leftAligned)
            QCOMPARE(icon[0].left(), qreal(r.left() + margin));
        if (text.isEmpty()) {
            if (!leftAligned)
                QVERIFY(qAbs(icon[0].center().x() - QRectF(r).center().x()) <= 1);
            return;
        }

        const qreal gap = textLeft[0] - icon[0].right();
        if (leftAligned) {
            // Centred in the room between icon + 4 and the far margin
            // (measured and laid-out text widths may differ by a pixel).
            const qreal roomCentre = (icon[0].right() + 4 + r.right() + 1 - margin) / 2;
            QVERIFY2(qAbs((textLeft[0] + textRight[0]) / 2 - roomCentre) <= 1.5, qPrintable(QString::number(textLeft[0])));
        } else {
            // Icon, 4 pixels and text form one centred block.
            QCOMPARE(gap, 4.0);
            QVERIFY(qAbs((icon[0].left() - r.left()) - (r.right() + 1 - textRight[0])) <= 2);
        }
        // In right to left the text rectangle's last column lies the same
        // 4 + offset pixels before the icon.
        QCOMPARE(icon[1].left() - textRight[1], gap - 1);
    }

    void pressedAndMenu()
    {
        // The horizontal shift and the menu indicator come from a style
        // stacked on top; the vertical shift from the look itself.
        GradientTest::StackedStyle stacked(new GradientStyle);
        stacked.metrics.insert(QStyle::PM_ButtonShiftHorizontal, 7);
        stacked.metrics.insert(QStyle::PM_ButtonShiftVertical, 9);
        stacked.metrics.insert(QStyle::PM_MenuButtonIndicator, 40);
        const int vertical = qstyle()->pixelMetric(QStyle::PM_ButtonShiftVertical);
        QStyledPushButton button;
        QStyleOptionButton option;
        option.initFrom(&button);
        option.rect = QRect(0, 0, 200, 30);
        option.icon = solidIcon(Qt::blue);
        option.iconSize = QSize(16, 16);
        option.state = QStyle::State_Enabled;
        const QRectF rest = ofKind(GradientTest::draw(&stacked, QStyle::CE_PushButtonLabel, option, &button),
                                   PaintRecord::Pixmap).first().mappedRect();
        option.state |= QStyle::State_Sunken;
        const QRectF down = ofKind(GradientTest::draw(&stacked, QStyle::CE_PushButtonLabel, option, &button),
                                   PaintRecord::Pixmap).first().mappedRect();
        QCOMPARE(down.topLeft() - rest.topLeft(), QPointF(7, vertical));

        option = QStyleOptionButton();
        option.initFrom(&button);
        option.rect = QRect(0, 0, 200, 30);
        option.state = QStyle::State_Enabled;
        option.text = QStringLiteral("Menu");
        option.features = QStyleOptionButton::HasMenu;
        for (auto direction : { Qt::LeftToRight, Qt::RightToLeft }) {
            option.direction = direction;
            const auto text = ofKind(GradientTest::draw(&stacked, QStyle::CE_PushButtonLabel, option, &button,
                                                               direction),
                                     PaintRecord::Text).first();
            const qreal centre = text.mappedPosition().x() + QFontMetricsF(text.font).horizontalAdvance(option.text) / 2;
            QVERIFY2(qAbs(centre - (direction == Qt::LeftToRight ? 80 : 120)) <= 1, qPrintable(QString::number(centre)));
        }
    }

    void navigationLabel_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("bold");
        QTest::newRow("checked") << int(QStyle::State_Enabled | QStyle::State_On) << "DARKBLUE" << true;
        QTest::newRow("enabled") << int(QStyle::State_Enabled) << "DARKBLUE" << false;
        QTest::newRow("disabled, checked") << int(QStyle::State_On) << "MIDGRAY_2" << false;
    }

    void navigationLabel()
    {
        QFETCH(int, state);
        QFETCH(QString, colour);
        QFETCH(bool, bold);
        QNavigationButton button(2, solidIcon(Qt::red), QStringLiteral("Options"), nullptr);
        QStyleOptionButton option;
        option.initFrom(&button);
        option.rect = QRect(12, 0, 220, 40);
        option.state = QStyle::State(state);
        option.text = QStringLiteral("not this text");
        option.icon = button.icon();
        option.iconSize = QSize(16, 16);
        const auto records = GradientTest::draw(m_style.data(), QStyle::CE_PushButtonLabel, option, &button);
        QCOMPARE(records.size(), 1); // no icon, no number: only the text
        const PaintRecord &text = records.first();
        QCOMPARE(text.kind, PaintRecord::Text);
        QCOMPARE(text.text, QStringLiteral("Options"));
        QCOMPARE(text.penColor(), color(colour));
        QCOMPARE(text.font.bold(), bold);
        const int badge = qMin(40, int(option.fontMetrics.height() * 1.25));
        QCOMPARE(text.mappedPosition().x(), qreal(12 + badge + 16));
    }

    void menuBarItem_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("stops");
        QTest::addColumn<QString>("text"); // empty: the palette's ButtonText stays
        const int on = QStyle::State_Enabled;
        QTest::newRow("normal") << on << "MIDBLUE_2>DARKBLUE" << "";
        QTest::newRow("selected") << (on | QStyle::State_Selected) << "MIDBLUE_2>DARKBLUE" << "";
        QTest::newRow("pressed") << int(on | QStyle::State_Selected | QStyle::State_Sunken | QStyle::State_HasFocus)
                                 << "LIGHTGRAY>WHITE" << "BLACK";
        QTest::newRow("focused") << int(on | QStyle::State_Selected | QStyle::State_HasFocus) << "MIDBLUE_1>BLUE_HOVER"
                                 << "MIDGRAY_2";
        QTest::newRow("disabled") << int(QStyle::State_Selected | QStyle::State_Sunken) << "MIDBLUE_2>DARKBLUE"
                                  << "DARKBLUE";
    }

    void menuBarItem()
    {
        QFETCH(int, state);
        QFETCH(QString, stops);
        QFETCH(QString, text);
        QStyledMenuBar bar;
        QStyleOptionMenuItem option;
        option.initFrom(&bar);
        option.rect = QRect(50, 0, 80, 30);
        option.state = QStyle::State(state);
        option.text = QStringLiteral("&View");
        option.palette.setColor(QPalette::ButtonText, Qt::magenta);
        const auto records = GradientTest::draw(m_style.data(), QStyle::CE_MenuBarItem, option, &bar);

        const PaintRecord &fill = records.first();
        QCOMPARE(fill.kind, PaintRecord::Rects);
        QCOMPARE(fill.rects, QVector<QRectF>{ QRectF(50, 0, 80, 30) });
        QCOMPARE(stopsToString(fill.gradientStops()), GradientTest::stops(stops));
        QCOMPARE(fill.gradientLine(), QLineF(0, 0, 0, 30));

        const auto texts = ofKind(records, PaintRecord::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().penColor(), text.isEmpty() ? QColor(Qt::magenta) : color(text));

        const auto lines = ofKind(records, PaintRecord::Lines);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).lines.first(), QLineF(129, 0, 129, 30));
        QCOMPARE(lines.at(0).penColor(), color("DARKBLUE"));
        QCOMPARE(lines.at(1).lines.first(), QLineF(130, 0, 130, 30));
        QCOMPARE(stopsToString(lines.at(1).pen.brush().gradient()->stops()), GradientTest::stops("LIGHTBLUE>MIDBLUE_1"));
    }

    void menuBarOfOtherWidgets()
    {
        // An ordinary menu bar is the base style's, with a light-gray highlight.
        QMenuBar bar;
        QStyleOptionMenuItem option;
        option.initFrom(&bar);
        option.rect = QRect(0, 0, 80, 30);
        option.state = QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_Sunken;
        option.text = QStringLiteral("File");
        option.menuItemType = QStyleOptionMenuItem::Normal;
        const auto item = GradientTest::draw(m_style.data(), QStyle::CE_MenuBarItem, option, &bar);
        const bool highlighted = std::any_of(item.begin(), item.end(), [](const PaintRecord &r) {
            return r.brush.style() == Qt::SolidPattern && r.brushColor() == color("LIGHTGRAY");
        });
        QVERIFY(highlighted);
        QVERIFY(std::none_of(item.begin(), item.end(), [](const PaintRecord &r) { return r.kind == PaintRecord::Lines; }));

        const auto empty = GradientTest::draw(m_style.data(), QStyle::CE_MenuBarEmptyArea, option, &bar);
        QVERIFY(std::none_of(empty.begin(), empty.end(), [](const PaintRecord &r) { return !r.gradientStops().isEmpty(); }));
        QStyledMenuBar styled;
        const auto styledEmpty = GradientTest::draw(m_style.data(), QStyle::CE_MenuBarEmptyArea, option, &styled);
        QCOMPARE(styledEmpty.size(), 1);
        QCOMPARE(stopsToString(styledEmpty.first().gradientStops()), GradientTest::stops("MIDBLUE_2>DARKBLUE"));
        QCOMPARE(styledEmpty.first().rects, QVector<QRectF>{ QRectF(0, 0, 80, 30) });
    }

    void menuItem_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("highlight"); // empty: no highlight
        QTest::newRow("selected") << int(QStyle::State_Enabled | QStyle::State_Selected) << "BLACK" << "LIGHTGRAY";
        QTest::newRow("disabled") << int(QStyle::State_None) << "MIDGRAY_2" << "";
    }

    void menuItem()
    {
        QFETCH(int, state);
        QFETCH(QString, text);
        QFETCH(QString, highlight);
        QMenu menu;
        QStyleOptionMenuItem option;
        option.initFrom(&menu);
        option.rect = QRect(0, 0, 160, 24);
        option.state = QStyle::State(state);
        option.text = QStringLiteral("Open");
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.palette.setColor(QPalette::Text, Qt::magenta);
        option.palette.setColor(QPalette::HighlightedText, Qt::magenta);
        option.palette.setColor(QPalette::Highlight, Qt::magenta);
        const auto records = GradientTest::draw(m_style.data(), QStyle::CE_MenuItem, option, &menu);
        const auto texts = ofKind(records, PaintRecord::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().penColor(), color(text));
        const bool highlighted = std::any_of(records.begin(), records.end(), [&](const PaintRecord &r) {
            return !highlight.isEmpty() && r.brushColor() == color(highlight) && r.brush.style() != Qt::NoBrush;
        });
        QCOMPARE(highlighted, !highlight.isEmpty());
    }

    void otherOptionsAndElements()
    {
        QStyleOption plain;
        plain.rect = QRect(0, 0, 100, 30);
        plain.state = QStyle::State_Enabled;
        QStyledPushButton button;
        QStyledMenuBar bar;
        QVERIFY(GradientTest::draw(m_style.data(), QStyle::CE_PushButtonLabel, plain, &button).isEmpty());
        QVERIFY(GradientTest::draw(m_style.data(), QStyle::CE_MenuBarItem, plain, &bar).isEmpty());

        // Everything else reaches the common style with the hints on.
        RecordingPaintDevice device;
        QPainter painter(&device);
        QStyleOptionButton option;
        option.rect = QRect(0, 0, 100, 30);
        option.state = QStyle::State_Enabled;
        m_style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, &button);
        const auto hints = QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;
        QCOMPARE(painter.renderHints() & hints, hints);
        painter.end();
        // The bevel is broken up into the look's own panel.
        QVERIFY(!ofKind(device.records(), PaintRecord::Path).isEmpty());
    }

private:
    // Hosts and the toolkit reach the style through QStyle.
    QStyle *qstyle() const { return m_style.data(); }

    QScopedPointer<GradientStyle> m_style;
};

QTEST_MAIN(TestGradientControls)
#include "tst_gradientstyle_controls.moc"
