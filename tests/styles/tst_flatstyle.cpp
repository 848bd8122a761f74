// What the flat look draws, recorded call by call, and what it changes on the library's widgets;
// then switching the application between the looks and Fusion while those widgets are alive.
#include <QtTest>
#include <QtWidgets>

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

#include "RecordingPaintDevice.h"

namespace {

using S = QStyle;
using H = StyleHelper;
using R = PaintRecord;
constexpr QPainter::RenderHints Antialiased = QPainter::Antialiasing | QPainter::TextAntialiasing;
const QPen Pen(Qt::green, 3, Qt::DashLine); // the painter's pen before every call

// The flat colours, written down apart from the library's own lookup: DB dark blue, B blue,
// DG dark gray, G gray, LG light gray, W white, K black.
const QHash<QString, QColor> Colours{ { "DB", "#00519C" }, { "B", "#4A91C6" }, { "DG", "#535353" }, { "G", "#A0A0A0" },
                                      { "LG", "#C9C9C9" }, { "W", "#FFFFFF" }, { "K", "#000000" } };
QString key(const QColor &colour) { return Colours.key(colour, colour.name()); }

// The key of `role`'s colour when it is one solid colour in every colour group.
QString uniform(const QPalette &p, QPalette::ColorRole role)
{
    const QBrush b = p.brush(QPalette::Active, role);
    const bool same = p.brush(QPalette::Inactive, role) == b && p.brush(QPalette::Disabled, role) == b;
    return same && b.style() == Qt::SolidPattern ? key(b.color()) : "mixed";
}

// Point size, weight and italic of a widget's font.
QString font(const QWidget *w)
{
    return QString("%1 %2 %3").arg(w->font().pointSize()).arg(w->font().weight()).arg(w->font().italic());
}

// Stacked on the flat look it becomes its proxy() and answers the button shifts with values of
// its own, so a test sees which of them are asked through proxy().
struct ProxyMetrics : QProxyStyle {
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *opt, const QWidget *w) const override
    {
        const QHash<int, int> own{ { PM_ButtonShiftHorizontal, 3 }, { PM_ButtonShiftVertical, 7 } };
        return own.value(metric, QProxyStyle::pixelMetric(metric, opt, w));
    }
};

// Declares the columns of a data table, in the order of the types.
template <typename... T> void columns(std::initializer_list<const char *> names)
{
    auto name = names.begin();
    (QTest::addColumn<T>(*name++), ...);
}

} // namespace

class TestFlatStyle : public QObject
{
    Q_OBJECT

private slots:
    // The flat look installed over a shown window with every widget of the library: three linked
    // navigation steps, a header with sub-menus, and some widgets in a 7-point bold italic font to
    // see what polishing changes. The data tables add their widgets to it too.
    void initTestCase()
    {
        const auto filled = [](Qt::GlobalColor colour) { QPixmap p(16, 16); p.fill(colour); return p; };
        m_icon.addPixmap(filled(Qt::red)); // red when off, blue when on: shows which picture is drawn
        m_icon.addPixmap(filled(Qt::blue), QIcon::Normal, QIcon::On);
        m_style = m_flat = new FlatStyle;
        QApplication::setStyle(new ProxyMetrics(m_flat)); // the application owns both
        QMenu *file = m_header->menuBar()->addMenu(m_icon, "File"), *recent = file->addMenu("Recent");
        m_menus = { file, recent, recent->addMenu("Older"), m_header->menuBar()->addMenu("Edit") };
        auto *steps = new QNavigationButtonGroup(QBoxLayout::TopToBottom); // links its steps
        for (int i = 0; i < 3; ++i)
            steps->addNavigationButton(m_steps[i] = new QNavigationButton(i, m_icon, QString("Step %1").arg(i + 1)));
        steps->setCheckedButton(1);
        m_combos = { typed<QStyledComboBox>(H::GRADIENT_BLUE), typed<QStyledComboBox>(H::GRADIENT_DARKGRAY) };
        const auto stack = [](QWidget *parent, const QWidgetList &widgets) {
            for (QWidget *w : widgets)
                (parent->layout() ? parent->layout() : new QVBoxLayout(parent))->addWidget(w);
        };
        stack(m_page, { m_heading, m_description, m_combos[0], m_combos[1], new QCheckBox("Check"),
                 new QLineEdit("Edit"), new QPixmapButton(filled(Qt::red)), new QElidedLabel(QString("Elided").repeated(30)),
                 new QIpAdressEdit(nullptr, QIpAdressEdit::IPv4), new QIpAdressEdit(nullptr, QIpAdressEdit::IPv6) });
        for (QWidget *w : QWidgetList{ m_heading, m_description, m_combos[1] })
            w->setFont(QFont(w->font().family(), 7, QFont::Bold, true));
        auto *slide = new QSlideMaster;
        slide->setCentralWidget(m_page);
        stack(&m_window, { m_header, steps, slide });
        m_window.resize(600, 1000);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    }

