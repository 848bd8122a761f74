// What the flat look draws, recorded call by call.
#include <QAbstractItemView>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest>

#include <FlatStyle.h>
#include <QNavigationButton.h>
#include <QStyledComboBox.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include "FlatTestSupport.h"
#include "TestSupport.h"

Q_DECLARE_METATYPE(QStyle::State)

namespace {

using S = QStyle;

QIcon offOnIcon()
{
    QPixmap off(16, 16), on(16, 16);
    off.fill(Qt::red);
    on.fill(Qt::blue);
    QIcon icon(off);
    icon.addPixmap(on, QIcon::Normal, QIcon::On);
    return icon;
}

QVector<QLineF> allLines(const RecordingPaintDevice &device)
{
    QVector<QLineF> lines;
    for (const PaintRecord &r : device.records(PaintRecord::Lines))
        lines += r.lines;
    return lines;
}

// One line per call: what it draws and in which colours.
QStringList describe(const RecordingPaintDevice &device)
{
    QStringList out;
    for (const PaintRecord &r : device.records()) {
        QString geometry = r.text;
        QDebug(&geometry) << r.rects << r.lines << r.path << r.polygon << r.position << r.rect;
        out << QStringLiteral("%1 %2 %3 %4").arg(r.kind).arg(r.penColor().name(), r.brushColor().name(), geometry);
    }
    return out;
}

} // namespace

class TestFlatStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_flat = new FlatStyle;
        m_spy.reset(new SpyStyle(m_flat)); // owns m_flat and becomes its proxy()
        m_window.resize(400, 300);
        for (int i = 0; i < 3; ++i)
            m_steps[i] = new QNavigationButton(i, QStringLiteral("Step"), &m_window);
        m_window.show();
    }

    void init()
    {
        m_spy->calls.clear();
        m_spy->metrics.clear();
        m_flat->setStyleOptions(QFlags<CommonStyle::StyleOption>(19));
        for (QNavigationButton *step : m_steps) {
            step->setEnabled(true);
            step->setVisible(true);
            step->setPredecessor(nullptr);
            step->setSuccessor(nullptr);
        }
    }

    // Every element leaves the hints on; an option of the wrong class draws nothing.
    void renderHints_data()
    {
        QTest::addColumn<bool>("primitive");
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("smoothPixmaps"); // -1: not the flat look's to decide
        QTest::addColumn<bool>("draws");
        QTest::newRow("frame") << true << int(S::PE_Frame) << "button" << 0 << true;
        QTest::newRow("line-edit frame") << true << int(S::PE_FrameLineEdit) << "button" << 0 << true;
        QTest::newRow("command panel") << true << int(S::PE_PanelButtonCommand) << "button" << 0 << true;
        QTest::newRow("navigation panel, plain option") << true << int(S::PE_PanelButtonCommand) << "plain" << 0
                                                        << false;
        QTest::newRow("check box") << true << int(S::PE_IndicatorCheckBox) << "button" << 0 << true;
        QTest::newRow("radio button, base style") << true << int(S::PE_IndicatorRadioButton) << "button" << -1
                                                  << true;
        QTest::newRow("push-button label") << false << int(S::CE_PushButtonLabel) << "button" << 0 << true;
        QTest::newRow("label, menu-item option") << false << int(S::CE_PushButtonLabel) << "item" << 0 << false;
        QTest::newRow("styled menu-bar item") << false << int(S::CE_MenuBarItem) << "item" << 0 << true;
        QTest::newRow("menu-bar item, button option") << false << int(S::CE_MenuBarItem) << "button" << 0 << false;
        QTest::newRow("push button, common style") << false << int(S::CE_PushButton) << "button" << 1 << true;
    }

    void renderHints()
    {
        QFETCH(bool, primitive);
        QFETCH(int, element);
        QFETCH(QString, option);
        QFETCH(int, smoothPixmaps);
        QFETCH(bool, draws);
        QStyledMenuBar bar;
        QStyleOptionMenuItem item;
        QStyleOptionButton button;
        QStyleOption plain;
        QStyleOption *opt = option == QLatin1String("item") ? static_cast<QStyleOption *>(&item)
            : option == QLatin1String("plain")              ? &plain
                                                            : static_cast<QStyleOption *>(&button);
        opt->initFrom(&bar);
        opt->rect = QRect(0, 0, 80, 24);
        opt->state |= S::State_On;
        item.text = button.text = QStringLiteral("Go");
        RecordingPaintDevice device;
        QPainter painter(&device);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform,
                               false);
        if (primitive)
            qstyle()->drawPrimitive(S::PrimitiveElement(element), opt, &painter, option == QLatin1String("plain") ? m_steps[0] : nullptr);
        else
            qstyle()->drawControl(S::ControlElement(element), opt, &painter, &bar);
        QVERIFY(painter.testRenderHint(QPainter::Antialiasing));
        QVERIFY(painter.testRenderHint(QPainter::TextAntialiasing));
        if (smoothPixmaps >= 0)
            QCOMPARE(painter.testRenderHint(QPainter::SmoothPixmapTransform), bool(smoothPixmaps));
        QCOMPARE(!device.records().isEmpty(), draws);
    }

    void commandPanel_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("buttonOption");
        QTest::addColumn<QStyle::State>("state");
        QTest::addColumn<QColor>("fill");
        const S::State idle = S::State_Enabled | S::State_Raised;
        const S::State busy = S::State_Enabled | S::State_Sunken | S::State_MouseOver | S::State_HasFocus;
        QTest::newRow("QPushButton") << "push" << 0 << true << idle << FlatRgb::LightGray;
        QTest::newRow("QPushButton pressed") << "push" << 0 << true << busy << FlatRgb::LightGray;
        QTest::newRow("styled DEFAULT") << "styled" << 0 << true << idle << FlatRgb::LightGray;
        QTest::newRow("styled BLACK") << "styled" << 4 << true << idle << FlatRgb::LightGray;
        QTest::newRow("styled BLUE") << "styled" << 5 << true << idle << FlatRgb::Blue;
        QTest::newRow("styled BLUE pressed") << "styled" << 5 << true << busy << FlatRgb::Blue;
        QTest::newRow("styled BLUE disabled") << "styled" << 5 << true << S::State(S::State_None) << FlatRgb::Blue;
        QTest::newRow("styled BLUE, plain option") << "styled" << 5 << false << idle << FlatRgb::LightGray;
        QTest::newRow("combo BLUE") << "combo" << 5 << true << idle << FlatRgb::Blue;
        QTest::newRow("combo MEDIUMGRAY") << "combo" << 2 << true << idle << FlatRgb::LightGray;
        QTest::newRow("QComboBox") << "qcombo" << 0 << true << idle << FlatRgb::LightGray;
        QTest::newRow("no widget") << QString() << 0 << true << idle << FlatRgb::LightGray;
    }

    void commandPanel()
    {
        QFETCH(QString, widget);
        QFETCH(int, type);
        QFETCH(bool, buttonOption);
        QFETCH(QStyle::State, state);
        QFETCH(QColor, fill);
        QStyledPushButton styled;
        styled.setButtonType(StyleHelper::ButtonType(type));
        QStyledComboBox combo;
        combo.setButtonType(StyleHelper::ButtonType(type));
        QPushButton push;
        QComboBox qcombo;
        const QHash<QString, QWidget *> widgets{ { "styled", &styled }, { "combo", &combo }, { "push", &push },
                                                 { "qcombo", &qcombo } };
        QStyleOptionButton button;
        QStyleOption plain;
        QStyleOption *option = buttonOption ? &button : &plain;
        option->rect = QRect(5, 6, 90, 30);
        option->state = state;

        RecordingPaintDevice device;
        QPainter painter(&device);
        qstyle()->drawPrimitive(S::PE_PanelButtonCommand, option, &painter, widgets.value(widget));
        // One flat fill, no outline.
        const auto records = device.records();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].kind, PaintRecord::Rects);
        QCOMPARE(records[0].rects, QVector<QRectF>{ QRectF(5, 6, 90, 30) });
        QCOMPARE(records[0].brushColor(), fill);
        QCOMPARE(records[0].brush.style(), Qt::SolidPattern);
    }

    void outlines_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStyle::State>("state");
        QTest::addColumn<QVector<int>>("viaProxy");
        QTest::addColumn<QRectF>("outline"); // empty: no grey outline expected
        QTest::addColumn<QPolygonF>("tick");
        const QRectF box(3, 4, 17, 17);
        const QPolygonF tick({ { 7, 13 }, { 10.2, 16.6 }, { 17.4, 9.4 } });
        const S::State on = S::State_Enabled | S::State_On;
        QTest::newRow("line edit, focused") << int(S::PE_FrameLineEdit) << "frame" << (on | S::State_HasFocus)
                                            << QVector<int>{ S::PE_FrameLineEdit } << box << QPolygonF();
        QTest::newRow("frame, focused") << int(S::PE_Frame) << "frame" << (on | S::State_HasFocus)
                                        << QVector<int>{ S::PE_Frame, S::PE_FrameLineEdit } << box << QPolygonF();
        QTest::newRow("frame, combo popup") << int(S::PE_Frame) << "popup" << on
                                            << QVector<int>{ S::PE_Frame, S::PE_PanelMenu } << QRectF() << QPolygonF();
        QTest::newRow("frame, plain option") << int(S::PE_Frame) << "plain" << on << QVector<int>{ S::PE_Frame }
                                             << QRectF() << QPolygonF();
        const QVector<int> checkBox{ S::PE_IndicatorCheckBox, S::PE_FrameLineEdit };
        QTest::newRow("check box off") << int(S::PE_IndicatorCheckBox) << "button" << S::State(S::State_Off)
                                       << checkBox << box << QPolygonF();
        QTest::newRow("check box partly") << int(S::PE_IndicatorCheckBox) << "button" << S::State(S::State_NoChange)
                                          << checkBox << box << QPolygonF();
        QTest::newRow("check box on") << int(S::PE_IndicatorCheckBox) << "button" << on << checkBox << box << tick;
        QTest::newRow("check box pressed") << int(S::PE_IndicatorCheckBox) << "button" << S::State(S::State_Sunken)
                                           << checkBox << box << tick;
        QTest::newRow("check box odd size") << int(S::PE_IndicatorCheckBox) << "odd" << on << checkBox
                                            << QRectF(0, 0, 12, 16)
                                            << QPolygonF({ { 3, 8.5 }, { 5.2, 11.9 }, { 10.4, 5.1 } });
    }

    void outlines()
    {
        QFETCH(int, element);
        QFETCH(QString, option);
        QFETCH(QStyle::State, state);
        QFETCH(QVector<int>, viaProxy);
        QFETCH(QRectF, outline);
        QFETCH(QPolygonF, tick);
        QComboBox combo;
        QWidget *popup = combo.view()->parentWidget(); // the toolkit's popup container
        QStyleOptionFrame frame;
        QStyleOptionButton button;
        QStyleOption plain;
        QStyleOption *opt = option == QLatin1String("frame") ? &frame
            : option == QLatin1String("plain")                 ? &plain
                                                               : static_cast<QStyleOption *>(&button);
        opt->rect = option == QLatin1String("odd") ? QRect(0, 0, 13, 17) : QRect(3, 4, 18, 18);
        opt->state = state;

        RecordingPaintDevice device;
        QPainter painter(&device);
        painter.setPen(QPen(Qt::green, 5, Qt::DashLine));
        m_spy->drawPrimitive(S::PrimitiveElement(element), opt, &painter,
                             option == QLatin1String("popup") ? popup : nullptr);
        QCOMPARE(m_spy->elements(), viaProxy);
        if (viaProxy.size() > 1) {
            const SpyStyle::Call &inner = m_spy->calls.last();
            QVERIFY(!(inner.state & S::State_HasFocus));
            if (inner.element == S::PE_PanelMenu) {
                QVERIFY(inner.state & S::State_Raised);
                QCOMPARE(inner.optionType, int(QStyleOption::SO_Default));
            }
        }
        QCOMPARE(painter.pen(), QPen(Qt::green, 5, Qt::DashLine));
        QVERIFY(painter.transform().isIdentity());

        QVector<PaintRecord> grey;
        for (const PaintRecord &r : device.records(PaintRecord::Rects)) {
            if (r.penColor() == FlatRgb::Gray)
                grey << r;
        }
        QCOMPARE(grey.size(), outline.isEmpty() ? 0 : 1);
        if (!outline.isEmpty()) {
            QCOMPARE(grey[0].rects, QVector<QRectF>{ outline });
            QCOMPARE(grey[0].transform, QTransform::fromTranslate(0.5, 0.5));
            QCOMPARE(grey[0].pen.width(), 1);
            QCOMPARE(grey[0].pen.style(), Qt::DashLine);
            QCOMPARE(grey[0].brush.style(), Qt::NoBrush);
        }
        const auto paths = device.records(PaintRecord::Path);
        QCOMPARE(paths.size(), tick.isEmpty() ? 0 : 1);
        if (!tick.isEmpty()) {
            QCOMPARE(paths[0].penColor(), FlatRgb::DarkGray);
            QCOMPARE(paths[0].pen.width(), 2);
            const QPolygonF drawn = paths[0].mappedPath().toSubpathPolygons().value(0);
            QCOMPARE(drawn.size(), 3);
            for (int i = 0; i < 3; ++i)
                QVERIFY2((drawn[i] - tick[i]).manhattanLength() < 1e-6, qPrintable(QString::number(i)));
        }
    }

    void navigationPanel_data()
    {
        QTest::addColumn<int>("step"); // which of the three linked steps is drawn
        QTest::addColumn<QStyle::State>("state");
        QTest::addColumn<QString>("neighbours"); // what happens to the other two first
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QColor>("numberColor");
        QTest::addColumn<bool>("top");
        QTest::addColumn<bool>("bottom");
        const S::State on = S::State_Enabled | S::State_On;
        const S::State off = S::State_Enabled | S::State_Raised;
        QTest::newRow("first, on") << 0 << on << "" << 19 << "01" << FlatRgb::DarkGray << false << true;
        QTest::newRow("first, off, one digit") << 0 << off << "" << 3 << "1" << FlatRgb::White << false << true;
        QTest::newRow("middle, off") << 1 << off << "" << 19 << "02" << FlatRgb::White << true << true;
        QTest::newRow("last, off") << 2 << off << "" << 19 << "03" << FlatRgb::White << true << false;
        QTest::newRow("middle, disabled") << 1 << S::State(S::State_Raised) << "" << 19 << "02" << FlatRgb::White
                                          << false << false;
        QTest::newRow("middle, neighbours disabled") << 1 << off << "disabled" << 19 << "02" << FlatRgb::White
                                                     << false << false;
        QTest::newRow("middle, neighbours hidden") << 1 << off << "hidden" << 19 << "02" << FlatRgb::White << false
                                                   << true;
        QTest::newRow("no id") << -1 << on << "" << 19 << "" << QColor() << false << false;
    }

    void navigationPanel()
    {
        QFETCH(int, step);
        QFETCH(QStyle::State, state);
        QFETCH(QString, neighbours);
        QFETCH(int, options);
        QFETCH(QString, number);
        QFETCH(QColor, numberColor);
        QFETCH(bool, top);
        QFETCH(bool, bottom);
        m_flat->setStyleOptions(QFlags<CommonStyle::StyleOption>(options));
        m_steps[0]->setSuccessor(m_steps[1]);
        m_steps[1]->setPredecessor(m_steps[0]);
        m_steps[1]->setSuccessor(m_steps[2]);
        m_steps[2]->setPredecessor(m_steps[1]);
        QNavigationButton loose(-1, &m_window);
        QNavigationButton *button = step < 0 ? &loose : m_steps[step];
        for (QNavigationButton *other : m_steps) {
            if (other != button) {
                other->setEnabled(neighbours != QLatin1String("disabled"));
                other->setVisible(neighbours != QLatin1String("hidden"));
            }
        }
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = QRect(10, 5, 220, 48); // the badge ignores this origin, the rest does not
        option.state = state;
        const bool enabled = state & S::State_Enabled;
        const bool on = state & S::State_On;
        const int n = qMin(48, int(option.fontMetrics.height() * 1.25));
        const int sz = n + 2, by1 = (48 - sz) / 2, by2 = by1 + sz - 1, bx2 = 8 + sz - 1, cx = 8 + sz / 2;
        const QRect badge(8, by1, sz, sz);

        RecordingPaintDevice device;
        QPainter painter(&device);
        painter.setPen(QPen(Qt::black, 3));
        qstyle()->drawPrimitive(S::PE_PanelButtonCommand, &option, &painter, button);
        QCOMPARE(painter.pen(), QPen(Qt::black, 3));

        const auto rects = device.records(PaintRecord::Rects);
        QVERIFY(!rects.isEmpty());
        QCOMPARE(rects[0].rects, QVector<QRectF>{ QRectF(option.rect) });
        QCOMPARE(rects[0].brushColor(), FlatRgb::DarkGray);
        const bool filledBadge = rects.size() == 2 && rects[1].rects == QVector<QRectF>{ QRectF(badge) }
            && rects[1].brushColor() == FlatRgb::White;
        QCOMPARE(rects.size(), filledBadge ? 2 : 1);
        QCOMPARE(filledBadge, enabled && on && step >= 0);

        // Chevron 5 pixels from the right edge and the underline up to its tip.
        const auto polylines = device.records(PaintRecord::Polygon);
        QCOMPARE(polylines.size(), enabled && on ? 1 : 0);
        QVector<QLineF> expected;
        if (enabled && on) {
            const int hx = option.fontMetrics.boundingRect(QLatin1Char('X')).height() / 2;
            QCOMPARE(polylines[0].polygon, QPolygonF({ QPointF(220, 29 - hx), QPointF(225, 29), QPointF(220, 29 + hx) }));
            QVERIFY(polylines[0].polyline);
            QCOMPARE(polylines[0].penColor(), FlatRgb::White);
            QCOMPARE(polylines[0].pen.width(), 2);
            expected << QLineF(18, 52, 225, 52);
        }
        if (enabled && !on && step >= 0)
            expected << QLineF(9, by1 + 1, bx2, by1 + 1) << QLineF(bx2, by1 + 1, bx2, by2)
                     << QLineF(bx2, by2, 9, by2) << QLineF(9, by2, 9, by1 + 1);
        if (top)
            expected << QLineF(cx, 5, cx, by1);
        if (bottom)
            expected << QLineF(cx, by1 + sz, cx, 53);
        QVector<QLineF> lines = allLines(device);
        const auto order = [](const QLineF &a, const QLineF &b) {
            return std::make_tuple(a.x1(), a.y1(), a.x2(), a.y2()) < std::make_tuple(b.x1(), b.y1(), b.x2(), b.y2());
        };
        std::sort(lines.begin(), lines.end(), order);
        std::sort(expected.begin(), expected.end(), order);
        QCOMPARE(lines, expected);
        for (const PaintRecord &r : device.records(PaintRecord::Lines))
            QCOMPARE(r.pen, QPen(FlatRgb::White, 2));

        const auto texts = device.records(PaintRecord::Text);
        QCOMPARE(texts.size(), number.isEmpty() ? 0 : 1);
        if (!number.isEmpty()) {
            QCOMPARE(texts[0].text, number);
            QCOMPARE(texts[0].penColor(), numberColor);
            QCOMPARE(texts[0].pen.width(), enabled ? 2 : 3);
            const qreal centre = texts[0].position.x() + option.fontMetrics.horizontalAdvance(number) / 2.0;
            QVERIFY2(qAbs(centre - QRectF(badge).center().x()) <= 1, qPrintable(QString::number(centre)));
        }
    }

    void pushButtonLabel_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStyle::State>("state");
        QTest::addColumn<QString>("layout"); // icon placement: none, centred, left, or with a menu
        QTest::addColumn<int>("direction");
        QTest::addColumn<QColor>("color");
        const S::State idle = S::State_Enabled | S::State_Raised;
        const S::State checked = S::State_Enabled | S::State_On;
        const S::State off = S::State_Raised;
        const int ltr = Qt::LeftToRight, rtl = Qt::RightToLeft;
        QTest::newRow("QPushButton") << "push" << 0 << idle << "none" << ltr << FlatRgb::Black;
        QTest::newRow("QPushButton disabled") << "push" << 0 << off << "none" << ltr << FlatRgb::DarkGray;
        QTest::newRow("styled BLUE") << "styled" << 5 << idle << "none" << ltr << FlatRgb::White;
        QTest::newRow("styled BLUE disabled") << "styled" << 5 << off << "none" << ltr << FlatRgb::DarkGray;
        QTest::newRow("styled BLACK") << "styled" << 4 << idle << "none" << ltr << FlatRgb::Black;
        QTest::newRow("combo BLUE") << "combo" << 5 << idle << "none" << ltr << FlatRgb::Black;
        QTest::newRow("centred icon") << "styled" << 0 << idle << "centred" << ltr << FlatRgb::Black;
        QTest::newRow("centred icon, rtl") << "styled" << 0 << idle << "centred" << rtl << FlatRgb::Black;
        QTest::newRow("centred icon, checked") << "styled" << 0 << checked << "centred" << ltr << FlatRgb::Black;
        QTest::newRow("icon alone") << "styled" << 0 << idle << "alone" << ltr << FlatRgb::Black;
        QTest::newRow("left icon") << "left" << 5 << idle << "left" << ltr << FlatRgb::White;
        QTest::newRow("left icon, rtl") << "left" << 5 << idle << "left" << rtl << FlatRgb::White;
        QTest::newRow("left icon, pressed") << "left" << 5 << (idle | S::State_Sunken) << "left" << ltr
                                            << FlatRgb::White;
        QTest::newRow("icon, QPushButton") << "push" << 0 << idle << "centred" << ltr << FlatRgb::Black;
        QTest::newRow("menu") << "push" << 0 << idle << "menu" << ltr << FlatRgb::Black;
        QTest::newRow("menu, rtl") << "push" << 0 << idle << "menu" << rtl << FlatRgb::Black;
    }

    void pushButtonLabel()
    {
        QFETCH(QString, widget);
        QFETCH(int, type);
        QFETCH(QStyle::State, state);
        QFETCH(QString, layout);
        QFETCH(int, direction);
        QFETCH(QColor, color);
        QStyledPushButton styled;
        styled.setButtonType(StyleHelper::ButtonType(type));
        if (widget == QLatin1String("left"))
            styled.setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
        QStyledComboBox combo;
        combo.setButtonType(StyleHelper::ButtonType(type));
        QPushButton push;
        QWidget *w = widget == QLatin1String("push") ? static_cast<QWidget *>(&push)
            : widget == QLatin1String("combo")       ? static_cast<QWidget *>(&combo)
                                                     : &styled;
        // Metrics a stacked style answers: only those asked through proxy() may count.
        m_spy->metrics = { { S::PM_ButtonShiftHorizontal, 3 }, { S::PM_ButtonShiftVertical, 7 },
                           { S::PM_ButtonMargin, 30 }, { S::PM_MenuButtonIndicator, 40 } };
        const int margin = qstyle()->pixelMetric(S::PM_ButtonMargin);
        const int shiftY = qstyle()->pixelMetric(S::PM_ButtonShiftVertical);

        QStyleOptionButton option;
        option.initFrom(w);
        option.rect = QRect(4, 3, 200, 30);
        option.state = state;
        option.direction = Qt::LayoutDirection(direction);
        option.text = layout == QLatin1String("alone") ? QString() : QStringLiteral("Apply");
        if (layout != QLatin1String("none") && layout != QLatin1String("menu")) {
            option.icon = offOnIcon();
            option.iconSize = QSize(16, 16);
        }
        if (layout == QLatin1String("menu"))
            option.features = QStyleOptionButton::HasMenu;

        RecordingPaintDevice device;
        QPainter painter(&device);
        m_spy->drawControl(S::CE_PushButtonLabel, &option, &painter, w);

        const auto texts = device.records(PaintRecord::Text);
        QCOMPARE(texts.size(), option.text.isEmpty() ? 0 : 1);
        const int tw = option.fontMetrics.boundingRect(option.rect, Qt::AlignVCenter | Qt::TextShowMnemonic,
                                                       option.text).width();
        if (!texts.isEmpty())
            QCOMPARE(texts[0].penColor(), color);

        const auto pixmaps = device.records(PaintRecord::Pixmap);
        QCOMPARE(pixmaps.size(), option.icon.isNull() ? 0 : 1);
        if (option.icon.isNull()) {
            // Centred in the room left beside the menu indicator.
            const int k = layout == QLatin1String("menu") ? 40 : 0;
            const qreal left = direction == Qt::RightToLeft ? 4 + k : 4;
            const qreal centre = texts[0].position.x() + option.fontMetrics.horizontalAdvance(option.text) / 2.0;
            QVERIFY2(qAbs(centre - (left + (200 - k) / 2.0)) <= 1, qPrintable(QString::number(centre)));
            return;
        }
        // The Off picture, also for checked buttons, shifted while down.
        QCOMPARE(pixmaps[0].pixmap.toImage().pixelColor(8, 8), QColor(Qt::red));
        const bool left = layout == QLatin1String("left");
        const int lw = option.text.isEmpty() ? 16 : 16 + 4 + tw;
        QRect icon(left ? 4 + margin : 4 + (200 - lw) / 2, 3 + 7, 16, 16);
        icon = QStyle::visualRect(option.direction, option.rect, icon);
        const int d = left ? (200 - 16 - 4 - 2 * margin - tw) / 2 : 0;
        // The text keeps its place while the icon moves down and right.
        if (!texts.isEmpty())
            QCOMPARE(texts[0].position.x(), qreal(direction == Qt::RightToLeft ? 4 : icon.right() + 5 + d));
        if (state & (S::State_On | S::State_Sunken))
            icon.translate(3, shiftY);
        QCOMPARE(pixmaps[0].rect, QRectF(icon));
    }

    void navigationLabel_data()
    {
        QTest::addColumn<QStyle::State>("state");
        QTest::addColumn<int>("weight");
        QTest::newRow("checked") << S::State(S::State_Enabled | S::State_On) << int(QFont::DemiBold);
        QTest::newRow("unchecked") << S::State(S::State_Enabled | S::State_Off) << int(QFont::Normal);
        QTest::newRow("disabled") << S::State(S::State_None) << int(QFont::Normal);
    }

    void navigationLabel()
    {
        QFETCH(QStyle::State, state);
        QFETCH(int, weight);
        QNavigationButton button(0, offOnIcon(), QStringLiteral("Widget text"), &m_window);
        QStyleOptionButton option;
        option.initFrom(&button);
        option.rect = QRect(6, 2, 240, 40);
        option.state = state;
        option.text = QStringLiteral("Option text");
        option.icon = button.icon();
        const int n = qMin(40, int(option.fontMetrics.height() * 1.25));

        RecordingPaintDevice device;
        QPainter painter(&device);
        painter.setFont(button.font());
        qstyle()->drawControl(S::CE_PushButtonLabel, &option, &painter, &button);
        QCOMPARE(painter.font().weight(), button.font().weight());
        QVERIFY(device.records(PaintRecord::Pixmap).isEmpty());
        const auto texts = device.records(PaintRecord::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].text, QStringLiteral("Widget text"));
        QCOMPARE(texts[0].penColor(), FlatRgb::White);
        QCOMPARE(texts[0].font.weight(), weight);
        QCOMPARE(texts[0].position.x(), qreal(6 + 16 + n));
    }

    void menuBarItem_data()
    {
        QTest::addColumn<QStyle::State>("state");
        QTest::addColumn<QColor>("fill");
        const S::State enabled = S::State_Enabled;
        QTest::newRow("open") << (enabled | S::State_Selected | S::State_Sunken) << FlatRgb::White;
        QTest::newRow("hovered") << (enabled | S::State_Selected) << FlatRgb::LightGray;
        QTest::newRow("sunken only") << (enabled | S::State_Sunken) << FlatRgb::LightGray;
        QTest::newRow("idle") << enabled << FlatRgb::LightGray;
        QTest::newRow("disabled") << S::State(S::State_None) << FlatRgb::LightGray;
    }

    void menuBarItem()
    {
        QFETCH(QStyle::State, state);
        QFETCH(QColor, fill);
        QStyledMenuBar styled;
        QMenuBar plain;
        QStyleOptionMenuItem option;
        option.initFrom(&styled);
        option.rect = QRect(30, 2, 80, 26);
        option.state = state;
        option.text = QStringLiteral("&File");
        option.palette.setColor(QPalette::ButtonText, Qt::magenta);
        option.palette.setColor(QPalette::Window, Qt::magenta);

        RecordingPaintDevice device;
        QPainter painter(&device);
        qstyle()->drawControl(S::CE_MenuBarItem, &option, &painter, &styled);
        const auto records = device.records();
        QVERIFY(!records.isEmpty());
        QCOMPARE(records[0].rects, QVector<QRectF>{ QRectF(option.rect) });
        QCOMPARE(records[0].brushColor(), fill);
        QCOMPARE(device.texts(), QStringList{ QStringLiteral("File") });
        QCOMPARE(device.records(PaintRecord::Text)[0].penColor(), FlatRgb::Black);
        const auto chevron = device.records(PaintRecord::Path);
        QCOMPARE(chevron.size(), state & S::State_Enabled ? 1 : 0);
        if (!chevron.isEmpty())
            QCOMPARE(chevron[0].penColor(), FlatRgb::Black);

        // An ordinary menu bar's item is exactly the base style's.
        RecordingPaintDevice ours, fusions;
        QPainter ourPainter(&ours), fusionPainter(&fusions);
        QScopedPointer<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        qstyle()->drawControl(S::CE_MenuBarItem, &option, &ourPainter, &plain);
        fusion->drawControl(S::CE_MenuBarItem, &option, &fusionPainter, &plain);
        QVERIFY(!describe(fusions).isEmpty());
        QCOMPARE(describe(ours), describe(fusions));
    }

private:
    QStyle *qstyle() const { return m_flat; }

    FlatStyle *m_flat = nullptr;
    QScopedPointer<SpyStyle> m_spy;
    QWidget m_window;
    QNavigationButton *m_steps[3] = {};
};

QTEST_MAIN(TestFlatStyle)
#include "tst_flatstyle.moc"
