#include "WidgetIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSettings>

namespace {

// A colour of the library's own colour file (registered with the library),
// so the icons read as one family with what the looks draw.
QColor fileColour(const char *key)
{
    const QSettings file(QStringLiteral(":/StyleHelper/StyleHelper.ini"), QSettings::IniFormat);
    return QColor(file.value(QLatin1String(key)).toString());
}

const QColor darkBlue = fileColour("GradientStyleColor/GC_DARKBLUE");
const QColor midBlue = fileColour("GradientStyleColor/GC_MIDBLUE_2");
const QColor lightBlue = fileColour("GradientStyleColor/GC_LIGHTBLUE");
const QColor midGray = fileColour("GradientStyleColor/GC_MIDGRAY_1");
const QColor lightGray = fileColour("GradientStyleColor/GC_LIGHTGRAY");
const QColor darkGray = fileColour("FlatStyleColor/FC_DARK_GRAY");

constexpr qreal logicalSize = 32.0;

QLinearGradient verticalGradient(const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void textLine(QPainter *painter, qreal x, qreal y, qreal width, const QColor &color, qreal thickness = 2.0)
{
    painter->fillRect(QRectF(x, y, width, thickness), color);
}

void framedBox(QPainter *painter, const QRectF &rect, const QColor &fill = Qt::white)
{
    painter->setPen(QPen(midGray, 1));
    painter->setBrush(fill);
    painter->drawRect(rect);
}

void stepBadge(QPainter *painter, const QPointF &centre, qreal radius, bool checked)
{
    painter->setPen(QPen(darkBlue, 1.5));
    painter->setBrush(checked ? QBrush(darkBlue) : QBrush(Qt::white));
    painter->drawEllipse(centre, radius, radius);
}

} // namespace

QIcon widgetIcon(void (*paint)(QPainter *painter))
{
    QIcon icon;
    for (int extent : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(extent, extent);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(extent / logicalSize, extent / logicalSize);
        paint(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

namespace WidgetIconPainters {

void pushButton(QPainter *painter)
{
    const QRectF face(2.5, 8.5, 27, 15);
    painter->setPen(QPen(darkBlue, 1));
    painter->setBrush(verticalGradient(face, midBlue, darkBlue));
    painter->drawRoundedRect(face, 3, 3);
    textLine(painter, 9, 15, 14, Qt::white);
}

void comboBox(QPainter *painter)
{
    framedBox(painter, QRectF(2.5, 9.5, 27, 13));
    textLine(painter, 5, 15, 12, darkGray);
    const QRectF arrowBox(20.5, 9.5, 9, 13);
    painter->fillRect(arrowBox, verticalGradient(arrowBox, midBlue, darkBlue));
    QPainterPath arrow;
    arrow.moveTo(22.5, 14.5);
    arrow.lineTo(27.5, 14.5);
    arrow.lineTo(25, 18);
    arrow.closeSubpath();
    painter->fillPath(arrow, Qt::white);
}

void groupBox(QPainter *painter)
{
    painter->setPen(QPen(midGray, 1));
    painter->setBrush(Qt::NoBrush);
    QPainterPath frame;
    frame.moveTo(8, 7.5);
    frame.lineTo(3.5, 7.5);
    frame.lineTo(3.5, 28.5);
    frame.lineTo(28.5, 28.5);
    frame.lineTo(28.5, 7.5);
    frame.lineTo(22, 7.5);
    painter->drawPath(frame);
    textLine(painter, 10, 6.5, 10, darkBlue);
    textLine(painter, 8, 14, 16, lightBlue, 4);
    textLine(painter, 8, 21, 12, lightBlue, 4);
}

void menuBar(QPainter *painter)
{
    const QRectF bar(1, 9, 30, 12);
    painter->fillRect(bar, verticalGradient(bar, midBlue, darkBlue));
    for (qreal x : {4.0, 12.0})
        textLine(painter, x, 14, 6, Qt::white);
    painter->setPen(QPen(Qt::white, 1.5));
    painter->drawPolyline(QPolygonF({QPointF(24, 13), QPointF(26.5, 15.5), QPointF(29, 13)}));
    painter->fillRect(QRectF(1, 21, 30, 1.5), lightGray);
}

void headerLabel(QPainter *painter)
{
    QFont font = painter->font();
    font.setPixelSize(18);
    font.setWeight(QFont::DemiBold);
    painter->setFont(font);
    painter->setPen(darkBlue);
    painter->drawText(QRectF(2, 2, 28, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ab"));
    textLine(painter, 3, 25, 26, darkBlue);
}

void descriptionLabel(QPainter *painter)
{
    textLine(painter, 3, 8, 26, darkGray);
    textLine(painter, 3, 14, 26, darkGray);
    textLine(painter, 3, 20, 22, darkGray);
    textLine(painter, 3, 26, 14, darkGray);
}

void header(QPainter *painter)
{
    const QRectF band(1, 4, 30, 17);
    painter->fillRect(band, verticalGradient(band, midBlue, darkBlue));
    textLine(painter, 4, 9, 12, Qt::white);
    textLine(painter, 4, 14, 8, lightBlue);
    painter->fillRect(QRectF(22, 8, 6, 9), lightGray);
    painter->fillRect(QRectF(1, 21, 30, 6), lightGray);
    textLine(painter, 3, 23, 5, darkGray);
    textLine(painter, 10, 23, 5, darkGray);
}

void slideMaster(QPainter *painter)
{
    framedBox(painter, QRectF(2.5, 2.5, 27, 27));
    textLine(painter, 5, 6, 16, darkBlue, 3);
    textLine(painter, 5, 11, 20, midGray, 1.5);
    painter->fillRect(QRectF(5, 15, 22, 12), lightBlue);
}

void navigationButton(QPainter *painter)
{
    stepBadge(painter, QPointF(9, 16), 6, true);
    painter->fillRect(QRectF(8.25, 13, 1.5, 6), Qt::white);
    textLine(painter, 18, 15, 11, darkBlue);
}

void navigationButtonGroup(QPainter *painter)
{
    painter->setPen(QPen(darkBlue, 1.5));
    painter->drawLine(QPointF(7, 16), QPointF(25, 16));
    stepBadge(painter, QPointF(6, 16), 4, true);
    stepBadge(painter, QPointF(16, 16), 4, false);
    stepBadge(painter, QPointF(26, 16), 4, false);
}

void pixmapButton(QPainter *painter)
{
    framedBox(painter, QRectF(3.5, 5.5, 25, 21), lightBlue);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::white);
    painter->drawEllipse(QPointF(22, 11), 2.5, 2.5);
    QPainterPath hills;
    hills.moveTo(4, 26);
    hills.lineTo(12, 14);
    hills.lineTo(18, 21);
    hills.lineTo(21, 18);
    hills.lineTo(28, 26);
    hills.closeSubpath();
    painter->fillPath(hills, darkBlue);
}

void elidedLabel(QPainter *painter)
{
    framedBox(painter, QRectF(2.5, 7.5, 27, 17));
    textLine(painter, 5, 11, 22, darkGray);
    textLine(painter, 5, 17, 12, darkGray);
    painter->setPen(Qt::NoPen);
    painter->setBrush(darkBlue);
    for (qreal x : {19.5, 22.5, 25.5})
        painter->drawEllipse(QPointF(x, 18), 1, 1);
}

void ipAdressEdit(QPainter *painter)
{
    framedBox(painter, QRectF(1.5, 10.5, 29, 11));
    painter->setPen(Qt::NoPen);
    painter->setBrush(darkBlue);
    for (int field = 0; field < 4; ++field) {
        textLine(painter, 3.5 + field * 7, 15, 4.5, darkGray);
        if (field > 0)
            painter->drawEllipse(QPointF(2.5 + field * 7, 18.5), 0.8, 0.8);
    }
}

} // namespace WidgetIconPainters
