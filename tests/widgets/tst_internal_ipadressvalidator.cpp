#include <QSignalSpy>
#include <QtTest>

#include "QIpAdressValidator.h"

namespace {

const auto v4 = QIpAdressEdit::IPv4, v6 = QIpAdressEdit::IPv6;
const auto A = QValidator::Acceptable, I = QValidator::Intermediate, X = QValidator::Invalid;

// What a field's validator gives for an input with the cursor at a position. The rows of a type run in
// order on one validator, as a user's edits of one field do: it reports a state when it differs from the
// row before (the first row always), and an Invalid input moves the cursor to its end.
struct Row
{
    QIpAdressEdit::IpType type;
    const char *input;
    int cursor;
    QValidator::State state;
};

const Row Rows[] = {
    { v4, "", 0, I },     { v4, "2", 1, A },    { v4, "25", 2, A },  { v4, "255", 3, A },  { v4, "255", 0, A },
    { v4, "", 0, I },     { v4, "", 0, I },     { v4, "0", 1, A },   { v4, "7", 0, A },    { v4, "42", 1, A },
    { v4, "199", 3, A },  { v4, "1999", 4, X }, { v4, "199", 2, A }, { v4, "01", 2, X },   { v4, "00", 1, X },
    { v4, "256", 3, X },  { v4, "300", 1, X },  { v4, "fe80", 4, X }, { v4, "DB8", 0, X }, { v4, "12345", 5, X },
    { v4, "g", 1, X },    { v4, "1 ", 2, X },   { v4, "-1", 1, X },  { v4, "1.2", 3, X },  { v4, "1\n", 1, X },
    { v4, "10", 2, A },
    { v6, "", 0, A },     { v6, "2", 1, A },    { v6, "25", 2, A },  { v6, "255", 3, A },  { v6, "", 0, A },
    { v6, "01", 2, A },   { v6, "00", 1, A },   { v6, "300", 0, A }, { v6, "fe80", 4, A }, { v6, "DB8", 3, A },
    { v6, "FfFf", 4, A }, { v6, "12345", 5, X }, { v6, "12345", 2, X }, { v6, "g", 1, X }, { v6, "0x1", 3, X },
    { v6, "1:2", 2, X },  { v6, " ", 0, X },    { v6, "\n", 0, X },  { v6, "ffff", 4, A }, { v6, "1\n", 2, X },
};

} // namespace

class TestIpAdressValidator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QValidator::State>(); } // for QSignalSpy in Qt 5

    void states_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(Rows)); ++row)
            QTest::addRow("%s \"%s\" at %d", Rows[row].type == v4 ? "IPv4" : "IPv6",
                          qPrintable(QString(Rows[row].input).replace('\n', "\\n")), Rows[row].cursor) << row;
    }

    // Each row on a validator made for its type, and on one made for the other type and switched.
    void states()
    {
        QFETCH(int, row);
        const Row &r = Rows[row];
        const Row *before = nullptr; // the type's row before, validated first
        for (int i = row - 1; i >= 0 && !before; --i)
            before = Rows[i].type == r.type ? &Rows[i] : nullptr;
        for (const bool switched : { false, true }) {
            QIpAdressValidator validator(nullptr, switched ? (r.type == v4 ? v6 : v4) : r.type);
            validator.setIpType(r.type);
            QCOMPARE(validator.ipType(), r.type);
            QString input = QString::fromLatin1(before ? before->input : "");
            int pos = 0;
            if (before)
                validator.validate(input, pos);
            QSignalSpy spy(&validator, &QIpAdressValidator::validationStateChanged);
            input = QString::fromLatin1(r.input);
            pos = r.cursor;
            QCOMPARE(validator.validate(input, pos), r.state);
            QCOMPARE(pos, r.state == X ? input.size() : r.cursor);
            QCOMPARE(input, QString::fromLatin1(r.input)); // validate() never edits
            const bool reported = !before || before->state != r.state;
            QCOMPARE(spy.count(), reported ? 1 : 0);
            if (reported)
                QCOMPARE(spy.at(0).at(0).value<QValidator::State>(), r.state);
        }
    }

    // Setting the type a validator has leaves its expression alone.
    void sameType()
    {
        QIpAdressValidator validator(nullptr, v6);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        validator.setRegExp(QRegExp("x"));
#else
        validator.setRegularExpression(QRegularExpression("x"));
#endif
        validator.setIpType(v6);
        QString input = "x";
        int pos = 1;
        QCOMPARE(validator.validate(input, pos), A);
    }
};

QTEST_MAIN(TestIpAdressValidator)
#include "tst_internal_ipadressvalidator.moc"
