#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtTest>

#include <CommonStyle.h>
#include <QNavigationButton.h>
#include <QStyledMenuBar.h>

#include "TestSupport.h"

namespace {

class TestableCommonStyle : public CommonStyle
{
public:
    using CommonStyle::checkedPixmap;
    using CommonStyle::navButtonIconSize;
    using CommonStyle::navButtonMargin;
    using CommonStyle::uncheckedPixmap;
    using CommonStyle::windowIcon;
};

constexpr QPainter::RenderHints SmoothHints =
    QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;

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
        QFont font = QApplication::font();
        font.setPointSize(7);
        QApplication::setFont(font);
        m_style.reset(new TestableCommonStyle);
        m_fusion.reset(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void construction()
    {
        QCOMPARE(QApplication::font().pointSize(), 11);
        QCOMPARE(int(m_style->styleOptions()), 19);
        // No host pictures in this program: they stay null, silently.
        QVERIFY(m_style->checkedPixmap.isNull() && m_style->uncheckedPixmap.isNull());
        QVERIFY(m_style->windowIcon().isNull());
        QCOMPARE(m_style->navButtonMargin(), 8);
    }

    void metricsAndHints_data()
    {
        QTest::addColumn<bool>("isMetric");
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("expected"); // -1: Fusion's answer
        QTest::newRow("indicator width") << true << int(QStyle::PM_IndicatorWidth) << "" << 18;
        QTest::newRow("indicator height") << true << int(QStyle::PM_IndicatorHeight) << "" << 18;
        QTest::newRow("menu bar item spacing") << true << int(QStyle::PM_MenuBarItemSpacing) << "" << 0;
        QTest::newRow("menu bar v margin") << true << int(QStyle::PM_MenuBarVMargin) << "" << 0;
        QTest::newRow("menu bar h margin") << true << int(QStyle::PM_MenuBarHMargin) << "" << 0;
        QTest::newRow("etch") << false << int(QStyle::SH_EtchDisabledText) << "" << 0;
        QTest::newRow("dither") << false << int(QStyle::SH_DitherDisabledText) << "" << 0;
        QTest::newRow("combo popup") << false << int(QStyle::SH_ComboBox_Popup) << "" << 0;
        QTest::newRow("menu bar separator") << false << int(QStyle::SH_DrawMenuBarSeparator) << "" << 1;
        QTest::newRow("underline, styled bar") << false << int(QStyle::SH_UnderlineShortcut) << "styled" << 0;
        QTest::newRow("underline, plain bar") << false << int(QStyle::SH_UnderlineShortcut) << "plain" << -1;
        QTest::newRow("underline, no widget") << false << int(QStyle::SH_UnderlineShortcut) << "" << -1;
    }

    void metricsAndHints()
    {
        QFETCH(bool, isMetric);
        QFETCH(int, which);
        QFETCH(QString, widget);
        QFETCH(int, expected);
        QStyledMenuBar styled;
        QMenuBar plain;
        QWidget *w = widget == "styled" ? &styled : widget == "plain" ? static_cast<QWidget *>(&plain) : nullptr;
        auto ask = [&](QStyle *s) {
            return isMetric ? s->pixelMetric(QStyle::PixelMetric(which), nullptr, w)
                            : s->styleHint(QStyle::StyleHint(which), nullptr, w);
        };
        if (expected < 0)
            expected = ask(m_fusion.data());
        QCOMPARE(ask(style()), expected);
    }

    void navButtonIconSize_data()
    {
        QTest::addColumn<int>("rectHeight");
        QTest::addColumn<int>("fontHeight");
        QTest::addColumn<int>("expected");
        QTest::newRow("font decides") << 40 << 12 << 15;
        QTest::newRow("fraction truncated") << 40 << 15 << 18;
        QTest::newRow("rect decides") << 14 << 12 << 14;
        QTest::newRow("tie") << 15 << 12 << 15;
    }

    void navButtonIconSize()
    {
        QFETCH(int, rectHeight);
        QFETCH(int, fontHeight);
        QFETCH(int, expected);
        QStyleOption option;
        option.rect = QRect(0, 0, 100, rectHeight);
        for (int px = 6; px < 40 && option.fontMetrics.height() != fontHeight; ++px) {
            QFont font;
            font.setPixelSize(px);
            option.fontMetrics = QFontMetrics(font);
        }
        if (option.fontMetrics.height() != fontHeight)
            QSKIP("no font size gives the wanted metrics height");
        QCOMPARE(TestableCommonStyle::navButtonIconSize(&option), expected);
    }

    void sizeRules_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("buttonOption");
        QTest::newRow("short push button text") << "push" << "Ok" << true;
        QTest::newRow("long push button text") << "push" << "A rather long button text" << true;
        QTest::newRow("navigation button") << "nav" << "Step" << true;
        QTest::newRow("navigation button, other option") << "nav" << "Step" << false;
    }

