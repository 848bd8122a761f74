#include "QElidedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ElidedTextPainter.h"

QElidedLabel::QElidedLabel(const QString &text, QWidget *parent, Qt::WindowFlags f)
    : QLabel(text, parent, f)
    , m_elided(false)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
}

QElidedLabel::QElidedLabel(QWidget *parent, Qt::WindowFlags f)
    : QElidedLabel(QString(), parent, f)
{
}

QElidedLabel::~QElidedLabel() = default;

bool QElidedLabel::isElided() const
{
    return m_elided;
}

QSize QElidedLabel::minimumSizeHint() const
{
    QSize size = QLabel::minimumSizeHint();
    size.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) + 2 * margin());
    if (frameShape() != QFrame::StyledPanel)
        return size;
    // A styled panel looks like a line edit's frame, so the style sizes it
    // the same way.
    QStyleOptionFrame option;
    option.initFrom(this);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, size, nullptr);
}

void QElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const bool elided = ElidedText::paint(&painter, text(), width(), height(), margin());
    if (elided != m_elided) {
        m_elided = elided;
        emit elisionChanged(elided);
    }
}
