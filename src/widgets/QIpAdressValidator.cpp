#include "QIpAdressValidator.h"

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QRegExp>
#else
#include <QRegularExpression>
#endif

namespace {

// IPv4: a decimal number from 0 to 255 without leading zeros. IPv6: zero to
// four hexadecimal digits, either case.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
const char *const Ipv4FieldPattern = "^(0|[1-9]|[1-9][0-9]|1[0-9][0-9]|2([0-4][0-9]|5[0-5]))$";
const char *const Ipv6FieldPattern = "^[0-9A-Fa-f]{,4}$";
#else
// The same in Perl-compatible syntax, which needs the lower bound of "{,4}"
// written and reads "$" as "at the end or before a final line break": a
// partial match would then make "1\n" Intermediate. "\z" is QRegExp's "$".
const char *const Ipv4FieldPattern = "^(0|[1-9]|[1-9][0-9]|1[0-9][0-9]|2([0-4][0-9]|5[0-5]))\\z";
const char *const Ipv6FieldPattern = "^[0-9A-Fa-f]{0,4}\\z";
#endif

// No validation has been reported yet. The value matches none of Invalid (0),
// Intermediate (1) and Acceptable (2), so the first result always differs
// from it and is reported: the edit relies on that to mark a field the first
// time it is validated. 3 still lies within the value range of
// QValidator::State (two bits), so holding it is well defined.
constexpr QValidator::State NoStateReported = static_cast<QValidator::State>(3);

} // namespace

QIpAdressValidator::QIpAdressValidator(QObject *parent, QIpAdressEdit::IpType ipType)
    : QIpAdressValidatorBase(parent)
    , m_ipType(ipType)
    , m_lastState(NoStateReported)
{
    // Connected before any owner connects its own handler, so the new state
    // is recorded before others react to it.
    connect(this, &QIpAdressValidator::validationStateChanged, this, &QIpAdressValidator::onValidationStateChanged);
    applyPattern();
}

QIpAdressValidator::~QIpAdressValidator() = default;

QIpAdressEdit::IpType QIpAdressValidator::ipType() const
{
    return m_ipType;
}

void QIpAdressValidator::setIpType(QIpAdressEdit::IpType ipType)
{
    if (ipType == m_ipType)
        return;
    m_ipType = ipType;
    applyPattern();
}

QValidator::State QIpAdressValidator::validate(QString &input, int &pos) const
{
    const QValidator::State result = QIpAdressValidatorBase::validate(input, pos);
    // validate() is const for the toolkit; the change is recorded by the
    // slot connected to the signal, not here.
    if (result != m_lastState)
        emit const_cast<QIpAdressValidator *>(this)->validationStateChanged(result);
    return result;
}

void QIpAdressValidator::onValidationStateChanged(QValidator::State newState)
{
    m_lastState = newState;
}

void QIpAdressValidator::applyPattern()
{
    const char *pattern = m_ipType == QIpAdressEdit::IPv6 ? Ipv6FieldPattern : Ipv4FieldPattern;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    setRegExp(QRegExp(QString::fromLatin1(pattern), Qt::CaseSensitive, QRegExp::RegExp));
#else
    setRegularExpression(QRegularExpression(QString::fromLatin1(pattern)));
#endif
}
