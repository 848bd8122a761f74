#ifndef QIPADRESSEDIT_H
#define QIPADRESSEDIT_H

#include <QList>
#include <QString>
#include <QValidator>
#include <QWidget>

#include "VeltrixGlobal.h"

class QEvent;
class QHBoxLayout;
class QLineEdit;
class QPaintEvent;
class QStyleOptionFrame;

// An IPv4 or IPv6 address entry that looks like one line edit. It holds one
// small frameless, validated line edit per octet (IPv4) or group (IPv6),
// separated by labels showing the delimiter. A field whose content is not
// acceptable gets a frame as a marker. The delimiter keys and Backspace move
// between the fields; editingFinished() tells the host the user is done.
class VELTRIX_EXPORT QIpAdressEdit : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool modified READ isModified DESIGNABLE false)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(QString ipAdress READ ipAdress WRITE setIpAdress)
    Q_PROPERTY(IpType ipType READ ipType WRITE setIpType)

public:
    enum IpType { IPv4 = 0, IPv6 = 1 };
    Q_ENUM(IpType)

    explicit QIpAdressEdit(QWidget *parent = nullptr, IpType ipType = IPv4);
    ~QIpAdressEdit() override;

    // True when the user has edited at least one field.
    bool isModified() const;

    bool isReadOnly() const;
    void setReadOnly(bool readOnly);

    IpType ipType() const;
    // A different type rebuilds every field: text, modified flags, read-only
    // state and markers are lost.
    void setIpType(IpType ipType);

    // The fields joined by the delimiter, or an empty string while any field
    // is empty.
    QString ipAdress() const;

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    // Expects exactly 4 (IPv4) or 8 (IPv6) parts; compressed IPv6 forms such
    // as "fe80::1" are refused with a warning.
    void setIpAdress(QString ipAdress);
    void clear();

signals:
    void editingFinished() const;

protected slots:
    void onValidationStateChanged(QValidator::State newState);
    void onLineEditReturnPressed();

protected:
    void initStyleOption(QStyleOptionFrame *option) const;
    QSize sizeHint() const override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void changeIpLayout();
    unsigned currentIpSize() const;
    QString currentIpDelimiter() const;
    void selectNextLineEdit(unsigned index, bool forward);
    static void removeLeadingZeros(QString &text);

    IpType m_ipType;
    QList<QLineEdit *> m_fields; // not owned: the fields are child widgets
    QHBoxLayout *m_layout;
};

#endif // QIPADRESSEDIT_H
