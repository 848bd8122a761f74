#ifndef QIPADRESSVALIDATOR_H
#define QIPADRESSVALIDATOR_H

#include <QtGlobal>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QRegExpValidator>
#else
#include <QRegularExpressionValidator>
#endif

#include "QIpAdressEdit.h"

// Qt 6 has no QRegExp: there the same patterns run through
// QRegularExpressionValidator, which gives the same states for them.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
using QIpAdressValidatorBase = QRegExpValidator;
#else
using QIpAdressValidatorBase = QRegularExpressionValidator;
#endif

// Validates one field of QIpAdressEdit: a decimal octet (0 to 255, no leading
// zeros) or a group of up to four hexadecimal digits. Every change of the
// validation result is reported once through validationStateChanged, which
// the edit uses to mark fields that are not acceptable.
// Internal to the library: only QIpAdressEdit creates it.
class QIpAdressValidator : public QIpAdressValidatorBase
{
    Q_OBJECT
    Q_PROPERTY(QIpAdressEdit::IpType ipType READ ipType WRITE setIpType)

public:
    // The parent is the field line edit the validator serves.
    QIpAdressValidator(QObject *parent, QIpAdressEdit::IpType ipType);
    ~QIpAdressValidator() override;

    QIpAdressEdit::IpType ipType() const;
    void setIpType(QIpAdressEdit::IpType ipType);

    QValidator::State validate(QString &input, int &pos) const override;

signals:
    void validationStateChanged(QValidator::State state);

private slots:
    void onValidationStateChanged(QValidator::State newState);

private:
    void applyPattern();

    QIpAdressEdit::IpType m_ipType;
    QValidator::State m_lastState;
};

#endif // QIPADRESSVALIDATOR_H
