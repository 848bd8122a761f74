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

    void fieldStates_data() { VeltrixTest::nameRows(m_baseline.cases().filter("IPv")); }

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

    // Where focus goes, which texts it leaves and when editing finishes is checked over the fuzz corpus; the
    // "typing" case shows the marks a user's typing leaves (the file's top explains the lines).
    void keysAndMarks()
    {
        QStringList lines;
        for (const QString &line : m_baseline.expected("typing")) {
            static const QRegularExpression given("^field (\\d) \"((?:[^\"\\\\]|\\\\.)*)\""); // field N "keys"
            const QRegularExpressionMatch match = given.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            QWidget window; // the edit and a line edit after it, active so that focus moves as for a user
            auto *edit = new QIpAdressEdit(&window);
            new QLineEdit(&window);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            edit->findChildren<QLineEdit *>().at(match.captured(1).toInt())->setFocus();
            const QString keys = match.captured(2).replace("\\b", "\b").replace("\\r", "\r").replace("\\t", "\t");
            for (const QChar key : keys)
                QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
            const QString typed = shown(*edit) + (edit->isModified() ? " modified" : "");
            edit->clear();
            lines << match.captured(0) + ": " + typed + " | " + shown(*edit);
        }
        m_baseline.check("typing", lines);
    }
};

QTEST_MAIN(TestIpAdressEdit)
#include "tst_ipadressedit.moc"
