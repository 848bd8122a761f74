// IP address edits: one per type, a read-only one and one whose type can be
// switched. Each shows its current address live, and the line at the bottom
// names the last edit that reported editingFinished.
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QIpAdressEdit.h>
#include <QStyledGroupBox.h>

#include "GalleryPages.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gallery", text);
}

QString addressText(const QIpAdressEdit *edit)
{
    const QString address = edit->ipAdress();
    return address.isEmpty() ? tr("ipAdress(): empty, a field is still empty")
                             : tr("ipAdress(): %1").arg(address);
}

// The edit has no signal for every keystroke, so the page listens to its
// fields. They are rebuilt when the type changes, hence callable again.
void followFields(QIpAdressEdit *edit, QLabel *live)
{
    const auto fields = edit->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    for (QLineEdit *field : fields)
        QObject::connect(field, &QLineEdit::textChanged, live, [edit, live]() { live->setText(addressText(edit)); });
    live->setText(addressText(edit));
}

// The edit's preferred width is the sum of its fields' minimum widths, which
// is tight; give every field of the current type room for its longest text
// plus a margin. Called again after a type switch, so that IPv4 fields do not
// keep the spread of IPv6 ones.
void giveRoom(QIpAdressEdit *edit)
{
    const int characters = edit->ipType() == QIpAdressEdit::IPv6 ? 8 * (4 + 2) : 4 * (3 + 2);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters);
}

QWidget *createInputsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QFrameHeaderLabel(tr("IP address edits"), page));
    auto *description = new QFrameDescriptionLabel(
        tr("One field per octet or group. A full stop or colon moves to the next field, Backspace in an empty "
           "field moves back, and fields that are not acceptable get a frame."),
        page);
    description->setWordWrap(true);
    layout->addWidget(description);

    auto *group = new QStyledGroupBox(tr("Addresses"), page);
    auto *form = new QFormLayout(group);
    auto *finished = new QLabel(tr("Last editingFinished: none yet"), page);

    const auto addRow = [&](const QString &title, QIpAdressEdit *edit, QWidget *extra = nullptr) {
        giveRoom(edit);
        auto *live = new QLabel(group);
        followFields(edit, live);
        auto *row = new QHBoxLayout;
        if (extra)
            row->addWidget(extra);
        // An address needs little room; the edit keeps its preferred width.
        row->addWidget(edit);
        row->addStretch(1);
        form->addRow(title, row);
        form->addRow(QString(), live);
        QObject::connect(edit, &QIpAdressEdit::editingFinished, finished, [edit, finished, title]() {
            finished->setText(tr("Last editingFinished: %1, %2").arg(title, addressText(edit)));
        });
        return live;
    };

    auto *ipv4 = new QIpAdressEdit(group);
    ipv4->setIpAdress(QStringLiteral("192.168.1.10"));
    addRow(tr("IPv4"), ipv4);

    auto *ipv6 = new QIpAdressEdit(group, QIpAdressEdit::IPv6);
    ipv6->setIpAdress(QStringLiteral("2001:0db8:0000:0000:0000:0000:0000:0001"));
    addRow(tr("IPv6"), ipv6);

    auto *readOnly = new QIpAdressEdit(group);
    readOnly->setIpAdress(QStringLiteral("127.0.0.1"));
    readOnly->setReadOnly(true);
    addRow(tr("Read-only"), readOnly);

    auto *switchable = new QIpAdressEdit(group);
    auto *type = new QComboBox(group);
    type->addItem(tr("IPv4"), QVariant::fromValue(QIpAdressEdit::IPv4));
    type->addItem(tr("IPv6"), QVariant::fromValue(QIpAdressEdit::IPv6));
    QLabel *switchableLive = addRow(tr("Switchable"), switchable, type);
    QObject::connect(type, QOverload<int>::of(&QComboBox::currentIndexChanged), switchable,
                     [type, switchable, switchableLive]() {
                         switchable->setIpType(type->currentData().value<QIpAdressEdit::IpType>());
                         giveRoom(switchable);
                         followFields(switchable, switchableLive);
                     });

    layout->addWidget(group);
    layout->addWidget(finished);
    layout->addStretch(1);
    return page;
}

} // namespace

GALLERY_PAGE("inputs", 70, QT_TRANSLATE_NOOP("Gallery", "Inputs"),
             QT_TRANSLATE_NOOP("Gallery", "IPv4 and IPv6 address edits: typing, reading and switching the type."),
             &createInputsPage);
