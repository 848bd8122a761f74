// The styled push button and combo box, and the four widget classes that
// exist to be singled out by the styles.
#include <QApplication>
#include <QComboBox>
#include <QMetaEnum>
#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QVBoxLayout>
#include <QtTest>

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

QWidget *createStyled(const QByteArray &className)
{
    if (className == "QStyledPushButton")
        return new QStyledPushButton;
    return new QStyledComboBox;
}

// Records what a combo box hands to the style while it paints.
class ComboProbeStyle : public QProxyStyle
{
public:
    ComboProbeStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (control == CC_ComboBox) {
            calls << QStringLiteral("CC_ComboBox");
            subControls = option->subControls;
            penColor = painter->pen().color();
            palette = option->palette;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_ComboBoxLabel)
            calls << QStringLiteral("CE_ComboBoxLabel");
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    mutable QStringList calls;
    mutable SubControls subControls;
    mutable QColor penColor;
    mutable QPalette palette;
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QStringList messages;

void collectMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    // The offscreen platform says this about every top-level window it shows.
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        messages << message;
}

} // namespace

class TestStyledWidgets : public QObject
{
    Q_OBJECT

private slots:
    void enumPropertiesResolveByName_data()
    {
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QByteArray>("typeName");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");

        const QByteArray type("StyleHelper::ButtonType");
        const QByteArray design("StyleHelper::ButtonDesign");
        for (const QByteArray &cls : { QByteArray("QStyledPushButton"), QByteArray("QStyledComboBox") }) {
            QTest::addRow("%s GRADIENT_BLUE", cls.constData()) << cls << QByteArray("buttonType") << type << "GRADIENT_BLUE" << 5;
            QTest::addRow("%s GRADIENT_LIGHTGRAY", cls.constData())
                << cls << QByteArray("buttonType") << type << "GRADIENT_LIGHTGRAY" << 1;
            QTest::addRow("%s BD_GROUPBOX_SELECTION_TOP_ALL", cls.constData())
                << cls << QByteArray("buttonDesign") << design << "BD_GROUPBOX_SELECTION_TOP_ALL" << 4;
            QTest::addRow("%s BD_GROUPBOX_SELECTION_MID", cls.constData())
                << cls << QByteArray("buttonDesign") << design << "BD_GROUPBOX_SELECTION_MID" << 2;
        }
    }

    void enumPropertiesResolveByName()
    {
        QFETCH(QByteArray, className);
        QFETCH(QByteArray, property);
        QFETCH(QByteArray, typeName);
        QFETCH(QString, key);
        QFETCH(int, value);

        QScopedPointer<QWidget> widget(createStyled(className));
        const QMetaObject *mo = widget->metaObject();
        QCOMPARE(mo->className(), className.constData());
        const QMetaProperty prop = mo->property(mo->indexOfProperty(property));
        QVERIFY(prop.isValid());
        QCOMPARE(prop.typeName(), typeName.constData());
        QVERIFY(prop.isEnumType());
        QVERIFY(!prop.isFlagType());
        QVERIFY(!prop.hasNotifySignal());
        QVERIFY(prop.isDesignable() && prop.isScriptable() && prop.isStored() && prop.isWritable());

        const QMetaEnum enumerator = prop.enumerator();
        QCOMPARE(enumerator.scope(), "StyleHelper");
        QCOMPARE(enumerator.keyToValue(key.toLatin1().constData()), value);

        // The scope is a bare gadget: nothing but the two enumerations.
        const QMetaObject *helper = enumerator.enclosingMetaObject();
        QCOMPARE(helper->className(), "StyleHelper");
        QVERIFY(!helper->superClass());
        QCOMPARE(helper->propertyCount(), 0);
        QCOMPARE(helper->methodCount(), 0);
        QCOMPARE(helper->enumeratorCount(), 2);

        QVERIFY(widget->setProperty(property, key));
        QCOMPARE(widget->property(property).toInt(), value);
    }

