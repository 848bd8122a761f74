// The panel cache against direct drawing: widgets of every kind the looks
// cache, in their types, designs and states, at one and two device pixels
// per logical one, left to right and right to left, rendered with the cache
// (the second paint, blitted) and without it must agree pixel for pixel,
// within the rounding of blending a premultiplied pixmap.
#include <QtTest>
#include <QtWidgets>

#include <FlatStyle.h>
#include <GradientStyle.h>
#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QStyledComboBox.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include <functional>

#include "PanelCache.h"

namespace {

QImage render(QWidget *w, int ratio, bool cached)
{
    Veltrix::Internal::setPanelCacheEnabled(cached);
    QImage image(w->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    w->render(&image);
    return image;
}

// The largest difference of a colour channel between two pictures of one size.
int difference(const QImage &a, const QImage &b)
{
    int most = a.size() == b.size() ? 0 : 256;
    for (int y = 0; most < 256 && y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = qMax(most, qMax(qAbs(qRed(p) - qRed(q)), qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)))));
        }
    }
    return most;
}

// The widgets of one kind, each in one of the variants the looks draw differently.
QWidgetList makeKind(const QString &kind, QWidget *parent)
{
    QWidgetList widgets;
    const auto add = [&](QWidget *w) { widgets << w; };
    if (kind == "push buttons") {
        for (int type = 0; type <= 5; ++type)
            for (int design = 0; design <= 4; ++design)
                for (int state = 0; state < 4; ++state) {
                    auto *button = new QStyledPushButton(QIcon(), "Apply", parent);
                    button->setButtonType(StyleHelper::ButtonType(type));
                    button->setButtonDesign(StyleHelper::ButtonDesign(design));
                    button->setCheckable(state == 1);
                    button->setChecked(state == 1);
                    button->setDown(state == 2);
                    button->setEnabled(state != 3);
                    button->setAttribute(Qt::WA_UnderMouse, state == 0);
                    add(button);
                }
    } else if (kind == "navigation steps") {
        // The current step between two open ones, and a closed one at the end.
        auto *steps = new QNavigationButtonGroup(QBoxLayout::TopToBottom, parent);
        QList<QNavigationButton *> buttons;
        for (int i = 0; i < 5; ++i) {
            buttons << new QNavigationButton(i, "Step");
            steps->addNavigationButton(buttons.last());
        }
        steps->setCheckedButton(1);
        for (int i = 0; i < 4; ++i)
            buttons[i]->setEnabled(true);
        add(steps);
    } else if (kind == "check boxes") {
        for (const Qt::CheckState state : { Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked }) {
            auto *box = new QCheckBox("Check", parent);
            box->setTristate(true);
            box->setCheckState(state);
            add(box);
        }
    } else if (kind == "combo boxes") {
        for (int type = 0; type <= 5; ++type) {
            auto *combo = new QStyledComboBox(parent);
            combo->setButtonType(StyleHelper::ButtonType(type));
            combo->addItem("Item");
            add(combo);
        }
    } else if (kind == "menu bar") {
        auto *bar = new QStyledMenuBar(parent);
        bar->addMenu(QIcon(QPixmap(16, 16)), "File");
        bar->addMenu("Edit")->setEnabled(false);
        add(bar);
    } else {
        auto *group = new QGroupBox("Group", parent);
        auto *layout = new QVBoxLayout(group);
        layout->addWidget(new QPushButton("Push"));
        layout->addWidget(new QCheckBox("Check"));
        layout->addWidget(new QLineEdit("Edit"));
        add(group);
    }
    for (QWidget *w : qAsConst(widgets))
        w->resize(w->sizeHint().expandedTo(QSize(120, 30)));
    return widgets;
}

} // namespace

class TestPanelCache : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Veltrix::Internal::setPanelCacheEnabled(true); }

    void cachedLikeDirect_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<bool>("rightToLeft");
        for (const char *kind : { "push buttons", "navigation steps", "check boxes", "combo boxes", "menu bar", "group box" })
            for (const bool flat : { false, true })
                for (const int ratio : { 1, 2 })
                    for (const bool rtl : { false, true })
                        QTest::addRow("%s, %s, %dx%s", kind, flat ? "flat" : "gradient", ratio, rtl ? ", rtl" : "")
                            << QString(kind) << flat << ratio << rtl;
    }

    void cachedLikeDirect()
    {
        QFETCH(QString, kind);
        QFETCH(bool, flat);
        QFETCH(int, ratio);
        QFETCH(bool, rightToLeft);
        QScopedPointer<QStyle> style(flat ? static_cast<QStyle *>(new FlatStyle) : new GradientStyle);
        QWidget window;
        window.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const QWidgetList widgets = makeKind(kind, &window);
        for (QWidget *w : widgets) {
            w->setStyle(style.data());
            for (QWidget *child : w->findChildren<QWidget *>())
                child->setStyle(style.data());
        }
        QPixmapCache::clear();
        for (QWidget *w : widgets) {
            const QImage direct = render(w, ratio, false);
            render(w, ratio, true); // fills the cache
            QVERIFY2(difference(render(w, ratio, true), direct) <= 2, qPrintable(w->objectName() + ' ' + w->metaObject()->className()));
        }
    }

    // A colour change reaches the next paint: nothing stale comes out of the cache.
    void newColoursAfterChanges()
    {
        GradientStyle gradient;
        FlatStyle flat;
        QStyledMenuBar bar;
        bar.addMenu("File");
        bar.resize(120, 30);
        bar.setStyle(&gradient);
        const QImage before = render(&bar, 1, true);
        QPalette palette = bar.palette();
        palette.setColor(QPalette::ButtonText, Qt::red); // the chevron's colour
        bar.setPalette(palette);
        const QImage recoloured = render(&bar, 1, true);
        QVERIFY(recoloured != before);
        QVERIFY(difference(recoloured, render(&bar, 1, false)) <= 2);
        bar.setStyle(&flat);
        QVERIFY(difference(render(&bar, 1, true), render(&bar, 1, false)) <= 2);
        QVERIFY(Veltrix::Internal::panelCacheBytes() > 0);
    }
};

QTEST_MAIN(TestPanelCache)
#include "tst_internal_panelcache.moc"
