// The gallery as a new user meets it.
#include <QApplication>
#include <QComboBox>
#include <QtTest>

#include <QIpAdressEdit.h>

#include "GalleryStyles.h"
#include "GalleryWindow.h"

class TestGalleryWindow : public QObject
{
    Q_OBJECT

private slots:
    // The library's looks change the application font for good: each case
    // starts from the font a fresh program has.
    void init() { QApplication::setFont(m_font); }
    void fitsSmallScreen_data();
    void fitsSmallScreen();
    void switchedAddressTakesItsTypeWidth();

private:
    const QFont m_font = QApplication::font();
};

void TestGalleryWindow::fitsSmallScreen_data()
{
    QTest::addColumn<QString>("look");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then");
    for (const QString &look : galleryStyleNames()) {
        QTest::addRow("%s en-de", qPrintable(look)) << look << "en" << "de";
        QTest::addRow("%s de-fr", qPrintable(look)) << look << "de" << "fr";
        QTest::addRow("%s fr-en", qPrintable(look)) << look << "fr" << "en";
    }
}

// Opened in one language and switched to another while shown, the window
// neither asks for nor takes more than the screen.
void TestGalleryWindow::fitsSmallScreen()
{
    QFETCH(QString, look);
    QFETCH(QString, first);
    QFETCH(QString, then);
    QApplication::setStyle(createGalleryStyle(look));
    GalleryWindow window;
    QVERIFY(window.setLanguageCode(first));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString title = window.windowTitle();
    QVERIFY(window.setLanguageCode(then));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QTest::qWait(50); // the new texts take more than one round of layout requests
    QVERIFY(window.windowTitle() != title);

    const QRect screen(0, 0, 1280, 800);
    QVERIFY2(screen.contains(QRect(QPoint(), window.sizeHint())), QTest::toString(window.sizeHint()));
    QVERIFY2(screen.contains(QRect(QPoint(), window.size())), QTest::toString(window.size()));
}

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