    void init() { m_flat->setStyleOptions(CommonStyle::StyleOptions(19)); }

    // Push buttons by widget, button type, text and state: the panel fill, the label colour ("-":
    // no label), and where the icon and text go. The picture is the Off one, also for checked
    // buttons, shifted while down (horizontally as proxy() says, vertically by the look's own).
    void pushButtons_data()
    {
        columns<QWidget *, int, QString, QString>({ "widget", "state", "text", "look" });
        const int idle = S::State_Enabled | S::State_Raised, on = S::State_Enabled | S::State_On;
        const int busy = idle | S::State_Sunken | S::State_On | S::State_MouseOver | S::State_HasFocus;
        QWidget *blue = typed<QStyledPushButton>(H::GRADIENT_BLUE), *black = typed<QStyledPushButton>(H::GRADIENT_BLACK);
        QTest::newRow("QPushButton") << (QWidget *)new QPushButton(m_page) << idle << "Apply" << "LG K";
        QTest::newRow("styled BLUE, pressed and checked") << blue << busy << "Apply" << "B W";
        QTest::newRow("styled BLUE, disabled") << blue << int(S::State_Raised) << "Apply" << "B DG";
        QTest::newRow("styled BLACK, icon alone") << black << idle << "" << "LG -";
        QTest::newRow("combo BLUE") << (QWidget *)m_combos[0] << idle << "Apply" << "B K";
        QTest::newRow("combo DARKGRAY, on") << (QWidget *)m_combos[1] << on << "Go" << "LG K";
    }

    void pushButtons()
    {
        QFETCH(QWidget *, widget); QFETCH(int, state); QFETCH(QString, text); QFETCH(QString, look);
        const QStyleOptionButton button = buttonOption(widget, QRect(4, 3, 200, 30), state, text);
        const auto panel = draw(S::PE_PanelButtonCommand, button, widget);
        const auto texts = draw(S::CE_PushButtonLabel, button, widget, R::Text);
        const auto pixmaps = draw(S::CE_PushButtonLabel, button, widget, R::Pixmap);
        // One flat fill without outline (a gradient's colour would read as black).
        QCOMPARE(panel.size(), 1);
        QCOMPARE(panel[0].rects, QVector<QRectF>{ QRectF(4, 3, 200, 30) });
        QCOMPARE(key(panel[0].brushColor()) + ' ' + (texts.isEmpty() ? "-" : key(texts[0].penColor())), look);
        const QIcon::Mode mode = state & S::State_Enabled ? QIcon::Normal : QIcon::Disabled;
        QCOMPARE(pixmaps.value(0).pixmap.toImage(), m_icon.pixmap(16, mode, QIcon::Off).toImage());
        // Icon and text centred together, four pixels apart.
        const int tw = button.fontMetrics.boundingRect(button.rect, Qt::AlignVCenter | Qt::TextShowMnemonic, text).width();
        QRect icon(4 + (200 - (text.isEmpty() ? 16 : 20 + tw)) / 2, 10, 16, 16);
        QCOMPARE(texts.size(), text.isEmpty() ? 0 : 1);
        QCOMPARE(texts.value(0).position.x(), text.isEmpty() ? 0.0 : icon.right() + 5);
        if (state & (S::State_On | S::State_Sunken))
            icon.translate(3, m_style->pixelMetric(S::PM_ButtonShiftVertical));
        QCOMPARE(pixmaps.value(0).rect, QRectF(icon));
    }

