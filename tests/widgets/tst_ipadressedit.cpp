#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <QtTest>

#include <QIpAdressEdit.h>

using Texts = QStringList;
using Marks = QList<int>; // indexes of the fields that carry a frame

namespace {

const auto v4 = QIpAdressEdit::IPv4;
const auto v6 = QIpAdressEdit::IPv6;

QList<QWidget *> row(const QIpAdressEdit &edit)
{
    QList<QWidget *> widgets;
    for (int i = 0; i < edit.layout()->count(); ++i)
        widgets << edit.layout()->itemAt(i)->widget();
    return widgets;
}

QList<QLineEdit *> fields(const QIpAdressEdit &edit)
{
    QList<QLineEdit *> result;
    for (QWidget *widget : row(edit)) {
        if (auto *field = qobject_cast<QLineEdit *>(widget))
            result << field;
    }
    return result;
}

Texts texts(const QIpAdressEdit &edit)
{
    Texts result;
    for (const QLineEdit *field : fields(edit))
        result << field->text();
    return result;
}

Marks marks(const QIpAdressEdit &edit)
{
    Marks result;
    for (int i = 0; i < fields(edit).size(); ++i) {
        if (fields(edit).at(i)->hasFrame())
            result << i;
    }
    return result;
}

// The edit and a line edit after it in a shown, active window, so that
// focus moves as it does for a user.
struct Window : QWidget
{
    Window(QIpAdressEdit::IpType type, const Texts &start)
        : edit(new QIpAdressEdit(this, type)), next(new QLineEdit(this))
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(edit);
        layout->addWidget(next);
        for (int i = 0; i < start.size(); ++i)
            fields(*edit).at(i)->setText(start.at(i));
        show();
        QApplication::setActiveWindow(this);
    }
    QLineEdit *field(int i) const { return fields(*edit).at(i); }
    QIpAdressEdit *edit;
    QLineEdit *next;
};

// Fusion, except that the frame width asked with option and widget (for the
// panel) differs from the one asked with neither (for the margin); records
// what the edit itself asks the style to draw and measure.
class ProbeStyle : public QProxyStyle
{
public:
    ProbeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_DefaultFrameWidth)
            return option || widget ? 3 : 5;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (!qobject_cast<const QIpAdressEdit *>(widget))
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        drawn << element;
        if (auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option))
            lastFrame = *frame;
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        if (type != CT_LineEdit || !qobject_cast<const QIpAdressEdit *>(widget) || option)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        return size + QSize(100, 7);
    }
    mutable QList<PrimitiveElement> drawn;
    mutable QStyleOptionFrame lastFrame;
};

QSize hintOf(const QWidget &widget) // protected in the edit, as for the toolkit's layouts
{
    return widget.sizeHint();
}

} // namespace

