// The application header band: its parts, their names, order and margins.
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

#include <QStyledHeader.h>
#include <QStyledMenuBar.h>

namespace {

// A base style with an unusual layout top margin, so the header's own
// margins can be told apart from the style's default.
class MarginStyle : public QProxyStyle
{
public:
    MarginStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_LayoutTopMargin)
            return 17;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Answers every lookup with "context|source" and records the header's
// disambiguations.
class EchoTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int) const override
    {
        if (qstrcmp(context, "QStyledHeader") == 0 && disambiguation && *disambiguation)
            disambiguations << QString::fromLatin1(disambiguation);
        return QStringLiteral("%1|%2").arg(QLatin1String(context), QLatin1String(sourceText));
    }
    bool isEmpty() const override { return false; }

    mutable QStringList disambiguations;
};

} // namespace

class TestStyledHeader : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        QStyledHeader header;
        QCOMPARE(header.metaObject()->className(), "QStyledHeader");
        QCOMPARE(header.objectName(), QStringLiteral("QStyledHeader"));
        QCOMPARE(header.windowTitle(), QStringLiteral("QStyledHeader"));
        QCOMPARE(header.size(), QSize(400, 300));
        QCOMPARE(header.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(header.sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(header.sizePolicy().horizontalStretch(), 0);
        QCOMPARE(header.sizePolicy().verticalStretch(), 0);
        QCOMPARE(header.applicationTitle(), QStringLiteral("Application Title"));
        QCOMPARE(header.applicationSubTitle(), QStringLiteral("Application Name"));

        auto *outer = qobject_cast<QVBoxLayout *>(header.layout());
        QVERIFY(outer);
        QCOMPARE(outer->objectName(), QStringLiteral("verticalLayout"));
        QCOMPARE(outer->spacing(), 6);
        QCOMPARE(outer->count(), 2);
        auto *row = qobject_cast<QHBoxLayout *>(outer->itemAt(0)->layout());
        QVERIFY(row);
        QCOMPARE(row->objectName(), QStringLiteral("horizontalLayout"));
        QCOMPARE(row->spacing(), 6);
        QCOMPARE(row->count(), 6);
        QCOMPARE(outer->itemAt(1)->widget(), header.menuBar());
        QCOMPARE(outer->stretch(0), 0);
        QCOMPARE(outer->stretch(1), 0);
        QCOMPARE(outer->itemAt(1)->alignment(), Qt::Alignment());

        QStyledMenuBar *bar = header.menuBar();
        QCOMPARE(bar->parentWidget(), &header);
        QCOMPARE(bar->metaObject()->className(), "QStyledMenuBar");
    }

    void titleRow_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name"); // empty: a spacer
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("spacerSize");
        QTest::addColumn<QSizePolicy::Policy>("horizontal");

        QTest::newRow("left spacer") << 0 << QString() << QString() << QSize(10, 0) << QSizePolicy::Fixed;
        QTest::newRow("title") << 1 << "appTitleLabel" << "Application Title" << QSize() << QSizePolicy::Preferred;
        QTest::newRow("subtitle") << 2 << "appNameLabel" << "Application Name" << QSize() << QSizePolicy::Preferred;
        QTest::newRow("middle spacer") << 3 << QString() << QString() << QSize(40, 0) << QSizePolicy::MinimumExpanding;
        QTest::newRow("logo") << 4 << "appLogoLabel" << QString() << QSize() << QSizePolicy::Preferred;
        QTest::newRow("right spacer") << 5 << QString() << QString() << QSize(10, 0) << QSizePolicy::Fixed;
    }

    void titleRow()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QSize, spacerSize);
        QFETCH(QSizePolicy::Policy, horizontal);

        QStyledHeader header;
        QLayoutItem *item = header.layout()->itemAt(0)->layout()->itemAt(index);
        QVERIFY(item);
        QCOMPARE(item->alignment(), Qt::Alignment());
        if (name.isEmpty()) {
            QSpacerItem *spacer = item->spacerItem();
            QVERIFY(spacer);
            QCOMPARE(spacer->sizeHint(), spacerSize);
            QCOMPARE(spacer->sizePolicy().horizontalPolicy(), horizontal);
            QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
            return;
        }
        auto *label = qobject_cast<QLabel *>(item->widget());
        QVERIFY(label);
        QCOMPARE(label->objectName(), name);
        QCOMPARE(label->parentWidget(), &header);
        QCOMPARE(label->windowType(), Qt::Widget);
        QCOMPARE(label->text(), text);
        QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(header.findChild<QLabel *>(name), label);
    }

    void marginsFollowStyleAtTopOnly()
    {
        MarginStyle style;
        QWidget window;
        window.setStyle(&style);
        auto *header = new QStyledHeader(&window);
        header->setStyle(&style);
        QCOMPARE(header->layout()->contentsMargins(), QMargins(0, 17, 0, 0));

        header->setGeometry(0, 0, 500, 120);
        window.resize(500, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        header->menuBar()->addMenu(QStringLiteral("File"));
        QTRY_COMPARE(header->menuBar()->geometry().left(), 0);
        QCOMPARE(header->menuBar()->width(), header->width());
        QCOMPARE(header->menuBar()->geometry().bottom(), header->height() - 1);

        const auto *title = header->findChild<QLabel *>(QStringLiteral("appTitleLabel"));
        const auto *subtitle = header->findChild<QLabel *>(QStringLiteral("appNameLabel"));
        const auto *logo = header->findChild<QLabel *>(QStringLiteral("appLogoLabel"));
        // Box layouts put no spacing next to a spacer.
        QCOMPARE(title->x(), 10);
        QVERIFY(title->y() >= 17);
        QCOMPARE(subtitle->x(), title->geometry().right() + 1 + 6);
        QVERIFY(logo->x() > subtitle->geometry().right());
        QCOMPARE(logo->geometry().right(), header->width() - 1 - 10);
        QVERIFY(header->menuBar()->y() > title->geometry().bottom());
    }

    void properties_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QString>("text");

        QTest::newRow("title") << QByteArray("applicationTitle") << "appTitleLabel" << "Veltrix Studio";
        QTest::newRow("title emptied") << QByteArray("applicationTitle") << "appTitleLabel" << QString();
        QTest::newRow("subtitle") << QByteArray("applicationSubTitle") << "appNameLabel" << "Measurement Suite";
        QTest::newRow("subtitle emptied") << QByteArray("applicationSubTitle") << "appNameLabel" << QString();
    }

    void properties()
    {
        QFETCH(QByteArray, property);
        QFETCH(QString, labelName);
        QFETCH(QString, text);

        QStyledHeader header;
        const QMetaProperty prop = header.metaObject()->property(header.metaObject()->indexOfProperty(property));
        QVERIFY(prop.isWritable() && prop.isDesignable() && prop.isStored() && !prop.hasNotifySignal());

        auto *label = header.findChild<QLabel *>(labelName);
        QVERIFY(header.setProperty(property, text));
        QCOMPARE(label->text(), text);
        QCOMPARE(header.property(property).toString(), text);
        // The label holds the only copy of the text.
        label->setText(QStringLiteral("changed behind the header's back"));
        QCOMPARE(header.property(property).toString(), label->text());
    }

    void textsTranslatedOnce()
    {
        EchoTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QStyledHeader header;
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(header.windowTitle(), QStringLiteral("QStyledHeader|QStyledHeader"));
        QCOMPARE(header.applicationTitle(), QStringLiteral("QStyledHeader|Application Title"));
        QCOMPARE(header.applicationSubTitle(), QStringLiteral("QStyledHeader|Application Name"));
        QVERIFY(translator.disambiguations.isEmpty());

        // A later language change does not reach the texts.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&header, &change);
        QCOMPARE(header.applicationTitle(), QStringLiteral("QStyledHeader|Application Title"));
    }

    void deletionTakesChildren()
    {
        auto *header = new QStyledHeader;
        QList<QPointer<QObject>> parts;
        parts << header->menuBar() << header->layout() << header->layout()->itemAt(0)->layout();
        for (const char *name : { "appTitleLabel", "appNameLabel", "appLogoLabel" })
            parts << header->findChild<QLabel *>(QLatin1String(name));
        for (const auto &part : parts)
            QVERIFY(part);
        delete header;
        for (const auto &part : parts)
            QVERIFY(!part);
    }
};

QTEST_MAIN(TestStyledHeader)

#include "tst_styledheader.moc"
