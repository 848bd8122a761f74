// Repaint cost of one widget under plain Fusion and under each of the
// library's styles. Every row installs its style as the application style
// before the widget is made, so construction, polish and painting all see
// the same style, and the widget is rendered once before measuring so that
// glyph, pixmap and icon caches are warm in every row alike. The looks give
// menu bars and navigation buttons their own point size when they polish
// them; here every widget gets one font afterwards, so that all rows paint
// the same text at the same size.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QtTest>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>
#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QStyledComboBox.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

namespace {

struct Look
{
    const char *name;
    QStyle *(*make)();
};

// Larger than the C library's threshold for mapping an allocation of its own (128 KiB).
const QSize WindowSize(640, 480);

// The first entry is the reference the others are divided by.
const Look Looks[] = {
    { "Fusion", [] { return QStyleFactory::create(QStringLiteral("Fusion")); } },
    { "CommonStyle", []() -> QStyle * { return new CommonStyle; } },
    { "GradientStyle", []() -> QStyle * { return new GradientStyle; } },
    { "FlatStyle", []() -> QStyle * { return new FlatStyle; } },
};

struct ButtonTypeName
{
    StyleHelper::ButtonType type;
    const char *name;
};

const ButtonTypeName ButtonTypes[] = {
    { StyleHelper::DEFAULT, "DEFAULT" },
    { StyleHelper::GRADIENT_LIGHTGRAY, "GRADIENT_LIGHTGRAY" },
    { StyleHelper::GRADIENT_MEDIUMGRAY, "GRADIENT_MEDIUMGRAY" },
    { StyleHelper::GRADIENT_DARKGRAY, "GRADIENT_DARKGRAY" },
    { StyleHelper::GRADIENT_BLACK, "GRADIENT_BLACK" },
    { StyleHelper::GRADIENT_BLUE, "GRADIENT_BLUE" },
};

// One row per look, tagged "<variant>: <look>" when there are variants;
// benchmarks/run compares each row with the baseline of its own variant.
void addLookRows(const QStringList &variants = { QString() })
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("look");
    for (const QString &variant : variants) {
        for (int look = 0; look < int(sizeof Looks / sizeof *Looks); ++look) {
            QString tag = variant.isEmpty() ? QString() : variant + QStringLiteral(": ");
            tag += QLatin1String(Looks[look].name);
            if (look == 0)
                tag += QStringLiteral(" [baseline]");
            QTest::newRow(qPrintable(tag)) << variant << look;
        }
    }
}

QStyledPushButton *makeStyledButton(StyleHelper::ButtonType type)
{
    auto *button = new QStyledPushButton(QStringLiteral("Apply"), nullptr);
    button->setButtonType(type);
    return button;
}

QStyledMenuBar *makeMenuBar(const QIcon &fileIcon = QIcon())
{
    auto *bar = new QStyledMenuBar;
    bar->addMenu(fileIcon, QStringLiteral("File"));
    bar->addMenu(QStringLiteral("Edit"));
    bar->addMenu(QStringLiteral("View"));
    return bar;
}

template <typename Combo>
Combo *makeComboBox()
{
    auto *combo = new Combo;
    combo->addItems({ QStringLiteral("Fast"), QStringLiteral("Thorough") });
    return combo;
}

} // namespace

