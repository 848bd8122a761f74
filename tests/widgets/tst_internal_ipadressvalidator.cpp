#include <QSignalSpy>
#include <QtTest>

#include "QIpAdressValidator.h"

Q_DECLARE_METATYPE(QIpAdressEdit::IpType)

namespace {

QValidator::State validated(const QIpAdressValidator &validator, QString text)
{
    int pos = text.size();
    return validator.validate(text, pos);
}

QList<QValidator::State> reported(const QSignalSpy &spy)
{
    QList<QValidator::State> states;
    for (const QList<QVariant> &arguments : spy)
        states << arguments.at(0).value<QValidator::State>();
    return states;
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
        const auto A = QValidator::Acceptable;
        const auto I = QValidator::Intermediate;
        const auto X = QValidator::Invalid;
        QTest::newRow("empty") << QString() << I << A;
        QTest::newRow("0") << "0" << A << A;
        QTest::newRow("7") << "7" << A << A;
        QTest::newRow("42") << "42" << A << A;
        QTest::newRow("199") << "199" << A << A;
        QTest::newRow("255") << "255" << A << A;
        QTest::newRow("01") << "01" << X << A;
        QTest::newRow("00") << "00" << X << A;
        QTest::newRow("256") << "256" << X << A;
        QTest::newRow("300") << "300" << X << A;
        QTest::newRow("fe80") << "fe80" << X << A;
        QTest::newRow("DB8") << "DB8" << X << A;
        QTest::newRow("12345") << "12345" << X << X;
        QTest::newRow("g") << "g" << X << X;
        QTest::newRow("249") << "249" << A << A;
        QTest::newRow("1000") << "1000" << X << A;
        QTest::newRow("fFfF") << "fFfF" << X << A;
        QTest::newRow("-1") << "-1" << X << X;
        QTest::newRow("space") << " 1" << X << X;
    }

    void validate()
    {
        QFETCH(QString, input);
        QFETCH(QValidator::State, ipv4);
        QFETCH(QValidator::State, ipv6);

        QIpAdressValidator v4(nullptr, QIpAdressEdit::IPv4);
        QIpAdressValidator v6(nullptr, QIpAdressEdit::IPv6);
        QSignalSpy spy4(&v4, &QIpAdressValidator::validationStateChanged);
        QSignalSpy spy6(&v6, &QIpAdressValidator::validationStateChanged);

        QCOMPARE(validated(v4, input), ipv4);
        QCOMPARE(validated(v6, input), ipv6);
        // Nothing was reported before, so the first result always is.
        QCOMPARE(reported(spy4), QList<QValidator::State>{ipv4});
        QCOMPARE(reported(spy6), QList<QValidator::State>{ipv6});

        // The same result again is not a change.
        QCOMPARE(validated(v4, input), ipv4);
        QCOMPARE(spy4.count(), 1);
    }

    void invalidInputMovesCursorToEnd()
    {
        QIpAdressValidator validator(nullptr, QIpAdressEdit::IPv4);
        QString text = QStringLiteral("300");
        int pos = 1;
        QCOMPARE(validator.validate(text, pos), QValidator::Invalid);
        QCOMPARE(pos, 3);
        QCOMPARE(text, QStringLiteral("300"));
    }