    // A frame becomes the grey outline of a line edit; a check box is that outline, with a tick
    // when on or pressed, scaled to the box.
    void frames_data()
    {
        columns<int, QRect, int, QPolygonF>({ "element", "rect", "state", "tick" });
        const int check = S::PE_IndicatorCheckBox, on = S::State_Enabled | S::State_On;
        const QRect box(3, 4, 18, 18);
        const QPolygonF tick({ { 7, 13 }, { 10.2, 16.6 }, { 17.4, 9.4 } }), none;
        QTest::newRow("frame, focused") << int(S::PE_Frame) << box << int(on | S::State_HasFocus) << none;
        QTest::newRow("check box partly") << check << box << int(S::State_NoChange) << none;
        QTest::newRow("check box on") << check << box << on << tick;
        QTest::newRow("check box pressed, odd size") << check << QRect(0, 0, 13, 17) << int(S::State_Sunken)
                                                     << QPolygonF({ { 3, 8.5 }, { 5.2, 11.9 }, { 10.4, 5.1 } });
    }

    void frames()
    {
        QFETCH(int, element); QFETCH(QRect, rect); QFETCH(int, state); QFETCH(QPolygonF, tick);
        QStyleOptionFrame frame;
        frame.rect = rect;
        frame.state = S::State(state);
        const auto rects = draw(S::PrimitiveElement(element), frame, nullptr, R::Rects);
        const auto paths = draw(S::PrimitiveElement(element), frame, nullptr, R::Path);
        // Only the grey outline, unfilled, on the half-pixel grid.
        QVector<QRectF> grey;
        for (const R &r : rects)
            if (r.pen == QPen(Colours["G"], 1, Qt::DashLine) && r.brush.style() == Qt::NoBrush
                && r.transform == QTransform::fromTranslate(0.5, 0.5))
                grey += r.rects;
        QCOMPARE(grey, QVector<QRectF>{ QRectF(rect).adjusted(0, 0, -1, -1) });
        QCOMPARE(paths.size(), tick.isEmpty() ? 0 : 1);
        QCOMPARE(paths.value(0).mappedPath().toSubpathPolygons().value(0), tick);
        QCOMPARE(paths.value(0).pen, tick.isEmpty() ? QPen() : QPen(Colours["DG"], 2, Qt::DashLine));
    }

