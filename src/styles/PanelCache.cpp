#include "PanelCache.h"

#include <QPaintEngine>
#include <QPixmapCache>
#include <QSet>

namespace Veltrix {

namespace {

bool cacheEnabled = true;
QSet<QString> &knownKeys() // the keys this library put into QPixmapCache, for panelCacheBytes()
{
    static QSet<QString> keys;
    return keys;
}

bool isWhole(qreal value)
{
    return qFuzzyIsNull(value - qRound(value));
}

// Where a blit is pixel for pixel what drawing directly gives: the painter moved by whole logical pixels
// on a device of a whole device pixel ratio, nothing blended differently.
bool blitsLikeDrawing(const QPainter *painter)
{
    const QPaintEngine *engine = painter->paintEngine();
    const QTransform &world = painter->transform();
    return cacheEnabled && engine && engine->type() == QPaintEngine::Raster && world.type() <= QTransform::TxTranslate
        && isWhole(world.dx()) && isWhole(world.dy()) && painter->device() && isWhole(painter->device()->devicePixelRatioF())
        && qFuzzyCompare(painter->opacity(), 1.0) && painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

} // namespace

CacheKey &CacheKey::operator<<(int value)
{
    m_text += QLatin1Char(':') + QString::number(value, 36);
    return *this;
}

CacheKey &CacheKey::operator<<(const QColor &color)
{
    m_text += QLatin1Char(':') + QString::number(color.rgba(), 36);
    return *this;
}

CacheKey &CacheKey::operator<<(const QRect &rect)
{
    return *this << rect.x() << rect.y() << rect.width() << rect.height();
}

void drawCached(QPainter *painter, const QRect &area, const CacheKey &key, const std::function<void(QPainter *)> &paint,
                bool opaque)
{
    if (!blitsLikeDrawing(painter) || area.isEmpty())
        return paint(painter);
    const int ratio = qRound(painter->device()->devicePixelRatioF());
    const QPen pen = painter->pen();
    CacheKey full = key;
    full << area.width() << area.height() << ratio << int(painter->renderHints()) << pen.color() << int(pen.widthF() * 64)
         << int(pen.style()) << int(pen.capStyle()) << int(pen.joinStyle()) << int(pen.isCosmetic())
         << int(painter->brush().style()) << painter->brush().color();
    QPixmap pixmap;
    if (!QPixmapCache::find(full.text(), &pixmap)) {
        pixmap = QPixmap(area.size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(opaque ? Qt::black : Qt::transparent);
        QPainter cached(&pixmap);
        cached.setRenderHints(painter->renderHints());
        cached.setPen(pen);
        cached.setBrush(painter->brush());
        cached.setFont(painter->font());
        cached.translate(-area.topLeft());
        paint(&cached);
        cached.end();
        QPixmapCache::insert(full.text(), pixmap);
        knownKeys().insert(full.text());
    }
    painter->drawPixmap(area.topLeft(), pixmap);
}

void Internal::setPanelCacheEnabled(bool enabled)
{
    cacheEnabled = enabled;
}

qint64 Internal::panelCacheBytes()
{
    qint64 bytes = 0;
    QPixmap pixmap;
    for (const QString &key : qAsConst(knownKeys())) {
        if (QPixmapCache::find(key, &pixmap))
            bytes += qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
    }
    return bytes;
}

} // namespace Veltrix
