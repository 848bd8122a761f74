#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionFrame>
#include <QSignalSpy>
#include <QtTest>

#include <QIpAdressEdit.h>

using States = QList<QValidator::State>;

namespace {

const auto v4 = QIpAdressEdit::IPv4, v6 = QIpAdressEdit::IPv6;
const auto A = QValidator::Acceptable, I = QValidator::Intermediate, X = QValidator::Invalid;

QList<QLineEdit *> fields(const QIpAdressEdit &edit)
{
    return edit.findChildren<QLineEdit *>(); // creation order, which is the order in the row
}

// The fields' texts, in brackets where a field shows its frame (marked as not acceptable).
QStringList shown(const QIpAdressEdit &edit)
{
    QStringList result;
    for (const QLineEdit *field : fields(edit))
        result << (field->hasFrame() ? '[' + field->text() + ']' : field->text());
    return result;
}

// The layout row as text: a field as its maximum length, with "*" when Tab reaches it; a label as its text.
QString rowOf(const QIpAdressEdit &edit)
{
    QString row;
    for (int i = 0; i < edit.layout()->count(); ++i) {
        QWidget *widget = edit.layout()->itemAt(i)->widget();
        if (auto *field = qobject_cast<QLineEdit *>(widget))
            row += QString::number(field->maxLength()) + (field->focusPolicy() == Qt::StrongFocus ? "*" : "");
        else
            row += qobject_cast<QLabel *>(widget)->text();
    }
    return row;
}

// Every state the validator reported while it checked the inputs one after another.
States reported(const QValidator *validator, const QStringList &inputs)
{
    QSignalSpy spy(validator, SIGNAL(validationStateChanged(QValidator::State)));
    for (QString input : inputs) {
        int pos = input.size();
        validator->validate(input, pos);
    }
    States states;
    for (const QList<QVariant> &arguments : qAsConst(spy))
        states << arguments.at(0).value<QValidator::State>();
    return states;
}

} // namespace

