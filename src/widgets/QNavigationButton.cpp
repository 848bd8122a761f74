#include "QNavigationButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "GlobalStrut.h"

QNavigationButton::QNavigationButton(int id, const QIcon &icon, const QString &text, QWidget *parent)
    : QNavigationButton(id, parent)
{
    setIcon(icon);
    setText(text);
}

QNavigationButton::QNavigationButton(int id, const QString &text, QWidget *parent)
    : QNavigationButton(id, parent)
{
    setText(text);
}

QNavigationButton::QNavigationButton(int id, QWidget *parent)
    : QAbstractButton(parent)
    , m_id(id)
{
    setCheckable(true);
    // A step stays unavailable until the application or its group enables it.
    setEnabled(false);
}

QNavigationButton::QNavigationButton(QWidget *parent)
    : QNavigationButton(-1, parent)
{
}

QNavigationButton::~QNavigationButton() = default;

int QNavigationButton::id() const
{
    return m_id;
}

void QNavigationButton::setId(int id)
{
    m_id = id;
}

QNavigationButton *QNavigationButton::predecessor() const
{
    return m_predecessor.data();
}

void QNavigationButton::setPredecessor(QNavigationButton *predecessor)
{
    m_predecessor = predecessor;
}

QNavigationButton *QNavigationButton::successor() const
{
    return m_successor.data();
}

void QNavigationButton::setSuccessor(QNavigationButton *successor)
{
    m_successor = successor;
}

void QNavigationButton::initStyleOption(QStyleOptionButton *option) const
{
    if (!option)
        return;
    option->initFrom(this);
    option->features = QStyleOptionButton::None;
    option->state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    if (isChecked())
        option->state |= QStyle::State_On;
    option->text = text();
    option->icon = icon();
    option->iconSize = iconSize();
}

void QNavigationButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

QSize QNavigationButton::sizeHint() const
{
    ensurePolished();
    QStyleOptionButton option;
    initStyleOption(&option);

    int w = 0;
    int h = 0;
    if (!icon().isNull()) {
        w = iconSize().width() + 4;
        h = qMax(iconSize().height(), 0);
    }
    const QString measured = text().isEmpty() ? QStringLiteral("XXXX") : text();
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, measured);
    if (!text().isEmpty() || w == 0)
        w += textSize.width();
    if (!text().isEmpty() || h == 0)
        h = qMax(h, textSize.height());
    option.rect.setSize(QSize(w, h));
    return Veltrix::expandedToGlobalStrut(
        style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(w, h), this));
}
