#include "PanelCache.h"

#include <QPaintEngine>
#include <QPixmapCache>
#include <QHash>

#include <algorithm>

namespace Veltrix {

namespace {

bool cacheEnabled = true;

QHash<CacheKey, QPixmapCache::Key> &cachedPanels()
{
    static QHash<CacheKey, QPixmapCache::Key> panels;
    return panels;
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

bool CacheKey::operator==(const CacheKey &other) const
{
    return m_count == other.m_count && std::equal(m_values, m_values + m_count, other.m_values);
}

uint CacheKey::hash() const
{
    return qHashRange(m_values, m_values + m_count);
}

void drawCached(QPainter *painter, const QRect &area, const CacheKey &key, const std::function<void(QPainter *)> &paint,
                bool opaque)
{
    if (!blitsLikeDrawing(painter) || area.isEmpty() || key.m_count >= CacheKey::Capacity - 12)
        return paint(painter);
    const int ratio = qRound(painter->device()->devicePixelRatioF());
    const QPen pen = painter->pen();
    CacheKey full = key;
    full << area.width() << area.height() << ratio << int(painter->renderHints()) << pen.color() << int(pen.widthF() * 64)
         << int(pen.style()) << int(pen.capStyle()) << int(pen.joinStyle()) << int(pen.isCosmetic())
         << int(painter->brush().style()) << painter->brush().color();
    // Our own keys to QPixmapCache's handles: far cheaper than string keys. A handle whose pixmap
    // QPixmapCache let go finds nothing, and the panel is drawn and inserted again.
    QHash<CacheKey, QPixmapCache::Key> &handles = cachedPanels();
    QPixmap pixmap;
    const auto handle = handles.constFind(full);
    if (handle == handles.constEnd() || !QPixmapCache::find(handle.value(), &pixmap)) {
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
        handles.insert(full, QPixmapCache::insert(pixmap));
    }
    // A blit at whole pixels looks the same with or without smoothing, but the raster engine takes
    // its fast path only without it.
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    if (smooth)
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawPixmap(area.topLeft(), pixmap);
    if (smooth)
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void Internal::setPanelCacheEnabled(bool enabled)
{
    cacheEnabled = enabled;
}

qint64 Internal::panelCacheBytes()
{
    qint64 bytes = 0;
    QPixmap pixmap;
    for (const QPixmapCache::Key &key : qAsConst(cachedPanels())) {
        if (QPixmapCache::find(key, &pixmap))
            bytes += qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
    }
    return bytes;
}

} // namespace Veltrix