class TestIpAdressEdit : public QObject
{
    Q_OBJECT

private slots:
    void validator_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QValidator::State>("ipv4");
        QTest::addColumn<QValidator::State>("ipv6");
        QTest::newRow("empty") << QString() << I << A;
        for (const char *number : {"0", "7", "42", "199", "255"})
            QTest::newRow(number) << number << A << A;
        for (const char *text : {"01", "00", "256", "300", "fe80", "DB8"})
            QTest::newRow(text) << text << X << A;
        QTest::newRow("12345") << "12345" << X << X;
        QTest::newRow("g") << "g" << X << X;
    }

    // Checking the same text twice reports its state once, the first time.
    void validator()
    {
        QFETCH(QString, input);
        QFETCH(QValidator::State, ipv4);
        QFETCH(QValidator::State, ipv6);
        QIpAdressEdit edit4(nullptr, v4), edit6(nullptr, v6);
        QCOMPARE(reported(fields(edit4).at(0)->validator(), {input, input}), States{ipv4});
        QCOMPARE(reported(fields(edit6).at(0)->validator(), {input, input}), States{ipv6});
    }

    // Typing 2, 25, 255 is reported once; an emptied IPv6 group stays acceptable.
    void validatorReportsChanges()
    {
        QIpAdressEdit edit4(nullptr, v4), edit6(nullptr, v6);
        const QStringList inputs{"2", "25", "255", "", "", "1", "1999", "199", "01", "12345", "fe80"};
        QCOMPARE(reported(fields(edit4).at(2)->validator(), inputs), (States{A, I, A, X, A, X}));
        QCOMPARE(reported(fields(edit6).at(2)->validator(), inputs), (States{A, X, A}));
    }

    void changeType_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("from");
        QTest::newRow("IPv4 to IPv6") << v4;
        QTest::newRow("IPv6 to IPv4") << v6;
    }

    // A new type rebuilds the fields: empty, editable, unmarked, with the new pattern.
    void changeType()
    {
        QFETCH(QIpAdressEdit::IpType, from);
        const auto to = from == v4 ? v6 : v4;
        const QString row4 = "3*.3.3.3", row6 = "4*:4:4:4:4:4:4:4";
        QIpAdressEdit edit(nullptr, from);
        QCOMPARE(edit.sizePolicy(), QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed));
        QCOMPARE(rowOf(edit), from == v4 ? row4 : row6);
        edit.setIpAdress(from == v4 ? "1.2.3.400" : "1:2:3:4:5:6:7:g");
        edit.setReadOnly(true);
        const QPointer<QLineEdit> first = fields(edit).at(0);
        edit.setIpType(from);
        QCOMPARE(shown(edit).last(), from == v4 ? "[400]" : "[g]");
        QVERIFY(edit.isReadOnly() && fields(edit).last()->isReadOnly());

        QVERIFY(edit.setProperty("ipType", QVariant::fromValue(to)));
        QVERIFY(first.isNull());
        QCOMPARE(rowOf(edit), to == v4 ? row4 : row6);
        QCOMPARE(shown(edit).join(""), "");
        QVERIFY(!edit.isReadOnly());
        QCOMPARE(fields(edit).at(1)->accessibleName(), to == v4 ? "Octet 2 of 4" : "Group 2 of 8");
        QCOMPARE(edit.accessibleName(), to == v4 ? "IPv4 address" : "IPv6 address");
        edit.setIpAdress(to == v4 ? "1.2.3.ff" : "1:2:3:4:5:6:7:ff");
        QCOMPARE(shown(edit).last(), to == v4 ? "[ff]" : "ff");
    }

    void keysAndFocus_data()
    {
        QTest::addColumn<QStringList>("start"); // 4 fields: IPv4, 8: IPv6
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("keys"); // "\b" Backspace, "\r" Return, "\t" Tab
        QTest::addColumn<int>("focus"); // -1: the line edit after the address edit
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("finished");
        // A field that loses focus checks its own input and is marked when empty (IPv4).
        const QStringList full{"1", "2", "3", "4"}, noFirst{"", "2", "3", "4"}, onlyFirst{"1", "", "", ""};
        const QStringList gap{"1", "2", "", "4"}, marked{"1", "2", "[]", "4"}, none6 = QVector<QString>(8).toList();
        const QStringList full6{"a", "b", "c", "d", "e", "f", "0", "1"}, gap6{"a", "b", "c", "d", "", "f", "0", "1"};
        QTest::newRow("stop, filled 1st") << full << 0 << "." << 1 << "2" << full << 0;
        QTest::newRow("colon, filled 3rd") << full << 2 << ":" << 3 << "4" << full << 0;
        QTest::newRow("stop, filled last") << full << 3 << "." << 3 << "" << full << 0;
        QTest::newRow("stop, empty 3rd") << gap << 2 << "." << 1 << "2" << marked << 0;
        QTest::newRow("stop, empty 1st") << noFirst << 0 << "." << 0 << "" << noFirst << 0;
        QTest::newRow("back, empty 3rd") << gap << 2 << "\b" << 1 << "2" << marked << 0;
        QTest::newRow("back, empty 1st") << noFirst << 0 << "\b" << 0 << "" << noFirst << 0;
        QTest::newRow("back, filled 3rd") << full << 2 << "\b" << 2 << "" << marked << 0;
        QTest::newRow("v6 colon, filled 2nd") << full6 << 1 << ":" << 2 << "c" << full6 << 0;
        QTest::newRow("v6 stop, filled 2nd") << full6 << 1 << "." << 2 << "c" << full6 << 0;
        QTest::newRow("v6 colon, empty 5th") << gap6 << 4 << ":" << 3 << "d" << gap6 << 0;
        // Return only looks at its own field; leaving the edit needs every field acceptable.
        QTest::newRow("return, others empty") << onlyFirst << 0 << "\r" << 0 << "" << onlyFirst << 1;
        QTest::newRow("return, empty 2nd") << onlyFirst << 1 << "\r" << 1 << "" << QStringList{"1", "[]", "", ""} << 0;
        QTest::newRow("return, empty v6 field") << none6 << 3 << "\r" << 3 << "" << none6 << 1;
        QTest::newRow("tab out, all filled") << full << 0 << "\t" << -1 << "" << full << 1;
        QTest::newRow("tab out, fields empty") << onlyFirst << 0 << "\t" << -1 << ""
                                               << QStringList{"1", "[]", "[]", "[]"} << 0;
        QTest::newRow("tab out, out of range") << QStringList{"1", "2", "300", "4"} << 0 << "\t" << -1 << ""
                                               << QStringList{"1", "2", "[300]", "4"} << 0;
        QTest::newRow("tab out, v6 empty") << none6 << 0 << "\t" << -1 << "" << none6 << 1;
    }

    void keysAndFocus()
    {
        QFETCH(QStringList, start);
        QFETCH(int, field);
        QFETCH(QString, keys);
        QFETCH(int, focus);
        QFETCH(QString, selected);
        QFETCH(QStringList, after);
        QFETCH(int, finished);
        QWidget window; // the edit and a line edit after it, active so that focus moves as for a user
        auto *edit = new QIpAdressEdit(&window, start.size() == 4 ? v4 : v6);
        auto *next = new QLineEdit(&window);
        for (int i = 0; i < start.size(); ++i)
            fields(*edit).at(i)->setText(start.at(i));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fields(*edit).at(field)->setFocus();
        QSignalSpy spy(edit, &QIpAdressEdit::editingFinished);
        QTest::keyClicks(fields(*edit).at(field), keys);
        QCOMPARE(QApplication::focusWidget(), focus < 0 ? next : fields(*edit).at(focus));
        QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget())->selectedText(), selected);
        QCOMPARE(shown(*edit), after);
        QCOMPARE(spy.count(), finished);
    }

    void setIpAdress_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("expected"); // 4 fields: IPv4, 8: IPv6
        const QStringList before4{"10", "0", "0", "[ab]"}, before6{"1", "2", "3", "4", "5", "6", "7", "[g]"};
        QTest::newRow("leading zeros") << "192.168.001.010" << "" << QStringList{"192", "168", "1", "10"};
        QTest::newRow("empty part") << "1..2.3" << "" << QStringList{"1", "0", "2", "3"};
        QTest::newRow("too few") << "1.2.3" << "IpAdress size mismatch 3!=4." << before4;
        QTest::newRow("too many") << "1.2.3.4.5" << "IpAdress size mismatch 5!=4." << before4;
        QTest::newRow("oversize cut") << "1234.5.6.0007" << "" << QStringList{"123", "5", "6", "7"};
        QTest::newRow("unacceptable kept") << "300.1.2.ab" << "" << QStringList{"[300]", "1", "2", "[ab]"};
        QTest::newRow("v6 zeros") << "0db8:0000:0:0:0:0:0:1" << ""
                                  << QStringList{"db8", "0", "0", "0", "0", "0", "0", "1"};
        QTest::newRow("v6 compressed") << "fe80::1" << "IpAdress size mismatch 3!=8." << before6;
        QTest::newRow("v6 cut") << "000ABCDE:1:2:3:4:5:6:g" << ""
                                << QStringList{"ABCD", "1", "2", "3", "4", "5", "6", "[g]"};
    }

    void setIpAdress()
    {
        QFETCH(QString, input);
        QFETCH(QString, warning);
        QFETCH(QStringList, expected);
        const bool ipv4 = expected.size() == 4;
        QIpAdressEdit edit(nullptr, ipv4 ? v4 : v6);
        edit.setIpAdress(ipv4 ? "10.0.0.ab" : "1:2:3:4:5:6:7:g"); // the last field marked
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        edit.setIpAdress(input);
        QCOMPARE(shown(edit), expected);
        QCOMPARE(edit.ipAdress(), expected.join(ipv4 ? "." : ":").remove('[').remove(']'));

        QVERIFY(!edit.isModified());
        fields(edit).at(1)->selectAll(); // the user empties one field
        QTest::keyClick(fields(edit).at(1), Qt::Key_Backspace);
        QVERIFY(edit.isModified());
        QCOMPARE(edit.ipAdress(), QString());
        edit.clear();
        QCOMPARE(shown(edit).join(","), ipv4 ? "[],[],[],[]" : ",,,,,,,");
    }
    // One sunken line-edit panel over the frameless fields, sized by the style around the fields' row; the
    // frame width becomes the margin once a style is set.
    void panelSizeAndMargin()
    {
        struct Probe : QProxyStyle
        {
            mutable QString panel;
            int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override
            {
                return m == PM_DefaultFrameWidth ? 3 : QProxyStyle::pixelMetric(m, o, w);
            }
            QSize sizeFromContents(ContentsType t, const QStyleOption *o, const QSize &s, const QWidget *w) const override
            {
                return t == CT_LineEdit && !o ? s + QSize(10, 4) : QProxyStyle::sizeFromContents(t, o, s, w);
            }
            void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
            {
                const auto *f = qstyleoption_cast<const QStyleOptionFrame *>(o);
                if (f && e == PE_PanelLineEdit)
                    panel += QStringLiteral("%1 %2 %3 %4 %5;").arg(f->lineWidth).arg(f->midLineWidth)
                                 .arg(bool(f->state & State_Sunken)).arg(bool(f->state & State_ReadOnly))
                                 .arg(f->rect == w->contentsRect());
                QProxyStyle::drawPrimitive(e, o, p, w);
            }
        } probe;
        QIpAdressEdit edit;
        QCOMPARE(edit.layout()->contentsMargins(), QMargins()); // no style change yet
        edit.setStyle(&probe);
        QCOMPARE(edit.layout()->contentsMargins(), QMargins(3, 3, 3, 3));
        QCOMPARE(static_cast<QWidget &>(edit).sizeHint(), edit.minimumSizeHint() + QSize(10, 4));
        edit.setReadOnly(true);
        edit.grab();
        QCOMPARE(probe.panel, QStringLiteral("3 0 1 1 1;"));
    }
};

QTEST_MAIN(TestIpAdressEdit)
#include "tst_ipadressedit.moc"