class TestIpAdressEdit : public QObject
{
    Q_OBJECT

private slots:
    void structure_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("initial");
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("secondName");
        QTest::newRow("new IPv4") << v4 << v4 << "." << 3 << "Octet 2 of 4";
        QTest::newRow("new IPv6") << v6 << v6 << ":" << 4 << "Group 2 of 8";
        QTest::newRow("IPv4 made IPv6") << v4 << v6 << ":" << 4 << "Group 2 of 8";
        QTest::newRow("IPv6 made IPv4") << v6 << v4 << "." << 3 << "Octet 2 of 4";
    }

    // A new edit, or one rebuilt by a type change, has empty, editable,
    // unmarked fields between delimiter labels.
    void structure()
    {
        QFETCH(QIpAdressEdit::IpType, initial);
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(QString, delimiter);
        QFETCH(int, maxLength);
        QFETCH(QString, secondName);

        QIpAdressEdit edit(nullptr, initial);
        if (initial != type) {
            edit.setIpAdress(initial == v4 ? "1.2.3.400" : "1:2:3:4:5:6:7:g");
            edit.setReadOnly(true);
            const QPointer<QLineEdit> first = fields(edit).at(0);
            edit.setIpType(initial);
            QCOMPARE(fields(edit).at(0), first.data());
            QVERIFY(edit.isReadOnly());
            QCOMPARE(marks(edit), Marks{3 + 4 * initial});
            QVERIFY(edit.setProperty("ipType", QVariant::fromValue(type)));
            QVERIFY(first.isNull());
        }
        QCOMPARE(edit.ipType(), type);
        QCOMPARE(edit.sizePolicy(), QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed));
        QCOMPARE(qobject_cast<QHBoxLayout *>(edit.layout())->spacing(), 0);
        QCOMPARE(edit.layout()->contentsMargins(), QMargins());

        const int count = type == v4 ? 4 : 8;
        const auto widgets = row(edit);
        QCOMPARE(widgets.size(), 2 * count - 1);
        for (int i = 1; i < widgets.size(); i += 2)
            QCOMPARE(qobject_cast<QLabel *>(widgets.at(i))->text(), delimiter);
        QCOMPARE(edit.findChildren<QLineEdit *>().size(), count);
        QCOMPARE(edit.findChildren<QLabel *>().size(), count - 1);
        for (const QLineEdit *field : fields(edit)) {
            QCOMPARE(field->maxLength(), maxLength);
            QCOMPARE(field->alignment(), Qt::AlignCenter);
            QCOMPARE(field->focusPolicy(), field == fields(edit).at(0) ? Qt::StrongFocus : Qt::ClickFocus);
            QCOMPARE(field->validator()->parent(), field);
            QVERIFY(field->text().isEmpty() && !field->hasFrame() && !field->isReadOnly() && !field->isModified());
        }
        QCOMPARE(fields(edit).at(1)->accessibleName(), secondName);
        QCOMPARE(edit.accessibleName(), type == v4 ? QStringLiteral("IPv4 address") : QStringLiteral("IPv6 address"));
        QVERIFY(!edit.isReadOnly() && !edit.isModified() && edit.ipAdress().isNull());
    }

    void keys_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<Texts>("start");
        QTest::addColumn<int>("field");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<Texts>("after");
        QTest::addColumn<Marks>("marked");
        // A delimiter that reached a field would be refused by its validator
        // and leave a frame; a field left by the focus checks itself and is
        // marked when empty (IPv4).
        const Texts full{"192", "168", "7", "1"}, gap{"192", "168", "", "1"}, noFirst{"", "168", "7", "1"};
        const Texts groups{"2001", "db8", "0", "0", "0", "0", "0", "1"};
        const Texts groupGap{"2001", "db8", "0", "0", "", "0", "0", "1"};
        const int stop = Qt::Key_Period, colon = Qt::Key_Colon, back = Qt::Key_Backspace;
        QTest::newRow("stop, filled 1st") << v4 << full << 0 << QList<int>{stop} << 1 << "168" << full << Marks{};
        QTest::newRow("colon, filled 3rd") << v4 << full << 2 << QList<int>{colon} << 3 << "1" << full << Marks{};
        QTest::newRow("stop, filled last") << v4 << full << 3 << QList<int>{stop} << 3 << "" << full << Marks{};
        QTest::newRow("stop, empty 3rd") << v4 << gap << 2 << QList<int>{stop} << 1 << "168" << gap << Marks{2};
        QTest::newRow("stop, empty 1st") << v4 << noFirst << 0 << QList<int>{stop} << 0 << "" << noFirst << Marks{};
        QTest::newRow("back, empty 3rd") << v4 << gap << 2 << QList<int>{back} << 1 << "168" << gap << Marks{2};
        QTest::newRow("back, empty 1st") << v4 << noFirst << 0 << QList<int>{back} << 0 << "" << noFirst << Marks{};
        QTest::newRow("back, filled 3rd") << v4 << full << 2 << QList<int>{back} << 2 << "" << gap << Marks{2};
        QTest::newRow("emptied, retyped") << v4 << full << 2 << QList<int>{back, Qt::Key_4} << 2 << ""
                                          << Texts{"192", "168", "4", "1"} << Marks{};
        QTest::newRow("v6 colon, filled 2nd") << v6 << groups << 1 << QList<int>{colon} << 2 << "0" << groups << Marks{};
        QTest::newRow("v6 stop, filled 2nd") << v6 << groups << 1 << QList<int>{stop} << 2 << "0" << groups << Marks{};
        QTest::newRow("v6 colon, filled last") << v6 << groups << 7 << QList<int>{colon} << 7 << "" << groups << Marks{};
        QTest::newRow("v6 colon, empty 5th") << v6 << groupGap << 4 << QList<int>{colon} << 3 << "0" << groupGap
                                             << Marks{};
        QTest::newRow("v6 back, empty 5th") << v6 << groupGap << 4 << QList<int>{back} << 3 << "0" << groupGap
                                            << Marks{};
    }

    void keys()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(Texts, start);
        QFETCH(int, field);
        QFETCH(QList<int>, keys);
        QFETCH(int, focus);
        QFETCH(QString, selected);
        QFETCH(Texts, after);
        QFETCH(Marks, marked);

        Window window(type, start);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.field(field)->setFocus();
        window.field(field)->end(false);
        for (int key : keys)
            QTest::keyClick(window.field(field), Qt::Key(key));

        QCOMPARE(QApplication::focusWidget(), window.field(focus));
        QCOMPARE(window.field(focus)->selectedText(), selected);
        QCOMPARE(texts(*window.edit), after);
        QCOMPARE(marks(*window.edit), marked);
        QCOMPARE(window.edit->ipAdress(), after.contains(QString()) ? QString() : after.join(type == v4 ? "." : ":"));
    }

    void setIpAdress_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<Texts>("expected");
        QTest::addColumn<Marks>("marked");
        const Texts before4{"10", "0", "0", "1"}, before6{"1", "2", "3", "4", "5", "6", "7", "8"};
        QTest::newRow("leading zeros") << v4 << "192.168.001.010" << "" << Texts{"192", "168", "1", "10"} << Marks{};
        QTest::newRow("empty part") << v4 << "1..2.3" << "" << Texts{"1", "0", "2", "3"} << Marks{};
        QTest::newRow("too few") << v4 << "1.2.3" << "IpAdress size mismatch 3!=4." << before4 << Marks{};
        QTest::newRow("too many") << v4 << "1.2.3.4.5" << "IpAdress size mismatch 5!=4." << before4 << Marks{};
        QTest::newRow("empty") << v4 << "" << "IpAdress size mismatch 1!=4." << before4 << Marks{};
        QTest::newRow("oversize cut") << v4 << "1234.5.6.0007" << "" << Texts{"123", "5", "6", "7"} << Marks{};
        QTest::newRow("unacceptable kept") << v4 << "300.1.2.ab" << "" << Texts{"300", "1", "2", "ab"} << Marks{0, 3};
        QTest::newRow("v6 zeros") << v6 << "2001:0db8:0000:0:0:0:0:1" << ""
                                  << Texts{"2001", "db8", "0", "0", "0", "0", "0", "1"} << Marks{};
        QTest::newRow("v6 compressed") << v6 << "fe80::1" << "IpAdress size mismatch 3!=8." << before6 << Marks{};
        QTest::newRow("v6 with stops") << v6 << "1.2.3.4" << "IpAdress size mismatch 1!=8." << before6 << Marks{};
        QTest::newRow("v6 cut, case kept") << v6 << "000ABCDE:1:2:3:4:5:6:g" << ""
                                           << Texts{"ABCD", "1", "2", "3", "4", "5", "6", "g"} << Marks{7};
    }

    void setIpAdress()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(QString, input);
        QFETCH(QString, warning);
        QFETCH(Texts, expected);
        QFETCH(Marks, marked);

        QIpAdressEdit edit(nullptr, type);
        edit.setIpAdress(type == v4 ? "10.0.0.1" : "1:2:3:4:5:6:7:8");
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        edit.setIpAdress(input);
        QCOMPARE(texts(edit), expected);
        QCOMPARE(marks(edit), marked);
        QCOMPARE(edit.ipAdress(), expected.join(type == v4 ? "." : ":"));
        QVERIFY(!edit.isModified());
        edit.clear();
        QCOMPARE(texts(edit), Texts(QVector<QString>(expected.size()).toList()));
    }

    void editingFinished_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<Texts>("start");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("key"); // 0: focus the line edit after the address
        QTest::addColumn<int>("emitted");
        QTest::addColumn<Marks>("marked");
        const Texts full{"1", "2", "3", "4"}, onlyFirst{"1", "", "", ""}, outOfRange{"1", "2", "300", "4"};
        QTest::newRow("return, others empty") << v4 << onlyFirst << 0 << int(Qt::Key_Return) << 1 << Marks{};
        QTest::newRow("return, empty field") << v4 << onlyFirst << 1 << int(Qt::Key_Return) << 0 << Marks{1};
        QTest::newRow("return, empty v6 field") << v6 << Texts{} << 3 << int(Qt::Key_Return) << 1 << Marks{};
        QTest::newRow("tab out, all filled") << v4 << full << 0 << int(Qt::Key_Tab) << 1 << Marks{};
        QTest::newRow("tab out, fields empty") << v4 << onlyFirst << 0 << int(Qt::Key_Tab) << 0 << Marks{1, 2, 3};
        QTest::newRow("tab out, out of range") << v4 << outOfRange << 0 << int(Qt::Key_Tab) << 0 << Marks{2};
        QTest::newRow("tab out, v6 empty") << v6 << Texts{} << 0 << int(Qt::Key_Tab) << 1 << Marks{};
        QTest::newRow("left from 3rd") << v4 << full << 2 << 0 << 1 << Marks{};
        QTest::newRow("on to next field") << v4 << full << 1 << int(Qt::Key_Period) << 0 << Marks{};
    }

    void editingFinished()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(Texts, start);
        QFETCH(int, field);
        QFETCH(int, key);
        QFETCH(int, emitted);
        QFETCH(Marks, marked);

        Window window(type, start);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.field(field)->setFocus();
        QSignalSpy spy(window.edit, &QIpAdressEdit::editingFinished);
        if (key)
            QTest::keyClick(window.field(field), Qt::Key(key));
        else
            window.next->setFocus();
        if (key == Qt::Key_Tab)
            QCOMPARE(QApplication::focusWidget(), window.next);
        QCOMPARE(spy.count(), emitted);
        QCOMPARE(marks(*window.edit), marked);
    }

    void readOnlyAndModified()
    {
        Window window(v4, {"1", "2", "3", "4"});
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.field(2)->setReadOnly(true);
        QVERIFY(window.edit->property("readOnly").toBool());
        window.edit->setReadOnly(false);
        QVERIFY(!window.field(2)->isReadOnly());
        window.edit->setReadOnly(true);
        window.field(1)->setFocus();
        QTest::keyClick(window.field(1), Qt::Key_9);
        QVERIFY(!window.edit->isModified());
        window.edit->setReadOnly(false);
        QTest::keyClick(window.field(1), Qt::Key_9);
        QCOMPARE(window.edit->ipAdress(), QStringLiteral("1.29.3.4"));
        QVERIFY(window.edit->property("modified").toBool());
    }

    void paintingAndSize()
    {
        ProbeStyle style;
        QIpAdressEdit edit;
        edit.setContentsMargins(2, 1, 2, 1);
        edit.setStyle(&style);
        QCOMPARE(edit.layout()->contentsMargins(), QMargins(5, 5, 5, 5));
        QCOMPARE(hintOf(edit), edit.minimumSizeHint() + QSize(100, 7));

        edit.resize(300, 40);
        for (bool readOnly : {false, true}) {
            fields(edit).at(2)->setReadOnly(readOnly);
            style.drawn.clear();
            edit.grab();
            QCOMPARE(style.drawn, QList<QStyle::PrimitiveElement>{QStyle::PE_PanelLineEdit});
            const QStyleOptionFrame &frame = style.lastFrame;
            QCOMPARE(frame.rect, QRect(2, 1, 296, 38));
            QCOMPARE(frame.lineWidth, 3);
            QCOMPARE(frame.midLineWidth, 0);
            QCOMPARE(frame.features, QStyleOptionFrame::None);
            QCOMPARE(frame.state & (QStyle::State_Sunken | QStyle::State_ReadOnly | QStyle::State_Enabled),
                     QStyle::State_Sunken | QStyle::State_Enabled | (readOnly ? QStyle::State_ReadOnly : QStyle::State_None));
        }
        QCOMPARE(fields(edit).at(0)->geometry().left(), 2 + 5);
    }
};

QTEST_MAIN(TestIpAdressEdit)
#include "tst_ipadressedit.moc"
