// Every primitive, control, complex control, sub-element, metric, hint and
// size rule of the three styles, over the real Fusion, with options of every
// class (most of them the wrong one for the element), no widget and each of
// the library's widgets: nothing may crash, trip the sanitizers or warn
// beyond what Fusion itself says about the same call, and the painter must
// come back as it was handed over (or as Fusion itself leaves it after the
// same call: its menu check mark keeps its pen), except for what the looks
// are meant to change:
//  - the render hints, which every look switches on and leaves on
//    (antialiasing and text antialiasing; smooth pixmaps too, except in the
//    flat look's own elements);
//  - the pen of the common style's menu-bar item, which keeps the colour of
//    the item's ButtonText after its chevron.
#include "TestSupport.h"

namespace {

using S = QStyle;

// The painter state that a style must leave as it found it, entry by entry.
QStringList stateOf(const QPainter &p)
{
    return { "pen " + Dump::pen(p.pen()), "brush " + Dump::brush(p.brush()), "brush origin " + Dump::points({ p.brushOrigin() }),
             "font " + p.font().toString(), "background " + Dump::brush(p.background()), "background mode " + QString::number(p.backgroundMode()),
             "transform " + Dump::rect(p.transform().mapRect(QRectF(0, 0, 1, 1))), "opacity " + Dump::number(p.opacity()),
             "composition mode " + QString::number(p.compositionMode()), "clipping " + QString::number(p.hasClipping()),
             "layout direction " + QString::number(p.layoutDirection()) };
}

// Qt's own values of an enumeration, those below its custom base (compared unsigned: most bases are 0xf0000000).
template <typename Enum>
QVector<Enum> values(uint below)
{
    QVector<Enum> result;
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    for (int i = 0; i < meta.keyCount(); ++i) {
        if (uint(meta.value(i)) < below)
            result << Enum(meta.value(i));
    }
    return result;
}

} // namespace

class TestCrawl : public QObject
{
    Q_OBJECT

    QWidget m_window;
    QWidgetList m_widgets{ nullptr };
    QStringList *m_messages = nullptr; // from initTestCase on, when QtTest has installed its own handler
    std::vector<std::shared_ptr<QStyleOption>> m_options{ nullptr };

private slots:
    // The library's widgets, and a few of Qt's that the looks single out, in one window.
    void initTestCase()
    {
        m_messages = &VeltrixTest::collectMessages();
        for (const char *line : { "QStyledHeader", "QStyledMenuBar", "QNavigationButton id=2 text=Step predecessor=on",
                 "QStyledPushButton text=Go buttonType=GRADIENT_BLUE", "QStyledComboBox items=1", "QComboBox",
                 "QComboBoxPrivateContainer", "QStyledGroupBox title=Group", "QFrameHeaderLabel", "QFrameDescriptionLabel",
                 "QSlideMaster", "QPixmapButton pixmap=16x16", "QElidedLabel text=\"Elided text\"", "QIpAdressEdit",
                 "QPushButton text=Plain", "QMenuBar" })
            m_widgets << makeWidget(CaseLine(line), &m_window);
        m_widgets << new QNavigationButtonGroup(QBoxLayout::TopToBottom, &m_window);
        // No option, then one of each class resting, then each in a busy right-to-left state.
        for (const char *settings : { "rect=2,3,60,30 state=None", "rect=2,3,60,30 state=Enabled|On|Sunken|MouseOver|HasFocus|Selected "
                                                                    "direction=RightToLeft text=&Go icon features=HasMenu" }) {
            for (const QString &optionClass : optionClasses())
                m_options.push_back(makeOption(optionClass, CaseLine(settings)));
        }
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    }

    void cleanup() { QVERIFY2(m_messages->isEmpty(), qPrintable(m_messages->join('\n'))); }

    void crawl_data()
    {
        QTest::addColumn<QString>("look");
        for (const char *look : { "CommonStyle", "GradientStyle", "FlatStyle" })
            QTest::newRow(look) << QString(look);
    }

