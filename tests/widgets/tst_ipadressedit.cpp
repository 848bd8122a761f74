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
using Flags = QList<bool>;

namespace {

// The widgets of the edit's row, left to right.
QList<QWidget *> rowWidgets(const QIpAdressEdit &edit)
{
    QList<QWidget *> widgets;
    const QLayout *layout = edit.layout();
    for (int i = 0; layout && i < layout->count(); ++i)
        widgets << layout->itemAt(i)->widget();
    return widgets;
}

QList<QLineEdit *> fields(const QIpAdressEdit &edit)
{
    QList<QLineEdit *> result;
    for (QWidget *widget : rowWidgets(edit)) {
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

Flags frameFlags(const QIpAdressEdit &edit)
{
    Flags result;
    for (const QLineEdit *field : fields(edit))
        result << field->hasFrame();
    return result;
}

Flags noFrames(int count)
{
    return QVector<bool>(count, false).toList();
}

// sizeHint() is protected in the edit; layouts ask through QWidget.
QSize hintOf(const QWidget &widget)
{
    return widget.sizeHint();
}

Texts emptyTexts(int count)
{
    return QVector<QString>(count).toList();
}

// Fills the fields one by one (an empty text leaves the field empty).
void fill(QIpAdressEdit &edit, const Texts &values)
{
    const auto list = fields(edit);
    for (int i = 0; i < values.size() && i < list.size(); ++i)
        list.at(i)->setText(values.at(i));
}

// A Fusion proxy that tells apart the frame width asked for the panel (with
// option and widget) from the one asked for the margin (with neither), and
// records what the edit hands to the style.
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
        if (qobject_cast<const QIpAdressEdit *>(widget)) {
            drawn << element;
            if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option))
                lastFrame = *frame;
            return; // only what the edit itself asks for, not Fusion's breakdown of it
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        if (type == CT_LineEdit && qobject_cast<const QIpAdressEdit *>(widget)) {
            sizeOptionWasNull = !option;
            return size + QSize(100, 7);
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    mutable QList<PrimitiveElement> drawn;
    mutable QStyleOptionFrame lastFrame;
    mutable bool sizeOptionWasNull = false;
};

// Records the key presses that the edit lets through to its parent.
class KeyRecorder : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

} // namespace

class TestIpAdressEdit : public QObject
{
    Q_OBJECT

private slots:
    void construction_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("editName");
        QTest::newRow("IPv4") << QIpAdressEdit::IPv4 << 4 << "." << 3 << "Octet 2 of 4" << "IPv4 address";
        QTest::newRow("IPv6") << QIpAdressEdit::IPv6 << 8 << ":" << 4 << "Group 2 of 8" << "IPv6 address";
    }

    void construction()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(int, count);
        QFETCH(QString, delimiter);
        QFETCH(int, maxLength);
        QFETCH(QString, fieldName);
        QFETCH(QString, editName);