    // What a step of the three linked navigation buttons draws, in order: the panel, chevron and
    // underline, the badge filled or outlined (its top, right, bottom and left edges), the
    // connectors up and down, the number centred in the badge, then the label: the button's own
    // text after the badge, demi-bold when on. Fills by colour, strokes by colour and pen width.
    // step: -1 for a button without id; neighbours: what the other two become first.
    void navigation_data()
    {
        columns<int, int, QString, bool, QString>({ "step", "state", "neighbours", "twoDigits", "drawn" });
        const int on = S::State_Enabled | S::State_On, off = S::State_Enabled | S::State_Raised;
        const QString on1 = "DG panel, W2 chevron, W2 underline, ";
        const QString off1 = "DG panel, W2 top, W2 right, W2 bottom, W2 left, ";
        QTest::newRow("first, on") << 0 << on << "" << true << on1 + "W badge, W2 down, DG2 01, W3 Step 1 demibold";
        QTest::newRow("first, off, one digit") << 0 << off << "" << false << off1 + "W2 down, W2 1, W3 Step 1";
        QTest::newRow("middle, off") << 1 << off << "" << true << off1 + "W2 up, W2 down, W2 02, W3 Step 2";
        QTest::newRow("last, off") << 2 << off << "" << true << off1 + "W2 up, W2 03, W3 Step 3";
        QTest::newRow("middle, disabled") << 1 << int(S::State_Raised) << "" << true << "DG panel, W3 02, W3 Step 2";
        QTest::newRow("middle, others disabled") << 1 << off << "disabled" << true << off1 + "W2 02, W3 Step 2";
        QTest::newRow("middle, others hidden") << 1 << off << "hidden" << true << off1 + "W2 down, W2 02, W3 Step 2";
        QTest::newRow("no id") << -1 << on << "" << true << on1 + "W3 Loose demibold";
    }

    void navigation()
    {
        QFETCH(int, step); QFETCH(int, state); QFETCH(QString, neighbours); QFETCH(bool, twoDigits); QFETCH(QString, drawn);
        m_flat->setStyleOptions(twoDigits ? CommonStyle::CS_TWO_DIGIT_NUMBERS : CommonStyle::CS_BUTTON_OUTLINE);
        QNavigationButton loose(-1, m_icon, "Loose", &m_window);
        QNavigationButton *button = step < 0 ? &loose : m_steps[step];
        for (QNavigationButton *other : m_steps) {
            other->setEnabled(other == button || neighbours != "disabled");
            other->setVisible(other == button || neighbours != "hidden");
        }
        // The badge ignores the rectangle's origin, the rest does not.
        const QStyleOptionButton option = buttonOption(button, QRect(10, 5, 220, 48), state);
        const int n = qMin(48, int(option.fontMetrics.height() * 1.25)), sz = n + 2, by1 = (48 - sz) / 2;
        const int by2 = by1 + sz - 1, bx2 = 8 + sz - 1, cx = 8 + sz / 2;
        const int hx = option.fontMetrics.boundingRect('X').height() / 2;
        const QRectF badge(8, by1, sz, sz);
        const QMap<QString, QRectF> fills{ { "panel", option.rect }, { "badge", badge } };
        const QMap<QString, QLineF> lines{ { "underline", { 18, 52, 225, 52 } }, { "up", QLineF(cx, 5, cx, by1) },
            { "top", QLineF(9, by1 + 1, bx2, by1 + 1) }, { "right", QLineF(bx2, by1 + 1, bx2, by2) },
            { "bottom", QLineF(bx2, by2, 9, by2) }, { "left", QLineF(9, by2, 9, by1 + 1) },
            { "down", QLineF(cx, by1 + sz, cx, 53) } };
        const QPolygonF chevron({ QPointF(220, 29 - hx), QPointF(225, 29), QPointF(220, 29 + hx) });
        QStringList seen;
        for (const R &r : draw(S::PE_PanelButtonCommand, option, button) + draw(S::CE_PushButtonLabel, option, button)) {
            const QString pen = key(r.penColor()) + QString::number(r.pen.width()) + ' ';
            const qreal middle = r.position.x() + QFontMetricsF(r.font).horizontalAdvance(r.text) / 2;
            if (r.kind == R::Rects)
                seen << key(r.brushColor()) + ' ' + fills.key(r.rects.value(0), "?");
            else if (r.kind == R::Lines)
                for (const QLineF &line : r.lines)
                    seen << pen + lines.key(line, "?");
            else if (r.kind == R::Polygon)
                seen << pen + (r.polyline && r.polygon == chevron ? "chevron" : "?");
            else if (r.kind == R::Text && qAbs(middle - badge.center().x()) <= 1)
                seen << pen + r.text;
            else // the label after the badge
                seen << pen + (r.kind == R::Text && r.position.x() == 10 + 16 + n ? r.text : "?")
                        + (r.font.weight() == QFont::DemiBold ? " demibold" : "");
        }
        QCOMPARE(seen.join(", "), drawn);
    }

