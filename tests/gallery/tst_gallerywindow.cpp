// The gallery as a new user meets it.
#include <QApplication>
#include <QComboBox>
#include <QtTest>

#include <QIpAdressEdit.h>

#include "GalleryWindow.h"

class TestGalleryWindow : public QObject
{
    Q_OBJECT

private slots:
    void switchedAddressTakesItsTypeWidth();
};

// The switchable edit is as wide as the fixed edit of the type it switched to.
void TestGalleryWindow::switchedAddressTakesItsTypeWidth()
{
    GalleryWindow window;
    for (int i = 0; i < window.pageCount(); ++i) {
        if (window.pageId(i) == QLatin1String("inputs"))
            window.showPage(i);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto edits = window.findChildren<QIpAdressEdit *>();
    auto *type = edits.first()->parentWidget()->findChild<QComboBox *>();
    QVERIFY(type);
    QIpAdressEdit *switched = edits.last();
    for (const int index : { 1, 0 }) {
        type->setCurrentIndex(index);
        QCoreApplication::processEvents();
        const auto fixed = std::find_if(edits.begin(), edits.end(), [switched](const QIpAdressEdit *edit) {
            return edit->ipType() == switched->ipType();
        });
        QCOMPARE(switched->width(), (*fixed)->width());
    }
}

QTEST_MAIN(TestGalleryWindow)
#include "tst_gallerywindow.moc"
