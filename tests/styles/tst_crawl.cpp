// Every primitive, control, complex control, sub-element, metric, hint and
// size rule of the three styles, over the real Fusion, with a default
// option, options of every class (most of them the wrong one for the
// element), no widget and each of the library's widgets: nothing may crash
// or trip the sanitizers, and the painter must come back as it was handed
// over (or as Fusion itself leaves it after the same call: its menu check
// mark keeps its pen), except for what the looks are meant to change:
//  - the render hints, which every look switches on and leaves on
//    (antialiasing and text antialiasing; smooth pixmaps too, except in the
//    flat look's own elements);
//  - the pen of the common style's menu-bar item, which keeps the colour of
//    the item's ButtonText after its chevron.
#include <QtTest>
#include <QtWidgets>

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

#include <memory>
#include <vector>

namespace {

using S = QStyle;

// What the library or Qt print while the styles are crawled; nothing is expected.
QStringList messages;
void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The offscreen platform says this about every top-level window it shows.
    if (type != QtDebugMsg && !message.contains(QLatin1String("propagateSizeHints")))
        messages << message;
}

// One option of each class, in a resting and in a busy right-to-left state.
std::vector<std::unique_ptr<QStyleOption>> allOptions()
{
    std::vector<std::unique_ptr<QStyleOption>> options;
    const auto add = [&options](QStyleOption *option) {
        option->rect = QRect(2, 3, 60, 30);
        options.emplace_back(option);
    };
    for (const bool busy : { false, true }) {
        const std::size_t first = options.size();
        add(new QStyleOption);
        add(new QStyleOptionButton);
        add(new QStyleOptionMenuItem);
        add(new QStyleOptionFrame);
        add(new QStyleOptionTab);
        add(new QStyleOptionHeader);
        add(new QStyleOptionProgressBar);
        add(new QStyleOptionViewItem);
        add(new QStyleOptionToolBox);
        add(new QStyleOptionDockWidget);
        add(new QStyleOptionTabWidgetFrame);
        add(new QStyleOptionRubberBand);
        add(new QStyleOptionFocusRect);
        add(new QStyleOptionComplex);
        add(new QStyleOptionComboBox);
        add(new QStyleOptionSlider);
        add(new QStyleOptionSpinBox);
        add(new QStyleOptionToolButton);
        add(new QStyleOptionTitleBar);
        add(new QStyleOptionGroupBox);
        add(new QStyleOptionSizeGrip);
        for (std::size_t i = first; busy && i < options.size(); ++i) {
            options[i]->state = S::State_Enabled | S::State_On | S::State_Sunken | S::State_MouseOver
                | S::State_HasFocus | S::State_Selected;
            options[i]->direction = Qt::RightToLeft;
            if (auto *button = qstyleoption_cast<QStyleOptionButton *>(options[i].get())) {
                button->text = QStringLiteral("&Go");
                button->icon = QIcon(QPixmap(8, 8));
                button->features = QStyleOptionButton::HasMenu;
            } else if (auto *item = qstyleoption_cast<QStyleOptionMenuItem *>(options[i].get())) {
                item->text = QStringLiteral("&File");
                item->icon = QIcon(QPixmap(8, 8));
            }
        }
    }
    return options;
}

struct PainterState
{
    explicit PainterState(const QPainter &p)
        : pen(p.pen()), brush(p.brush()), origin(p.brushOrigin()), font(p.font()), background(p.background())
        , mode(p.backgroundMode()), transform(p.worldTransform()), opacity(p.opacity()), composition(p.compositionMode())
        , clipping(p.hasClipping()), direction(p.layoutDirection())
    {
    }
    // The names of what differs from `other`; the pen is left out where a look may change it.
    QStringList changed(const PainterState &other, bool penMayChange) const
    {
        QStringList names;
        const auto check = [&names](bool same, const char *name) {
            if (!same)
                names << QLatin1String(name);
        };
        check(penMayChange || pen == other.pen, "pen");
        check(brush == other.brush, "brush");
        check(origin == other.origin, "brush origin");
        check(font == other.font, "font");
        check(background == other.background, "background");
        check(mode == other.mode, "background mode");
        check(transform == other.transform, "transform");
        check(opacity == other.opacity, "opacity");
        check(composition == other.composition, "composition mode");
        check(clipping == other.clipping, "clipping");
        check(direction == other.direction, "layout direction");
        return names;
    }
    QPen pen;
    QBrush brush;
    QPointF origin;
    QFont font;
    QBrush background;
    Qt::BGMode mode;
    QTransform transform;
    qreal opacity;
    QPainter::CompositionMode composition;
    bool clipping;
    Qt::LayoutDirection direction;
};

