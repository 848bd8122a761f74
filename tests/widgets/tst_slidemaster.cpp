// The slide master: its three parts, their order, and who owns the central
// widget as it is exchanged.
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <QtTest>

#include <QSlideMaster.h>

namespace {

enum Step { NewWidget, SameWidget, NullWidget, ChildOfCurrent };

QLabel *labelAt(const QSlideMaster &slide, int index)
{
    return qobject_cast<QLabel *>(slide.layout()->itemAt(index)->widget());
}

} // namespace

class TestSlideMaster : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        QWidget parent;
        QSlideMaster slide(&parent, Qt::WindowFlags());
        QCOMPARE(slide.parentWidget(), &parent);
        QCOMPARE(slide.metaObject()->className(), "QSlideMaster");
        QCOMPARE(slide.frameShape(), QFrame::NoFrame);
        QCOMPARE(slide.frameShadow(), QFrame::Plain);

        auto *layout = qobject_cast<QVBoxLayout *>(slide.layout());
        QVERIFY(layout);
        QCOMPARE(layout->count(), 3);
        QLabel *title = labelAt(slide, 0);
        QLabel *subTitle = labelAt(slide, 1);
        QVERIFY(title && subTitle);
        QVERIFY(title->text().isEmpty() && subTitle->text().isEmpty());
        QVERIFY(!title->wordWrap());
        QVERIFY(subTitle->wordWrap());

        QWidget *central = slide.centralWidget();
        QVERIFY(central);
        QCOMPARE(layout->itemAt(2)->widget(), central);
        QCOMPARE(central->metaObject(), &QWidget::staticMetaObject);
        QVERIFY(central->children().isEmpty());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(layout->stretch(i), i == 2 ? 1 : 0);
            QCOMPARE(layout->itemAt(i)->alignment(), Qt::Alignment());
            QCOMPARE(layout->itemAt(i)->widget()->parentWidget(), &slide);
        }
    }

    void properties_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<int>("labelIndex");
        QTest::addColumn<QString>("text");

        QTest::newRow("title") << QByteArray("title") << 0 << "Connection";
        QTest::newRow("title emptied") << QByteArray("title") << 0 << QString();
        QTest::newRow("subtitle") << QByteArray("subTitle") << 1 << "Choose the device to talk to.";
    }

    void properties()
    {
        QFETCH(QByteArray, property);
        QFETCH(int, labelIndex);
        QFETCH(QString, text);

        QSlideMaster slide;
        const QMetaProperty prop = slide.metaObject()->property(slide.metaObject()->indexOfProperty(property));
        QVERIFY(prop.isWritable() && prop.isDesignable() && prop.isStored() && !prop.hasNotifySignal());
        QVERIFY(slide.setProperty(property, QStringLiteral("placeholder")));
        QVERIFY(slide.setProperty(property, text));
        QCOMPARE(labelAt(slide, labelIndex)->text(), text);
        QCOMPARE(slide.property(property).toString(), text);
        labelAt(slide, labelIndex)->setText(QStringLiteral("set on the label"));
        QCOMPARE(slide.property(property).toString(), QStringLiteral("set on the label"));
    }

    void exchangeCentralWidget_data()
    {
        QTest::addColumn<QVector<int>>("steps");

        QTest::newRow("replace placeholder") << QVector<int>{ NewWidget };
        QTest::newRow("replace twice") << QVector<int>{ NewWidget, NewWidget };
        QTest::newRow("same widget again") << QVector<int>{ NewWidget, SameWidget, SameWidget };
        QTest::newRow("placeholder again") << QVector<int>{ SameWidget };
        QTest::newRow("null") << QVector<int>{ NullWidget };
        QTest::newRow("null, then a widget") << QVector<int>{ NewWidget, NullWidget, NewWidget };
        QTest::newRow("null twice") << QVector<int>{ NullWidget, NullWidget };
        QTest::newRow("child of the current one") << QVector<int>{ NewWidget, ChildOfCurrent };
    }

    void exchangeCentralWidget()
    {
        QFETCH(QVector<int>, steps);

        QSlideMaster slide;
        QVBoxLayout *layout = qobject_cast<QVBoxLayout *>(slide.layout());
        for (int step : steps) {
            const QPointer<QWidget> previous = slide.centralWidget();
            const bool hadCentral = previous;
            QWidget *next = nullptr;
            switch (step) {
            case NewWidget: next = new QWidget; break;
            case SameWidget: next = previous; break;
            case NullWidget:
                QTest::ignoreMessage(QtWarningMsg, "QLayout: Cannot add a null widget to QVBoxLayout/");
                break;
            case ChildOfCurrent: next = new QWidget(previous); break;
            }
            const QPointer<QWidget> guard = next;
            slide.setCentralWidget(next);

            QCOMPARE(slide.centralWidget(), next);
            QCOMPARE(guard.data(), next);
            // The old central widget goes unless it is handed in again.
            QCOMPARE(previous.isNull(), !hadCentral || step != SameWidget);
            QCOMPARE(layout->count(), next ? 3 : 2);
            if (next) {
                QCOMPARE(layout->itemAt(2)->widget(), next);
                QCOMPARE(layout->stretch(2), 1);
                QCOMPARE(next->parentWidget(), &slide);
            }
        }
    }

    void deletionTakesParts()
    {
        auto *slide = new QSlideMaster;
        auto *content = new QWidget;
        auto *inner = new QLabel(content);
        slide->setCentralWidget(content);
        const QList<QPointer<QWidget>> parts{ labelAt(*slide, 0), labelAt(*slide, 1), content, inner };
        delete slide;
        for (const auto &part : parts)
            QVERIFY(part.isNull());
    }

    void geometry()
    {
        QSlideMaster slide;
        slide.setTitle(QStringLiteral("A title long enough that it would have to wrap if it could wrap at all"));
        slide.setSubTitle(QStringLiteral("A subtitle that explains the page in a few sentences. It is far too "
                                         "long for one line at this width, so it wraps onto several lines."));
        auto *content = new QWidget;
        slide.setCentralWidget(content);
        slide.resize(260, 500);
        slide.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slide));

        QLabel *title = labelAt(slide, 0);
        QLabel *subTitle = labelAt(slide, 1);
        const int lineHeight = subTitle->fontMetrics().lineSpacing();
        QVERIFY(title->height() < 2 * title->fontMetrics().lineSpacing());
        QVERIFY(subTitle->height() >= 2 * lineHeight);
        QVERIFY(subTitle->y() > title->geometry().bottom());
        QVERIFY(content->y() > subTitle->geometry().bottom());
        // The central widget takes all the height the labels leave.
        QCOMPARE(content->geometry().bottom(), slide.contentsRect().bottom() - slide.layout()->contentsMargins().bottom());
        QVERIFY(content->height() > slide.height() / 2);
    }
};

QTEST_MAIN(TestSlideMaster)

#include "tst_slidemaster.moc"