    void buttonOptionsByName()
    {
        QStyledPushButton button;
        const QMetaObject *mo = button.metaObject();
        const QMetaProperty prop = mo->property(mo->indexOfProperty("buttonOptions"));
        QVERIFY(prop.isFlagType());
        QVERIFY(!prop.hasNotifySignal());
        for (const char *name : { "ButtonOption", "ButtonOptions" }) {
            const QMetaEnum enumerator = mo->enumerator(mo->indexOfEnumerator(name));
            QVERIFY2(enumerator.isValid() && enumerator.isFlag(), name);
            QCOMPARE(enumerator.keyToValue("BO_ICON_LEFT_ALIGNED"), 1);
        }

        QVERIFY(button.setProperty("buttonOptions", QStringLiteral("BO_ICON_LEFT_ALIGNED")));
        QCOMPARE(button.property("buttonOptions").toInt(), 1);
        QCOMPARE(int(button.buttonOptions()), 1);
        QVERIFY(button.buttonOptions().testFlag(QStyledPushButton::BO_ICON_LEFT_ALIGNED));
    }

    void constructorsStartPlain_data()
    {
        QTest::addColumn<int>("constructor");
        QTest::newRow("push button (parent)") << 0;
        QTest::newRow("push button (text, parent)") << 1;
        QTest::newRow("push button (icon, text, parent)") << 2;
        QTest::newRow("combo box (parent)") << 3;
    }

    void constructorsStartPlain()
    {
        QFETCH(int, constructor);

        QWidget parent;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        const QIcon icon(pixmap);
        QWidget *widget = nullptr;
        switch (constructor) {
        case 0: widget = new QStyledPushButton(&parent); break;
        case 1: widget = new QStyledPushButton(QStringLiteral("Text"), &parent); break;
        case 2: widget = new QStyledPushButton(icon, QStringLiteral("Text"), &parent); break;
        default: widget = new QStyledComboBox(&parent); break;
        }
        QCOMPARE(widget->parentWidget(), &parent);
        QCOMPARE(widget->property("buttonType").toInt(), int(StyleHelper::DEFAULT));
        QCOMPARE(widget->property("buttonDesign").toInt(), int(StyleHelper::BD_DEFAULT));
        if (auto *button = qobject_cast<QStyledPushButton *>(widget)) {
            QCOMPARE(int(button->buttonOptions()), 0);
            QCOMPARE(button->text(), constructor == 0 ? QString() : QStringLiteral("Text"));
            QCOMPARE(button->icon().isNull(), constructor != 2);
        }
    }

    void settersOnlyStore_data()
    {
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<int>("value");

        QTest::newRow("push buttonType") << QByteArray("QStyledPushButton") << QByteArray("buttonType") << 5;
        QTest::newRow("push buttonDesign") << QByteArray("QStyledPushButton") << QByteArray("buttonDesign") << 3;
        QTest::newRow("push buttonOptions") << QByteArray("QStyledPushButton") << QByteArray("buttonOptions") << 1;
        QTest::newRow("combo buttonType") << QByteArray("QStyledComboBox") << QByteArray("buttonType") << 4;
        QTest::newRow("combo buttonDesign") << QByteArray("QStyledComboBox") << QByteArray("buttonDesign") << 1;
    }

