// The library's resource bundle as a host sees it, the styled push button and
// combo box, the marker widgets the styles single out, the header band and the
// slide master. No test may make the library print anything (see cleanup()).
#include <QApplication>
#include <QImageReader>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QtTest>
#include <utility>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledGroupBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

namespace {

// Fusion that records what a combo box hands over for its panel.
class ProbeStyle : public QProxyStyle
{
public:
    ProbeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (control == CC_ComboBox)
            subControls = option->subControls;
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    mutable SubControls subControls;
};

const QString IniPath = QStringLiteral(":/StyleHelper/StyleHelper.ini");
// Before main() creates anything: only the library's load-time registration can show it.
const bool iniVisibleAtStartup = QFile::exists(IniPath);
QStringList messages;

void collectMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    // The offscreen platform says this about every top-level window it shows.
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        messages << message;
}

// A text label by its index in the header's title row or in the slide's layout.
QLabel *textLabel(QWidget *owner, int index)
{
    QLayout *layout = qobject_cast<QSlideMaster *>(owner) ? owner->layout() : owner->layout()->itemAt(0)->layout();
    return qobject_cast<QLabel *>(layout->itemAt(index)->widget());
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
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");

        QTest::newRow("colour table") << IniPath << QByteArray("ini") << QSize();
        QTest::newRow("gradient png") << ":/logos/gradient_logo.png" << QByteArray("png") << QSize(128, 29);
        QTest::newRow("gradient ico") << ":/logos/gradient_logo.ico" << QByteArray("ico") << QSize(48, 48);
        QTest::newRow("flat png") << ":/logos/flat_logo.png" << QByteArray("png") << QSize(220, 29);
        QTest::newRow("flat ico") << ":/logos/flat_logo.ico" << QByteArray("ico") << QSize(48, 48);
    }

    void bundleEntries()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);

        const QResource resource(path);
        QVERIFY(resource.isValid());
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
        QVERIFY(!resource.lastModified().isValid()); // resource format 1 records no times
        if (size.isValid()) {
            QCOMPARE(QImageReader::imageFormat(path), format);
            QCOMPARE(QImageReader(path).imageCount(), 1);
            QCOMPARE(QImage(path).size(), size);
        }
        if (format == "ico") // bits per pixel of the one directory entry
            QCOMPARE(int(resource.uncompressedData().at(12)), 32);
    }

    void colorFile()
    {
        QVERIFY(iniVisibleAtStartup);
        QFile file(IniPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Two groups apart by an empty line, CR LF everywhere. The legacy key
        // GC_DARK_GRAY is the tenth line of its group, where id 9 is read.
        QCOMPARE(QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n")),
                 QStringList({ "[GradientStyleColor]", "GC_DARKGRAY_1=#808285", "GC_MIDGRAY_1=#A5A6A7",
                               "GC_MIDGRAY_2=#C3C3C4", "GC_LIGHTGRAY=#E1E1E2", "GC_DARKBLUE=#003B6A",
                               "GC_MIDBLUE_1=#215F8B", "GC_MIDBLUE_2=#628CB2", "GC_LIGHTBLUE=#A2BAD2",
                               "GC_BLUE_HOVER=#00142A", "GC_DARK_GRAY=#404245", "GC_DARKGRAY_2=#404245",
                               "GC_WHITE=#FFFFFF", "GC_BLACK=#000000", "GC_ANTHRACITE=#222222", "GC_RED=#E20015", "",
                               "[FlatStyleColor]", "FC_DARK_BLUE=#00519C", "FC_BLUE=#4A91C6", "FC_LIGHT_BLUE=#C9DCEB",
                               "FC_DARK_GRAY=#535353", "FC_GRAY=#A0A0A0", "FC_LIGHT_GRAY=#C9C9C9", "FC_WHITE=#FFFFFF",
                               "FC_BLACK=#000000", "" }));
    }

    void vocabularyProperties_data()
    {
        QTest::addColumn<bool>("combo");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");

        const auto row = [](bool combo, const char *property, const char *type, const char *key, int value) {
            QTest::newRow(key) << combo << QByteArray(property) << QByteArray(type) << QString(key) << value;
        };
        row(false, "buttonType", "StyleHelper::ButtonType", "GRADIENT_BLUE", 5);
        row(false, "buttonDesign", "StyleHelper::ButtonDesign", "BD_GROUPBOX_SELECTION_TOP_ALL", 4);
        row(false, "buttonOptions", "QStyledPushButton::ButtonOptions", "BO_ICON_LEFT_ALIGNED", 1);
        row(true, "buttonType", "StyleHelper::ButtonType", "GRADIENT_LIGHTGRAY", 1);
        row(true, "buttonDesign", "StyleHelper::ButtonDesign", "BD_GROUPBOX_SELECTION_MID", 2);
    }

    void vocabularyProperties()
    {
        QFETCH(bool, combo);
        QFETCH(QByteArray, property);
        QFETCH(QByteArray, type);
        QFETCH(QString, key);
        QFETCH(int, value);

        QScopedPointer<QWidget> widget(combo ? static_cast<QWidget *>(new QStyledComboBox) : new QStyledPushButton);
        const QMetaProperty prop = widget->metaObject()->property(widget->metaObject()->indexOfProperty(property));
        QCOMPARE(QByteArray(prop.enumerator().scope()) + "::" + prop.enumerator().name(), type);
        QCOMPARE(prop.isFlagType(), property == "buttonOptions");
        QCOMPARE(widget->property(property).toInt(), 0); // DEFAULT, BD_DEFAULT, no options
        QVERIFY(widget->setProperty(property, key));
        QCOMPARE(widget->property(property).toInt(), value);
    }

    void comboArrowRule_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("arrow");

        QTest::newRow("empty, enabled") << 0 << true << false;
        QTest::newRow("empty, disabled") << 0 << false << false;
        QTest::newRow("items, disabled") << 2 << false << false;
        QTest::newRow("one item, enabled") << 1 << true << true;
    }

    void comboArrowRule()
    {
        QFETCH(int, items);
        QFETCH(bool, enabled);
        QFETCH(bool, arrow);

        ProbeStyle probe;
        QComboBox plain;
        QStyledComboBox styled;
        for (QComboBox *box : { &plain, static_cast<QComboBox *>(&styled) }) {
            box->setStyle(&probe);
            for (int i = 0; i < items; ++i)
                box->addItem(QStringLiteral("Item"));
            box->setEnabled(enabled);
            box->resize(140, 28);
        }
        // The toolkit's box goes first and leaves Fusion's cached panel for the
        // same state and size behind: an arrowless box must not show it, and a
        // box with its arrow looks exactly like the toolkit's.
        const QImage plainImage = plain.grab().toImage();
        const QStyle::SubControls plainControls = probe.subControls;
        QCOMPARE(styled.grab().toImage() == plainImage, arrow);
        QCOMPARE(probe.subControls, arrow ? plainControls : plainControls & ~QStyle::SC_ComboBoxArrow);

        // An item and the enabled state bring the arrow back at the next paint.
        styled.addItem(QStringLiteral("Last"));
        styled.setEnabled(true);
        styled.grab();
        QVERIFY(probe.subControls.testFlag(QStyle::SC_ComboBoxArrow));
    }

    void frameLabelsAreSiblings()
    {
        QFrameHeaderLabel heading;
        QFrameDescriptionLabel description;
        QVERIFY(!qobject_cast<QFrameHeaderLabel *>(&description) && !qobject_cast<QFrameDescriptionLabel *>(&heading));
    }

    void headerForm()
    {
        QWidget window; // as a child, the header's top margin differs from the form's first one
        QStyledHeader header(&window);
        QCOMPARE(header.objectName(), QStringLiteral("QStyledHeader"));
        QCOMPARE(header.sizePolicy(), QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum));
        auto *outer = qobject_cast<QVBoxLayout *>(header.layout());
        QLayout *row = outer ? outer->itemAt(0)->layout() : nullptr;
        QVERIFY(row && row->inherits("QHBoxLayout") && row->count() == 6 && outer->count() == 2);
        QCOMPARE(outer->objectName() + QLatin1Char('/') + row->objectName(), "verticalLayout/horizontalLayout");
        QCOMPARE(QPoint(outer->spacing(), row->spacing()), QPoint(6, 6));
        QCOMPARE(outer->itemAt(1)->widget(), header.menuBar());
        QCOMPARE(header.menuBar()->metaObject()->className(), "QStyledMenuBar");

        for (int i : { 0, 3, 5 }) { // spacers left, in the middle and right
            QSpacerItem *spacer = row->itemAt(i)->spacerItem();
            QVERIFY(spacer && spacer->sizeHint() == QSize(i == 3 ? 40 : 10, 0));
            QCOMPARE(spacer->sizePolicy(), QSizePolicy(i == 3 ? QSizePolicy::MinimumExpanding : QSizePolicy::Fixed,
                                                       QSizePolicy::Minimum));
        }
        QStringList labels;
        for (int i : { 1, 2, 4 })
            labels << textLabel(&header, i)->objectName() + QLatin1Char(':') + textLabel(&header, i)->text();
        QCOMPARE(labels, QStringList({ "appTitleLabel:Application Title", "appNameLabel:Application Name",
                                       "appLogoLabel:" }));

        // Only the top margin is the style's: the menu bar spans the full width.
        const int top = header.style()->pixelMetric(QStyle::PM_LayoutTopMargin, nullptr, &header);
        QCOMPARE(header.layout()->contentsMargins(), QMargins(0, top, 0, 0));

        // The texts live in the labels only.
        QVERIFY(header.setProperty("applicationTitle", QString()));
        textLabel(&header, 2)->setText(QStringLiteral("Studio"));
        QCOMPARE(textLabel(&header, 1)->text() + '/' + header.property("applicationSubTitle").toString(), "/Studio");
    }

    // Who owns the central widget as it is exchanged.
    void slideCentralWidget()
    {
        QSlideMaster slide;
        auto *layout = qobject_cast<QVBoxLayout *>(slide.layout());
        QVERIFY(layout);
        const auto holds = [&slide, layout](QWidget *central) {
            for (int i = 0; i < layout->count(); ++i) { // only the central widget takes the height left
                if (layout->stretch(i) != (i == 2 ? 1 : 0) || layout->itemAt(i)->widget()->parentWidget() != &slide)
                    return false;
            }
            return slide.centralWidget() == central && layout->count() == (central ? 3 : 2)
                && (!central || layout->itemAt(2)->widget() == central);
        };
        QVERIFY(!textLabel(&slide, 0)->wordWrap() && textLabel(&slide, 1)->wordWrap());
        const QPointer<QWidget> placeholder = slide.centralWidget();
        QCOMPARE(placeholder->metaObject(), &QWidget::staticMetaObject);
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

        QVERIFY(slide.setProperty("title", QStringLiteral("Title")));
        textLabel(&slide, 1)->setText(QStringLiteral("Sub")); // the texts live in the labels only
        QCOMPARE(textLabel(&slide, 0)->text() + '/' + slide.property("subTitle").toString(), "Title/Sub");
    }

    // Last: it leaves the application style changed. One page goes through
    // every look in turn, as when a host switches styles.
    void eachLookStaysQuiet()
    {
        QSlideMaster slide;
        slide.setSubTitle(QStringLiteral("A subtitle long enough to wrap over more than one line of the slide."));
        auto *content = new QStyledGroupBox(QStringLiteral("Group"), nullptr);
        auto *contentLayout = new QVBoxLayout(content);
        auto *header = new QStyledHeader;
        header->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"));
        auto *button = new QStyledPushButton(QStringLiteral("Button"), nullptr);
        button->setButtonType(StyleHelper::GRADIENT_BLUE);
        for (QWidget *child : std::initializer_list<QWidget *>{
                 header, button, new QStyledComboBox, new QFrameHeaderLabel(QStringLiteral("Heading"), nullptr),
                 new QFrameDescriptionLabel(QStringLiteral("Text"), nullptr) })
            contentLayout->addWidget(child);
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