class BenchPaint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Making a look sets the application font; take that font for every
        // row, Fusion's included.
        { CommonStyle probe; }
        m_font = QApplication::font();

        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x2a, 0x6f, 0xc9));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.end();
        m_icon = QIcon(pixmap);
    }

    // The row's style must be in place before the test makes its widget.
    void init()
    {
        QFETCH(int, look);
        QApplication::setStyle(Looks[look].make());
    }

    void pushButton_data() { addLookRows({ QStringLiteral("QPushButton"), QStringLiteral("QStyledPushButton") }); }
    void pushButton()
    {
        QFETCH(QString, variant);
        if (variant == QLatin1String("QPushButton"))
            measureRepaint(new QPushButton(QStringLiteral("Apply")), QSize(120, 32));
        else
            measureRepaint(makeStyledButton(StyleHelper::GRADIENT_BLUE), QSize(120, 32));
    }

    void checkBox_data() { addLookRows(); }
    void checkBox()
    {
        auto *box = new QCheckBox(QStringLiteral("Remember me"));
        box->setChecked(true);
        measureRepaint(box, QSize(140, 24));
    }

    void menuBar_data() { addLookRows(); }
    void menuBar() { measureRepaint(makeMenuBar(), QSize(300, 30)); }

    void menuBarWithIcon_data() { addLookRows(); }
    void menuBarWithIcon() { measureRepaint(makeMenuBar(m_icon), QSize(300, 30)); }

    // The middle of three steps with both neighbours enabled, so that both
    // connectors are drawn; only that step is rendered.
    void navigationButton_data() { addLookRows({ QStringLiteral("checked"), QStringLiteral("unchecked") }); }
    void navigationButton()
    {
        QFETCH(QString, variant);
        auto *group = new QNavigationButtonGroup(QBoxLayout::TopToBottom);
        group->setNavigationOptions(QNavigationButtonGroup::NAV_ENABLE_PREVIOUS
                                    | QNavigationButtonGroup::NAV_ENABLE_NEXT);
        auto *middle = new QNavigationButton(1, QStringLiteral("Options"));
        group->addNavigationButton(new QNavigationButton(0, QStringLiteral("Source")));
        group->addNavigationButton(middle);
        group->addNavigationButton(new QNavigationButton(2, QStringLiteral("Target")));
        const bool checked = variant == QLatin1String("checked");
        group->setCheckedButton(checked ? 1 : 2);
        QVERIFY(middle->isEnabled());
        QCOMPARE(middle->isChecked(), checked);
        measureRepaint(group, QSize(200, 40), middle);
    }

    void groupBox_data() { addLookRows(); }
    void groupBox()
    {
        auto *box = new QGroupBox(QStringLiteral("Connection"));
        auto *layout = new QVBoxLayout(box);
        layout->addWidget(new QPushButton(QStringLiteral("Connect")));
        layout->addWidget(new QCheckBox(QStringLiteral("Reconnect")));
        layout->addWidget(new QLineEdit(QStringLiteral("example.org")));
        measureRepaint(box, QSize(240, 150));
    }

    void comboBox_data() { addLookRows({ QStringLiteral("QComboBox"), QStringLiteral("QStyledComboBox") }); }
    void comboBox()
    {
        QFETCH(QString, variant);
        if (variant == QLatin1String("QComboBox"))
            measureRepaint(makeComboBox<QComboBox>(), QSize(140, 28));
        else
            measureRepaint(makeComboBox<QStyledComboBox>(), QSize(140, 28));
    }

    void lineEdit_data() { addLookRows(); }
    void lineEdit() { measureRepaint(new QLineEdit(QStringLiteral("example.org")), QSize(160, 28)); }

    void disabledButton_data()
    {
        QStringList types;
        for (const ButtonTypeName &type : ButtonTypes)
            types << QLatin1String(type.name);
        addLookRows(types);
    }
    void disabledButton()
    {
        QFETCH(QString, variant);
        for (const ButtonTypeName &type : ButtonTypes) {
            if (variant == QLatin1String(type.name)) {
                QStyledPushButton *button = makeStyledButton(type.type);
                button->setEnabled(false);
                measureRepaint(button, QSize(120, 32));
                return;
            }
        }
        QFAIL("unknown button type");
    }

private:
    // Takes `root`, polishes it, gives every widget in it the common font,
    // fixes `target` (by default root) at `size` and shows root off screen so
    // that layouts are done and isVisible() holds. Then renders target once
    // and measures one render per iteration.
    void measureRepaint(QWidget *root, const QSize &size, QWidget *target = nullptr)
    {
        const QScopedPointer<QWidget> owner(root);
        if (!target)
            target = root;
        root->ensurePolished();
        root->setFont(m_font);
        const auto children = root->findChildren<QWidget *>();
        for (QWidget *child : children)
            child->setFont(m_font);
        target->setFixedSize(size);
        root->setAttribute(Qt::WA_DontShowOnScreen);
        root->show();
        QCoreApplication::processEvents();
        QCOMPARE(target->size(), size);
        QVERIFY(target->isVisible());

        // Into the top left of a window-sized image, as into a backing store: the raster engine blends
        // a row four or eight pixels at a time from an aligned address, so the cost of a blit depends on
        // where the image's pixels lie. A small image lies wherever the heap puts it, which changes from
        // one process to the next; one this large is mapped, always at the same offset from a page.
        QImage image(WindowSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        target->render(&image);
        QBENCHMARK {
            target->render(&image);
        }
    }

    QFont m_font;
    QIcon m_icon;
};

QTEST_MAIN(BenchPaint)
#include "bench_paint.moc"
