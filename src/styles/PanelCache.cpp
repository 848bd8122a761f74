#include "PanelCache.h"

#include <QHash>
#include <QPaintEngine>
#include <QPixmapCache>

#include <algorithm>

namespace Veltrix {

namespace {

bool cacheEnabled = true;

// A sliced panel keeps this many of its repeated columns: unscaled blits of a
// few columns each are cheaper than stretching one (measured: a stretched middle
// made a 120-pixel button cost about 7 % more), and each blit costs a few thousand
// instructions however narrow, mostly the blend's per-row set-up, so twice the
// columns cover what most buttons need between their ends. Whole panels would
// be kept per width, which for the gallery would take almost 2 MB instead of
// about 550 KiB; 64 columns would take 850 KiB under GradientStyle alone.
constexpr int MiddleColumns = 32;
// What the looks keep in QPixmapCache at most, counted at one device pixel per
// logical one (four times as many bytes at 2x); beyond it the panels used
// least recently make room.
constexpr qint64 ByteBudget = 512 * 1024;

// How a sliced panel's middle is kept.
struct SliceLayout
{
    // A middle that fills (nearly) the panel's height, a button's, is kept joined with both ends in
    // one pixmap, so that a panel up to twice the kept middle wide takes two blits from it, or one.
    bool joined = false;
    int middleTop = 0; // otherwise only its rows with anything in them are kept; where they start, in logical pixels
};

struct Entry
{
    QVector<QPixmapCache::Key> handles; // the whole panel, or its left end, middle and right end
    // A transparent middle is kept as no pixmap at all. Kept apart from the handles: QPixmapCache
    // makes a handle invalid when it drops the pixmap.
    QVector<bool> empty;
    qint64 bytes = 0;
    quint64 lastUse = 0;
    SliceLayout layout;
};

struct Panels
{
    QHash<CacheKey, Entry> entries;
    qint64 bytes = 0;
    quint64 clock = 0;
};

Panels &panels()
{
    static Panels panels;
    return panels;
}

bool isWhole(qreal value)
{
    return qFuzzyIsNull(value - qRound(value));
}

// Whether `painter` draws on whole device pixels of a raster image: moved by whole logical pixels,
// at a whole device pixel ratio.
bool onWholePixels(const QPainter *painter)
{
    const QPaintEngine *engine = painter->paintEngine();
    const QTransform &world = painter->transform();
    // With a world transform that only moves, the device transform's scale is the device pixel ratio
    // of the device actually painted on (a widget may be rendered into an image of another ratio).
    const QTransform &device = painter->deviceTransform();
    return engine && engine->type() == QPaintEngine::Raster && world.type() <= QTransform::TxTranslate
        && isWhole(world.dx()) && isWhole(world.dy()) && device.type() <= QTransform::TxScale && device.m11() == device.m22()
        && isWhole(device.m11()) && device.m11() >= 1;
}

qint64 bytesOf(const QPixmap &pixmap)
{
    return qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
}

// Bytes as at one device pixel per logical one: the budget is for what is shown, at any ratio.
qint64 logicalBytes(const QPixmap &pixmap)
{
    return qRound64(bytesOf(pixmap) / (pixmap.devicePixelRatio() * pixmap.devicePixelRatio()));
}

// The rows of `image` with anything in them (an empty range for a transparent image).
QPair<int, int> usedRows(const QImage &image)
{
    int first = image.height(), last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y))) {
                first = qMin(first, y);
                last = y;
                break;
            }
        }
    }
    return { first, last };
}

// The pixmaps of `key`, or false when QPixmapCache no longer has all of them.
bool find(const CacheKey &key, QPixmap *parts, SliceLayout *layout)
{
    Panels &all = panels();
    const auto entry = all.entries.find(key);
    if (entry == all.entries.end())
        return false;
    for (int i = 0; i < entry->handles.size(); ++i) {
        if (entry->empty.at(i))
            parts[i] = QPixmap();
        else if (!QPixmapCache::find(entry->handles.at(i), &parts[i]))
            return false;
    }
    entry->lastUse = ++all.clock;
    *layout = entry->layout;
    return true;
}

void insert(const CacheKey &key, QPixmap *parts, int count, SliceLayout layout)
{
    Panels &all = panels();
    Entry &entry = all.entries[key];
    all.bytes -= entry.bytes;
    entry = Entry();
    for (int i = 0; i < count; ++i) {
        entry.handles << (parts[i].isNull() ? QPixmapCache::Key() : QPixmapCache::insert(parts[i]));
        entry.empty << parts[i].isNull();
        entry.bytes += logicalBytes(parts[i]);
    }
    entry.lastUse = ++all.clock;
    entry.layout = layout;
    all.bytes += entry.bytes;
    while (all.bytes > ByteBudget && all.entries.size() > 1) {
        auto oldest = std::min_element(all.entries.begin(), all.entries.end(),
                                       [](const Entry &a, const Entry &b) { return a.lastUse < b.lastUse; });
        for (const QPixmapCache::Key &handle : qAsConst(oldest->handles))
            QPixmapCache::remove(handle);
        all.bytes -= oldest->bytes;
        all.entries.erase(oldest);
    }
}

