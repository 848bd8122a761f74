// Set-up, palette, widget polish, frame redirection and combo-box geometry
// of the gradient look.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include <GradientStyle.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>

#include "GradientTestSupport.h"
#include "TestSupport.h"

using GradientTest::color;

class TestGradientStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_style.reset(new GradientStyle);
        m_fusion.reset(QStyleFactory::create(QStringLiteral("Fusion")));
        m_hostResources = registerHostResources();
    }

    void cleanupTestCase()
    {
        if (m_hostResources)
            QResource::unregisterResource(m_rccPath);
    }

    void windowIcon()
    {
        if (!m_hostResources)
            QSKIP("rcc is not available to build the host resources");
        const QIcon icon = m_style->windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(48).toImage().pixelColor(24, 24), QColor(Qt::darkCyan));
    }

    void palette()
    {
        const QPalette standard = m_fusion->standardPalette();
        QPalette palette = standard;
        qstyle()->polish(palette);
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            const auto g = QPalette::ColorGroup(group);
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto r = QPalette::ColorRole(role);
                if (r == QPalette::Text || r == QPalette::Window) {
                    QCOMPARE(palette.brush(g, r).style(), Qt::SolidPattern);
                    QCOMPARE(palette.color(g, r), color(r == QPalette::Text ? "BLACK" : "WHITE"));
                } else {
                    QCOMPARE(palette.brush(g, r), standard.brush(g, r));
                }
            }
        }
    }

    void comboBoxPolish_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("buttonText"); // empty: the palette's own colour stays
        QTest::newRow("default") << int(StyleHelper::DEFAULT) << QString();
        QTest::newRow("light gray") << int(StyleHelper::GRADIENT_LIGHTGRAY) << QString();
        QTest::newRow("medium gray") << int(StyleHelper::GRADIENT_MEDIUMGRAY) << "BLACK";
        QTest::newRow("black") << int(StyleHelper::GRADIENT_BLACK) << QString();
        QTest::newRow("blue") << int(StyleHelper::GRADIENT_BLUE) << "WHITE";
        QTest::newRow("unknown type") << 42 << QString();
    }

    void comboBoxPolish()
    {
        QFETCH(int, type);
        QFETCH(QString, buttonText);
        QStyledComboBox combo;
        combo.setButtonType(StyleHelper::ButtonType(type));
        QPalette own = combo.palette();
        own.setColor(QPalette::ButtonText, Qt::magenta);
        combo.setPalette(own);

        qstyle()->polish(&combo);
        const QColor expected = buttonText.isEmpty() ? QColor(Qt::magenta) : color(buttonText);
        for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            QCOMPARE(combo.palette().color(group, QPalette::ButtonText), expected);
        QVERIFY(combo.testAttribute(Qt::WA_Hover));

        qstyle()->unpolish(&combo);
        QCOMPARE(combo.palette().color(QPalette::Disabled, QPalette::ButtonText), expected);
        QVERIFY(!combo.testAttribute(Qt::WA_Hover));
    }

    void headerPolish()
    {
        QStyledHeader header;
        auto *title = header.findChild<QLabel *>(QStringLiteral("appTitleLabel"));
        auto *name = header.findChild<QLabel *>(QStringLiteral("appNameLabel"));
        auto *logo = header.findChild<QLabel *>(QStringLiteral("appLogoLabel"));
        QVERIFY(title && name && logo);

        for (int round = 0; round < 2; ++round) {
            if (round == 0)
                qstyle()->polish(&header);
            else
                qstyle()->unpolish(&header); // polish effects stay
            for (QLabel *label : { title, name }) {
                QCOMPARE(label->font().pointSize(), 16);
                for (auto group : { QPalette::Active, QPalette::Disabled })
                    QCOMPARE(label->palette().color(group, label->foregroundRole()), color("BLACK"));
            }
            const QPalette bar = header.menuBar()->palette();
            for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
                QCOMPARE(bar.color(group, QPalette::ButtonText), color("WHITE"));
                QCOMPARE(bar.color(group, QPalette::HighlightedText), color("BLACK"));
            }
            if (m_hostResources) {
                QCOMPARE(logo->pixmap(Qt::ReturnByValue).size(), QSize(40, 20));
            }
        }
    }

    void slideAndLabelPolish()
    {
        QSlideMaster slide;
        auto *title = qobject_cast<QLabel *>(slide.layout()->itemAt(0)->widget());
        auto *subTitle = qobject_cast<QLabel *>(slide.layout()->itemAt(1)->widget());
        QFrameHeaderLabel heading(QStringLiteral("Heading"), nullptr);
        QFrameDescriptionLabel description(QStringLiteral("Description"), nullptr);
        const QPalette descriptionPalette = description.palette();
        QVERIFY(title && subTitle);

        for (QWidget *widget : { static_cast<QWidget *>(&slide), static_cast<QWidget *>(&heading),
                                 static_cast<QWidget *>(&description) })
            qstyle()->polish(widget);
        for (QWidget *widget : { static_cast<QWidget *>(&slide), static_cast<QWidget *>(&heading) })
            qstyle()->unpolish(widget);

        QCOMPARE(title->font().pointSize(), 16);
        QCOMPARE(title->font().weight(), int(QFont::DemiBold));
        QCOMPARE(title->palette().color(QPalette::Inactive, QPalette::WindowText), color("DARKBLUE"));
        QCOMPARE(subTitle->font().pointSize(), 10);
        QCOMPARE(subTitle->font().weight(), QApplication::font().weight());
        QCOMPARE(heading.font().pointSize(), 20);
        QCOMPARE(heading.font().weight(), int(QFont::DemiBold));
        QCOMPARE(heading.palette().color(QPalette::Disabled, QPalette::WindowText), color("DARKBLUE"));
        // The description label is no business of this look.
        QCOMPARE(description.font(), QApplication::font());
        QCOMPARE(description.palette(), descriptionPalette);

        qstyle()->polish(static_cast<QWidget *>(nullptr));
        qstyle()->unpolish(static_cast<QWidget *>(nullptr));
    }

    void frames_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("redirectedTo"); // -1: nothing goes through the stacked style
        QTest::newRow("combo popup") << "popup" << int(QStyle::PE_PanelMenu);
        QTest::newRow("frame option") << "frame" << int(QStyle::PE_FrameLineEdit);
        QTest::newRow("plain option") << "plain" << -1;
    }

    void frames()
    {
        QFETCH(QString, kind);
        QFETCH(int, redirectedTo);
        GradientTest::StackedStyle stacked(new GradientStyle);
        QComboBox combo;
        QFrame frame;
        frame.setFrameShape(QFrame::StyledPanel);
        QStyleOptionFrame frameOption;
        frameOption.initFrom(&frame);
        frameOption.rect = QRect(0, 0, 100, 40);
        frameOption.state |= QStyle::State_HasFocus | QStyle::State_Sunken;
        QStyleOption plainOption(frameOption);
        const QStyleOption &option = kind == QLatin1String("frame") ? frameOption : plainOption;
        const QWidget *widget = kind == QLatin1String("popup") ? combo.view()->parentWidget() : &frame;
        QVERIFY(widget->inherits("QComboBoxPrivateContainer") == (kind == QLatin1String("popup")));

        GradientTest::draw(&stacked, QStyle::PE_Frame, option, widget);
        QCOMPARE(stacked.calls.size(), redirectedTo < 0 ? 1 : 2);
        QCOMPARE(stacked.calls.first().element, QStyle::PE_Frame);
        if (redirectedTo < 0)
            return;
        const auto &call = stacked.calls.at(1);
        QCOMPARE(int(call.element), redirectedTo);
        QVERIFY(!(call.state & QStyle::State_HasFocus) || kind == QLatin1String("popup"));
        QVERIFY(call.state & QStyle::State_Sunken);
        // The popup gets a plain, raised option; the frame keeps its class.
        const bool popup = kind == QLatin1String("popup");
        QCOMPARE(call.optionType, int(popup ? QStyleOption::SO_Default : QStyleOption::SO_Frame));
        QCOMPARE(bool(call.state & QStyle::State_Raised), popup);
    }

    void comboSubControls_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::addColumn<bool>("rtl");
        QTest::addColumn<int>("subControl");
        QTest::addColumn<QRect>("expected");
        // The option's rectangle is (10, 20, 150, 26) in every row.
        const QRect whole(10, 20, 150, 26);
        for (bool rtl : { false, true }) {
            const char *dir = rtl ? "rtl" : "ltr";
            QTest::addRow("frame, %s, frame", dir) << true << rtl << int(QStyle::SC_ComboBoxFrame) << whole;
            QTest::addRow("frame, %s, popup", dir) << true << rtl << int(QStyle::SC_ComboBoxListBoxPopup) << whole;
            QTest::addRow("frameless, %s, popup", dir) << false << rtl << int(QStyle::SC_ComboBoxListBoxPopup) << whole;
        }
        QTest::newRow("frame, ltr, edit") << true << false << int(QStyle::SC_ComboBoxEditField) << QRect(13, 23, 128, 20);
        QTest::newRow("frame, ltr, arrow") << true << false << int(QStyle::SC_ComboBoxArrow) << QRect(142, 20, 18, 26);
        QTest::newRow("frame, rtl, edit") << true << true << int(QStyle::SC_ComboBoxEditField) << QRect(29, 23, 128, 20);
        QTest::newRow("frame, rtl, arrow") << true << true << int(QStyle::SC_ComboBoxArrow) << QRect(10, 20, 18, 26);
        QTest::newRow("frameless, ltr, edit") << false << false << int(QStyle::SC_ComboBoxEditField) << QRect(10, 20, 134, 26);
        QTest::newRow("frameless, ltr, arrow") << false << false << int(QStyle::SC_ComboBoxArrow) << QRect(144, 20, 16, 26);
        QTest::newRow("frameless, rtl, edit") << false << true << int(QStyle::SC_ComboBoxEditField) << QRect(26, 20, 134, 26);
        QTest::newRow("frameless, rtl, arrow") << false << true << int(QStyle::SC_ComboBoxArrow) << QRect(10, 20, 16, 26);
    }

    void comboSubControls()
    {
        QFETCH(bool, frame);
        QFETCH(bool, rtl);
        QFETCH(int, subControl);
        QFETCH(QRect, expected);
        QStyleOptionComboBox option;
        option.rect = QRect(10, 20, 150, 26);
        option.frame = frame;
        option.direction = rtl ? Qt::RightToLeft : Qt::LeftToRight;
        option.state = QStyle::State_Enabled;
        QCOMPARE(qstyle()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SubControl(subControl)), expected);
    }

