#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtTest>

#include <CommonStyle.h>
#include <QNavigationButton.h>
#include <QStyledMenuBar.h>

#include "TestSupport.h"

namespace {

// Opens the protected parts a derived style would use.
class TestableCommonStyle : public CommonStyle
{
public:
    using CommonStyle::checkedPixmap;
    using CommonStyle::navButtonIconSize;
    using CommonStyle::navButtonMargin;
    using CommonStyle::uncheckedPixmap;
    using CommonStyle::windowIcon;
};

QIcon solidIcon(const QColor &color)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(color);
    return QIcon(pixmap);
}

constexpr QPainter::RenderHints SmoothHints =
    QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;

} // namespace

class TestCommonStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_style.reset(new TestableCommonStyle);
        m_fusion.reset(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void construction()
    {
        QFont font = QApplication::font();
        font.setPointSize(7);
        QApplication::setFont(font);
        TestableCommonStyle style;
        QCOMPARE(QApplication::font().pointSize(), 11);
        QCOMPARE(int(style.styleOptions()), 19);
        QCOMPARE(style.baseStyle()->objectName().toLower(), QStringLiteral("fusion"));
        // No host resources in this program: the pictures stay null, silently.
        QVERIFY(style.checkedPixmap.isNull());
        QVERIFY(style.uncheckedPixmap.isNull());
        QVERIFY(style.windowIcon().isNull());
        QCOMPARE(style.navButtonMargin(), 8);

        style.setStyleOptions(CommonStyle::CS_COMPACT_MENUBAR);
        QCOMPARE(style.styleOptions(), QFlags<CommonStyle::StyleOption>(CommonStyle::CS_COMPACT_MENUBAR));
    }

    void pixelMetrics_data()
    {
        QTest::addColumn<int>("metric");
        QTest::addColumn<int>("expected"); // -1: Fusion's answer
        QTest::newRow("indicator width") << int(QStyle::PM_IndicatorWidth) << 18;
        QTest::newRow("indicator height") << int(QStyle::PM_IndicatorHeight) << 18;
        QTest::newRow("menu bar item spacing") << int(QStyle::PM_MenuBarItemSpacing) << 0;
        QTest::newRow("menu bar v margin") << int(QStyle::PM_MenuBarVMargin) << 0;
        QTest::newRow("menu bar h margin") << int(QStyle::PM_MenuBarHMargin) << 0;
        QTest::newRow("button margin") << int(QStyle::PM_ButtonMargin) << -1;
        QTest::newRow("small icon") << int(QStyle::PM_SmallIconSize) << -1;
    }

    void pixelMetrics()
    {
        QFETCH(int, metric);
        QFETCH(int, expected);
        const auto pm = QStyle::PixelMetric(metric);
        QCOMPARE(qstyle()->pixelMetric(pm), expected < 0 ? m_fusion->pixelMetric(pm) : expected);
    }

    void styleHints_data()
    {
        QTest::addColumn<int>("hint");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("expected"); // -1: Fusion's answer
        QTest::newRow("etch") << int(QStyle::SH_EtchDisabledText) << QString() << 0;
        QTest::newRow("dither") << int(QStyle::SH_DitherDisabledText) << QString() << 0;
        QTest::newRow("combo popup") << int(QStyle::SH_ComboBox_Popup) << QString() << 0;
        QTest::newRow("menu bar separator") << int(QStyle::SH_DrawMenuBarSeparator) << QString() << 1;
        QTest::newRow("underline, styled menu bar") << int(QStyle::SH_UnderlineShortcut) << "styled" << 0;
        QTest::newRow("underline, plain menu bar") << int(QStyle::SH_UnderlineShortcut) << "plain" << -1;
        QTest::newRow("underline, no widget") << int(QStyle::SH_UnderlineShortcut) << QString() << -1;
        QTest::newRow("other hint") << int(QStyle::SH_Menu_SubMenuPopupDelay) << QString() << -1;
    }

    void styleHints()
    {
        QFETCH(int, hint);
        QFETCH(QString, widget);
        QFETCH(int, expected);
        QStyledMenuBar styled;
        QMenuBar plain;
        QWidget *w = widget == QLatin1String("styled") ? static_cast<QWidget *>(&styled)
            : widget == QLatin1String("plain")          ? static_cast<QWidget *>(&plain)
                                                        : nullptr;
        const auto h = QStyle::StyleHint(hint);
        QCOMPARE(qstyle()->styleHint(h, nullptr, w), expected < 0 ? m_fusion->styleHint(h, nullptr, w) : expected);
    }

    void navButtonIconSize_data()
    {
        QTest::addColumn<int>("rectHeight");
        QTest::addColumn<int>("expected");
        const int fromFont = int(QFontMetrics(QApplication::font()).height() * 1.25);
        QTest::newRow("tall rect: font decides") << fromFont + 20 << fromFont;
        QTest::newRow("low rect: rect decides") << fromFont - 2 << fromFont - 2;
        QTest::newRow("tie") << fromFont << fromFont;
    }

    void navButtonIconSize()
    {
        QFETCH(int, rectHeight);
        QFETCH(int, expected);
        QStyleOption option;
        option.fontMetrics = QFontMetrics(QApplication::font());
        option.rect = QRect(0, 0, 100, rectHeight);
        QCOMPARE(TestableCommonStyle::navButtonIconSize(&option), expected);
    }

    void pushButtonSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("widened");
        QTest::newRow("short text") << "Ok" << false;
        QTest::newRow("long text") << "A rather long button text" << true;
    }

    void pushButtonSize()
    {
        QFETCH(QString, text);
        QFETCH(bool, widened);
        QPushButton button(text);
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = text;
        const QSize contents = option.fontMetrics.size(Qt::TextShowMnemonic, text);
        const QSize base = m_fusion->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button);
        const QSize size = qstyle()->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button);
        const bool over = option.fontMetrics.horizontalAdvance(text) > 0.8 * base.width();
        QCOMPARE(over, widened);
        QCOMPARE(size, widened ? QSize(int(1.25 * base.width()), base.height()) : base);
    }

    void navigationButtonSize()
    {
        QNavigationButton button(0, QStringLiteral("Step"));
        QStyleOptionButton option;
        option.initFrom(&button);
        option.rect = QRect(0, 0, 60, 40);
        const QSize contents(50, 16);
        const QSize base = m_fusion->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button);
        const int n = TestableCommonStyle::navButtonIconSize(&option);
        QCOMPARE(qstyle()->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button),
                 QSize(base.width() + n + 18, 2 * n));

        // An option of another class skips the rule.
        QStyleOption plainOption;
        plainOption.initFrom(&button);
        QCOMPARE(qstyle()->sizeFromContents(QStyle::CT_PushButton, &plainOption, contents, &button),
                 m_fusion->sizeFromContents(QStyle::CT_PushButton, &plainOption, contents, &button));
    }

    void menuBarItemSize_data()
    {
        QTest::addColumn<bool>("styled");
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("extra"); // beyond contents + 22; -1: plus text width + 5 + 14
        QTest::newRow("plain bar") << false << true << 19 << 0;
        QTest::newRow("styled bar, text") << true << false << 19 << 14;
        QTest::newRow("styled bar, icon") << true << true << 19 << -1;
        QTest::newRow("styled bar, icon, icons off") << true << true << 0 << 14;
    }

    void menuBarItemSize()
    {
        QFETCH(bool, styled);
        QFETCH(bool, withIcon);
        QFETCH(int, flags);
        QFETCH(int, extra);
        QScopedPointer<QMenuBar> bar(styled ? new QStyledMenuBar : new QMenuBar);
        bar->resize(300, 27);
        TestableCommonStyle style;
        style.setStyleOptions(QFlags<CommonStyle::StyleOption>(flags));
        QStyleOptionMenuItem option;
        option.initFrom(bar.data());
        option.text = QStringLiteral("&File");
        if (withIcon)
            option.icon = solidIcon(Qt::red);
        const QSize contents(16, 16);
        const int textExtra = option.fontMetrics.size(Qt::TextShowMnemonic, option.text).width() + 5 + 14;
        QCOMPARE(static_cast<QStyle &>(style).sizeFromContents(QStyle::CT_MenuBarItem, &option, contents, bar.data()),
                 QSize(16 + 22 + (extra < 0 ? textExtra : extra), 27));
        // Without a widget there is nothing to take the height from.
        QCOMPARE(static_cast<QStyle &>(style).sizeFromContents(QStyle::CT_MenuBarItem, &option, contents, nullptr),
                 m_fusion->sizeFromContents(QStyle::CT_MenuBarItem, &option, contents, nullptr));
    }

    void polishAndUnpolish_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("hover");
        QTest::newRow("push button") << "button" << true;
        QTest::newRow("combo box") << "combo" << true;
        QTest::newRow("menu bar") << "menubar" << true;
        QTest::newRow("label") << "label" << false;
    }

    void polishAndUnpolish()
    {
        QFETCH(QString, kind);
        QFETCH(bool, hover);
        QScopedPointer<QWidget> widget(kind == QLatin1String("button") ? static_cast<QWidget *>(new QPushButton)
                                           : kind == QLatin1String("combo") ? static_cast<QWidget *>(new QComboBox)
                                           : kind == QLatin1String("menubar") ? static_cast<QWidget *>(new QMenuBar)
                                                                              : static_cast<QWidget *>(new QLabel));
        widget->setAttribute(Qt::WA_Hover, false);
        qstyle()->polish(widget.data());
        QCOMPARE(widget->testAttribute(Qt::WA_Hover), hover);
        widget->setAttribute(Qt::WA_Hover, true);
        qstyle()->unpolish(widget.data());
        QCOMPARE(widget->testAttribute(Qt::WA_Hover), !hover);
    }

    void polishStyledMenuBar_data()
    {
        QTest::addColumn<bool>("compact");
        QTest::addColumn<int>("height");
        QTest::newRow("normal") << false << 30;
        QTest::newRow("compact") << true << 15;
    }

    void polishStyledMenuBar()
    {
        QFETCH(bool, compact);
        QFETCH(int, height);
        TestableCommonStyle style;
        if (compact)
            style.setStyleOptions(style.styleOptions() | CommonStyle::CS_COMPACT_MENUBAR);
        QStyledMenuBar bar;
        QMenu *file = bar.addMenu(QStringLiteral("File"));
        QAction *open = file->addAction(QStringLiteral("Open"));
        QMenu *recent = file->addMenu(QStringLiteral("Recent"));
        QAction *nested = recent->addAction(QStringLiteral("a.txt"));
        QPalette palette = bar.palette();
        palette.setColor(QPalette::Window, Qt::magenta);
        bar.setPalette(palette);

        static_cast<QStyle &>(style).polish(&bar);
        QCOMPARE(bar.minimumHeight(), height);
        QCOMPARE(bar.maximumHeight(), height);
        QCOMPARE(bar.font().pointSize(), 12);
        for (QAction *action : { file->menuAction(), open, recent->menuAction(), nested })
            QCOMPARE(action->isVisible(), !compact);

        static_cast<QStyle &>(style).unpolish(&bar);
        QCOMPARE(bar.maximumHeight(), 30);
        QCOMPARE(bar.font().pointSize(), QApplication::font().pointSize());
        QCOMPARE(bar.palette().color(QPalette::Window), QGuiApplication::palette().color(QPalette::Window));
        for (QAction *action : { file->menuAction(), open, recent->menuAction(), nested })
            QVERIFY(action->isVisible());
    }

    void polishNavigationButton()
    {
        QNavigationButton button(3, QStringLiteral("Step"));
        qstyle()->polish(&button);
        QCOMPARE(button.font().pointSize(), 10);
        qstyle()->unpolish(&button);
        QCOMPARE(button.font().pointSize(), QApplication::font().pointSize());
        // A null widget matches nothing and must not crash.
        qstyle()->polish(static_cast<QWidget *>(nullptr));
        qstyle()->unpolish(static_cast<QWidget *>(nullptr));
    }

    void menuBarItemDrawing_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("withIcon");
        QTest::newRow("enabled text") << true << false;
        QTest::newRow("disabled text") << false << false;
        QTest::newRow("enabled icon") << true << true;
    }

    void menuBarItemDrawing()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, withIcon);
        QStyledMenuBar bar;
        QStyleOptionMenuItem option;
        option.initFrom(&bar);
        option.rect = QRect(20, 3, 90, 26);
        option.text = QStringLiteral("&Edit");
        option.palette.setColor(QPalette::ButtonText, QColor(0x12, 0x34, 0x56));
        option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
        if (withIcon)
            option.icon = solidIcon(Qt::green);

        RecordingPaintDevice device;
        QPainter painter(&device);
        qstyle()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, &bar);
        QCOMPARE(painter.renderHints() & SmoothHints, SmoothHints);
        painter.end();

        const auto texts = device.records(PaintRecord::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().text, QStringLiteral("Edit"));
        const int iconWidth = withIcon ? qstyle()->pixelMetric(QStyle::PM_SmallIconSize) : 0;
        const int textLeft = withIcon ? 20 + iconWidth + 15 : 20 + 11;
        QCOMPARE(texts.first().mappedPosition().x(), qreal(textLeft));

        const auto pixmaps = device.records(PaintRecord::Pixmap);
        QCOMPARE(pixmaps.size(), withIcon ? 1 : 0);
        if (withIcon)
            QCOMPARE(pixmaps.first().mappedRect().left(), qreal(20 + 11));

        const auto paths = device.records(PaintRecord::Path);
        QCOMPARE(paths.size(), enabled ? 1 : 0);
        if (enabled) {
            const PaintRecord &chevron = paths.first();
            QCOMPARE(chevron.pen.width(), 2);
            QCOMPARE(chevron.penColor(), QColor(0x12, 0x34, 0x56));
            const int x = option.rect.right() - 19;
            const int y = option.rect.top() - 1 + option.rect.height() / 2;
            const QPainterPath path = chevron.mappedPath();
            QCOMPARE(path.elementCount(), 3);
            QCOMPARE(QPointF(path.elementAt(0)), QPointF(x, y));
            QCOMPARE(QPointF(path.elementAt(1)), QPointF(x + 4, y + 4));
            QCOMPARE(QPointF(path.elementAt(2)), QPointF(x + 8, y));
        }
    }

    void menuBarItemWithWrongOption()
    {
        QStyleOptionButton option;
        option.rect = QRect(0, 0, 80, 20);
        option.state = QStyle::State_Enabled;
        option.text = QStringLiteral("Edit");
        RecordingPaintDevice device;
        QPainter painter(&device);
        qstyle()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, nullptr);
        painter.end();
        QVERIFY(device.records().isEmpty());
    }

    void complexControlLeavesHintsOn()
    {
        QStyleOptionComboBox option;
        option.rect = QRect(0, 0, 120, 24);
        option.state = QStyle::State_Enabled;
        RecordingPaintDevice device;
        QPainter painter(&device);
        painter.setRenderHints(SmoothHints, false);
        qstyle()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, nullptr);
        QCOMPARE(painter.renderHints() & SmoothHints, SmoothHints);
    }

private:
    // Hosts and the toolkit reach the overrides through QStyle.
    QStyle *qstyle() const { return m_style.data(); }

    QScopedPointer<TestableCommonStyle> m_style;
    QScopedPointer<QStyle> m_fusion;
};

QTEST_MAIN(TestCommonStyle)
#include "tst_commonstyle.moc"
