// The library's resource bundle as a host sees it, the styled push button and
// combo box, the header band and the slide master. No test may make the
// library print anything (see cleanup()).
#include <QImageReader>
#include <QLabel>
#include <QProxyStyle>
#include <QVBoxLayout>
#include <QtTest>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

namespace {

// The default style (Fusion) recording what a combo box hands over for its panel.
struct ProbeStyle : public QProxyStyle
{
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (control == CC_ComboBox)
            subControls = option->subControls;
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
    mutable SubControls subControls;
};

// Before main() creates anything: only the library's load-time registration can show it.
const bool iniVisibleAtStartup = QFile::exists(QStringLiteral(":/StyleHelper/StyleHelper.ini"));
QStringList messages;

void collectMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    // The offscreen platform says this about every top-level window it shows.
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        messages << message;
}

// A box layout's items: "name:text" for a label, "~width/expanding directions" for a spacer, the class name
// of another widget, the object name of a layout; "*n" marks a stretch.
QString items(QLayout *layout)
{
    QStringList items;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        const auto *label = qobject_cast<QLabel *>(item->widget());
        if (const QSpacerItem *spacer = item->spacerItem())
            items << QStringLiteral("~%1/%2").arg(spacer->sizeHint().width()).arg(int(spacer->expandingDirections()));
        else
            items << (label ? label->objectName() + QLatin1Char(':') + label->text()
                            : item->widget() ? QString::fromLatin1(item->widget()->metaObject()->className())
                                             : item->layout()->objectName());
        if (const int stretch = qobject_cast<QBoxLayout *>(layout)->stretch(i))
            items.last() += QLatin1Char('*') + QString::number(stretch);
    }
    return items.join(QLatin1Char(','));
}

} // namespace

class TestStyledWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(collectMessages); }
    void cleanup()
    {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
        messages.clear();
    }

    void bundleEntries_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("colour table") << ":/StyleHelper/StyleHelper.ini" << QSize();
        QTest::newRow("gradient png") << ":/logos/gradient_logo.png" << QSize(128, 29);
        QTest::newRow("gradient ico") << ":/logos/gradient_logo.ico" << QSize(48, 48);
        QTest::newRow("flat png") << ":/logos/flat_logo.png" << QSize(220, 29);
        QTest::newRow("flat ico") << ":/logos/flat_logo.ico" << QSize(48, 48);
    }

    void bundleEntries()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QResource resource(path);
        QVERIFY(resource.isValid() && iniVisibleAtStartup);
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
        if (size.isValid()) {
            QCOMPARE(QImageReader::imageFormat(path), path.section(QLatin1Char('.'), -1).toLatin1());
            QCOMPARE(QImageReader(path).imageCount(), 1);
            QCOMPARE(QImage(path).size(), size);
            if (path.endsWith(QLatin1String(".ico"))) // bits per pixel of the one directory entry
                QCOMPARE(int(resource.uncompressedData().at(12)), 32);
            return;
        }
        // Two groups apart by an empty line, CR LF everywhere (a bare LF would stay in the text). The legacy
        // key GC_DARK_GRAY is the tenth line of its group, where id 9 is read.
        QCOMPARE(QString::fromLatin1(resource.uncompressedData()).replace(QLatin1String("\r\n"), QLatin1String("|")),
                 "[GradientStyleColor]|GC_DARKGRAY_1=#808285|GC_MIDGRAY_1=#A5A6A7|GC_MIDGRAY_2=#C3C3C4|"
                 "GC_LIGHTGRAY=#E1E1E2|GC_DARKBLUE=#003B6A|GC_MIDBLUE_1=#215F8B|GC_MIDBLUE_2=#628CB2|"
                 "GC_LIGHTBLUE=#A2BAD2|GC_BLUE_HOVER=#00142A|GC_DARK_GRAY=#404245|GC_DARKGRAY_2=#404245|"
                 "GC_WHITE=#FFFFFF|GC_BLACK=#000000|GC_ANTHRACITE=#222222|GC_RED=#E20015||[FlatStyleColor]|"
                 "FC_DARK_BLUE=#00519C|FC_BLUE=#4A91C6|FC_LIGHT_BLUE=#C9DCEB|FC_DARK_GRAY=#535353|FC_GRAY=#A0A0A0|"
                 "FC_LIGHT_GRAY=#C9C9C9|FC_WHITE=#FFFFFF|FC_BLACK=#000000|");
    }

    // Each row is named after the property's type. Both styled widgets share the first two properties.
    void vocabularyProperties_data()
    {
        QTest::addColumn<QByteArray>("assignment"); // property=key
        QTest::addColumn<int>("value");
        QTest::newRow("StyleHelper::ButtonType") << QByteArray("buttonType=GRADIENT_BLUE") << 5;
        QTest::newRow("StyleHelper::ButtonDesign") << QByteArray("buttonDesign=BD_GROUPBOX_SELECTION_TOP_ALL") << 4;
        QTest::newRow("QStyledPushButton::ButtonOptions") << QByteArray("buttonOptions=BO_ICON_LEFT_ALIGNED") << 1;
    }

    void vocabularyProperties()
    {
        QFETCH(QByteArray, assignment);
        QFETCH(int, value);
        const QByteArray property = assignment.split('=').first();
        QStyledPushButton button;
        QStyledComboBox combo;
        for (QWidget *widget : { static_cast<QWidget *>(&button), static_cast<QWidget *>(&combo) }) {
            if (widget == &combo && property == "buttonOptions")
                break;
            const QMetaObject *meta = widget->metaObject();
            const QMetaEnum enumerator = meta->property(meta->indexOfProperty(property)).enumerator();
            QCOMPARE(QByteArray(enumerator.scope()) + "::" + enumerator.name(), QTest::currentDataTag());
            QCOMPARE(enumerator.isFlag(), property == "buttonOptions");
            QVERIFY(widget->setProperty(property, QString::fromLatin1(assignment.split('=').last())));
            QCOMPARE(widget->property(property).toInt(), value);
        }
    }

    void comboArrowRule_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty, enabled") << 0 << true;
        QTest::newRow("items, disabled") << 2 << false;
        QTest::newRow("one item, enabled") << 1 << true;
    }

    void comboArrowRule()
    {
        QFETCH(int, items);
        QFETCH(bool, enabled);
        ProbeStyle probe;
        QStyledComboBox box;
        box.setStyle(&probe);
        for (int i = 0; i < items; ++i)
            box.addItem(QStringLiteral("Item"));
        box.setEnabled(enabled);
        box.grab(); // only the arrow goes, the rest of the panel stays
        QCOMPARE(probe.subControls, items && enabled ? QStyle::SC_All : QStyle::SC_All & ~QStyle::SC_ComboBoxArrow);
    }

    void headerForm()
    {
        QWidget window; // as a child, the header's top margin differs from the form's first one
        QStyledHeader header(&window);
        QCOMPARE(header.objectName(), QStringLiteral("QStyledHeader"));
        auto *outer = qobject_cast<QVBoxLayout *>(header.layout());
        QVERIFY(outer && outer->itemAt(1)->widget() == header.menuBar());
        QLayout *row = qobject_cast<QHBoxLayout *>(outer->itemAt(0)->layout());
        QVERIFY(row);
        QCOMPARE(outer->objectName() + '/' + items(outer), "verticalLayout/horizontalLayout,QStyledMenuBar");
        // Only the middle spacer grows, and only sideways (1).
        QCOMPARE(items(row),
                 "~10/0,appTitleLabel:Application Title,appNameLabel:Application Name,~40/1,appLogoLabel:,~10/0");
        QCOMPARE(QPoint(outer->spacing(), row->spacing()), QPoint(6, 6));
        // Only the top margin is the style's: the menu bar spans the full width.
        const int top = header.style()->pixelMetric(QStyle::PM_LayoutTopMargin, nullptr, &header);
        QCOMPARE(outer->contentsMargins(), QMargins(0, top, 0, 0));
        QVERIFY(header.setProperty("applicationSubTitle", QStringLiteral("Studio"))); // the text lives in the label
        QCOMPARE(items(row).section(',', 2, 2), QStringLiteral("appNameLabel:Studio"));
    }

    // Who owns the central widget as it is exchanged.
    void slideCentralWidget()
    {
        QSlideMaster slide;
        QVERIFY(slide.setProperty("title", "Title") && slide.setProperty("subTitle", "Sub"));
        const QList<QLabel *> labels = slide.findChildren<QLabel *>();
        QVERIFY(labels.size() == 2 && !labels[0]->wordWrap() && labels[1]->wordWrap());
        const auto holds = [&slide](QWidget *central) {
            return slide.centralWidget() == central && slide.layout()->inherits("QVBoxLayout")
                && items(slide.layout()) == QLatin1String(central ? ":Title,:Sub,QWidget*1" : ":Title,:Sub");
        };
        const QPointer<QWidget> placeholder = slide.centralWidget();
        QVERIFY(holds(placeholder));
        slide.setCentralWidget(placeholder); // handed in again: kept
        QVERIFY(placeholder && holds(placeholder));
        const QPointer<QWidget> page = new QWidget;
        slide.setCentralWidget(page);
        QVERIFY(placeholder.isNull() && holds(page));
        const QPointer<QWidget> inner = new QWidget(page); // taken from inside the current page
        slide.setCentralWidget(inner);
        QVERIFY(page.isNull() && inner && holds(inner));
        slide.setCentralWidget(nullptr);
        QCOMPARE(std::exchange(messages, {}), QStringList{ "QLayout: Cannot add a null widget to QVBoxLayout/" });
        QVERIFY(inner.isNull() && holds(nullptr));
        auto *last = new QWidget;
        slide.setCentralWidget(last);
        QVERIFY(holds(last));
    }

    // Last: it leaves the application style changed. One page goes through
    // every look in turn, as when a host switches styles.
    void eachLookStaysQuiet()
    {
        QSlideMaster slide;
        slide.setSubTitle(QStringLiteral("A subtitle long enough to wrap over more than one line of the slide."));
        auto *content = new QWidget;
        (new QStyledHeader(content))->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"));
        (new QStyledPushButton(QStringLiteral("Button"), content))->setButtonType(StyleHelper::GRADIENT_BLUE);
        new QStyledComboBox(content);
        slide.setCentralWidget(content);
        slide.show();
        for (QStyle *look : std::initializer_list<QStyle *>{ new CommonStyle, new GradientStyle, new FlatStyle }) {
            QApplication::setStyle(look);
            slide.grab();
        }
    }
};

QTEST_MAIN(TestStyledWidgets)

#include "tst_styledwidgets.moc"
