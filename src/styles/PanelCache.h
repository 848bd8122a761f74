#ifndef VELTRIX_PANELCACHE_H
#define VELTRIX_PANELCACHE_H

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QRect>

#include <functional>

// Panels that depend on a few inputs are drawn once into a pixmap kept in
// QPixmapCache and then only blitted, as Fusion does with its own. Only where
// the blit gives what direct drawing gives: on a raster paint engine, with a
// painter moved by whole pixels only, fully opaque, composing source over
// destination. Everything else (printers, PDF, SVG, scaled or rotated
// painters, the tests' recording device) gets the direct drawing. Text is
// never cached.
namespace Veltrix {

// Everything that changes a panel's pixels, appended by the caller: the
// element, the state bits it reads, its geometry where it depends on it, the
// colours it reads. The painter's own pen, brush and render hints, the
// area's size and the device pixel ratio are added by drawCached().
struct Slices;

class CacheKey
{
public:
    explicit CacheKey(const char *element) { *this << int(quintptr(element)) << int(quintptr(element) >> 32); }
    CacheKey &operator<<(int value)
    {
        if (m_count < Capacity)
            m_values[m_count++] = value;
        return *this;
    }
    CacheKey &operator<<(const QColor &color) { return *this << int(color.rgba()); }
    CacheKey &operator<<(const QRect &rect) { return *this << rect.x() << rect.y() << rect.width() << rect.height(); }
    // A palette by its identity (any change to it makes another key) and the colour group it reads,
    // which a window's activation changes without changing the identity.
    CacheKey &operator<<(const QPalette &palette)
    {
        const qint64 identity = palette.cacheKey();
        return *this << int(identity) << int(identity >> 32) << int(palette.currentColorGroup());
    }
    bool operator==(const CacheKey &other) const;
    uint hash() const;
    // Whether `values` more still fit: a key that would overflow is never cached.
    bool hasRoom(int values) const { return m_count + values < Capacity; }

private:
    static constexpr int Capacity = 48; // more than any panel needs
    int m_values[Capacity];
    int m_count = 0;
};

inline uint qHash(const CacheKey &key, uint seed = 0)
{
    return key.hash() ^ seed;
}

// Parts of a panel: the ends, `left` and `right` logical pixels wide, differ
// along it; everything between repeats one column (a gradient, a straight
// edge, a fill). Such a panel is kept as its two ends and a few of the
// repeated columns, the same for every width.
struct Slices
{
    int left = -1; // -1: not sliced
    int right = -1;
};

// Whether a blit from the cache gives, pixel for pixel, what drawing directly on `painter` gives: on
// whole pixels, nothing blended differently, and the cache switched on.
bool blitsLikeDrawing(const QPainter *painter);

// painter->fillRect(rect, brush). On whole pixels antialiasing changes none of a rectangle's pixels,
// but the raster engine's antialiased fill costs about six times the plain one, so it is off there.
void fillRect(QPainter *painter, const QRect &rect, const QBrush &brush);

// Draws `paint` (which draws on the painter it is given, in the painter's
// coordinates, within `area`) through the cache when `painter` allows it,
// directly otherwise. Through the cache, `paint` draws on a pixmap's painter
// that starts with `painter`'s pen, brush and hints, and `painter` itself is
// left as it was; drawn directly, `paint` may change `painter` as it always
// did, so the recorded drawing stays exactly what it was. `opaque`: `paint`
// covers `area` fully with opaque pixels, so the pixmap needs no alpha. A
// panel found drawing outside `area`, or whose middle does not repeat, is
// drawn directly from then on.
void drawCached(QPainter *painter, const QRect &area, const CacheKey &key, const std::function<void(QPainter *)> &paint,
                Slices slices = Slices(), bool opaque = false);

// Draws `paint`, a frame over all of `area` whose middle rows and columns
// repeat (the base style's group box frame), through the cache when `painter`
// allows it: learnt from one direct drawing at this size, kept as its ends
// around a few copies of its middle and drawn as nine parts, the middle
// filled with its one colour. A frame whose middle does not repeat is drawn
// directly each time. The painter's pen, brush and hints, the area's size and
// the device pixel ratio are added to `key` here.
void drawFrameCached(QPainter *painter, const QRect &area, const CacheKey &key, const std::function<void(QPainter *)> &paint);

namespace Internal {
// For tests: switch the cache and fillRect()'s shortcut off (everything drawn
// directly, as on any other device) and read how many bytes of the look's
// pixmaps QPixmapCache holds now.
void setPanelCacheEnabled(bool enabled);
qint64 panelCacheBytes();
} // namespace Internal

} // namespace Veltrix

#endif // VELTRIX_PANELCACHE_H