    void settersOnlyStore()
    {
        QFETCH(QByteArray, className);
        QFETCH(QByteArray, property);
        QFETCH(int, value);

        QScopedPointer<QWidget> widget(createStyled(className));
        widget->resize(120, 30);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.data()));
        PaintCounter counter;
        widget->installEventFilter(&counter);

        QList<QSharedPointer<QSignalSpy>> spies;
        const QMetaObject *mo = widget->metaObject();
        for (int i = 0; i < mo->methodCount(); ++i) {
            const QMetaMethod method = mo->method(i);
            if (method.methodType() == QMetaMethod::Signal && method.name() != "destroyed")
                spies << QSharedPointer<QSignalSpy>::create(widget.data(), "2" + method.methodSignature());
        }

        QVERIFY(widget->setProperty(property, value));
        QCoreApplication::processEvents();
        QTest::qWait(20);
        QCOMPARE(widget->property(property).toInt(), value);
        QCOMPARE(counter.paints, 0);
        for (const auto &spy : spies)
            QVERIFY2(spy->isEmpty(), spy->signal().constData());

        // The probe does see a repaint when there is one.
        widget->update();
        QTRY_VERIFY(counter.paints > 0);
    }

    void comboArrowRule_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("arrow");

        QTest::newRow("empty, enabled") << 0 << true << false;
        QTest::newRow("empty, disabled") << 0 << false << false;
        QTest::newRow("items, disabled") << 2 << false << false;
        QTest::newRow("items, enabled") << 2 << true << true;
        QTest::newRow("one item, enabled") << 1 << true << true;
    }

    void comboArrowRule()
    {
        QFETCH(int, items);
        QFETCH(bool, enabled);
        QFETCH(bool, arrow);

        ComboProbeStyle probe;
        QPalette palette;
        palette.setColor(QPalette::Text, QColor(0x12, 0x34, 0x56));

        QStyledComboBox styled;
        QComboBox plain;
        for (QComboBox *box : { static_cast<QComboBox *>(&styled), &plain }) {
            box->setStyle(&probe);
            box->setPalette(palette);
            for (int i = 0; i < items; ++i)
                box->addItem(QStringLiteral("Item %1").arg(i));
            box->setEnabled(enabled);
            box->resize(140, 28);
        }

        probe.calls.clear();
        plain.grab();
        // The toolkit's own combo box always asks for its arrow.
        QVERIFY(probe.subControls.testFlag(QStyle::SC_ComboBoxArrow));
        const QStyle::SubControls plainControls = probe.subControls;

        probe.calls.clear();
        styled.grab();
        QCOMPARE(probe.calls, QStringList({ "CC_ComboBox", "CE_ComboBoxLabel" }));
        QCOMPARE(probe.subControls.testFlag(QStyle::SC_ComboBoxArrow), arrow);
        QCOMPARE(probe.subControls | QStyle::SC_ComboBoxArrow, plainControls);
        if (enabled)
            QCOMPARE(probe.penColor, QColor(0x12, 0x34, 0x56));
        QCOMPARE(probe.palette, styled.palette());
    }

    void comboArrowFollowsState()
    {
        ComboProbeStyle probe;
        QStyledComboBox box;
        box.setStyle(&probe);
        box.resize(140, 28);

        const struct
        {
            int items;
            bool enabled;
            bool arrow;
        } steps[] = { { 0, true, false }, { 1, true, true }, { 1, false, false },
                      { 1, true, true },  { 0, true, false }, { 0, false, false } };
        for (const auto &step : steps) {
            box.clear();
            for (int i = 0; i < step.items; ++i)
                box.addItem(QStringLiteral("Item"));
            box.setEnabled(step.enabled);
            box.grab();
            QCOMPARE(probe.subControls.testFlag(QStyle::SC_ComboBoxArrow), step.arrow);
            // Whatever the arrow, the option carries the box's own colours.
            QCOMPARE(probe.palette.currentColorGroup(), box.palette().currentColorGroup());
            QCOMPARE(probe.palette.color(QPalette::Text), box.palette().color(QPalette::Text));
        }
    }

    // What shows on screen, through Fusion's pixmap cache: one box goes
    // through the states in turn, and the last paint must match its state.
    void comboArrowPainted_data()
    {
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<bool>("arrow");

        QTest::newRow("empty, then filled") << QStringList{ "empty", "filled" } << true;
        QTest::newRow("filled, then emptied") << QStringList{ "filled", "empty" } << false;
        QTest::newRow("disabled, then enabled") << QStringList{ "disabled", "filled" } << true;
        QTest::newRow("filled, then disabled") << QStringList{ "filled", "disabled" } << false;
    }

    void comboArrowPainted()
    {
        QFETCH(QStringList, states);
        QFETCH(bool, arrow);

        QScopedPointer<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QStyledComboBox box;
        box.setStyle(fusion.data());
        box.resize(140, 28);
        // Dark pixels inside the arrow's strip, clear of the frame.
        const auto arrowInk = [&box] {
            const QImage image = box.grab().toImage();
            int ink = 0;
            for (int x = box.width() - 20; x < box.width() - 4; ++x) {
                for (int y = 4; y < box.height() - 4; ++y)
                    ink += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
            }
            return ink;
        };

        QPixmapCache::clear();
        for (const QString &state : states) {
            box.clear();
            if (state != QLatin1String("empty"))
                box.addItem(QStringLiteral("Item"));
            box.setEnabled(state != QLatin1String("disabled"));
            if (&state != &states.last())
                arrowInk();
        }
        QCOMPARE(arrowInk() > 0, arrow);
    }

    void markerWidgets_data()
    {
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QByteArray>("baseName");
        QTest::addColumn<bool>("withText");

        QTest::newRow("group box") << QByteArray("QStyledGroupBox") << QByteArray("QGroupBox") << false;
        QTest::newRow("group box, title") << QByteArray("QStyledGroupBox") << QByteArray("QGroupBox") << true;
        QTest::newRow("menu bar") << QByteArray("QStyledMenuBar") << QByteArray("QMenuBar") << false;
        QTest::newRow("header label") << QByteArray("QFrameHeaderLabel") << QByteArray("QLabel") << false;
        QTest::newRow("header label, text") << QByteArray("QFrameHeaderLabel") << QByteArray("QLabel") << true;
        QTest::newRow("description label") << QByteArray("QFrameDescriptionLabel") << QByteArray("QLabel") << false;
        QTest::newRow("description label, text") << QByteArray("QFrameDescriptionLabel") << QByteArray("QLabel") << true;
    }

    void markerWidgets()
    {
        QFETCH(QByteArray, className);
        QFETCH(QByteArray, baseName);
        QFETCH(bool, withText);

        const QString text = QStringLiteral("Caption");
        QWidget parent;
        QWidget *widget = nullptr;
        if (className == "QStyledGroupBox")
            widget = withText ? new QStyledGroupBox(text, &parent) : new QStyledGroupBox(&parent);
        else if (className == "QStyledMenuBar")
            widget = new QStyledMenuBar(&parent);
        else if (className == "QFrameHeaderLabel")
            widget = withText ? new QFrameHeaderLabel(text, &parent) : new QFrameHeaderLabel(&parent);
        else
            widget = withText ? new QFrameDescriptionLabel(text, &parent) : new QFrameDescriptionLabel(&parent);

        const QMetaObject *mo = widget->metaObject();
        QCOMPARE(mo->className(), className.constData());
        QCOMPARE(mo->superClass()->className(), baseName.constData());
        QCOMPARE(mo->propertyCount(), mo->superClass()->propertyCount());
        QCOMPARE(mo->methodCount(), mo->superClass()->methodCount());
        QCOMPARE(widget->parentWidget(), &parent);
        QCOMPARE(widget->windowType(), Qt::Widget);
        QVERIFY(widget->inherits(baseName.constData()));

        if (auto *group = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(group->title(), withText ? text : QString());
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), withText ? text : QString());
        // The two frame labels are siblings, not one a kind of the other.
        QCOMPARE(qobject_cast<QFrameHeaderLabel *>(widget) != nullptr, className == "QFrameHeaderLabel");
        QCOMPARE(qobject_cast<QFrameDescriptionLabel *>(widget) != nullptr, className == "QFrameDescriptionLabel");
    }

    void quietInNormalUse_data()
    {
        QTest::addColumn<QString>("styleName");
        QTest::newRow("Fusion") << QStringLiteral("fusion");
        QTest::newRow("CommonStyle") << QStringLiteral("common");
        QTest::newRow("GradientStyle") << QStringLiteral("gradient");
        QTest::newRow("FlatStyle") << QStringLiteral("flat");
    }

    void quietInNormalUse()
    {
        QFETCH(QString, styleName);

        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
        const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        if (styleName == QLatin1String("fusion"))
            QApplication::setStyle(styleName);
        else
            QApplication::setStyle(styleName == QLatin1String("common")     ? new CommonStyle
                                   : styleName == QLatin1String("gradient") ? static_cast<QStyle *>(new GradientStyle)
                                                                            : new FlatStyle);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *header = new QStyledHeader;
        header->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"));
        layout->addWidget(header);
        auto *slide = new QSlideMaster;
        slide->setSubTitle(QStringLiteral("A subtitle long enough to wrap over more than one line of the slide."));
        layout->addWidget(slide);

        auto *content = new QStyledGroupBox(QStringLiteral("Group"), nullptr);
        auto *contentLayout = new QVBoxLayout(content);
        auto *button = new QStyledPushButton(QStringLiteral("Button"), content);
        button->setButtonType(StyleHelper::GRADIENT_BLUE);
        button->setButtonOptions(QStyledPushButton::BO_ICON_LEFT_ALIGNED);
        auto *combo = new QStyledComboBox(content);
        combo->addItems({ QStringLiteral("One"), QStringLiteral("Two") });
        for (QWidget *child : { static_cast<QWidget *>(button), static_cast<QWidget *>(combo),
                                static_cast<QWidget *>(new QStyledComboBox(content)),
                                static_cast<QWidget *>(new QFrameHeaderLabel(QStringLiteral("Heading"), content)),
                                static_cast<QWidget *>(new QFrameDescriptionLabel(QStringLiteral("Text"), content)) })
            contentLayout->addWidget(child);
        slide->setCentralWidget(content);
        slide->setCentralWidget(content);

        window.resize(480, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        combo->setCurrentIndex(1);
        button->setDown(true);
        window.grab();
        slide->setCentralWidget(new QWidget);
        window.grab();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestStyledWidgets)

#include "tst_styledwidgets.moc"