    void reportsEachChangeOnce_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("type");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QList<QValidator::State>>("expected");
        const auto A = QValidator::Acceptable;
        const auto I = QValidator::Intermediate;
        const auto X = QValidator::Invalid;
        QTest::newRow("typing 255") << QIpAdressEdit::IPv4 << QStringList{"2", "25", "255"}
                                    << QList<QValidator::State>{A};
        QTest::newRow("cleared v4") << QIpAdressEdit::IPv4 << QStringList{"12", ""}
                                    << QList<QValidator::State>{A, I};
        QTest::newRow("cleared v6") << QIpAdressEdit::IPv6 << QStringList{"12", ""}
                                    << QList<QValidator::State>{A};
        QTest::newRow("v4 back and forth")
            << QIpAdressEdit::IPv4 << QStringList{"", "", "1", "19", "199", "1999", "199", "", "01"}
            << QList<QValidator::State>{I, A, X, A, I, X};
        QTest::newRow("v6 back and forth")
            << QIpAdressEdit::IPv6 << QStringList{"", "f", "fg", "fgh", "f", "12345", "0000"}
            << QList<QValidator::State>{A, X, A, X, A};
    }

    void reportsEachChangeOnce()
    {
        QFETCH(QIpAdressEdit::IpType, type);
        QFETCH(QStringList, inputs);
        QFETCH(QList<QValidator::State>, expected);

        QIpAdressValidator validator(nullptr, type);
        QSignalSpy spy(&validator, &QIpAdressValidator::validationStateChanged);
        for (const QString &input : inputs)
            validated(validator, input);
        QCOMPARE(reported(spy), expected);
    }

    void stateIsRecordedBeforeOtherReceivers()
    {
        QIpAdressValidator validator(nullptr, QIpAdressEdit::IPv4);
        int calls = 0;
        // A receiver connected later that validates again sees the new state
        // already recorded, so the signal does not recurse.
        connect(&validator, &QIpAdressValidator::validationStateChanged, this, [&]() {
            ++calls;
            QCOMPARE(validated(validator, QStringLiteral("8")), QValidator::Acceptable);
        });
        QCOMPARE(validated(validator, QStringLiteral("9")), QValidator::Acceptable);
        QCOMPARE(calls, 1);
    }

    void ipType_data()
    {
        QTest::addColumn<QIpAdressEdit::IpType>("from");
        QTest::addColumn<QIpAdressEdit::IpType>("to");
        QTest::addColumn<int>("patternChanges");
        QTest::addColumn<QValidator::State>("fe80");
        QTest::newRow("v4 to v4") << QIpAdressEdit::IPv4 << QIpAdressEdit::IPv4 << 0 << QValidator::Invalid;
        QTest::newRow("v4 to v6") << QIpAdressEdit::IPv4 << QIpAdressEdit::IPv6 << 1 << QValidator::Acceptable;
        QTest::newRow("v6 to v6") << QIpAdressEdit::IPv6 << QIpAdressEdit::IPv6 << 0 << QValidator::Acceptable;
        QTest::newRow("v6 to v4") << QIpAdressEdit::IPv6 << QIpAdressEdit::IPv4 << 1 << QValidator::Invalid;
    }

    void ipType()
    {
        QFETCH(QIpAdressEdit::IpType, from);
        QFETCH(QIpAdressEdit::IpType, to);
        QFETCH(int, patternChanges);
        QFETCH(QValidator::State, fe80);

        QIpAdressValidator validator(nullptr, from);
        QCOMPARE(validator.ipType(), from);
        QCOMPARE(validator.regExp().caseSensitivity(), Qt::CaseSensitive);
        QCOMPARE(validator.regExp().patternSyntax(), QRegExp::RegExp);
        QSignalSpy patternSpy(&validator, &QRegExpValidator::regExpChanged);
        // Through the meta-object, as Designer or a script would.
        QVERIFY(validator.setProperty("ipType", QVariant::fromValue(to)));
        QCOMPARE(validator.property("ipType").value<QIpAdressEdit::IpType>(), to);
        QCOMPARE(patternSpy.count(), patternChanges);
        QCOMPARE(validated(validator, QStringLiteral("fe80")), fe80);
    }

    void parentIsTheServedObject()
    {
        QObject field;
        auto *validator = new QIpAdressValidator(&field, QIpAdressEdit::IPv6);
        QCOMPARE(validator->parent(), &field);
        QCOMPARE(QString::fromLatin1(validator->metaObject()->className()), QStringLiteral("QIpAdressValidator"));
    }
};

QTEST_GUILESS_MAIN(TestIpAdressValidator)
#include "tst_internal_ipadressvalidator.moc"