// Cuts the whole panel in parts[0] into its left end, `middle` columns of its middle and its right
// end. A middle that fills nearly all rows is kept with both ends beside it in parts[0]; otherwise
// only its rows with anything in them are kept and drawn, in parts[1] (none between a step's badge
// and its marker, a line along a current step's bottom), as a whole number of logical pixels.
SliceLayout slice(QPixmap *parts, Slices slices, int middle, int ratio)
{
    QImage whole = parts[0].toImage();
    whole.setDevicePixelRatio(1); // cut in device pixels
    const QImage columns = whole.copy(slices.left * ratio, 0, middle * ratio, whole.height());
    const QPair<int, int> rows = usedRows(columns);
    const int left = slices.left * ratio, right = slices.right * ratio;
    SliceLayout layout;
    layout.joined = 4 * (rows.second - rows.first + 1) >= 3 * whole.height();
    if (layout.joined) {
        QImage joined(left + columns.width() + right, whole.height(), whole.format());
        QPainter copier(&joined);
        copier.setCompositionMode(QPainter::CompositionMode_Source);
        copier.drawImage(0, 0, whole, 0, 0, left + columns.width());
        copier.drawImage(left + columns.width(), 0, whole, whole.width() - right, 0, right);
        copier.end();
        parts[0] = QPixmap::fromImage(joined);
    } else {
        parts[0] = QPixmap::fromImage(whole.copy(0, 0, left, whole.height()));
        parts[2] = QPixmap::fromImage(whole.copy(whole.width() - right, 0, right, whole.height()));
        if (rows.second >= 0) {
            layout.middleTop = rows.first / ratio;
            const int bottom = rows.second / ratio;
            parts[1] = QPixmap::fromImage(columns.copy(0, layout.middleTop * ratio, columns.width(), (bottom - layout.middleTop + 1) * ratio));
        }
    }
    for (int i = 0; i < 3; ++i)
        parts[i].setDevicePixelRatio(ratio);
    return layout;
}

// Blits a joined panel kept `middle` columns wide between its ends into `area`: its left part at the
// area's left, its right part at the area's right, and its middle columns between them.
void blitJoined(QPainter *painter, const QRect &area, const QPixmap &panel, Slices slices, int middle, int ratio)
{
    const int kept = slices.left + middle + slices.right;
    if (area.width() == kept)
        return painter->drawPixmap(area.topLeft(), panel);
    const int leftPart = slices.left + middle;
    const int rightPart = qMin(middle + slices.right, area.width() - leftPart);
    const int end = area.left() + area.width() - rightPart;
    painter->drawPixmap(area.topLeft(), panel, QRectF(0, 0, leftPart * ratio, panel.height()));
    for (int x = area.left() + leftPart; x < end; x += middle)
        painter->drawPixmap(QPointF(x, area.top()), panel, QRectF(slices.left * ratio, 0, qMin(middle, end - x) * ratio, panel.height()));
    painter->drawPixmap(QPointF(end, area.top()), panel, QRectF((kept - rightPart) * ratio, 0, rightPart * ratio, panel.height()));
}

// Draws `paint` into a new pixmap of `area`, as it would draw on `painter`.
QPixmap render(const QPainter *painter, const QRect &area, int ratio, bool opaque,
               const std::function<void(QPainter *)> &paint)
{
    QPixmap pixmap(area.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(opaque ? Qt::black : Qt::transparent);
    QPainter cached(&pixmap);
    cached.setRenderHints(painter->renderHints());
    cached.setPen(painter->pen());
    cached.setBrush(painter->brush());
    cached.setFont(painter->font());
    cached.translate(-area.topLeft());
    paint(&cached);
    return pixmap;
}

} // namespace

bool blitsLikeDrawing(const QPainter *painter)
{
    return cacheEnabled && onWholePixels(painter) && qFuzzyCompare(painter->opacity(), 1.0)
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

void fillRect(QPainter *painter, const QRect &rect, const QBrush &brush)
{
    if (!cacheEnabled || !painter->testRenderHint(QPainter::Antialiasing) || !onWholePixels(painter))
        return painter->fillRect(rect, brush);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(rect, brush);
    painter->setRenderHint(QPainter::Antialiasing, true);
}

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
    const int middle = sliced ? qMin(MiddleColumns, area.width() - slices.left - slices.right) : 0;
    const QPen pen = painter->pen();
    CacheKey full = key;
    full << (sliced ? -middle : area.width()) << slices.left << slices.right << area.height() << ratio
         << int(painter->renderHints()) << pen.color() << int(pen.widthF() * 64) << int(pen.style()) << int(pen.capStyle())
         << int(pen.joinStyle()) << int(pen.isCosmetic()) << int(painter->brush().style()) << painter->brush().color();
    QPixmap parts[3];
    SliceLayout layout;
    if (!find(full, parts, &layout)) {
        parts[0] = render(painter, area, ratio, opaque, paint);
        if (sliced)
            layout = slice(parts, slices, middle, ratio);
        insert(full, parts, sliced && !layout.joined ? 3 : 1, layout); // a joined panel is one pixmap
    }
    // A blit at whole pixels looks the same with or without smoothing, but the raster engine takes
    // its fast path only without it.
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    if (smooth)
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!sliced) {
        painter->drawPixmap(area.topLeft(), parts[0]);
    } else if (layout.joined) {
        blitJoined(painter, area, parts[0], slices, middle, ratio);
    } else {
        // The middle's rows repeat from its kept columns between the ends.
        const int end = area.left() + area.width() - slices.right;
        painter->drawPixmap(area.topLeft(), parts[0]);
        for (int x = area.left() + slices.left; !parts[1].isNull() && x < end; x += middle)
            painter->drawPixmap(QPointF(x, area.top() + layout.middleTop), parts[1],
                                QRectF(0, 0, qMin(middle, end - x) * ratio, parts[1].height()));
        painter->drawPixmap(QPoint(end, area.top()), parts[2]);
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
    for (const Entry &entry : qAsConst(panels().entries)) {
        for (const QPixmapCache::Key &handle : entry.handles) {
            if (handle.isValid() && QPixmapCache::find(handle, &pixmap))
                bytes += bytesOf(pixmap);
        }
    }
    return bytes;
}

} // namespace Veltrix
