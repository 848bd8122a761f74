#include "QPixmapButton.h"

#include <QIcon>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "GlobalStrut.h"

namespace {

// The size the pixmap covers on screen. For an ordinary pixmap this is its
// pixel size; a high-DPI pixmap covers fewer logical pixels than it has.
QSize logicalSize(const QPixmap &pixmap)
{
    const qreal ratio = pixmap.devicePixelRatio();
    if (qFuzzyCompare(ratio, 1.0) || ratio <= 0)
        return pixmap.size();
    return pixmap.size() / ratio;
}

} // namespace

QPixmapButton::QPixmapButton(const QPixmap &pixmap, QWidget *parent)
    : QAbstractButton(parent)
{
    setPixmap(pixmap);
}

QPixmapButton::QPixmapButton(QWidget *parent)
    : QPixmapButton(QPixmap(), parent)
{
}

QPixmapButton::~QPixmapButton() = default;

QPixmap QPixmapButton::pixmap() const
{
    return m_pixmap;
}

void QPixmapButton::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    // QIcon keeps the pixmap's device pixel ratio and hands the full-resolution
    // pixmap out when asked for the logical size on a high-DPI screen.
    setIcon(QIcon(pixmap));
    setIconSize(logicalSize(pixmap));
}

void QPixmapButton::initStyleOption(QStyleOptionButton *option) const
{
    if (!option)
        return;
    option->initFrom(this);
    option->features = QStyleOptionButton::Flat;
    option->icon = icon();
    option->iconSize = iconSize();
}

void QPixmapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}

QSize QPixmapButton::minimumSizeHint() const
{
    // Polished first, like Qt's own buttons, so the style measures the widget
    // as it will be shown.
    ensurePolished();
    const QSize contents = logicalSize(m_pixmap) + QSize(4, 0);
    QStyleOptionButton option;
    initStyleOption(&option);
    return Veltrix::expandedToGlobalStrut(style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, this));
}

QSize QPixmapButton::sizeHint() const
{
    return minimumSizeHint();
}