    void sizeRules()
    {
        QFETCH(QString, widget);
        QFETCH(QString, text);
        QFETCH(bool, buttonOption);
        QScopedPointer<QWidget> w(widget == "push" ? static_cast<QWidget *>(new QPushButton(text))
                                                   : new QNavigationButton(0, text));
        QStyleOptionButton buttonOpt;
        QStyleOption plainOpt;
        QStyleOption &option = buttonOption ? buttonOpt : plainOpt;
        option.initFrom(w.data());
        option.rect = QRect(0, 0, 60, 40);
        const QSize contents = option.fontMetrics.size(Qt::TextShowMnemonic, text);
        QSize expected = m_fusion->sizeFromContents(QStyle::CT_PushButton, &option, contents, w.data());
        if (widget == "push" && option.fontMetrics.horizontalAdvance(text) > 0.8 * expected.width())
            expected.setWidth(int(1.25 * expected.width()));
        if (widget == "nav" && buttonOption) {
            const int n = TestableCommonStyle::navButtonIconSize(&option);
            expected = QSize(expected.width() + n + 18, 2 * n);
        }
        QCOMPARE(style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, w.data()), expected);
        if (text.startsWith("A rather")) // the long text really is the widened case
            QVERIFY(expected.width() > m_fusion->sizeFromContents(QStyle::CT_PushButton, &option, contents, w.data()).width());
    }

    void menuBarItemSize_data()
    {
        QTest::addColumn<bool>("styled");
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("textAdded");
        QTest::addColumn<int>("extra");
        QTest::newRow("plain bar") << false << true << 19 << false << 0;
        QTest::newRow("styled bar, text") << true << false << 19 << false << 14;
        QTest::newRow("styled bar, icon") << true << true << 19 << true << 14;
        QTest::newRow("styled bar, icons off") << true << true << 0 << false << 14;
    }

    void menuBarItemSize()
    {
        QFETCH(bool, styled);
        QFETCH(bool, withIcon);
        QFETCH(int, flags);
        QFETCH(bool, textAdded);
        QFETCH(int, extra);
        QScopedPointer<QMenuBar> bar(styled ? new QStyledMenuBar : new QMenuBar);
        bar->resize(300, 27);
        m_style->setStyleOptions(QFlags<CommonStyle::StyleOption>(flags));
        QStyleOptionMenuItem option;
        option.initFrom(bar.data());
        option.text = QStringLiteral("&File");
        if (withIcon)
            option.icon = QIcon(QPixmap(16, 16));
        const int textWidth = option.fontMetrics.size(Qt::TextShowMnemonic, option.text).width() + 5;
        const QSize size = style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, QSize(16, 16), bar.data());
        m_style->setStyleOptions(QFlags<CommonStyle::StyleOption>(19));
        QCOMPARE(size, QSize(16 + 22 + extra + (textAdded ? textWidth : 0), 27));
        // Without a widget the rule is skipped.
        QCOMPARE(style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, QSize(16, 16), nullptr),
                 m_fusion->sizeFromContents(QStyle::CT_MenuBarItem, &option, QSize(16, 16), nullptr));
    }

    void polish_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<int>("polishedPoints"); // 0: font untouched
        QTest::newRow("push button") << "button" << true << 0;
        QTest::newRow("combo box") << "combo" << true << 0;
        QTest::newRow("menu bar") << "menubar" << true << 0;
        QTest::newRow("label") << "label" << false << 0;
        QTest::newRow("navigation button") << "nav" << true << 10;
        QTest::newRow("no widget") << "" << false << 0;
    }

    void polish()
    {
        QFETCH(QString, kind);
        QFETCH(bool, hover);
        QFETCH(int, polishedPoints);
        QScopedPointer<QWidget> w(kind == "button" ? static_cast<QWidget *>(new QPushButton)
                                  : kind == "combo" ? new QComboBox
                                  : kind == "menubar" ? new QMenuBar
                                  : kind == "nav" ? static_cast<QWidget *>(new QNavigationButton)
                                  : kind == "label" ? static_cast<QWidget *>(new QLabel) : nullptr);
        style()->polish(w.data()); // a null widget matches nothing and must not crash
        if (!w)
            return style()->unpolish(w.data());
        QCOMPARE(w->testAttribute(Qt::WA_Hover), hover);
        QCOMPARE(w->font().pointSize(), polishedPoints ? polishedPoints : 11);
        w->setAttribute(Qt::WA_Hover, true);
        w->setFont(QFont(w->font().family(), 5));
        style()->unpolish(w.data());
        QCOMPARE(w->testAttribute(Qt::WA_Hover), !hover);
        QCOMPARE(w->font().pointSize(), polishedPoints ? 11 : 5);
    }

    void polishStyledMenuBar_data()
    {
        QTest::addColumn<bool>("compact");
        QTest::newRow("normal") << false;
        QTest::newRow("compact") << true;
    }

    void polishStyledMenuBar()
    {
        QFETCH(bool, compact);
        m_style->setStyleOptions(compact ? CommonStyle::CS_COMPACT_MENUBAR : CommonStyle::CS_MENUBAR_ICONS);
        QStyledMenuBar bar;
        QMenu *file = bar.addMenu(QStringLiteral("File"));
        QMenu *recent = file->addMenu(QStringLiteral("Recent"));
        const QList<QAction *> actions{ file->menuAction(), file->addAction(QStringLiteral("Open")),
                                        recent->menuAction(), recent->addAction(QStringLiteral("a.txt")) };
        QPalette palette = bar.palette();
        palette.setColor(QPalette::Window, Qt::magenta);
        bar.setPalette(palette);

        style()->polish(&bar);
        m_style->setStyleOptions(QFlags<CommonStyle::StyleOption>(19));
        QCOMPARE(bar.maximumHeight(), compact ? 15 : 30);
        QCOMPARE(bar.minimumHeight(), compact ? 15 : 30);
        QCOMPARE(bar.font().pointSize(), 12);
        for (QAction *action : actions)
            QCOMPARE(action->isVisible(), !compact);

        style()->unpolish(&bar);
        QCOMPARE(bar.maximumHeight(), 30);
        QCOMPARE(bar.font().pointSize(), 11);
        QCOMPARE(bar.palette().color(QPalette::Window), QGuiApplication::palette().color(QPalette::Window));
        for (QAction *action : actions)
            QVERIFY(action->isVisible());
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
        QStyledMenuBar bar;
        QStyleOptionMenuItem item;
        QStyleOptionButton button;
        QStyleOption &option = menuOption ? static_cast<QStyleOption &>(item) : button;
        option.initFrom(&bar);
        option.rect = QRect(20, 3, 90, 26);
        option.palette.setColor(QPalette::ButtonText, QColor(0x12, 0x34, 0x56));
        option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
        item.text = button.text = QStringLiteral("&Edit");
        if (withIcon)
            item.icon = QIcon(QPixmap(32, 32));

        RecordingPaintDevice device;
        QPainter painter(&device);
        style()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, &bar);
        QCOMPARE(painter.renderHints() & SmoothHints, SmoothHints);
        painter.end();
        if (!menuOption) {
            QVERIFY(device.records().isEmpty());
            return;
        }

        const auto texts = device.records(PaintRecord::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().text, QStringLiteral("Edit"));
        const int iconWidth = withIcon ? style()->pixelMetric(QStyle::PM_SmallIconSize) : 0;
        QCOMPARE(texts.first().mappedPosition().x(), qreal(withIcon ? 20 + iconWidth + 15 : 20 + 11));
        const auto pixmaps = device.records(PaintRecord::Pixmap);
        QCOMPARE(pixmaps.size(), withIcon ? 1 : 0);
        if (withIcon)
            QCOMPARE(pixmaps.first().mappedRect().left(), 20.0 + 11);

        const auto paths = device.records(PaintRecord::Path);
        QCOMPARE(paths.size(), enabled ? 1 : 0);
        if (!enabled)
            return;
        QCOMPARE(paths.first().pen.width(), 2);
        QCOMPARE(paths.first().penColor(), QColor(0x12, 0x34, 0x56));
        const int x = 20 + 89 - 19;
        const int y = 3 - 1 + 26 / 2;
        const QPainterPath chevron = paths.first().mappedPath();
        QCOMPARE(chevron.elementCount(), 3);
        QCOMPARE(QPointF(chevron.elementAt(0)), QPointF(x, y));
        QCOMPARE(QPointF(chevron.elementAt(1)), QPointF(x + 4, y + 4));
        QCOMPARE(QPointF(chevron.elementAt(2)), QPointF(x + 8, y));
    }

    void complexControlLeavesHintsOn()
    {
        QStyleOptionComboBox option;
        option.rect = QRect(0, 0, 120, 24);
        RecordingPaintDevice device;
        QPainter painter(&device);
        style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, nullptr);
        QCOMPARE(painter.renderHints() & SmoothHints, SmoothHints);
    }
};

QTEST_MAIN(TestCommonStyle)
#include "tst_commonstyle.moc"
