#include <QtTest>
#include <QtWidgets>

#include <CommonStyle.h>
#include <QNavigationButton.h>
#include <QStyledMenuBar.h>

#include "TestSupport.h"

namespace {

struct TestableCommonStyle : CommonStyle {
    using CommonStyle::navButtonIconSize;
};

constexpr auto SmoothHints = QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;
const QFlags<CommonStyle::StyleOption> DefaultFlags(19);

// One token per draw call: text and pixmaps with their left edge, paths with pen width, colour and points.
QString describe(const RecordingPaintDevice &device)
{
    QStringList drawn;
    for (const PaintRecord &r : device.records()) {
        drawn << (r.kind == PaintRecord::Text     ? QStringLiteral("T %1@%2").arg(r.text).arg(r.mappedPosition().x())
                  : r.kind == PaintRecord::Pixmap ? QStringLiteral("P@%1").arg(r.mappedRect().left())
                  : QStringLiteral("%1 %2 %3").arg(r.kind).arg(r.pen.width()).arg(r.penColor().name()));
        const QPainterPath path = r.mappedPath();
        for (int i = 0; r.kind == PaintRecord::Path && i < path.elementCount(); ++i)
            drawn.last() += QStringLiteral(" %1,%2").arg(path.elementAt(i).x).arg(path.elementAt(i).y);
    }
    return drawn.join(QStringLiteral(" | "));
}

} // namespace

class TestCommonStyle : public QObject
{
    Q_OBJECT

    // Hosts and the toolkit reach the overrides through QStyle.
    QStyle *style() const { return m_style.data(); }
    QScopedPointer<TestableCommonStyle> m_style;
    QScopedPointer<QStyle> m_fusion;

private slots:
    void initTestCase()
    {
        QApplication::setFont(QFont(QApplication::font().family(), 7));
        m_style.reset(new TestableCommonStyle);
        m_fusion.reset(QStyleFactory::create(QStringLiteral("Fusion")));
        QCOMPARE(QApplication::font().pointSize(), 11);
        QCOMPARE(m_style->styleOptions(), DefaultFlags);
    }

    void metricsHintsAndIconSize()
    {
        QStringList got;
        for (auto metric : { QStyle::PM_IndicatorWidth, QStyle::PM_IndicatorHeight, QStyle::PM_MenuBarItemSpacing,
                             QStyle::PM_MenuBarVMargin, QStyle::PM_MenuBarHMargin })
            got << QString::number(style()->pixelMetric(metric));
        for (auto hint : { QStyle::SH_EtchDisabledText, QStyle::SH_DitherDisabledText, QStyle::SH_ComboBox_Popup,
                           QStyle::SH_DrawMenuBarSeparator })
            got << QString::number(style()->styleHint(hint));
        QCOMPARE(got.join(' '), QStringLiteral("18 18 0 0 0 0 0 0 1"));
        // Shortcuts are never underlined on the library's menu bar; other widgets keep Fusion's answer.
        QStyledMenuBar styled;
        QMenuBar plain;
        for (QWidget *w : QList<QWidget *>{ &styled, &plain, nullptr })
            QCOMPARE(style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, w),
                     w == &styled ? 0 : m_fusion->styleHint(QStyle::SH_UnderlineShortcut, nullptr, w));

