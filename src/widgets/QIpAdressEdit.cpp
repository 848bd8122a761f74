#include "QIpAdressEdit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "GlobalStrut.h"
#include "QIpAdressValidator.h"

QIpAdressEdit::QIpAdressEdit(QWidget *parent, IpType ipType)
    : QWidget(parent)
    , m_ipType(ipType)
    , m_layout(new QHBoxLayout)
{
    setSizePolicy(QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed, QSizePolicy::DefaultType));
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    setLayout(m_layout);
    changeIpLayout();
}

// The field list goes with its member; the fields themselves with the widget as its children.
QIpAdressEdit::~QIpAdressEdit() = default;

bool QIpAdressEdit::isModified() const
{
    for (const QLineEdit *field : m_fields) {
        if (field->isModified())
            return true;
    }
    return false;
}

bool QIpAdressEdit::isReadOnly() const
{
    for (const QLineEdit *field : m_fields) {
        if (field->isReadOnly())
            return true;
    }
    return false;
}

void QIpAdressEdit::setReadOnly(bool readOnly)
{
    for (QLineEdit *field : qAsConst(m_fields))
        field->setReadOnly(readOnly);
}

QIpAdressEdit::IpType QIpAdressEdit::ipType() const
{
    return m_ipType;
}

void QIpAdressEdit::setIpType(IpType ipType)
{
    if (ipType == m_ipType)
        return;
    m_ipType = ipType;
    changeIpLayout();
}

QString QIpAdressEdit::ipAdress() const
{
    const QString delimiter = currentIpDelimiter();
    QString result;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (i > 0)
            result += delimiter;
        const QString text = m_fields.at(i)->text();
        if (text.isEmpty())
            return QString();
        result += text;
    }
    return result;
}

void QIpAdressEdit::setIpAdress(QString ipAdress)
{
    const QStringList parts = ipAdress.split(currentIpDelimiter(), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (unsigned(parts.size()) != currentIpSize()) {
        qWarning("%s", qPrintable(QStringLiteral("IpAdress size mismatch %1!=%2.").arg(parts.size()).arg(currentIpSize())));
        return;
    }
    for (int i = 0; i < parts.size(); ++i) {
        QString part = parts.at(i);
        removeLeadingZeros(part);
        // The field cuts text beyond its maximum length; its validator marks
        // content that does not fit the pattern.
        m_fields.at(i)->setText(part);
    }
}

void QIpAdressEdit::clear()
{
    for (QLineEdit *field : qAsConst(m_fields))
        field->clear();
}

bool QIpAdressEdit::eventFilter(QObject *watched, QEvent *event)
{
    auto *lineEdit = qobject_cast<QLineEdit *>(watched);
    if (!lineEdit)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        const int index = m_fields.indexOf(lineEdit);
        if (index < 0)
            break;
        const bool empty = lineEdit->text().isEmpty();
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Period:
        case Qt::Key_Colon:
            // Either delimiter works in both modes and never reaches a field:
            // in a filled field it steps forward, in an empty one it acts as
            // Backspace does.
            selectNextLineEdit(unsigned(index), !empty);
            return true;
        case Qt::Key_Backspace:
            if (empty) {
                selectNextLineEdit(unsigned(index), false);
                return true;
            }
            break;
        default:
            break;
        }
        break;
    }
    case QEvent::FocusOut: {
        bool focusInside = false;
        for (const QLineEdit *field : qAsConst(m_fields))
            focusInside = focusInside || field->hasFocus();
        if (!focusInside) {
            // Every field is asked, not just up to the first unacceptable
            // one: asking validates, so leaving the edit marks all fields
            // that still need attention at once.
            bool acceptable = true;
            for (const QLineEdit *field : qAsConst(m_fields))
                acceptable = field->hasAcceptableInput() && acceptable;
            if (acceptable)
                emit editingFinished();
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void QIpAdressEdit::onValidationStateChanged(QValidator::State newState)
{
    QObject *validator = sender();
    auto *field = validator ? qobject_cast<QLineEdit *>(validator->parent()) : nullptr;
    if (!field)
        return;
    field->setFrame(newState != QValidator::Acceptable);
}

void QIpAdressEdit::onLineEditReturnPressed()
{
    emit editingFinished();
}

void QIpAdressEdit::initStyleOption(QStyleOptionFrame *option) const
{
    if (!option)
        return;
    const int frameWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, option, this);
    option->initFrom(this);
    option->rect = contentsRect();
    option->lineWidth = frameWidth;
    option->midLineWidth = 0;
    option->state |= QStyle::State_Sunken;
    if (isReadOnly())
        option->state |= QStyle::State_ReadOnly;
    option->features = QStyleOptionFrame::None;
}

QSize QIpAdressEdit::sizeHint() const
{
    return style()->sizeFromContents(QStyle::CT_LineEdit, nullptr,
                                     Veltrix::expandedToGlobalStrut(minimumSizeHint()), this);
}

void QIpAdressEdit::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}

void QIpAdressEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange) {
        // Keeps the fields inside the panel's frame of the new style.
        const int margin = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, nullptr);
        m_layout->setContentsMargins(margin, margin, margin, margin);
    }
    QWidget::changeEvent(event);
}

void QIpAdressEdit::changeIpLayout()
{
    m_fields.clear();
    const auto oldFields = findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(oldFields);
    const auto oldLabels = findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(oldLabels);

    const unsigned size = currentIpSize();
    const QString delimiter = currentIpDelimiter();
    const int maxLength = m_ipType == IPv6 ? 4 : 3;
    for (unsigned i = 0; i < size; ++i) {
        if (i > 0)
            m_layout->addWidget(new QLabel(delimiter, this));

        auto *field = new QLineEdit(this);
        field->setMaxLength(maxLength);
        field->setAlignment(Qt::AlignCenter);
        field->setFrame(false);
        // Only the first field is a Tab stop; the others are reached by
        // click or by the delimiter and Backspace keys.
        field->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        // Screen readers announce the position, since every field looks alike.
        field->setAccessibleName(m_ipType == IPv6 ? tr("Group %1 of %2").arg(i + 1).arg(size)
                                                  : tr("Octet %1 of %2").arg(i + 1).arg(size));

        auto *validator = new QIpAdressValidator(field, m_ipType);
        connect(validator, &QIpAdressValidator::validationStateChanged, this, &QIpAdressEdit::onValidationStateChanged);
        field->setValidator(validator);

        m_fields.append(field);
        m_layout->addWidget(field);
        field->installEventFilter(this);
        connect(field, &QLineEdit::returnPressed, this, &QIpAdressEdit::onLineEditReturnPressed);
    }

    // A name of the host's own choosing is kept; ours follows the type.
    const QString ipv4Name = tr("IPv4 address");
    const QString ipv6Name = tr("IPv6 address");
    const QString name = accessibleName();
    if (name.isEmpty() || name == ipv4Name || name == ipv6Name)
        setAccessibleName(m_ipType == IPv6 ? ipv6Name : ipv4Name);
}

unsigned QIpAdressEdit::currentIpSize() const
{
    return m_ipType == IPv6 ? 8u : 4u;
}

QString QIpAdressEdit::currentIpDelimiter() const
{
    return QKeySequence(m_ipType == IPv6 ? Qt::Key_Colon : Qt::Key_Period).toString(QKeySequence::PortableText);
}

void QIpAdressEdit::selectNextLineEdit(unsigned index, bool forward)
{
    const unsigned count = unsigned(m_fields.size());
    QLineEdit *target = nullptr;
    if (forward) {
        if (index + 1 < count && !m_fields.at(int(index))->text().isEmpty())
            target = m_fields.at(int(index) + 1);
    } else if (index > 0 && index < count) {
        target = m_fields.at(int(index) - 1);
    }
    if (!target)
        return;
    // Everything selected, so typing replaces the field's content.
    target->setFocus(Qt::OtherFocusReason);
    target->setCursorPosition(0);
    target->selectAll();
}

void QIpAdressEdit::removeLeadingZeros(QString &text)
{
    int zeros = 0;
    while (zeros < text.size() && text.at(zeros) == QLatin1Char('0'))
        ++zeros;
    text.remove(0, zeros);
    if (text.isEmpty())
        text = QStringLiteral("0");
}