    void crawl()
    {
        QFETCH(QString, look);
        const std::unique_ptr<QStyle> fusion(newStyle("Fusion")), style(newStyle(look));
        QImage image(64, 36, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::darkGreen, 2, Qt::DotLine));
        painter.setBrush(QBrush(Qt::yellow, Qt::Dense3Pattern));
        QStringList problems;
        using Call = std::function<void(QStyle *, const QStyleOption *, QWidget *)>;
        // Calls with every option and widget, notes what the look changed on the painter beyond what Fusion
        // itself changes in the same call, and hands the painter on as it was.
        // Only a query takes no option at all; only drawing gets the painter.
        enum Kind { Draw, Complex, Measure, Query };
        const auto each = [&](const QString &what, const Call &call, Kind kind = Draw, bool penMayChange = false) {
            const bool paints = kind == Draw || kind == Complex;
            // The painter's state after the call (none to see where it gets no painter), then the state before.
            const auto run = [&](QStyle *s, const QStyleOption *o, QWidget *w) {
                painter.save();
                call(s, o, w);
                const QStringList state = paints ? stateOf(painter) : QStringList();
                painter.restore();
                return state;
            };
            for (const auto &option : m_options) {
                const bool complex = qstyleoption_cast<const QStyleOptionComplex *>(option.get());
                for (QWidget *w : qAsConst(m_widgets)) {
                    if ((kind == Complex && !complex) || (kind != Query && !option))
                        continue;
                    const QStringList before = paints ? stateOf(painter) : QStringList();
                    const QStringList afterFusion = run(fusion.get(), option.get(), w);
                    const QStringList fusionSaid = *m_messages; // Qt's own complaints about what a call asks
                    m_messages->clear();
                    const QStringList after = run(style.get(), option.get(), w);
                    for (const QString &message : qAsConst(*m_messages)) {
                        if (!fusionSaid.contains(message))
                            problems << QString("%1, option type %2, %3: %4").arg(what).arg(option ? option->type : -1).arg(Dump::widget(w), message);
                    }
                    m_messages->clear();
                    for (int i = penMayChange ? 1 : 0; i < before.size(); ++i) {
                        if (after[i] != before[i] && afterFusion[i] == before[i])
                            problems << QString("%1, option type %2, %3: %4").arg(what).arg(option ? option->type : -1)
                                            .arg(Dump::widget(w), before[i] + " became " + after[i]);
                    }
                }
            }
        };
        for (const auto e : values<S::PrimitiveElement>(S::PE_CustomBase))
            each(Dump::name(e), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->drawPrimitive(e, o, &painter, w); });
        for (const auto e : values<S::ControlElement>(S::CE_CustomBase))
            each(Dump::name(e), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->drawControl(e, o, &painter, w); },
                 Draw, look == "CommonStyle" && e == S::CE_MenuBarItem);
        for (const auto c : values<S::ComplexControl>(S::CC_CustomBase)) {
            each(Dump::name(c), [&](QStyle *s, const QStyleOption *o, QWidget *w) {
                const auto *complex = static_cast<const QStyleOptionComplex *>(o);
                s->drawComplexControl(c, complex, &painter, w);
                for (const auto sc : values<S::SubControl>(S::SC_All))
                    s->subControlRect(c, complex, sc, w);
                s->hitTestComplexControl(c, complex, QPoint(10, 10), w);
            }, Complex);
        }
        // Fusion itself reads a tab bar's scroll buttons from the widget, so these two need one.
        const QVector<S::SubElement> needWidget{ S::SE_TabBarScrollLeftButton, S::SE_TabBarScrollRightButton };
        for (const auto e : values<S::SubElement>(S::SE_CustomBase)) {
            each(Dump::name(e), [&](QStyle *s, const QStyleOption *o, QWidget *w) {
                if (w || !needWidget.contains(e))
                    s->subElementRect(e, o, w);
            }, Measure);
        }
        for (const auto m : values<S::PixelMetric>(S::PM_CustomBase))
            each(Dump::name(m), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->pixelMetric(m, o, w); }, Query);
        for (const auto h : values<S::StyleHint>(S::SH_CustomBase))
            each(Dump::name(h), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->styleHint(h, o, w); }, Query);
        for (const auto t : values<S::ContentsType>(S::CT_CustomBase))
            each(Dump::name(t), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->sizeFromContents(t, o, QSize(20, 10), w); }, Measure);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // Last: the application switches between the looks and Fusion, again and again, while the window is
    // alive and painted, without crashes, warnings, leaks or widgets left behind. What a look's polish sets
    // and its unpolish leaves (the header's fonts and colours) stays for the next; from the second round on, a
    // look paints the window as it did a round before, and no two paint it alike.
    void switchLooks()
    {
        QVector<QImage> pictures;
        int widgets = 0;
        for (int round = 0; round < 12; ++round) {
            QApplication::setStyle(newStyle(QStringList{ "CommonStyle", "GradientStyle", "FlatStyle", "Fusion" }.at(round % 4)));
            QImage picture = m_window.grab().toImage(), before;
            for (int wait = 0; wait < 20 && picture != before; ++wait) { // a look's fonts take Qt 6 more than one round
                QCoreApplication::processEvents();
                before = std::exchange(picture, m_window.grab().toImage());
            }
            pictures << picture;
            // Counted from the second round on: Qt makes a combo box's popup and a menu bar's extension when
            // they are first needed.
            widgets = round == 4 ? QApplication::allWidgets().size() : widgets;
            QVERIFY(round < 4 || QApplication::allWidgets().size() == widgets);
        }
        for (int i = 4; i < 8; ++i) {
            QVERIFY2(pictures[i] == pictures[i + 4], qPrintable(QString("round %1").arg(i)));
            for (int j = i + 1; j < 8; ++j)
                QVERIFY2(pictures[i] != pictures[j], qPrintable(QString("rounds %1 and %2").arg(i).arg(j)));
        }
    }
};

QTEST_MAIN(TestCrawl)
#include "tst_crawl.moc"
