#include <QApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QtTest>

#include <QPixmapButton.h>

#include "ButtonProbeStyle.h"
#include "TestSupport.h"

namespace {

// A pixmap of `size` device pixels at `ratio`, with a one-pixel checker
// pattern: any resampling on the way to the screen mixes its colours.
QPixmap checkerPixmap(const QSize &size, qreal ratio = 1.0)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0xd0, 0x20, 0x20) : qRgb(0x20, 0x20, 0xd0));
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

class InspectableButton : public QPixmapButton
{
public:
    using QPixmapButton::initStyleOption;
    using QPixmapButton::QPixmapButton;
};

} // namespace

class TestPixmapButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // main() asks for a scale factor of 2; without it the high-DPI cases
        // below would prove nothing.
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void construction_data()
    {
        QTest::addColumn<QSize>("pixmapSize"); // invalid: the parent-only constructor
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("iconSize");
        QTest::newRow("parent only") << QSize() << 1.0 << QSize(0, 0);
        QTest::newRow("32 x 24") << QSize(32, 24) << 1.0 << QSize(32, 24);
        QTest::newRow("64 x 48 at 2x") << QSize(64, 48) << 2.0 << QSize(32, 24);
    }

    void construction()
    {
        QFETCH(QSize, pixmapSize);
        QFETCH(qreal, ratio);
        QFETCH(QSize, iconSize);
        QWidget parent;
        const QPixmap pixmap = pixmapSize.isValid() ? checkerPixmap(pixmapSize, ratio) : QPixmap();
        QPixmapButton *button = pixmapSize.isValid() ? new QPixmapButton(pixmap, &parent) : new QPixmapButton(&parent);
        QCOMPARE(button->parentWidget(), &parent);
        QCOMPARE(button->pixmap().cacheKey(), pixmap.cacheKey());
        QCOMPARE(button->icon().isNull(), pixmap.isNull());
        QCOMPARE(button->iconSize(), iconSize);
        QVERIFY(!button->isCheckable());
        QVERIFY(button->text().isEmpty());

        // The property and the slot reach the same setter.
        QVERIFY(button->setProperty("pixmap", checkerPixmap(QSize(5, 9))));
        QCOMPARE(button->iconSize(), QSize(5, 9));
        QVERIFY(QMetaObject::invokeMethod(button, "setPixmap", Q_ARG(QPixmap, checkerPixmap(QSize(8, 6)))));
        QPixmap returned;
        QVERIFY(QMetaObject::invokeMethod(button, "pixmap", Q_RETURN_ARG(QPixmap, returned)));
        QCOMPARE(returned.size(), QSize(8, 6));
        QCOMPARE(button->iconSize(), QSize(8, 6));
    }

    void sizeHints_data()
    {
        QTest::addColumn<QSize>("pixmapSize");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("contents");
        QTest::newRow("no pixmap") << QSize(0, 0) << 1.0 << QSize(4, 0);
        QTest::newRow("32 x 24") << QSize(32, 24) << 1.0 << QSize(36, 24);
        QTest::newRow("10 x 40") << QSize(10, 40) << 1.0 << QSize(14, 40);
        QTest::newRow("64 x 48 at 2x") << QSize(64, 48) << 2.0 << QSize(36, 24);
        QTest::newRow("96 x 96 at 3x") << QSize(96, 96) << 3.0 << QSize(36, 32);
    }

    void sizeHints()
    {
        QFETCH(QSize, pixmapSize);
        QFETCH(qreal, ratio);
        QFETCH(QSize, contents);
        const QPixmap pixmap = pixmapSize.isEmpty() ? QPixmap() : checkerPixmap(pixmapSize, ratio);
        ButtonProbeStyle probe;
        QPixmapButton button;
        button.setStyle(&probe);
        button.setPixmap(pixmap);
        QCOMPARE(button.minimumSizeHint(), ButtonProbeStyle::answer(contents));
        QCOMPARE(button.sizeHint(), ButtonProbeStyle::answer(contents));
        QCOMPARE(probe.contents, (QVector<QSize>{ contents, contents }));

        // A later setIcon changes the face, not the hints.
        const QIcon other(checkerPixmap(QSize(96, 80)));
        button.setIcon(other);
        QCOMPARE(button.sizeHint(), ButtonProbeStyle::answer(contents));
        QCOMPARE(probe.contents.last(), contents);
        button.resize(80, 60);
        button.grab();
        QCOMPARE(probe.drawn.size(), 1);
        QCOMPARE(probe.drawn.first().icon.cacheKey(), other.cacheKey());

        // Under Fusion: its push-button size for those contents.
        QScopedPointer<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        InspectableButton real(pixmap);
        real.setStyle(fusion.data());
        QStyleOptionButton option;
        real.initStyleOption(&option);
        QCOMPARE(real.sizeHint(), fusion->sizeFromContents(QStyle::CT_PushButton, &option, contents, &real)
                                      .expandedTo(QApplication::globalStrut()));
    }

    void pressedLooksTheSame_data()
    {
        QTest::addColumn<bool>("pixmapButton");
        QTest::addColumn<bool>("same");
        QTest::newRow("pixmap button") << true << true;
        // A flat push button does show its pressed state: the comparison can fail.
        QTest::newRow("flat push button") << false << false;
    }

    void pressedLooksTheSame()
    {
        QFETCH(bool, pixmapButton);
        QFETCH(bool, same);
        const QPixmap pixmap = checkerPixmap(QSize(32, 24));
        QScopedPointer<QAbstractButton> button;
        if (pixmapButton) {
            button.reset(new QPixmapButton(pixmap));
        } else {
            auto *push = new QPushButton(QIcon(pixmap), QString());
            push->setFlat(true);
            push->setIconSize(QSize(32, 24));
            button.reset(push);
        }
        button->resize(60, 40);
        const QImage up = button->grab().toImage();
        button->setDown(true);
        const QImage down = button->grab().toImage();
        QCOMPARE(up == down, same);
    }

    void highDpiPixmapDrawnAtLogicalSize_data()
    {
        QTest::addColumn<bool>("highDpiPixmaps"); // Qt::AA_UseHighDpiPixmaps
        QTest::addColumn<QSize>("pixmapSize");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("handedOut"); // what the style gets from the icon, in device pixels
        QTest::addColumn<bool>("sharp");      // drawn pixel for pixel on this 2x screen
        QTest::newRow("2x pixmap") << true << QSize(64, 48) << 2.0 << QSize(64, 48) << true;
        QTest::newRow("1x pixmap") << true << QSize(32, 24) << 1.0 << QSize(32, 24) << false;
        // Without the attribute Qt 5 hands out 1x icon pixmaps: softer, but
        // still at the logical size.
        QTest::newRow("2x pixmap, 1x icons") << false << QSize(64, 48) << 2.0 << QSize(32, 24) << false;
    }

    void highDpiPixmapDrawnAtLogicalSize()
    {
        QFETCH(bool, highDpiPixmaps);
        QFETCH(QSize, pixmapSize);
        QFETCH(qreal, ratio);
        QFETCH(QSize, handedOut);
        QFETCH(bool, sharp);
        const bool wasSet = QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps);
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, highDpiPixmaps);
        auto restore = qScopeGuard([wasSet] { QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, wasSet); });

        QPixmapButton button(checkerPixmap(pixmapSize, ratio));
        button.resize(button.sizeHint());
        RecordingPaintDevice device(button.size());
        button.render(&device);
        const QVector<PaintRecord> pixmaps = device.records(PaintRecord::Pixmap);
        QCOMPARE(pixmaps.size(), 1);
        const PaintRecord &drawn = pixmaps.first();
        // 32 x 24 logical pixels on screen, whatever the pixmap's resolution.
        QCOMPARE(drawn.mappedRect().size(), QSizeF(32, 24));
        QCOMPARE(drawn.pixmap.size(), handedOut);

        // Compare the screen with a one-pixel checker pattern: only a 2x
        // pixmap that reaches the 2x screen unscaled matches it.
        const QImage screen = button.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(screen.devicePixelRatio(), 2.0);
        const QPoint origin = (drawn.mappedRect().topLeft() * 2).toPoint();
        const QImage face = screen.copy(QRect(origin, QSize(64, 48)));
        const QImage expected =
            checkerPixmap(QSize(64, 48)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(face.size(), expected.size());
        bool identical = true;
        for (int y = 0; y < face.height() && identical; ++y) {
            for (int x = 0; x < face.width() && identical; ++x)
                identical = face.pixel(x, y) == expected.pixel(x, y);
        }
        QCOMPARE(identical, sharp);
    }
};

int main(int argc, char *argv[])
{
    // A screen with two device pixels per logical one, so the tests see how
    // a high-resolution pixmap reaches the screen. Logical sizes, and with
    // them every size hint, are the same as on an ordinary screen.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestPixmapButton test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pixmapbutton.moc"