    // A styled menu bar's item: the fill by state, then the common style's text (and chevron,
    // when enabled) in black from the palette given to it. An ordinary menu bar's ("-") is the
    // base style's alone, without the chevron.
    void menuBarItem_data()
    {
        columns<int, QString>({ "state", "look" });
        const int open = S::State_Enabled | S::State_Selected | S::State_Sunken;
        QTest::newRow("open") << open << "W K File";
        QTest::newRow("hovered") << int(S::State_Enabled | S::State_Selected) << "LG K File";
        QTest::newRow("disabled") << int(S::State_None) << "LG K File";
        QTest::newRow("QMenuBar, open") << open << "-";
    }

    void menuBarItem()
    {
        QFETCH(int, state); QFETCH(QString, look);
        QScopedPointer<QMenuBar> bar(look == "-" ? new QMenuBar : new QStyledMenuBar);
        QStyleOptionMenuItem option;
        option.initFrom(bar.data());
        option.rect = QRect(30, 2, 80, 26);
        option.state = S::State(state);
        option.text = "&File";
        option.palette.setColor(QPalette::ButtonText, Qt::magenta);
        const auto records = draw(S::CE_MenuBarItem, option, bar.data());
        const auto texts = draw(S::CE_MenuBarItem, option, bar.data(), R::Text);
        QCOMPARE(draw(S::CE_MenuBarItem, option, bar.data(), R::Path).size(), look != "-" && state ? 1 : 0);
        if (look != "-") {
            QCOMPARE(records.value(0).rects, QVector<QRectF>{ QRectF(option.rect) });
            QCOMPARE(key(records[0].brushColor()) + ' ' + key(texts.value(0).penColor()) + ' ' + texts.value(0).text,
                     look);
        }
    }

    // The window's widgets as the toolkit polished them: sub-menus too, but not a menu added
    // later; unpolishing leaves what the flat look gave.
    void polish()
    {
        QMenu *late = m_header->menuBar()->addMenu("Late");
        const auto *title = m_header->findChild<QLabel *>("appTitleLabel");
        const auto *name = m_header->findChild<QLabel *>("appNameLabel");
        QVERIFY(title && name);
        m_flat->unpolish(m_steps[0]);
        // The palette polish, a blue combo box, the labels (the description keeps the application
        // font's weight), the step after unpolishing, and the header's labels and menu bar.
        const QPalette app = QApplication::palette();
        const auto menu = [](const QMenu *m) {
            return uniform(m->palette(), QPalette::Window) + uniform(m->palette(), QPalette::Highlight)
                + uniform(m->palette(), QPalette::HighlightedText);
        };
        QStringList polished{ uniform(app, QPalette::Text), uniform(app, QPalette::Window),
            uniform(m_combos[0]->palette(), QPalette::ButtonText), uniform(m_heading->palette(), QPalette::WindowText),
            font(m_heading), font(m_description), uniform(m_steps[0]->palette(), QPalette::Button), font(title),
            font(name), uniform(name->palette(), name->foregroundRole()),
            uniform(m_header->menuBar()->palette(), QPalette::Window), font(m_combos[1]) };
        for (QMenu *m : qAsConst(m_menus)) // the menus under the header, sub-menus too: white with blue highlight
            polished << menu(m);
        QCOMPARE(polished.join(", "), "K, W, W, DB, 20 63 0, 12 50 0, DG, 16 63 0, 16 50 0, DG, LG, 7 75 1, WBW, WBW, WBW, "
                                      "WBW");
        // Left alone: a combo box of another type (its font shows above), and a menu added later.
        QCOMPARE(m_combos[1]->palette(), QApplication::palette(m_combos[1]));
        QVERIFY(menu(late) != "WBW");
        m_flat->polish(m_header);
        QCOMPARE(menu(late), "WBW");
    }