        // The option's rectangle height against its font-metrics height times 1.25, truncated.
        auto iconSize = [](int rectHeight, int fontHeight) {
            QStyleOption option;
            option.rect = QRect(0, 0, 100, rectHeight);
            for (int px = 6; px < 40 && option.fontMetrics.height() != fontHeight; ++px) {
                QFont font;
                font.setPixelSize(px);
                option.fontMetrics = QFontMetrics(font);
            }
            return option.fontMetrics.height() == fontHeight ? TestableCommonStyle::navButtonIconSize(&option) : -1;
        };
        QCOMPARE(iconSize(40, 15), 18);
        QCOMPARE(iconSize(14, 12), 14);
    }

    void sizeRules_data()
    {
        QTest::addColumn<bool>("nav");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("buttonOption");
        QTest::addColumn<bool>("widened"); // push buttons: text wider than 80 % of the base width
        QTest::newRow("short push button text") << false << "Ok" << true << false;
        QTest::newRow("long push button text") << false << "A rather long button text" << true << true;
        QTest::newRow("navigation button") << true << "Step" << true << false;
        QTest::newRow("navigation button, other option") << true << "Step" << false << false;
    }

    void sizeRules()
    {
        QFETCH(bool, nav);
        QFETCH(QString, text);
        QFETCH(bool, buttonOption);
        QFETCH(bool, widened);
        QScopedPointer<QWidget> w(nav ? static_cast<QWidget *>(new QNavigationButton(0, text)) : new QPushButton(text));
        QStyleOptionButton option;
        option.type = buttonOption ? QStyleOption::SO_Button : QStyleOption::SO_Default; // else: the wrong class
        option.initFrom(w.data());
        option.rect = QRect(0, 0, 60, 40);
        const QSize contents = option.fontMetrics.size(Qt::TextShowMnemonic, text);
        const QSize base = m_fusion->sizeFromContents(QStyle::CT_PushButton, &option, contents, w.data());
        const int n = TestableCommonStyle::navButtonIconSize(&option);
        const QSize expected = nav && buttonOption ? QSize(base.width() + n + 18, 2 * n)
            : QSize(widened ? int(1.25 * base.width()) : base.width(), base.height());
        QCOMPARE(style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, w.data()), expected);
    }

    void menuBarItemSize()
    {
        QMenuBar plain;
        QStyledMenuBar styled;
        QStyleOptionMenuItem option;
        option.text = QStringLiteral("&File");
        const int textWidth = option.fontMetrics.size(Qt::TextShowMnemonic, option.text).width() + 5;
        auto size = [&](QMenuBar *bar, bool withIcon, int flags) {
            bar->resize(300, 27);
            option.icon = withIcon ? QIcon(QPixmap(16, 16)) : QIcon();
            m_style->setStyleOptions(QFlags<CommonStyle::StyleOption>(flags));
            const QSize size = style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, QSize(16, 16), bar);
            m_style->setStyleOptions(DefaultFlags);
            return size;
        };
        QCOMPARE(size(&plain, true, 19), QSize(16 + 22, 27));
        QCOMPARE(size(&styled, false, 19), QSize(16 + 22 + 14, 27));
        QCOMPARE(size(&styled, true, 19), QSize(16 + 22 + 14 + textWidth, 27));
        QCOMPARE(size(&styled, true, 0), QSize(16 + 22 + 14, 27)); // icons switched off
        // Without a widget the rule is skipped.
        QCOMPARE(style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, QSize(16, 16), nullptr),
                 m_fusion->sizeFromContents(QStyle::CT_MenuBarItem, &option, QSize(16, 16), nullptr));
    }

    void polish_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<int>("points"); // 0: font untouched
        QTest::addColumn<int>("height"); // of a styled menu bar
        QTest::newRow("push button") << "button" << true << 0 << 0;
        QTest::newRow("combo box") << "combo" << true << 0 << 0;
        QTest::newRow("menu bar") << "menubar" << true << 0 << 0;
        QTest::newRow("label") << "label" << false << 0 << 0;
        QTest::newRow("navigation button") << "nav" << true << 10 << 0;
        QTest::newRow("styled menu bar") << "styled" << true << 12 << 30;
        QTest::newRow("compact styled menu bar") << "styled" << true << 12 << 15;
        QTest::newRow("no widget") << "" << false << 0 << 0;
    }

    void polish()
    {
        QFETCH(QString, kind);
        QFETCH(bool, hover);
        QFETCH(int, points);
        QFETCH(int, height);
        QScopedPointer<QWidget> w(kind == "button" ? static_cast<QWidget *>(new QPushButton)
                                  : kind == "combo" ? new QComboBox
                                  : kind == "menubar" ? new QMenuBar
                                  : kind == "styled" ? new QStyledMenuBar
                                  : kind == "nav" ? static_cast<QWidget *>(new QNavigationButton)
                                  : kind == "label" ? static_cast<QWidget *>(new QLabel) : nullptr);
        if (auto *bar = qobject_cast<QMenuBar *>(w.data()))
            bar->addMenu(QStringLiteral("File"))->addMenu(QStringLiteral("Recent"))->addAction(QStringLiteral("a"));
        m_style->setStyleOptions(height == 15 ? CommonStyle::CS_COMPACT_MENUBAR : DefaultFlags);
        style()->polish(w.data()); // a null widget matches nothing and must not crash
        m_style->setStyleOptions(DefaultFlags);
        if (!w)
            return style()->unpolish(w.data());
        const auto actions = w->findChildren<QAction *>();
        auto shown = [&] { int n = 0; for (QAction *a : actions) n += a->isVisible(); return n; };
        auto heights = [&] { return QSize(w->minimumHeight(), w->maximumHeight()); }; // fixed when both agree
        QCOMPARE(w->testAttribute(Qt::WA_Hover), hover);
        QCOMPARE(w->font().pointSize(), points ? points : 11);
        QCOMPARE(heights(), height ? QSize(height, height) : QSize(0, QWIDGETSIZE_MAX));
        QCOMPARE(shown(), height == 15 ? 0 : actions.size());
        w->setAttribute(Qt::WA_Hover, true);
        w->setFont(QFont(w->font().family(), 5));
        w->setPalette(QPalette(Qt::magenta));
        style()->unpolish(w.data());
        QCOMPARE(w->testAttribute(Qt::WA_Hover), !hover);
        QCOMPARE(w->font().pointSize(), points ? 11 : 5);
        QCOMPARE(heights(), height ? QSize(30, 30) : QSize(0, QWIDGETSIZE_MAX));
        QCOMPARE(shown(), actions.size());
        // Only the library's menu bar gets the application palette back.
        QCOMPARE(w->palette().color(QPalette::Window) == QColor(Qt::magenta), height == 0);
    }

    void menuBarItemDrawing_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<bool>("menuOption");
        QTest::newRow("enabled text") << true << false << true;
        QTest::newRow("disabled text: no chevron") << false << false << true;
        QTest::newRow("enabled icon") << true << true << true;
        QTest::newRow("wrong option class: nothing") << true << false << false;
    }

    void menuBarItemDrawing()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, withIcon);
        QFETCH(bool, menuOption);
        QStyleOptionMenuItem option;
        option.type = menuOption ? QStyleOption::SO_MenuItem : QStyleOption::SO_Button; // else: the wrong class
        option.rect = QRect(20, 3, 90, 26);
        option.palette.setColor(QPalette::ButtonText, QColor(0x12, 0x34, 0x56));
        option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
        option.text = QStringLiteral("&Edit");
        option.icon = withIcon ? QIcon(QPixmap(32, 32)) : QIcon();
        RecordingPaintDevice device;
        QPainter painter(&device);
        style()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, nullptr); // needs no widget
        QCOMPARE(painter.renderHints() & SmoothHints, SmoothHints);
        painter.end();
        // Icon, or text, inset 11 from the left; the chevron's left end 19 left of the right edge (20 + 89).
        const int textLeft = withIcon ? 20 + style()->pixelMetric(QStyle::PM_SmallIconSize) + 15 : 20 + 11;
        const QString chevron = enabled ? QString(" | %1 2 #123456 90,15 94,19 98,15").arg(PaintRecord::Path) : "";
        const QString want = QStringLiteral("%1T Edit@%2%3").arg(withIcon ? "P@31 | " : "").arg(textLeft).arg(chevron);
        QCOMPARE(describe(device), menuOption ? want : QString());

        const QStyleOptionComboBox combo;
        QPainter comboPainter(&device);
        style()->drawComplexControl(QStyle::CC_ComboBox, &combo, &comboPainter, nullptr);
        QCOMPARE(comboPainter.renderHints() & SmoothHints, SmoothHints);
    }
};

QTEST_MAIN(TestCommonStyle)
#include "tst_commonstyle.moc"