private:
    // The pictures a host supplies, compiled with rcc into a resource file
    // registered for this process.
    bool registerHostResources()
    {
        const QString rcc = QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/rcc");
        if (!m_resourceDir.isValid() || !QFileInfo::exists(rcc))
            return false;
        const QDir dir(m_resourceDir.path());
        QImage logo(40, 20, QImage::Format_ARGB32);
        logo.fill(Qt::darkRed);
        QImage icon(48, 48, QImage::Format_ARGB32);
        icon.fill(Qt::darkCyan);
        if (!logo.save(dir.filePath(QStringLiteral("K_logo.png"))) || !icon.save(dir.filePath(QStringLiteral("GradientLogo.ico")), "ICO"))
            return false;
        QFile qrc(dir.filePath(QStringLiteral("host.qrc")));
        if (!qrc.open(QIODevice::WriteOnly))
            return false;
        qrc.write("<RCC><qresource prefix=\"/logos\"><file>K_logo.png</file><file>GradientLogo.ico</file>"
                  "</qresource></RCC>");
        qrc.close();
        m_rccPath = dir.filePath(QStringLiteral("host.rcc"));
        const int exitCode = QProcess::execute(rcc, { QStringLiteral("-binary"), qrc.fileName(),
                                                      QStringLiteral("-o"), m_rccPath });
        return exitCode == 0 && QResource::registerResource(m_rccPath);
    }

    QStyle *qstyle() const { return m_style.data(); }

    QScopedPointer<GradientStyle> m_style;
    QScopedPointer<QStyle> m_fusion;
    QTemporaryDir m_resourceDir;
    QString m_rccPath;
    bool m_hostResources = false;
};

QTEST_MAIN(TestGradientStyle)
#include "tst_gradientstyle.moc"
