#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <QIpAdressEdit.h>

namespace {

const auto v4 = QIpAdressEdit::IPv4, v6 = QIpAdressEdit::IPv6;

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

} // namespace

class TestIpAdressEdit : public QObject
{
    Q_OBJECT

private slots:
    void keysAndFocus_data()
    {
        QTest::addColumn<QStringList>("start"); // 4 fields: IPv4, 8: IPv6
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("keys"); // "\b" Backspace, "\r" Return, "\t" Tab
        QTest::addColumn<int>("focus"); // -1: the line edit after the address edit
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("finished");
        // Where focus goes and which texts it leaves is checked over the fuzz corpus (fuzz/); these rows
        // show the marks: a field that loses focus checks its own input, and an empty IPv4 field is marked.
        const QStringList full{"1", "2", "3", "4"}, onlyFirst{"1", "", "", ""}, gap{"1", "2", "", "4"};
        const QStringList marked{"1", "2", "[]", "4"}, none6 = QVector<QString>(8).toList();
        QTest::newRow("stop, empty 3rd") << gap << 2 << "." << 1 << "2" << marked << 0;
        QTest::newRow("back, filled 3rd") << full << 2 << "\b" << 2 << "" << marked << 0;
        QTest::newRow("return, empty 2nd") << onlyFirst << 1 << "\r" << 1 << "" << QStringList{"1", "[]", "", ""} << 0;
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

    // What setIpAdress() shows and refuses is checked over the fuzz corpus; this is the edit's state around it.
    void modifiedAndClear_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<QString>("cleared"); // the fields after clear(), marked where the type marks empty ones
        QTest::newRow("IPv4") << v4 << "[],[],[],[]";
        QTest::newRow("IPv6") << v6 << ",,,,,,,";
    }

    void modifiedAndClear()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(QString, cleared);
        QIpAdressEdit edit(nullptr, type);
        edit.setIpAdress(type == v4 ? "10.0.0.1" : "1:2:3:4:5:6:7:8");
        QVERIFY(!edit.isModified());
        fields(edit).at(1)->selectAll(); // the user empties one field
        QTest::keyClick(fields(edit).at(1), Qt::Key_Backspace);
        QVERIFY(edit.isModified());
        QCOMPARE(edit.ipAdress(), QString());
        edit.clear();
        QCOMPARE(shown(edit).join(","), cleared);
    }
};
QTEST_MAIN(TestIpAdressEdit)
#include "tst_ipadressedit.moc"
