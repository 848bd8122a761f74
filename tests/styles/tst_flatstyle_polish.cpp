// What the flat look changes on widgets and palettes, and what it gives back.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include <FlatStyle.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QNavigationButton.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include "FlatTestSupport.h"

namespace {

const QPalette::ColorGroup Groups[] = { QPalette::Active, QPalette::Inactive, QPalette::Disabled };

// The colour of `role` in every group, or an invalid colour when the groups differ.
QColor uniform(const QPalette &palette, QPalette::ColorRole role)
{
    const QBrush brush = palette.brush(QPalette::Active, role);
    for (QPalette::ColorGroup group : Groups) {
        if (palette.brush(group, role) != brush || brush.style() != Qt::SolidPattern)
            return QColor();
    }
    return brush.color();
}

} // namespace

class TestFlatStylePolish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setStyle(new FlatStyle);
        QCOMPARE(QApplication::font().pointSize(), 11);
        m_appFont = QApplication::font();
    }

    void palettePolish()
    {
        QPalette palette(Qt::magenta);
        const QPalette before = palette;
        QApplication::style()->polish(palette);
        QCOMPARE(uniform(palette, QPalette::Text), FlatRgb::Black);
        QCOMPARE(uniform(palette, QPalette::Window), FlatRgb::White);
        for (QPalette::ColorGroup group : Groups) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                if (role != QPalette::Text && role != QPalette::Window)
                    QCOMPARE(palette.brush(group, QPalette::ColorRole(role)),
                             before.brush(group, QPalette::ColorRole(role)));
            }
        }
    }

    void widgetPolish_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("color"); // invalid: the palette stays as it was
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("appFontAfterUnpolish");
        const int text = QPalette::ButtonText;
        // Every widget starts with a 7-point bold italic font.
        QTest::newRow("combo DARKGRAY") << "combo" << text << QColor() << 7 << 75 << true << false;
        QTest::newRow("combo BLUE") << "blue combo" << text << FlatRgb::White << 7 << 75 << true << false;
        QTest::newRow("frame header label") << "header label" << int(QPalette::WindowText) << FlatRgb::DarkBlue << 20
                                            << 63 << false << false;
        QTest::newRow("frame description label") << "description" << text << QColor() << 12 << 50 << false << false;
        QTest::newRow("navigation button") << "navigation" << int(QPalette::Button) << FlatRgb::DarkGray << 10 << 75
                                           << true << true;
        QTest::newRow("styled menu bar alone") << "menu bar" << int(QPalette::Window) << QColor() << 12 << 75 << true
                                               << true;
        QTest::newRow("styled push button") << "push" << text << QColor() << 7 << 75 << true << false;
        QTest::newRow("slide master") << "slide" << text << QColor() << 7 << 75 << true << false;
        QTest::newRow("plain label") << "label" << text << QColor() << 7 << 75 << true << false;
    }

    void widgetPolish()
    {
        QFETCH(QString, kind);
        QFETCH(int, role);
        QFETCH(QColor, color);
        QFETCH(int, pointSize);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        QFETCH(bool, appFontAfterUnpolish);
        QScopedPointer<QWidget> widget;
        if (kind.endsWith(QLatin1String("combo"))) {
            auto *combo = new QStyledComboBox;
            combo->setButtonType(kind == QLatin1String("blue combo") ? StyleHelper::GRADIENT_BLUE
                                                                     : StyleHelper::GRADIENT_DARKGRAY);
            widget.reset(combo);
        } else {
            const QHash<QString, std::function<QWidget *()>> make{
                { "header label", [] { return new QFrameHeaderLabel; } },
                { "description", [] { return new QFrameDescriptionLabel; } },
                { "navigation", [] { return new QNavigationButton(2); } },
                { "menu bar", [] { return new QStyledMenuBar; } },
                { "push", [] { return new QStyledPushButton; } },
                { "slide", [] { return new QSlideMaster; } },
                { "label", [] { return new QLabel; } },
            };
            widget.reset(make.value(kind)());
        }
        QFont font = widget->font();
        font.setPointSize(7);
        font.setBold(true);
        font.setItalic(true);
        widget->setFont(font);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::ButtonText, Qt::magenta);
        widget->setPalette(palette);
        const QPalette before = widget->palette();

        QStyle *style = QApplication::style();
        style->polish(widget.data());
        if (color.isValid())
            QCOMPARE(uniform(widget->palette(), QPalette::ColorRole(role)), color);
        else
            QCOMPARE(widget->palette(), before);
        QCOMPARE(widget->font().pointSize(), pointSize);
        QCOMPARE(widget->font().weight(), weight);
        QCOMPARE(widget->font().italic(), italic);

        // Only the common part is taken back.
        const QPalette polished = widget->palette();
        const QFont polishedFont = widget->font();
        style->unpolish(widget.data());
        QCOMPARE(widget->font().toString(), (appFontAfterUnpolish ? QApplication::font() : polishedFont).toString());
        if (kind == QLatin1String("menu bar"))
            QCOMPARE(widget->palette(), QGuiApplication::palette());
        else
            QCOMPARE(widget->palette(), polished);
    }

    void comboTypeTakesEffectAtPolish()
    {
        QStyledComboBox combo;
        QApplication::style()->polish(&combo);
        const QColor before = combo.palette().color(QPalette::ButtonText);
        QVERIFY(before != FlatRgb::White);
        combo.setButtonType(StyleHelper::GRADIENT_BLUE);
        QCOMPARE(combo.palette().color(QPalette::ButtonText), before);
        QApplication::style()->polish(&combo);
        QCOMPARE(uniform(combo.palette(), QPalette::ButtonText), FlatRgb::White);
    }

    void header()
    {
        QStyledHeader header;
        QStyledMenuBar *bar = header.menuBar();
        QMenu *file = bar->addMenu(QStringLiteral("File"));
        QMenu *recent = file->addMenu(QStringLiteral("Recent"));
        QMenu *older = recent->addMenu(QStringLiteral("Older"));
        QMenu *edit = bar->addMenu(QStringLiteral("Edit"));
        header.show(); // polished by the toolkit through the installed style
        QVERIFY(header.testAttribute(Qt::WA_WState_Polished));
        QMenu *late = bar->addMenu(QStringLiteral("Late"));

        auto *title = header.findChild<QLabel *>(QStringLiteral("appTitleLabel"));
        auto *name = header.findChild<QLabel *>(QStringLiteral("appNameLabel"));
        auto *logo = header.findChild<QLabel *>(QStringLiteral("appLogoLabel"));
        QVERIFY(title && name && logo);
        QCOMPARE(title->font().pointSize(), 16);
        QCOMPARE(title->font().weight(), int(QFont::DemiBold));
        QCOMPARE(name->font().pointSize(), 16);
        QCOMPARE(name->font().weight(), m_appFont.weight());
        QCOMPARE(title->palette(), name->palette());
        QCOMPARE(uniform(name->palette(), name->foregroundRole()), FlatRgb::DarkGray);
        // The host supplies no logo here: the label stays empty, silently.
        QVERIFY(logo->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(static_cast<FlatStyle *>(QApplication::style())->windowIcon().isNull());

        QCOMPARE(uniform(bar->palette(), QPalette::Window), FlatRgb::LightGray);
        QCOMPARE(bar->height(), 30);
        for (QMenu *menu : { file, recent, older, edit }) {
            QCOMPARE(uniform(menu->palette(), QPalette::Window), FlatRgb::White);
            QCOMPARE(uniform(menu->palette(), QPalette::Highlight), FlatRgb::Blue);
            QCOMPARE(uniform(menu->palette(), QPalette::HighlightedText), FlatRgb::White);
        }
        // A menu added after polishing keeps its own palette until the next polish.
        QCOMPARE(late->palette().color(QPalette::Highlight), QApplication::palette(late).color(QPalette::Highlight));
        QVERIFY(late->palette().color(QPalette::Highlight) != FlatRgb::Blue);
        QApplication::style()->polish(&header);
        QCOMPARE(uniform(late->palette(), QPalette::Highlight), FlatRgb::Blue);
    }

private:
    QFont m_appFont;
};

QTEST_MAIN(TestFlatStylePolish)
#include "tst_flatstyle_polish.moc"
