// Switching the application's style at run time, back and forth, while a
// window full of the library's widgets is alive and painted.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QtTest>

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

#include "FlatTestSupport.h"

namespace {

QIcon solidIcon(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// Every widget of the library in one window, as a host would build it.
class LibraryWindow : public QWidget
{
public:
    LibraryWindow()
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(header);
        QMenu *file = header->menuBar()->addMenu(solidIcon(Qt::red), QStringLiteral("File"));
        file->addMenu(QStringLiteral("Recent"))->addAction(QStringLiteral("a.txt"));
        header->menuBar()->addMenu(QStringLiteral("Edit"))->setEnabled(false);
        auto *steps = new QNavigationButtonGroup(QBoxLayout::TopToBottom, this);
        for (int i = 0; i < 4; ++i)
            steps->addNavigationButton(new QNavigationButton(i, QStringLiteral("Step %1").arg(i + 1)));
        steps->setCheckedButton(1);
        current = steps->findChildren<QNavigationButton *>().value(1);
        layout->addWidget(steps);

        auto *page = new QStyledGroupBox(QStringLiteral("Group"), nullptr);
        auto *pageLayout = new QVBoxLayout(page);
        for (int type = StyleHelper::DEFAULT; type <= StyleHelper::GRADIENT_BLUE; ++type) {
            auto *button = new QStyledPushButton(solidIcon(Qt::green), QStringLiteral("Button"), page);
            button->setButtonType(StyleHelper::ButtonType(type));
            button->setButtonDesign(StyleHelper::ButtonDesign(type % 5));
            button->setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
            button->setCheckable(type % 2);
            button->setChecked(true);
            auto *combo = new QStyledComboBox(page);
            combo->addItems({ QStringLiteral("One"), QStringLiteral("Two") });
            combo->setButtonType(StyleHelper::ButtonType(type));
            pageLayout->addWidget(button);
            pageLayout->addWidget(combo);
        }
        const QWidgetList more{ new QFrameHeaderLabel(QStringLiteral("Header"), page),
                                new QFrameDescriptionLabel(QStringLiteral("Description"), page),
                                new QStyledComboBox(page), // empty: no arrow
                                new QCheckBox(QStringLiteral("Check"), page),
                                new QLineEdit(QStringLiteral("Edit"), page),
                                new QPixmapButton(solidIcon(Qt::blue).pixmap(24), page),
                                new QElidedLabel(QStringLiteral("A long text that is elided ").repeated(8), page),
                                new QIpAdressEdit(page, QIpAdressEdit::IPv4),
                                new QIpAdressEdit(page, QIpAdressEdit::IPv6) };
        for (QWidget *w : more)
            pageLayout->addWidget(w);
        slide->setCentralWidget(page);
        layout->addWidget(slide);
    }

    QStyledHeader *header = new QStyledHeader(this);
    QSlideMaster *slide = new QSlideMaster(this);
    QNavigationButton *current = nullptr;
};

} // namespace

class TestStyleSwitching : public QObject
{
    Q_OBJECT

private slots:
    void switchRepeatedly()
    {
        const QList<QPair<const char *, std::function<QStyle *()>>> styles{
            { "GradientStyle", [] { return new GradientStyle; } },
            { "FlatStyle", [] { return new FlatStyle; } },
            { "CommonStyle", [] { return new CommonStyle; } },
            { "QFusionStyle", [] { return QStyleFactory::create(QStringLiteral("Fusion")); } },
        };
        LibraryWindow window;
        window.resize(600, 1000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.current && window.current->isChecked());
        QStyledMenuBar *bar = window.header->menuBar();
        int widgetCount = -1;

        for (int round = 0; round < 3; ++round) {
            for (const auto &entry : styles) {
                QApplication::setStyle(entry.second());
                QCOMPARE(QApplication::style()->metaObject()->className(), entry.first);
                QVERIFY(!window.grab().isNull());
                // The look reached the widgets: a flat step is dark grey, and the
                // flat menu bar's grey is taken back by the next style.
                const bool flat = qstrcmp(entry.first, "FlatStyle") == 0;
                const QImage step = window.current->grab().toImage();
                QCOMPARE(step.pixelColor(step.width() - 3, 2) == FlatRgb::DarkGray, flat);
                if (!qstrcmp(entry.first, "CommonStyle") || !qstrcmp(entry.first, "QFusionStyle"))
                    QVERIFY(bar->palette().color(QPalette::Window) != FlatRgb::LightGray);
                else if (flat)
                    QCOMPARE(bar->palette().color(QPalette::Window), FlatRgb::LightGray);
                // Styles come and go without leaving widgets behind.
                if (widgetCount < 0)
                    widgetCount = QApplication::allWidgets().size();
                QCOMPARE(QApplication::allWidgets().size(), widgetCount);
            }
        }
    }
};

QTEST_MAIN(TestStyleSwitching)
#include "tst_styleswitching.moc"
