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
using Records = QVector<PaintRecord>;
constexpr QPainter::RenderHints Antialiased = QPainter::Antialiasing | QPainter::TextAntialiasing;
const QPen Pen(Qt::green, 3, Qt::DashLine); // the painter's pen before every call

// The flat colours, written down apart from the library's own lookup: DB dark blue, B blue,
// DG dark gray, G gray, LG light gray, W white, K black.
const QHash<QString, QColor> Colours{ { "DB", "#00519C" }, { "B", "#4A91C6" }, { "DG", "#535353" }, { "G", "#A0A0A0" },
                                      { "LG", "#C9C9C9" }, { "W", "#FFFFFF" }, { "K", "#000000" } };
QString key(const QColor &colour) { return Colours.key(colour, colour.name()); }

// The key of `role`'s colour when it is one solid colour in every colour group.
QString uniform(const QPalette &palette, QPalette::ColorRole role)
{
    const QBrush brush = palette.brush(QPalette::Active, role);
    const bool same = brush.style() == Qt::SolidPattern && palette.brush(QPalette::Inactive, role) == brush
        && palette.brush(QPalette::Disabled, role) == brush;
    return same ? key(brush.color()) : "mixed";
}

// Point size, weight and italic of a widget's font.
QString font(const QWidget *widget)
{
    const QFont f = widget->font();
    return QStringLiteral("%1 %2 %3").arg(f.pointSize()).arg(f.weight()).arg(f.italic());
}