    // Last, as it replaces the application's style: the looks come and go, again and again, while
    // the window is alive and painted, without crashes, leaks or widgets left behind. A flat step
    // is dark gray, and the light gray of the flat menu bar goes with the flat look.
    void switchStyles()
    {
        const QVector<std::function<QStyle *()>> styles{ [] { return new GradientStyle; }, [] { return new FlatStyle; },
            [] { return new CommonStyle; }, [] { return QStyleFactory::create("Fusion"); } };
        int widgets = -1; // once the first look has set up what it needs
        for (int round = 0; round < 3 * styles.size(); ++round) {
            const int index = round % styles.size(), flat = index == 1; // the second is the flat look
            QApplication::setStyle(styles[index]());
            m_window.grab(); // paints every widget in the new look
            const QImage step = m_steps[1]->grab().toImage();
            QCOMPARE(key(step.pixelColor(step.width() - 3, 2)) == "DG", flat);
            if (index != 0) // the gradient look sets its own
                QCOMPARE(uniform(m_header->menuBar()->palette(), QPalette::Window) == "LG", flat);
            widgets = widgets < 0 ? QApplication::allWidgets().size() : widgets;
            QCOMPARE(QApplication::allWidgets().size(), widgets);
        }
    }

private:
    // Paints one element with the flat look, with the antialiasing hints off and Pen beforehand;
    // the look must switch the hints on, leave them on and give the pen back. Returns what reached
    // the device, all or of one kind.
    template <typename Element>
    QVector<R> draw(Element element, const QStyleOption &option, const QWidget *widget, int kind = -1) const
    {
        RecordingPaintDevice device;
        QPainter painter(&device);
        painter.setRenderHints(Antialiased, false);
        painter.setPen(Pen);
        if constexpr (std::is_same_v<Element, S::PrimitiveElement>)
            m_style->drawPrimitive(element, &option, &painter, widget);
        else
            m_style->drawControl(element, &option, &painter, widget);
        const bool tidy = (painter.renderHints() & Antialiased) == Antialiased && painter.pen() == Pen
            && painter.transform().isIdentity();
        QTest::qVerify(tidy, "hints on, pen and transform given back", "", __FILE__, __LINE__);
        return kind < 0 ? device.records() : device.records(R::Kind(kind));
    }

    // A button's option for `widget` (if any), with the two-coloured icon at 16 pixels.
    QStyleOptionButton buttonOption(const QWidget *widget, const QRect &rect, int state, const QString &text = {}) const
    {
        QStyleOptionButton option;
        if (widget)
            option.initFrom(widget);
        option.rect = rect;
        option.state = S::State(state);
        option.icon = m_icon;
        option.iconSize = QSize(16, 16);
        option.text = text;
        return option;
    }

    // A styled button or combo box of a button type, in the window's group box.
    template <typename Widget> Widget *typed(int buttonType)
    {
        auto *widget = new Widget(m_page);
        widget->setButtonType(H::ButtonType(buttonType));
        return widget;
    }

    FlatStyle *m_flat = nullptr;
    QStyle *m_style = nullptr; // the same, as the toolkit sees it
    QIcon m_icon;
    QWidget m_window;
    QStyledGroupBox *m_page = new QStyledGroupBox("Group", nullptr);
    QNavigationButton *m_steps[3] = {}; // linked, the second checked
    QStyledHeader *m_header = new QStyledHeader;
    QWidget *m_heading = new QFrameHeaderLabel("Heading", nullptr), *m_description = new QFrameDescriptionLabel;
    QVector<QStyledComboBox *> m_combos;
    QList<QMenu *> m_menus;
};

QTEST_MAIN(TestFlatStyle)
#include "tst_flatstyle.moc"
