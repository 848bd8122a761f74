#include <QSignalSpy>
#include <QtTest>

#include "QIpAdressValidator.h"

using States = QList<QValidator::State>;

namespace {
QValidator::State check(const QIpAdressValidator &validator, QString text)
{
    int pos = text.size();
    return validator.validate(text, pos);
}
} // namespace

class TestIpAdressValidator : public QObject
{
    Q_OBJECT

private slots:
    void validate_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QValidator::State>("ipv4");
        QTest::addColumn<QValidator::State>("ipv6");
        const auto A = QValidator::Acceptable, I = QValidator::Intermediate, X = QValidator::Invalid;
        QTest::newRow("empty") << QString() << I << A;
        for (const char *number : {"0", "7", "42", "199", "255"})
            QTest::newRow(number) << number << A << A;
        for (const char *text : {"01", "00", "256", "300", "fe80", "DB8"})
            QTest::newRow(text) << text << X << A;
        QTest::newRow("12345") << "12345" << X << X;
        QTest::newRow("g") << "g" << X << X;
    }

    // The first result is always reported; the same result again is not.
    void validate()
    {
        QFETCH(QString, input);
        QFETCH(QValidator::State, ipv4);
        QFETCH(QValidator::State, ipv6);
        QIpAdressValidator v4(nullptr, QIpAdressEdit::IPv4), v6(nullptr, QIpAdressEdit::IPv6);
        QSignalSpy spy4(&v4, &QIpAdressValidator::validationStateChanged);
        QSignalSpy spy6(&v6, &QIpAdressValidator::validationStateChanged);
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(check(v4, input), ipv4);
            QCOMPARE(check(v6, input), ipv6);
        }
        QCOMPARE(spy4, QList<QList<QVariant>>{{QVariant::fromValue(ipv4)}});
        QCOMPARE(spy6, QList<QList<QVariant>>{{QVariant::fromValue(ipv6)}});
    }

    void reportsEachChangeOnce_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<States>("expected");
        const auto A = QValidator::Acceptable, I = QValidator::Intermediate, X = QValidator::Invalid;
        QTest::newRow("typing 255") << QIpAdressEdit::IPv4 << QStringList{"2", "25", "255"} << States{A};
        QTest::newRow("v4 cleared") << QIpAdressEdit::IPv4 << QStringList{"12", ""} << States{A, I};
        QTest::newRow("v6 cleared") << QIpAdressEdit::IPv6 << QStringList{"12", ""} << States{A};
        QTest::newRow("v4 mixed") << QIpAdressEdit::IPv4 << QStringList{"", "", "1", "1999", "199", "", "01"}
                                  << States{I, A, X, A, I, X};
    }

    void reportsEachChangeOnce()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(QStringList, inputs);
        QFETCH(States, expected);
        QIpAdressValidator validator(nullptr, type);
        States reported;
        QString current;
        connect(&validator, &QIpAdressValidator::validationStateChanged, this, [&](QValidator::State state) {
            reported << state;
            // Connected after the validator's own slot: the state is already
            // recorded, so validating again from here reports nothing new.
            check(validator, current);
        });
        for (const QString &input : inputs)
            check(validator, current = input);
        QCOMPARE(reported, expected);
    }

    void ipType()
    {
        QIpAdressValidator validator(nullptr, QIpAdressEdit::IPv4);
        QCOMPARE(validator.regExp().caseSensitivity(), Qt::CaseSensitive);
        QSignalSpy patternChanges(&validator, &QRegExpValidator::regExpChanged);
        validator.setIpType(QIpAdressEdit::IPv4);
        QCOMPARE(patternChanges.count(), 0);
        QVERIFY(validator.setProperty("ipType", QVariant::fromValue(QIpAdressEdit::IPv6)));
        QCOMPARE(validator.ipType(), QIpAdressEdit::IPv6);
        QCOMPARE(patternChanges.count(), 1);
        QCOMPARE(check(validator, QStringLiteral("fe80")), QValidator::Acceptable);
    }
};

QTEST_GUILESS_MAIN(TestIpAdressValidator)
#include "tst_internal_ipadressvalidator.moc"
