#include "PanelCache.h"

#include <QPaintEngine>
#include <QPixmapCache>
#include <QHash>

#include <algorithm>

namespace Veltrix {

namespace {

bool cacheEnabled = true;

QHash<CacheKey, QVector<QPixmapCache::Key>> &cachedPanels()
{
    static QHash<CacheKey, QVector<QPixmapCache::Key>> panels;
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
    // With a world transform that only moves, the device transform's scale is the device pixel ratio
    // of the device actually painted on (a widget may be rendered into an image of another ratio).
    const QTransform &device = painter->deviceTransform();
    return cacheEnabled && engine && engine->type() == QPaintEngine::Raster && world.type() <= QTransform::TxTranslate
        && isWhole(world.dx()) && isWhole(world.dy()) && device.type() <= QTransform::TxScale && device.m11() == device.m22()
        && isWhole(device.m11()) && device.m11() >= 1 && qFuzzyCompare(painter->opacity(), 1.0)
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver;
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
                Slices slices, bool opaque)
{
    if (!blitsLikeDrawing(painter) || area.isEmpty() || key.m_count >= CacheKey::Capacity - 14)
        return paint(painter);
    const int ratio = qRound(painter->deviceTransform().m11());
    const bool sliced = slices.left >= 0 && area.width() > slices.left + slices.right + 1;
    const QPen pen = painter->pen();
    CacheKey full = key;
    full << (sliced ? -1 : area.width()) << slices.left << slices.right << area.height() << ratio
         << int(painter->renderHints()) << pen.color() << int(pen.widthF() * 64) << int(pen.style()) << int(pen.capStyle())
         << int(pen.joinStyle()) << int(pen.isCosmetic()) << int(painter->brush().style()) << painter->brush().color();
    // Our own keys to QPixmapCache's handles: far cheaper than string keys. A handle whose pixmap
    // QPixmapCache let go finds nothing, and the panel is drawn and inserted again.
    const int count = sliced ? 3 : 1;
    QVector<QPixmapCache::Key> &handles = cachedPanels()[full];
    QPixmap parts[3];
    bool found = handles.size() == count;
    for (int i = 0; found && i < count; ++i)
        found = QPixmapCache::find(handles.at(i), &parts[i]);
    if (!found) {
        QPixmap whole(area.size() * ratio);
        whole.setDevicePixelRatio(ratio);
        whole.fill(opaque ? Qt::black : Qt::transparent);
        QPainter cached(&whole);
        cached.setRenderHints(painter->renderHints());
        cached.setPen(pen);
        cached.setBrush(painter->brush());
        cached.setFont(painter->font());
        cached.translate(-area.topLeft());
        paint(&cached);
        cached.end();
        parts[0] = whole;
        if (sliced) {
            const int h = whole.height();
            parts[0] = whole.copy(0, 0, slices.left * ratio, h);
            parts[1] = whole.copy(slices.left * ratio, 0, ratio, h);
            parts[2] = whole.copy(whole.width() - slices.right * ratio, 0, slices.right * ratio, h);
        }
        handles.clear();
        for (int i = 0; i < count; ++i) {
            parts[i].setDevicePixelRatio(ratio);
            handles << QPixmapCache::insert(parts[i]);
        }
    }
    // A blit at whole pixels looks the same with or without smoothing, but the raster engine takes
    // its fast path only without it.
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    if (smooth)
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawPixmap(area.topLeft(), parts[0]);
    if (sliced) {
        painter->drawTiledPixmap(QRect(area.left() + slices.left, area.top(), area.width() - slices.left - slices.right,
                                       area.height()), parts[1]);
        painter->drawPixmap(QPoint(area.left() + area.width() - slices.right, area.top()), parts[2]);
    }
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
    for (const QVector<QPixmapCache::Key> &keys : qAsConst(cachedPanels())) {
        for (const QPixmapCache::Key &key : keys) {
            if (QPixmapCache::find(key, &pixmap))
                bytes += qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
        }
    }
    return bytes;
}

} // namespace Veltrix
