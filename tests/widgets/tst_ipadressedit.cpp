#include "TestSupport.h"

namespace {

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

    Baseline m_baseline{ VELTRIX_BASELINE_DIR "/fields.txt" };

private slots:
    void initTestCase() { qRegisterMetaType<QValidator::State>(); } // for QSignalSpy in Qt 5
    void cleanupTestCase() { QVERIFY(m_baseline.finish(m_baseline.cases())); }

    void fieldStates_data() { VeltrixTest::nameRows(m_baseline.cases()); }

    // The inputs of a type's case, one after another in one field (the file's top explains the lines).
    void fieldStates()
    {
        QFETCH(QString, name);
        QVERIFY2(name == "IPv4" || name == "IPv6", qPrintable(name));
        const QIpAdressEdit edit(nullptr, name == "IPv6" ? QIpAdressEdit::IPv6 : QIpAdressEdit::IPv4);
        const QValidator *validator = edit.findChild<QLineEdit *>()->validator();
        QSignalSpy spy(validator, SIGNAL(validationStateChanged(QValidator::State)));
        const char *const states[] = { "Invalid", "Intermediate", "Acceptable" };
        static const QRegularExpression given("^\"((?:[^\"\\\\]|\\\\.)*)\" at (\\d+)"); // "text" at cursor, \n a line feed
        QStringList lines;
        for (const QString &line : m_baseline.expected(name)) {
            const QRegularExpressionMatch match = given.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            QString input = match.captured(1).replace("\\n", "\n");
            const QString before = input;
            const int cursor = match.captured(2).toInt();
            int pos = cursor;
            const QValidator::State state = validator->validate(input, pos);
            QCOMPARE(input, before); // validate() never edits
            QString seen = match.captured(0) + ": " + states[state] + (pos == cursor ? "" : QString(", cursor %1").arg(pos));
            for (const QList<QVariant> &signal : qAsConst(spy))
                seen += QString(", reported") + (signal.at(0).value<QValidator::State>() == state ? "" : " otherwise");
            spy.clear();
            lines << seen;
        }
        m_baseline.check(name, lines);
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