        QWidget parent;
        QIpAdressEdit edit(&parent, type);
        QCOMPARE(edit.parentWidget(), &parent);
        QCOMPARE(edit.ipType(), type);
        QCOMPARE(edit.sizePolicy(), QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed));
        auto *layout = qobject_cast<QHBoxLayout *>(edit.layout());
        QVERIFY(layout);
        QCOMPARE(layout->spacing(), 0);
        QCOMPARE(layout->contentsMargins(), QMargins());

        // field, delimiter, field, ..., field
        const auto row = rowWidgets(edit);
        QCOMPARE(row.size(), 2 * count - 1);
        for (int i = 0; i < row.size(); ++i) {
            if (i % 2) {
                auto *label = qobject_cast<QLabel *>(row.at(i));
                QVERIFY2(label, qPrintable(QString::number(i)));
                QCOMPARE(label->text(), delimiter);
                continue;
            }
            auto *field = qobject_cast<QLineEdit *>(row.at(i));
            QVERIFY2(field, qPrintable(QString::number(i)));
            QCOMPARE(field->parentWidget(), &edit);
            QCOMPARE(field->maxLength(), maxLength);
            QCOMPARE(field->alignment(), Qt::AlignCenter);
            QVERIFY(!field->hasFrame());
            QCOMPARE(field->focusPolicy(), i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
            QVERIFY(field->validator());
            QCOMPARE(field->validator()->parent(), field);
            QVERIFY(field->text().isEmpty());
        }
        QCOMPARE(edit.findChildren<QLineEdit *>().size(), count);
        QCOMPARE(edit.findChildren<QLabel *>().size(), count - 1);

        QCOMPARE(fields(edit).at(1)->accessibleName(), fieldName);
        QCOMPARE(edit.accessibleName(), editName);
        QVERIFY(!edit.isModified());
        QVERIFY(!edit.isReadOnly());
        QVERIFY(edit.ipAdress().isEmpty());
    }

    void defaultsAndProperties()
    {
        QIpAdressEdit edit;
        QCOMPARE(edit.ipType(), QIpAdressEdit::IPv4);
        QVERIFY(!edit.parentWidget());

        const QMetaObject *meta = edit.metaObject();
        const QMetaProperty modified = meta->property(meta->indexOfProperty("modified"));
        QVERIFY(modified.isReadable());
        QVERIFY(!modified.isWritable());
        QVERIFY(!modified.isDesignable());
        for (const char *name : {"readOnly", "ipAdress", "ipType"}) {
            const QMetaProperty property = meta->property(meta->indexOfProperty(name));
            QVERIFY2(property.isWritable() && property.isDesignable(), name);
        }
        QVERIFY(edit.setProperty("ipType", QVariant::fromValue(QIpAdressEdit::IPv6)));
        QCOMPARE(fields(edit).size(), 8);
        QVERIFY(edit.setProperty("ipAdress", QStringLiteral("1:2:3:4:5:6:7:8")));
        QCOMPARE(edit.property("ipAdress").toString(), QStringLiteral("1:2:3:4:5:6:7:8"));
    }

    void keys_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<Texts>("start");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("focusAfter");
        QTest::addColumn<QString>("selectedAfter");
        QTest::addColumn<Texts>("after");
        QTest::addColumn<int>("framed");
        const auto v4 = QIpAdressEdit::IPv4;
        const auto v6 = QIpAdressEdit::IPv6;
        const Texts full{"192", "168", "7", "1"};
        const Texts gap{"192", "168", "", "1"};
        const Texts firstEmpty{"", "168", "7", "1"};

        // framed: the field left marked afterwards (-1: none). A field that
        // loses focus checks its own input and so gets marked when empty;
        // a delimiter that reached a field would be refused and mark it too.
        QTest::newRow("period in filled first") << v4 << full << 0 << int(Qt::Key_Period) << 1 << "168" << full << -1;
        QTest::newRow("colon in filled first") << v4 << full << 0 << int(Qt::Key_Colon) << 1 << "168" << full << -1;
        QTest::newRow("period in filled third") << v4 << full << 2 << int(Qt::Key_Period) << 3 << "1" << full << -1;
        QTest::newRow("period in filled last") << v4 << full << 3 << int(Qt::Key_Period) << 3 << "" << full << -1;
        QTest::newRow("period in empty third") << v4 << gap << 2 << int(Qt::Key_Period) << 1 << "168" << gap << 2;
        QTest::newRow("period in empty first") << v4 << firstEmpty << 0 << int(Qt::Key_Period) << 0 << ""
                                               << firstEmpty << -1;
        QTest::newRow("backspace in empty third") << v4 << gap << 2 << int(Qt::Key_Backspace) << 1 << "168" << gap
                                                  << 2;
        QTest::newRow("backspace in empty first") << v4 << firstEmpty << 0 << int(Qt::Key_Backspace) << 0 << ""
                                                  << firstEmpty << -1;
        QTest::newRow("backspace in filled third")
            << v4 << full << 2 << int(Qt::Key_Backspace) << 2 << "" << Texts{"192", "168", "", "1"} << 2;
        QTest::newRow("digit in third") << v4 << gap << 2 << int(Qt::Key_4) << 2 << ""
                                        << Texts{"192", "168", "4", "1"} << -1;

        const Texts groups{"2001", "db8", "0", "0", "0", "0", "0", "1"};
        Texts groupGap = groups;
        groupGap[4].clear();
        QTest::newRow("v6 colon in filled second") << v6 << groups << 1 << int(Qt::Key_Colon) << 2 << "0" << groups
                                                   << -1;
        QTest::newRow("v6 period in filled second") << v6 << groups << 1 << int(Qt::Key_Period) << 2 << "0" << groups
                                                    << -1;
        QTest::newRow("v6 colon in filled last") << v6 << groups << 7 << int(Qt::Key_Colon) << 7 << "" << groups << -1;
        QTest::newRow("v6 colon in empty fifth") << v6 << groupGap << 4 << int(Qt::Key_Colon) << 3 << "0" << groupGap
                                                 << -1;
        QTest::newRow("v6 colon in empty first")
            << v6 << (Texts{""} << groups.mid(1)) << 0 << int(Qt::Key_Colon) << 0 << "" << (Texts{""} << groups.mid(1))
            << -1;
        QTest::newRow("v6 backspace in empty fifth")
            << v6 << groupGap << 4 << int(Qt::Key_Backspace) << 3 << "0" << groupGap << -1;
        QTest::newRow("v6 letter in fifth") << v6 << groupGap << 4 << int(Qt::Key_F) << 4 << ""
                                            << Texts{"2001", "db8", "0", "0", "f", "0", "0", "1"} << -1;
    }

    void keys()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(Texts, start);
        QFETCH(int, field);
        QFETCH(int, key);
        QFETCH(int, focusAfter);
        QFETCH(QString, selectedAfter);
        QFETCH(Texts, after);
        QFETCH(int, framed);

        QWidget window;
        auto *edit = new QIpAdressEdit(&window, type);
        new QVBoxLayout(&window);
        window.layout()->addWidget(edit);
        fill(*edit, start);
        showActive(window);
        const auto list = fields(*edit);
        list.at(field)->setFocus();
        list.at(field)->end(false);
        QVERIFY(list.at(field)->hasFocus());

        QTest::keyClick(list.at(field), Qt::Key(key));

        QCOMPARE(QApplication::focusWidget(), list.at(focusAfter));
        QCOMPARE(list.at(focusAfter)->selectedText(), selectedAfter);
        if (focusAfter != field)
            QCOMPARE(list.at(focusAfter)->selectionStart(), 0);
        QCOMPARE(texts(*edit), after);
        for (int i = 0; i < list.size(); ++i)
            QCOMPARE(list.at(i)->hasFrame(), i == framed);
    }

    void typingOverSelection()
    {
        QWidget window;
        auto *edit = new QIpAdressEdit(&window);
        new QVBoxLayout(&window);
        window.layout()->addWidget(edit);
        edit->setIpAdress(QStringLiteral("10.20.30.40"));
        showActive(window);
        fields(*edit).at(0)->setFocus();
        // Typed to whichever field has focus, as a user would.
        QTest::keyClicks(nullptr, QStringLiteral(".7.8"));
        QCOMPARE(edit->ipAdress(), QStringLiteral("10.7.8.40"));
        QVERIFY(edit->isModified());
    }

    void consumedKeys_data()
    {
        QTest::addColumn<Texts>("start");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("passedOn");
        const Texts full{"1", "2", "3", "4"};
        const Texts empty{"", "", "", ""};
        QTest::newRow("period, filled last") << full << 3 << int(Qt::Key_Period) << false;
        QTest::newRow("colon, empty first") << empty << 0 << int(Qt::Key_Colon) << false;
        QTest::newRow("backspace, empty first") << empty << 0 << int(Qt::Key_Backspace) << false;
        QTest::newRow("backspace, empty second") << empty << 1 << int(Qt::Key_Backspace) << false;
        QTest::newRow("letter") << full << 1 << int(Qt::Key_A) << true;
        QTest::newRow("comma") << empty << 1 << int(Qt::Key_Comma) << true;
    }

    // A read-only field ignores the keys that it would otherwise edit with,
    // so they travel on to the parent: that shows which keys the edit let
    // through and which it consumed.
    void consumedKeys()
    {
        QFETCH(Texts, start);
        QFETCH(int, field);
        QFETCH(int, key);
        QFETCH(bool, passedOn);

        KeyRecorder window;
        auto *edit = new QIpAdressEdit(&window);
        new QVBoxLayout(&window);
        window.layout()->addWidget(edit);
        fill(*edit, start);
        edit->setReadOnly(true);
        showActive(window);
        fields(*edit).at(field)->setFocus();
        QTest::keyClick(fields(*edit).at(field), Qt::Key(key));
        QCOMPARE(window.keys, passedOn ? QList<int>{key} : QList<int>{});
    }

    void setIpAdress_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<Texts>("expected");
        QTest::addColumn<Flags>("framed");
        const auto v4 = QIpAdressEdit::IPv4;
        const auto v6 = QIpAdressEdit::IPv6;
        const Texts before4{"10", "0", "0", "1"};
        const Texts before6{"1", "2", "3", "4", "5", "6", "7", "8"};
        const Flags clear4 = noFrames(4);
        const Flags clear6 = noFrames(8);

        QTest::newRow("leading zeros") << v4 << "192.168.001.010" << "" << Texts{"192", "168", "1", "10"} << clear4;
        QTest::newRow("all zeros") << v4 << "000.00.0.0000" << "" << Texts{"0", "0", "0", "0"} << clear4;
        QTest::newRow("empty part") << v4 << "1..2.3" << "" << Texts{"1", "0", "2", "3"} << clear4;
        QTest::newRow("only delimiters") << v4 << "..." << "" << Texts{"0", "0", "0", "0"} << clear4;
        QTest::newRow("too few") << v4 << "1.2.3" << "IpAdress size mismatch 3!=4." << before4 << clear4;
        QTest::newRow("too many") << v4 << "1.2.3.4.5" << "IpAdress size mismatch 5!=4." << before4 << clear4;
        QTest::newRow("empty") << v4 << "" << "IpAdress size mismatch 1!=4." << before4 << clear4;
        QTest::newRow("v6 text on v4") << v4 << "1:2:3:4" << "IpAdress size mismatch 1!=4." << before4 << clear4;
        QTest::newRow("oversize cut") << v4 << "1234.5.6.7" << "" << Texts{"123", "5", "6", "7"} << clear4;
        QTest::newRow("out of range kept") << v4 << "300.1.2.abc" << "" << Texts{"300", "1", "2", "abc"}
                                           << Flags{true, false, false, true};

        QTest::newRow("v6 full") << v6 << "2001:0db8:0000:0:0:0:0:1" << ""
                                 << Texts{"2001", "db8", "0", "0", "0", "0", "0", "1"} << clear6;
        QTest::newRow("v6 case kept") << v6 << "FE80:0:0:0:DB8:Ab:0:1" << ""
                                      << Texts{"FE80", "0", "0", "0", "DB8", "Ab", "0", "1"} << clear6;
        QTest::newRow("v6 compressed") << v6 << "fe80::1" << "IpAdress size mismatch 3!=8." << before6 << clear6;
        QTest::newRow("v6 too many") << v6 << "1:2:3:4:5:6:7:8:9" << "IpAdress size mismatch 9!=8." << before6
                                     << clear6;
        QTest::newRow("v4 text on v6") << v6 << "1.2.3.4" << "IpAdress size mismatch 1!=8." << before6 << clear6;
        QTest::newRow("v6 oversize cut") << v6 << "000123456:1:2:3:4:5:6:7" << ""
                                         << Texts{"1234", "1", "2", "3", "4", "5", "6", "7"} << clear6;
        QTest::newRow("v6 not hex") << v6 << "g:1:2:3:4:5:6:7" << ""
                                    << Texts{"g", "1", "2", "3", "4", "5", "6", "7"}
                                    << (Flags{true} << noFrames(7));
    }

    void setIpAdress()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(QString, input);
        QFETCH(QString, warning);
        QFETCH(Texts, expected);
        QFETCH(Flags, framed);

        QIpAdressEdit edit(nullptr, type);
        edit.setIpAdress(type == QIpAdressEdit::IPv4 ? QStringLiteral("10.0.0.1") : QStringLiteral("1:2:3:4:5:6:7:8"));
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        edit.setIpAdress(input);
        QCOMPARE(texts(edit), expected);
        QCOMPARE(frameFlags(edit), framed);
        QCOMPARE(edit.ipAdress(), expected.join(type == QIpAdressEdit::IPv4 ? '.' : ':'));
        QVERIFY(!edit.isModified());
    }

    void ipAdressNeedsEveryField_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<int>("emptied");
        QTest::newRow("v4 first") << QIpAdressEdit::IPv4 << 0;
        QTest::newRow("v4 last") << QIpAdressEdit::IPv4 << 3;
        QTest::newRow("v6 middle") << QIpAdressEdit::IPv6 << 4;
        QTest::newRow("v6 last") << QIpAdressEdit::IPv6 << 7;
    }

    void ipAdressNeedsEveryField()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(int, emptied);
        QIpAdressEdit edit(nullptr, type);
        const QString address = type == QIpAdressEdit::IPv4 ? QStringLiteral("1.2.3.4")
                                                            : QStringLiteral("a:b:c:d:e:f:0:1");
        edit.setIpAdress(address);
        QCOMPARE(edit.ipAdress(), address);
        fields(edit).at(emptied)->clear();
        QCOMPARE(edit.ipAdress(), QString());
        QVERIFY(edit.ipAdress().isNull());

        edit.setIpAdress(address);
        edit.clear();
        QCOMPARE(texts(edit), emptyTexts(fields(edit).size()));
    }

    void frames_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("framedWhenEmptied");
        QTest::newRow("IPv4") << QIpAdressEdit::IPv4 << "42" << true;
        QTest::newRow("IPv6") << QIpAdressEdit::IPv6 << "beef" << false;
    }

    void frames()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(QString, typed);
        QFETCH(bool, framedWhenEmptied);

        QWidget window;
        auto *edit = new QIpAdressEdit(&window, type);
        new QVBoxLayout(&window);
        window.layout()->addWidget(edit);
        showActive(window);
        const int count = fields(*edit).size();
        QCOMPARE(frameFlags(*edit), noFrames(count));

        QLineEdit *second = fields(*edit).at(1);
        second->setFocus();
        QTest::keyClicks(second, typed);
        QCOMPARE(second->text(), typed);
        QCOMPARE(frameFlags(*edit), noFrames(count));
        const int heightWithoutFrame = second->sizeHint().height();

        for (int i = 0; i < typed.size(); ++i)
            QTest::keyClick(second, Qt::Key_Backspace);
        QVERIFY(second->text().isEmpty());
        QCOMPARE(second->hasFrame(), framedWhenEmptied);
        if (framedWhenEmptied)
            QVERIFY(second->sizeHint().height() > heightWithoutFrame);
        QCOMPARE(QApplication::focusWidget(), second);

        QTest::keyClicks(second, typed);
        QCOMPARE(frameFlags(*edit), noFrames(count));
    }

    void editingFinished_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<Texts>("start");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("emitted");
        QTest::addColumn<Flags>("framedAfter");
        const auto v4 = QIpAdressEdit::IPv4;
        const auto v6 = QIpAdressEdit::IPv6;
        const Texts full{"1", "2", "3", "4"};
        const Texts onlyFirst{"1", "", "", ""};
        const Texts outOfRange{"1", "2", "300", "4"};
        const Texts empty8 = emptyTexts(8);

        QTest::newRow("return, others empty") << v4 << onlyFirst << 0 << "return" << 1 << noFrames(4);
        QTest::newRow("return in empty field") << v4 << onlyFirst << 1 << "return" << 0 << Flags{false, true, false, false};
        QTest::newRow("return in empty v6 field") << v6 << empty8 << 3 << "return" << 1 << noFrames(8);
        QTest::newRow("tab out, all filled") << v4 << full << 0 << "tab" << 1 << noFrames(4);
        QTest::newRow("tab out, fields empty") << v4 << onlyFirst << 0 << "tab" << 0 << Flags{false, true, true, true};
        QTest::newRow("tab out, out of range") << v4 << outOfRange << 0 << "tab" << 0 << Flags{false, false, true, false};
        QTest::newRow("tab out, v6 empty") << v6 << empty8 << 0 << "tab" << 1 << noFrames(8);
        QTest::newRow("leave from inside") << v4 << full << 2 << "leave" << 1 << noFrames(4);
        QTest::newRow("step to next field") << v4 << full << 1 << "period" << 0 << noFrames(4);
        QTest::newRow("step back") << v4 << Texts{"1", "2", "", ""} << 2 << "backspace" << 0
                                   << Flags{false, false, true, false};
    }

    void editingFinished()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(Texts, start);
        QFETCH(int, field);
        QFETCH(QString, action);
        QFETCH(int, emitted);
        QFETCH(Flags, framedAfter);

        QWidget window;
        auto *edit = new QIpAdressEdit(&window, type);
        auto *next = new QLineEdit(&window);
        new QVBoxLayout(&window);
        window.layout()->addWidget(edit);
        window.layout()->addWidget(next);
        fill(*edit, start);
        showActive(window);
        QLineEdit *current = fields(*edit).at(field);
        current->setFocus();
        QVERIFY(current->hasFocus());
        // Empty fields start unmarked: nothing has validated them yet.
        for (QLineEdit *field : fields(*edit))
            QVERIFY(!field->text().isEmpty() || !field->hasFrame());

        QSignalSpy spy(edit, &QIpAdressEdit::editingFinished);
        if (action == QLatin1String("return")) {
            QTest::keyClick(current, Qt::Key_Return);
        } else if (action == QLatin1String("tab")) {
            QTest::keyClick(current, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        } else if (action == QLatin1String("leave")) {
            next->setFocus();
        } else if (action == QLatin1String("period")) {
            QTest::keyClick(current, Qt::Key_Period);
        } else {
            QTest::keyClick(current, Qt::Key_Backspace);
        }
        QCOMPARE(spy.count(), emitted);
        QCOMPARE(frameFlags(*edit), framedAfter);
    }

    void changingType()
    {
        QWidget window;
        auto *edit = new QIpAdressEdit(&window);
        new QVBoxLayout(&window);
        window.layout()->addWidget(edit);
        showActive(window);
        edit->setIpAdress(QStringLiteral("10.0.0.300"));
        edit->setReadOnly(true);
        QVERIFY(edit->isReadOnly());
        const QPointer<QLineEdit> oldField = fields(*edit).at(3);
        QVERIFY(oldField->hasFrame());

        edit->setIpType(QIpAdressEdit::IPv4);
        QCOMPARE(fields(*edit).at(3), oldField.data());
        QCOMPARE(edit->ipAdress(), QStringLiteral("10.0.0.300"));

        edit->setIpType(QIpAdressEdit::IPv6);
        QVERIFY(oldField.isNull());
        QCOMPARE(edit->findChildren<QLineEdit *>().size(), 8);
        QCOMPARE(edit->findChildren<QLabel *>().size(), 7);
        QCOMPARE(rowWidgets(*edit).size(), 15);
        QCOMPARE(texts(*edit), emptyTexts(8));
        QCOMPARE(frameFlags(*edit), noFrames(8));
        QVERIFY(!edit->isReadOnly());
        QVERIFY(!edit->isModified());
        QCOMPARE(edit->accessibleName(), QStringLiteral("IPv6 address"));
        QCOMPARE(fields(*edit).at(7)->accessibleName(), QStringLiteral("Group 8 of 8"));
        // The new fields show once the layout has placed them.
        QTRY_VERIFY(fields(*edit).at(7)->isVisible());

        // The new fields are editable and use the new pattern.
        fields(*edit).at(0)->setFocus();
        QTest::keyClicks(fields(*edit).at(0), QStringLiteral("fe80"));
        QCOMPARE(fields(*edit).at(0)->text(), QStringLiteral("fe80"));
        QVERIFY(edit->isModified());

        // A name chosen by the host survives a rebuild.
        edit->setAccessibleName(QStringLiteral("Gateway"));
        edit->setIpType(QIpAdressEdit::IPv4);
        QCOMPARE(edit->accessibleName(), QStringLiteral("Gateway"));
        QCOMPARE(fields(*edit).at(0)->accessibleName(), QStringLiteral("Octet 1 of 4"));
        QCOMPARE(rowWidgets(*edit).size(), 7);
    }

    void readOnlyAndModified()
    {
        QWidget window;
        auto *edit = new QIpAdressEdit(&window);
        new QVBoxLayout(&window);
        window.layout()->addWidget(edit);
        showActive(window);
        edit->setIpAdress(QStringLiteral("1.2.3.4"));

        fields(*edit).at(2)->setReadOnly(true);
        QVERIFY(edit->isReadOnly());
        QVERIFY(edit->property("readOnly").toBool());
        edit->setReadOnly(false);
        QVERIFY(!fields(*edit).at(2)->isReadOnly());

        edit->setReadOnly(true);
        for (const QLineEdit *field : fields(*edit))
            QVERIFY(field->isReadOnly());
        fields(*edit).at(1)->setFocus();
        QTest::keyClicks(fields(*edit).at(1), QStringLiteral("9"));
        QCOMPARE(edit->ipAdress(), QStringLiteral("1.2.3.4"));
        QVERIFY(!edit->isModified());

        edit->setReadOnly(false);
        QTest::keyClicks(fields(*edit).at(1), QStringLiteral("9"));
        QCOMPARE(edit->ipAdress(), QStringLiteral("1.29.3.4"));
        QVERIFY(edit->isModified());
        QVERIFY(edit->property("modified").toBool());
        edit->setIpAdress(QStringLiteral("1.2.3.4"));
        QVERIFY(!edit->isModified());
    }

    void painting_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("editable") << false;
        QTest::newRow("read-only") << true;
    }

    void painting()
    {
        QFETCH(bool, readOnly);
        ProbeStyle style;
        QIpAdressEdit edit;
        edit.setContentsMargins(2, 1, 2, 1);
        edit.resize(300, 40);
        edit.setStyle(&style);
        if (readOnly)
            fields(edit).at(1)->setReadOnly(true);

        edit.grab();
        QCOMPARE(style.drawn, QList<QStyle::PrimitiveElement>{QStyle::PE_PanelLineEdit});
        const QStyleOptionFrame &frame = style.lastFrame;
        QCOMPARE(frame.rect, QRect(2, 1, 296, 38));
        QCOMPARE(frame.lineWidth, 3);
        QCOMPARE(frame.midLineWidth, 0);
        QCOMPARE(frame.features, QStyleOptionFrame::None);
        QVERIFY(frame.state & QStyle::State_Sunken);
        QVERIFY(frame.state & QStyle::State_Enabled);
        QCOMPARE(bool(frame.state & QStyle::State_ReadOnly), readOnly);
        QCOMPARE(frame.palette, edit.palette());
    }

    void styleChangeSetsMargin()
    {
        ProbeStyle style;
        QIpAdressEdit edit;
        QCOMPARE(edit.layout()->contentsMargins(), QMargins());
        edit.setStyle(&style);
        QCOMPARE(edit.layout()->contentsMargins(), QMargins(5, 5, 5, 5));
        edit.resize(400, hintOf(edit).height());
        edit.layout()->activate();
        QCOMPARE(fields(edit).at(0)->geometry().left(), 5);
        QCOMPARE(fields(edit).at(3)->geometry().right(), 400 - 1 - 5);
    }

    void sizeHint_data()
    {
        QTest::addColumn<QSize>("strut");
        QTest::newRow("no strut") << QSize();
        QTest::newRow("wide strut") << QSize(2000, 0);
        QTest::newRow("tall strut") << QSize(0, 300);
    }

    void sizeHint()
    {
        QFETCH(QSize, strut);
        ProbeStyle style;
        QIpAdressEdit edit;
        edit.setStyle(&style);
        const QSize saved = QApplication::globalStrut();
        QApplication::setGlobalStrut(strut);
        const QSize contents = edit.minimumSizeHint().expandedTo(strut);
        const QSize hint = hintOf(edit);
        QApplication::setGlobalStrut(saved);
        QCOMPARE(hint, contents + QSize(100, 7));
        QVERIFY(style.sizeOptionWasNull);
        QVERIFY(hint.width() >= 4 * fields(edit).at(0)->minimumSizeHint().width());
    }

private:
    static void showActive(QWidget &window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

QTEST_MAIN(TestIpAdressEdit)
#include "tst_ipadressedit.moc"
