// Examples for the IP address edit.
#include <QLabel>
#include <QVBoxLayout>

#include <QIpAdressEdit.h>

#include "snippets.h"

SNIPPET(ipAddressEdit)
{
    QWidget *window = host;
    auto *layout = new QVBoxLayout(window);
    //! [edit]
    auto *address = new QIpAdressEdit(window);  // IPv4
    address->setIpAdress(QStringLiteral("192.168.0.1"));
    auto *status = new QLabel(window);
    QObject::connect(address, &QIpAdressEdit::editingFinished, status, [address, status] {
        const QString text = address->ipAdress();  // empty while a field is empty
        status->setText(text.isEmpty() ? QObject::tr("Incomplete address") : QObject::tr("Server %1").arg(text));
    });
    //! [edit]
    layout->addWidget(address);
    layout->addWidget(status);
    emit address->editingFinished();
    SNIPPET_CHECK(status->text() == QStringLiteral("Server 192.168.0.1"));
}

SNIPPET(ipAddressSet)
{
    QWidget *window = host;
    //! [set]
    auto *v6 = new QIpAdressEdit(window, QIpAdressEdit::IPv6);
    v6->setIpAdress(QStringLiteral("fe80:0:0:0:0db8:0:0:1"));  // all eight groups; 0db8 shows as db8
    // A compressed form such as "fe80::1" would be refused with a warning.
    // The size hint gives each field only a line edit's minimum width: make room for four digits.
    v6->setMinimumWidth(8 * (v6->fontMetrics().horizontalAdvance(QStringLiteral("dddd")) + 12));
    //! [set]
    SNIPPET_CHECK(v6->ipAdress() == QStringLiteral("fe80:0:0:0:db8:0:0:1"));
}