template <typename Enum>
QVector<Enum> values(int below)
{
    QVector<Enum> result;
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    for (int i = 0; i < meta.keyCount(); ++i) {
        if (meta.value(i) >= 0 && meta.value(i) < below)
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
    std::vector<std::unique_ptr<QStyleOption>> m_options = allOptions();

private slots:
    // The library's widgets, and a few of Qt's that the looks single out, shown in one window.
    void initTestCase()
    {
        qInstallMessageHandler(collect);
        auto *layout = new QVBoxLayout(&m_window);
        auto *header = new QStyledHeader;
        header->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("Quit"));
        auto *steps = new QNavigationButtonGroup(QBoxLayout::TopToBottom);
        QNavigationButton *middle = nullptr;
        for (int i = 0; i < 3; ++i)
            steps->addNavigationButton(middle = new QNavigationButton(i, QStringLiteral("Step")));
        steps->setCheckedButton(1);
        auto *blue = new QStyledPushButton(QStringLiteral("Go"), nullptr);
        blue->setButtonType(StyleHelper::GRADIENT_BLUE);
        auto *combo = new QStyledComboBox;
        combo->addItem(QStringLiteral("One"));
        auto *plainCombo = new QComboBox;
        m_widgets << header << header->menuBar() << steps << middle << blue << combo << plainCombo
                  << plainCombo->view()->parentWidget() << new QStyledGroupBox(QStringLiteral("Group"), nullptr)
                  << new QFrameHeaderLabel << new QFrameDescriptionLabel << new QSlideMaster
                  << new QPixmapButton(QPixmap(16, 16)) << new QElidedLabel(QStringLiteral("Elided text"))
                  << new QIpAdressEdit << new QPushButton(QStringLiteral("Plain")) << new QMenuBar;
        for (QWidget *w : qAsConst(m_widgets)) {
            if (w && !w->parentWidget())
                layout->addWidget(w);
        }
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    }

    void crawl_data()
    {
        QTest::addColumn<int>("look");
        QTest::newRow("CommonStyle") << 0;
        QTest::newRow("GradientStyle") << 1;
        QTest::newRow("FlatStyle") << 2;
    }

    void crawl()
    {
        QFETCH(int, look);
        const std::unique_ptr<QStyle> style(look == 0 ? new CommonStyle
                                                : look == 1 ? static_cast<QStyle *>(new GradientStyle)
                                                            : new FlatStyle);
        QImage image(64, 36, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::darkGreen, 2, Qt::DotLine));
        painter.setBrush(QBrush(Qt::yellow, Qt::Dense3Pattern));
        QStringList problems;
        // Calls with every option and widget and notes whatever the look changed on the painter beyond
        // what Fusion itself leaves changed after the same call.
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        using Call = std::function<void(QStyle *, const QStyleOption *, QWidget *)>;
        const auto each = [&](const QString &what, const Call &call, bool complexOnly = false, bool penMayChange = false) {
            for (const auto &option : m_options) {
                if (complexOnly && !qstyleoption_cast<const QStyleOptionComplex *>(option.get()))
                    continue;
                for (QWidget *w : qAsConst(m_widgets)) {
                    const PainterState before(painter);
                    painter.save();
                    call(fusion.get(), option.get(), w);
                    const QStringList fusionChanged = before.changed(PainterState(painter), penMayChange);
                    painter.restore();
                    call(style.get(), option.get(), w);
                    QStringList changed = before.changed(PainterState(painter), penMayChange);
                    for (const QString &name : fusionChanged)
                        changed.removeAll(name);
                    if (!changed.isEmpty())
                        problems << QStringLiteral("%1 with option type %2 and %3 changed the %4")
                                        .arg(what).arg(option->type)
                                        .arg(w ? w->metaObject()->className() : "no widget", changed.join(", "));
                    painter.setPen(before.pen);
                }
            }
        };
        for (const auto e : values<S::PrimitiveElement>(S::PE_CustomBase))
            each(Dump(e), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->drawPrimitive(e, o, &painter, w); });
        for (const auto e : values<S::ControlElement>(S::CE_CustomBase))
            each(Dump(e), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->drawControl(e, o, &painter, w); },
                 false, look == 0 && e == S::CE_MenuBarItem);
        for (const auto c : values<S::ComplexControl>(S::CC_CustomBase)) {
            each(Dump(c), [&](QStyle *s, const QStyleOption *o, QWidget *w) {
                const auto *complex = static_cast<const QStyleOptionComplex *>(o);
                s->drawComplexControl(c, complex, &painter, w);
                for (const auto sc : values<S::SubControl>(INT_MAX))
                    s->subControlRect(c, complex, sc, w);
                s->hitTestComplexControl(c, complex, QPoint(10, 10), w);
            }, true);
        }
        for (const auto e : values<S::SubElement>(S::SE_CustomBase))
            each(Dump(e), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->subElementRect(e, o, w); });
        for (const auto m : values<S::PixelMetric>(S::PM_CustomBase))
            each(Dump(m), [&](QStyle *s, const QStyleOption *o, QWidget *w) {
                s->pixelMetric(m, o, w);
                s->pixelMetric(m, nullptr, w);
            });
        for (const auto h : values<S::StyleHint>(S::SH_CustomBase))
            each(Dump(h), [&](QStyle *s, const QStyleOption *o, QWidget *w) {
                s->styleHint(h, o, w);
                s->styleHint(h, nullptr, w);
            });
        for (const auto t : values<S::ContentsType>(S::CT_CustomBase))
            each(Dump(t), [&](QStyle *s, const QStyleOption *o, QWidget *w) { s->sizeFromContents(t, o, QSize(20, 10), w); });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Last: the application switches between the looks and Fusion, again and again, while the
    // window is alive and painted, without crashes, warnings, leaks or widgets left behind.
    void switchLooks()
    {
        const int widgets = QApplication::allWidgets().size();
        for (int round = 0; round < 8; ++round) {
            QStyle *next = round % 4 == 0 ? new GradientStyle
                : round % 4 == 1          ? static_cast<QStyle *>(new FlatStyle)
                : round % 4 == 2          ? new CommonStyle
                                          : QStyleFactory::create(QStringLiteral("Fusion"));
            QApplication::setStyle(next);
            QVERIFY(!m_window.grab().isNull());
            QCOMPARE(QApplication::allWidgets().size(), widgets);
        }
    }

    void cleanup()
    {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

private:
    template <typename Enum>
    static QString Dump(Enum value)
    {
        return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(int(value)));
    }
};

QTEST_MAIN(TestCrawl)
#include "tst_crawl.moc"