// Stacked on the flat look it becomes its proxy() and answers the button metrics with values
// of its own, so a test sees which metrics are asked through proxy().
class ProxyMetrics : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *opt, const QWidget *w) const override
    {
        const QHash<int, int> own{ { PM_ButtonShiftHorizontal, 3 }, { PM_ButtonShiftVertical, 7 },
                                   { PM_ButtonMargin, 30 } };
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
        QPixmap off(16, 16), on(16, 16);
        off.fill(Qt::red);
        on.fill(Qt::blue);
        m_icon.addPixmap(off); // red when off, blue when on: shows which picture is drawn
        m_icon.addPixmap(on, QIcon::Normal, QIcon::On);
        m_style = m_flat = new FlatStyle;
        QApplication::setStyle(new ProxyMetrics(m_flat)); // the application owns both
        QMenu *file = m_header->menuBar()->addMenu(m_icon, "File"), *recent = file->addMenu("Recent");
        m_menus = { file, recent, recent->addMenu("Older"), m_header->menuBar()->addMenu("Edit") };
        auto *steps = new QNavigationButtonGroup(QBoxLayout::TopToBottom); // links its steps
        for (int i = 0; i < 3; ++i)
            steps->addNavigationButton(m_steps[i] = new QNavigationButton(i, m_icon, QString("Step %1").arg(i + 1)));
        steps->setCheckedButton(1);
        m_combos = { typed<QStyledComboBox>(H::GRADIENT_BLUE), typed<QStyledComboBox>(H::GRADIENT_DARKGRAY) };
        auto *layout = new QVBoxLayout(m_page);
        for (QWidget *w : QWidgetList{ m_heading, m_description, m_combos[0], m_combos[1], new QCheckBox("Check"),
                                       new QLineEdit("Edit"), new QPixmapButton(off),
                                       new QElidedLabel(QString("A long text that is elided ").repeated(8)),
                                       new QIpAdressEdit(nullptr, QIpAdressEdit::IPv4),
                                       new QIpAdressEdit(nullptr, QIpAdressEdit::IPv6) })
            layout->addWidget(w);
        for (QWidget *w : QWidgetList{ m_heading, m_description, m_combos[1] })
            w->setFont(QFont(w->font().family(), 7, QFont::Bold, true));
        auto *slide = new QSlideMaster;
        slide->setCentralWidget(m_page);
        layout = new QVBoxLayout(&m_window);
        for (QWidget *w : QWidgetList{ m_header, steps, slide })
            layout->addWidget(w);
        m_window.resize(600, 1000);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    }

    void init() { m_flat->setStyleOptions(CommonStyle::StyleOptions(19)); }

    // Push buttons by widget, button type, option class ("plain": a QStyleOption), text and state:
    // the panel fill, the label colour ("-": no label), and where the icon and text go. The
    // picture is the Off one, also for checked buttons, shifted while down (horizontally as
    // proxy() says); a right-to-left widget mirrors the icon.
    void pushButtons_data()
    {
        columns<QWidget *, int, bool, QString, QString>({ "widget", "state", "buttonOption", "text", "look" });
        const int idle = S::State_Enabled | S::State_Raised, off = S::State_Raised;
        const int busy = idle | S::State_Sunken | S::State_On | S::State_MouseOver | S::State_HasFocus;
        QWidget *push = new QPushButton(m_page), *none = nullptr, *blue = typed<QStyledPushButton>(H::GRADIENT_BLUE);
        QWidget *black = typed<QStyledPushButton>(H::GRADIENT_BLACK), *left = typed<QStyledPushButton>(H::DEFAULT);
        QWidget *leftRtl = typed<QStyledPushButton>(H::GRADIENT_BLUE);
        QWidget *blueBox = m_combos[0], *grayBox = m_combos[1]; // combo boxes of the window
        for (QWidget *w : { left, leftRtl })
            static_cast<QStyledPushButton *>(w)->setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
        leftRtl->setLayoutDirection(Qt::RightToLeft);
        QTest::newRow("QPushButton") << push << idle << true << "Apply" << "LG K";
        QTest::newRow("styled BLUE") << blue << idle << true << "Apply" << "B W";
        QTest::newRow("styled BLUE, pressed and checked") << blue << busy << true << "Apply" << "B W";
        QTest::newRow("styled BLUE, disabled") << blue << off << true << "Apply" << "B DG";
        QTest::newRow("styled BLUE, plain option") << blue << idle << false << "Apply" << "LG -";
        QTest::newRow("styled BLACK, icon alone") << black << idle << true << "" << "LG -";
        QTest::newRow("combo BLUE") << blueBox << idle << true << "Apply" << "B K";
        QTest::newRow("combo DARKGRAY, on") << grayBox << int(S::State_Enabled | S::State_On) << true << "Go" << "LG K";
        QTest::newRow("no widget") << none << idle << true << "Apply" << "LG K";
        QTest::newRow("left icon") << left << idle << true << "Apply" << "LG K";
        QTest::newRow("left icon, rtl, pressed") << leftRtl << int(idle | S::State_Sunken) << true << "Go" << "B W";
    }

    void pushButtons()
    {
        QFETCH(QWidget *, widget); QFETCH(int, state); QFETCH(bool, buttonOption); QFETCH(QString, text);
        QFETCH(QString, look);
        QStyleOptionButton button;
        if (widget)
            button.initFrom(widget);
        button.rect = QRect(4, 3, 200, 30);
        button.state = S::State(state);
        button.text = text;
        button.icon = m_icon;
        button.iconSize = QSize(16, 16);
        const QStyleOption plain(button), &option = buttonOption ? button : plain;
        const Records panel = draw(S::PE_PanelButtonCommand, option, widget);
        const Records texts = draw(S::CE_PushButtonLabel, option, widget, R::Text);
        const Records pixmaps = draw(S::CE_PushButtonLabel, option, widget, R::Pixmap);
        // One flat fill without outline.
        QCOMPARE(panel.size(), 1);
        QCOMPARE(panel[0].rects, QVector<QRectF>{ QRectF(4, 3, 200, 30) });
        QCOMPARE(panel[0].brush.style(), Qt::SolidPattern);
        QCOMPARE(key(panel[0].brushColor()) + ' ' + (texts.isEmpty() ? "-" : key(texts[0].penColor())), look);
        QCOMPARE(pixmaps.size(), buttonOption ? 1 : 0);
        if (!buttonOption)
            return;
        const QIcon::Mode mode = state & S::State_Enabled ? QIcon::Normal : QIcon::Disabled;
        QCOMPARE(pixmaps[0].pixmap.toImage(), m_icon.pixmap(16, mode, QIcon::Off).toImage());
        // The margin and the vertical shift are the flat look's own.
        const auto *styled = qobject_cast<QStyledPushButton *>(widget);
        const bool left = styled && styled->buttonOptions() & QStyledPushButton::BO_ICON_LEFT_ALIGNED;
        const int margin = m_style->pixelMetric(S::PM_ButtonMargin);
        const int tw = button.fontMetrics.boundingRect(button.rect, Qt::AlignVCenter | Qt::TextShowMnemonic, text)
                           .width();
        const int lw = text.isEmpty() ? 16 : 16 + 4 + tw, d = left ? (200 - 20 - 2 * margin - tw) / 2 : 0;
        QRect icon = QStyle::visualRect(button.direction, button.rect,
                                        QRect(left ? 4 + margin : 4 + (200 - lw) / 2, 10, 16, 16));
        QCOMPARE(texts.size(), text.isEmpty() ? 0 : 1);
        if (!texts.isEmpty())
            QCOMPARE(texts[0].position.x(), qreal(button.direction == Qt::RightToLeft ? 4 : icon.right() + 5 + d));
        if (state & (S::State_On | S::State_Sunken))
            icon.translate(3, m_style->pixelMetric(S::PM_ButtonShiftVertical));
        QCOMPARE(pixmaps[0].rect, QRectF(icon));
    }

    // Frames become the grey outline of a line edit, but a combo pop-up's and one without a frame
    // option stay the base style's; a check box is that outline, with a tick when on or pressed.
    void frames_data()
    {
        columns<int, QString, int, QRectF, QPolygonF>({ "element", "option", "state", "outline", "tick" });
        const int frame = S::PE_Frame, check = S::PE_IndicatorCheckBox, on = S::State_Enabled | S::State_On;
        const QRectF box(3, 4, 17, 17), none;
        const QPolygonF tick({ { 7, 13 }, { 10.2, 16.6 }, { 17.4, 9.4 } }), noTick;
        QTest::newRow("frame, focused") << frame << "frame" << int(on | S::State_HasFocus) << box << noTick;
        QTest::newRow("frame, combo popup") << frame << "popup" << on << none << noTick;
        QTest::newRow("frame, plain option") << frame << "plain" << on << none << noTick;
        QTest::newRow("check box partly") << check << "frame" << int(S::State_NoChange) << box << noTick;
        QTest::newRow("check box on") << check << "frame" << on << box << tick;
        QTest::newRow("check box pressed, odd size") << check << "odd" << int(S::State_Sunken) << QRectF(0, 0, 12, 16)
                                                     << QPolygonF({ { 3, 8.5 }, { 5.2, 11.9 }, { 10.4, 5.1 } });
    }

    void frames()
    {
        QFETCH(int, element); QFETCH(QString, option); QFETCH(int, state); QFETCH(QRectF, outline);
        QFETCH(QPolygonF, tick);
        QComboBox combo; // its pop-up is the toolkit's private container class
        QStyleOptionFrame frame;
        frame.rect = option == "odd" ? QRect(0, 0, 13, 17) : QRect(3, 4, 18, 18);
        frame.state = S::State(state);
        const QStyleOption plain(frame), &opt = option == "plain" ? plain : frame;
        const QWidget *popup = option == "popup" ? combo.view()->parentWidget() : nullptr;
        const Records rects = draw(S::PrimitiveElement(element), opt, popup, R::Rects);
        const Records paths = draw(S::PrimitiveElement(element), opt, popup, R::Path);
        const bool grey = rects.size() == 1 && rects[0].pen == QPen(Colours["G"], 1, Qt::DashLine);
        QCOMPARE(grey, !outline.isEmpty());
        if (grey) {
            QCOMPARE(rects[0].rects, QVector<QRectF>{ outline });
            QCOMPARE(rects[0].transform, QTransform::fromTranslate(0.5, 0.5));
            QCOMPARE(rects[0].brush.style(), Qt::NoBrush);
        }
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
        QFETCH(int, step); QFETCH(int, state); QFETCH(QString, neighbours); QFETCH(bool, twoDigits);
        QFETCH(QString, drawn);
        m_flat->setStyleOptions(twoDigits ? CommonStyle::CS_TWO_DIGIT_NUMBERS : CommonStyle::CS_BUTTON_OUTLINE);
        QNavigationButton loose(-1, m_icon, "Loose", &m_window);
        QNavigationButton *button = step < 0 ? &loose : m_steps[step];
        for (QNavigationButton *other : m_steps) {
            other->setEnabled(other == button || neighbours != "disabled");
            other->setVisible(other == button || neighbours != "hidden");
        }
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = QRect(10, 5, 220, 48); // the badge ignores this origin, the rest does not
        option.state = S::State(state);
        option.icon = m_icon;
        const int n = qMin(48, int(option.fontMetrics.height() * 1.25)), sz = n + 2, by1 = (48 - sz) / 2;
        const int by2 = by1 + sz - 1, bx2 = 8 + sz - 1, cx = 8 + sz / 2;
        const int hx = option.fontMetrics.boundingRect('X').height() / 2;
        const QRectF badge(8, by1, sz, sz);
        const QMap<QString, QRectF> fills{ { "panel", option.rect }, { "badge", badge } };
        const QMap<QString, QLineF> lines{ { "underline", QLineF(18, 52, 225, 52) }, { "up", QLineF(cx, 5, cx, by1) },
            { "top", QLineF(9, by1 + 1, bx2, by1 + 1) }, { "right", QLineF(bx2, by1 + 1, bx2, by2) },
            { "bottom", QLineF(bx2, by2, 9, by2) }, { "left", QLineF(9, by2, 9, by1 + 1) },
            { "down", QLineF(cx, by1 + sz, cx, 53) } };
        const QPolygonF chevron({ QPointF(220, 29 - hx), QPointF(225, 29), QPointF(220, 29 + hx) });
        QStringList seen;
        const Records records =
            draw(S::PE_PanelButtonCommand, option, button) + draw(S::CE_PushButtonLabel, option, button);
        for (const R &r : records) {
            const QString pen = key(r.penColor()) + QString::number(r.pen.width()) + ' ';
            const qreal middle = r.position.x() + QFontMetricsF(r.font).horizontalAdvance(r.text) / 2;
            const QString weight = r.font.weight() == QFont::DemiBold ? " demibold" : "";
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
                seen << pen + (r.kind == R::Text && r.position.x() == 10 + 16 + n ? r.text + weight : "?");
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
        QTest::newRow("sunken only") << int(S::State_Enabled | S::State_Sunken) << "LG K File";
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
        const Records records = draw(S::CE_MenuBarItem, option, bar.data());
        const Records texts = draw(S::CE_MenuBarItem, option, bar.data(), R::Text);
        QCOMPARE(draw(S::CE_MenuBarItem, option, bar.data(), R::Path).size(), look != "-" && state ? 1 : 0);
        if (look == "-")
            return;
        QCOMPARE(records.value(0).rects, QVector<QRectF>{ QRectF(option.rect) });
        QCOMPARE(texts.size(), 1);
        QCOMPARE(key(records[0].brushColor()) + ' ' + key(texts[0].penColor()) + ' ' + texts[0].text, look);
    }

    // The window's widgets as the toolkit polished them: sub-menus too, but not a menu added
    // later; unpolishing leaves what the flat look gave.
    void polish()
    {
        QMenu *late = m_header->menuBar()->addMenu("Late");
        auto *title = m_header->findChild<QLabel *>("appTitleLabel");
        auto *name = m_header->findChild<QLabel *>("appNameLabel");
        QVERIFY(title && name);
        m_flat->unpolish(m_steps[0]);
        // The palette polish, a blue combo box, the labels (the description keeps the application
        // font's weight), the step after unpolishing, and the header's labels and menu bar.
        const QPalette app = QApplication::palette();
        const QStringList polished{ uniform(app, QPalette::Text), uniform(app, QPalette::Window),
            uniform(m_combos[0]->palette(), QPalette::ButtonText), uniform(m_heading->palette(), QPalette::WindowText),
            font(m_heading), font(m_description), uniform(m_steps[0]->palette(), QPalette::Button), font(title),
            font(name), uniform(name->palette(), name->foregroundRole()),
            uniform(m_header->menuBar()->palette(), QPalette::Window) };
        QCOMPARE(polished, QStringList({ "K", "W", "W", "DB", "20 63 0", "12 50 0", "DG", "16 63 0", "16 50 0", "DG",
                                         "LG" }));
        // Left alone: a combo box of another type. Without host resources there is no icon.
        QCOMPARE(m_combos[1]->palette(), QApplication::palette(m_combos[1]));
        QCOMPARE(font(m_combos[1]), "7 75 1");
        QCOMPARE(title->palette(), name->palette());
        QVERIFY(m_flat->windowIcon().isNull());
        for (QMenu *menu : qAsConst(m_menus)) {
            const QPalette p = menu->palette();
            QCOMPARE(QStringList({ uniform(p, QPalette::Window), uniform(p, QPalette::Highlight),
                                   uniform(p, QPalette::HighlightedText) }), QStringList({ "W", "B", "W" }));
        }
        QVERIFY(uniform(late->palette(), QPalette::Highlight) != "B");
        m_flat->polish(m_header);
        QCOMPARE(uniform(late->palette(), QPalette::Highlight), "B");
    }

    // Last, as it replaces the application's style: the looks come and go, again and again, while
    // the window is alive and painted, without crashes, leaks or widgets left behind. A flat step
    // is dark gray, and the light gray of the flat menu bar goes with the flat look.
    void switchStyles()
    {
        const QList<QPair<const char *, std::function<QStyle *()>>> styles{
            { "GradientStyle", [] { return new GradientStyle; } }, { "FlatStyle", [] { return new FlatStyle; } },
            { "CommonStyle", [] { return new CommonStyle; } },
            { "QFusionStyle", [] { return QStyleFactory::create("Fusion"); } } };
        int widgets = -1; // once the first look has set up what it needs
        for (int round = 0; round < 3; ++round) {
            for (const auto &style : styles) {
                QApplication::setStyle(style.second());
                m_window.grab(); // paints every widget in the new look
                const bool flat = qstrcmp(style.first, "FlatStyle") == 0;
                const QImage step = m_steps[1]->grab().toImage();
                QCOMPARE(key(step.pixelColor(step.width() - 3, 2)) == "DG", flat);
                if (qstrcmp(style.first, "GradientStyle") != 0) // which sets its own
                    QCOMPARE(uniform(m_header->menuBar()->palette(), QPalette::Window) == "LG", flat);
                widgets = widgets < 0 ? QApplication::allWidgets().size() : widgets;
                QCOMPARE(QApplication::allWidgets().size(), widgets);
            }
        }
    }

private:
    // Paints one element with the flat look, with the antialiasing hints off and Pen beforehand;
    // the look must switch the hints on, leave them on and give the pen back. Returns what reached
    // the device, all or of one kind.
    template <typename Element>
    Records draw(Element element, const QStyleOption &option, const QWidget *widget, int kind = -1) const
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
