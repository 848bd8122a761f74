#include "TestSupport.h"

namespace {

const auto v4 = QIpAdressEdit::IPv4, v6 = QIpAdressEdit::IPv6;
const auto A = QValidator::Acceptable, I = QValidator::Intermediate, X = QValidator::Invalid;

// What a field's validator gives for an input with the cursor at a position. The rows of a type follow each
// other and run in order on one field, as a user's edits do: it reports a state when it differs from the row
// before (the first row always), and an Invalid input moves the cursor to its end. The fuzz corpus (fuzz/)
// checks which texts are acceptable at all; these rows hold the edges, the states in between and the inputs
// Qt 5's and Qt 6's expressions could read differently.
struct Row { QIpAdressEdit::IpType type; const char *input; int cursor; QValidator::State state; };
const Row Rows[] = {
    { v4, "", 0, I },     { v4, "", 0, I },     { v4, "255", 3, A },  { v4, "0", 0, A },   { v4, "42", 1, A },
    { v4, "1999", 4, X }, { v4, "199", 2, A },  { v4, "01", 2, X },   { v4, "256", 3, X }, { v4, "300", 1, X },
    { v4, "DB8", 0, X },  { v4, "1 ", 2, X },   { v4, "-1", 1, X },   { v4, "1.2", 3, X }, { v4, "1\n", 1, X },
    { v4, "10", 2, A },   { v6, "", 0, A },     { v6, "00", 1, A },   { v6, "fe80", 4, A }, { v6, "FfFf", 4, A },
    { v6, "", 0, A },     { v6, "12345", 2, X }, { v6, "g", 1, X },   { v6, "0x1", 3, X }, { v6, "1:2", 2, X },
    { v6, " ", 0, X },    { v6, "\n", 0, X },   { v6, "ffff", 4, A }, { v6, "1\n", 2, X },
};

// The fields' texts, in brackets where a field shows its frame (marked as not acceptable).
QString shown(const QIpAdressEdit &edit)
{
    QStringList texts;
    for (const QLineEdit *field : edit.findChildren<QLineEdit *>())
        texts << (field->hasFrame() ? '[' + field->text() + ']' : field->text());
    return texts.join(',');
}

} // namespace

class TestIpAdressEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QValidator::State>(); } // for QSignalSpy in Qt 5

    void fieldStates_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(Rows)); ++row)
            QTest::addRow("%s \"%s\" at %d", Rows[row].type == v4 ? "IPv4" : "IPv6",
                          qPrintable(QString(Rows[row].input).replace('\n', "\\n")), Rows[row].cursor) << row;
    }

    void fieldStates()
    {
        QFETCH(int, row);
        const Row &r = Rows[row];
        // The type's row before, validated first.
        const Row *before = row > 0 && Rows[row - 1].type == r.type ? &Rows[row - 1] : nullptr;
        const QIpAdressEdit edit(nullptr, r.type);
        const QValidator *validator = edit.findChild<QLineEdit *>()->validator();
        QString input = QString::fromLatin1(before ? before->input : "");
        int pos = 0;
        if (before)
            validator->validate(input, pos);
        QSignalSpy spy(validator, SIGNAL(validationStateChanged(QValidator::State)));
        input = QString::fromLatin1(r.input);
        pos = r.cursor;
        QCOMPARE(validator->validate(input, pos), r.state);
        QCOMPARE(pos, r.state == X ? input.size() : r.cursor);
        QCOMPARE(input, QString::fromLatin1(r.input)); // validate() never edits
        const bool reported = !before || before->state != r.state;
        QCOMPARE(spy.count(), reported ? 1 : 0);
        if (reported)
            QCOMPARE(spy.at(0).at(0).value<QValidator::State>(), r.state);
    }

    // Where focus goes, which texts it leaves and when editing finishes is checked over the fuzz corpus;
    // these rows show the marks a user's typing leaves: a field checks its input as it takes Return or
    // loses focus, leaving the edit checks every field.
    void keysAndMarks_data()
    {
        // keys: typed into an IPv4 edit, starting in the given field; "\b" Backspace, "\r" Return, "\t" Tab;
        // outcome: the fields after the keys, then after clear(), which checks each field it empties.
        VeltrixTest::columns<int, QString, QString>({ "field", "keys", "outcome" });
        QTest::newRow("back in the 4th") << 0 << "1.2.3.4\b" << "1,2,3,[] modified | [],[],[],[]";
        QTest::newRow("return in the empty 2nd") << 0 << "1.\r" << "1,[],, modified | [],[],,";
        QTest::newRow("tab out of the 4th") << 3 << "4\t" << "[],[],[],4 modified | [],[],[],[]";
    }

    void keysAndMarks()
    {
        QFETCH(int, field);
        QFETCH(QString, keys);
        QFETCH(QString, outcome);
        QWidget window; // the edit and a line edit after it, active so that focus moves as for a user
        auto *edit = new QIpAdressEdit(&window);
        new QLineEdit(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->findChildren<QLineEdit *>().at(field)->setFocus();
        for (const QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        const QString typed = shown(*edit) + (edit->isModified() ? " modified" : "");
        edit->clear();
        QCOMPARE(typed + " | " + shown(*edit), outcome);
    }
};

QTEST_MAIN(TestIpAdressEdit)
#include "tst_ipadressedit.moc"
