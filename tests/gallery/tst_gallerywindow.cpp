// The gallery as a new user meets it.
#include "GalleryStyles.h"
#include "GalleryWindow.h"
#include "TestSupport.h"

class TestGalleryWindow : public QObject
{
    Q_OBJECT

    const QFont m_font = QApplication::font();

private slots:
    // The library's looks change the application font for good: each case
    // starts from the font a fresh program has.
    void init() { QApplication::setFont(m_font); }

    void smallScreen_data()
    {
        QTest::addColumn<QString>("look");
        for (const QString &look : galleryStyleNames())
            QTest::newRow(qPrintable(look)) << look;
    }

    // Opened in English and switched to each language while shown, the window
    // neither asks for nor takes more than a small screen; and the switchable
    // address edit takes the width of the fixed edit of the type it switched
    // to, so it is compact again as IPv4.
    void smallScreen()
    {
        QFETCH(QString, look);
        QApplication::setStyle(createGalleryStyle(look));
        GalleryWindow window;
        for (int i = 0; i < window.pageCount(); ++i) {
            if (window.pageId(i) == QLatin1String("inputs"))
                window.showPage(i);
        }
        QString title;
        for (const char *language : { "en", "de", "fr", "en" }) {
            QVERIFY(window.setLanguageCode(language));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::qWait(50); // new texts take more than one round of layout requests
            QVERIFY(window.windowTitle() != title);
            title = window.windowTitle();
            for (const QSize size : { window.sizeHint(), window.size() })
                QVERIFY2(QRect(0, 0, 1280, 800).contains(QRect(QPoint(), size)), QTest::toString(size));
            // The page, built anew in each language: edits IPv4, IPv6, read-only, switchable; its type box
            // lists IPv4, IPv6.
            const auto edits = window.findChildren<QIpAdressEdit *>();
            auto *type = edits.last()->parentWidget()->findChild<QComboBox *>();
            QVERIFY(type);
            for (const int index : { 1, 0 }) {
                type->setCurrentIndex(index);
                QCoreApplication::processEvents();
                QCOMPARE(edits.last()->width(), edits.at(index)->width());
            }
        }
    }
};

QTEST_MAIN(TestGalleryWindow)
#include "tst_gallerywindow.moc"
