#include "PanelCache.h"

#include <QHash>
#include <QPaintEngine>
#include <QPicture>
#include <QPixmapCache>

#include <algorithm>
#include <cstring>

namespace Veltrix {

namespace {

bool cacheEnabled = true;

// A sliced panel keeps this many of its repeated columns: unscaled blits of a few
// columns each are cheaper than stretching one (measured: a stretched middle made
// a 120-pixel button cost about 7 % more), but each blit costs a few thousand
// instructions however narrow, mostly the blend's per-row set-up, so the fewer the
// better: a gradient panel takes one blit up to 56 pixels wide, two up to 96 and
// three up to 136. Whole panels would be kept per width, which for the gallery
// would take 1.4 MB under GradientStyle instead of 464 KiB; 64 columns would take
// 650 KiB.
constexpr int MiddleColumns = 40;
// What the looks keep in QPixmapCache at most, counted at one device pixel per
// logical one (four times as many bytes at 2x); beyond it the panels used
// least recently make room.
constexpr qint64 ByteBudget = 512 * 1024;
// Device pixels kept of a frame's repeated middle. Stretched, its inner two stand for the whole middle,
// so that a blit rounded a pixel either way still repeats the middle and never reaches an end.
constexpr int FrameMiddle = 4;
// What an entry without pixmaps (a frame drawn directly) counts against the budget, so that such
// entries cannot pile up.
constexpr qint64 EntryBytes = 64;
// The widest or tallest panel kept, in device pixels: a wider one is mostly outside any window, and past
// 32767 pixels an image is not painted at all.
constexpr int LargestSide = 4096;
// Logical pixels around a panel's area where drawing it must leave nothing; a panel that draws there is
// drawn directly each time.
constexpr int Overhang = 8;

// How a sliced panel's middle is kept.
struct SliceLayout
{
    // A middle that fills (nearly) the panel's height, a button's, is kept joined with both ends in
    // one pixmap, so that a panel up to twice the kept middle wide takes two blits from it, or one.
    bool joined = false;
    bool direct = false; // drawn directly each time: it draws outside its area, or its middle does not repeat
    int middleTop = 0; // otherwise only its rows with anything in them are kept; where they start, in logical pixels
    // A frame: whether its middle repeats (otherwise it is drawn directly), its ends in logical pixels
    // around FrameMiddle device pixels of the middle, and the colour of its middle.
    bool framed = false;
    QMargins ends;
    QRgb centre = 0;
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
// at a whole device pixel ratio, onto a device moved by whole pixels too (a widget rendered through a
// painter of its own is moved by that painter's transform).
bool onWholePixels(const QPainter *painter)
{
    const QPaintEngine *engine = painter->paintEngine();
    const QTransform &world = painter->transform();
    // With a world transform that only moves, the device transform's scale is the device pixel ratio
    // of the device actually painted on (a widget may be rendered into an image of another ratio).
    const QTransform &device = painter->deviceTransform();
    return engine && engine->type() == QPaintEngine::Raster && world.type() <= QTransform::TxTranslate
        && isWhole(world.dx()) && isWhole(world.dy()) && device.type() <= QTransform::TxScale && device.m11() == device.m22()
        && isWhole(device.m11()) && device.m11() >= 1 && isWhole(device.dx()) && isWhole(device.dy());
}

// Whether `painter` leaves a panel drawn on it the same wherever it is blitted and whatever its width:
// a solid pen and brush or none (a dash, a gradient or a texture neither repeats along a panel nor
// fits in its key), no background behind them, on a device of 32 bits a pixel, where a blit rounds as
// drawing does (on fewer bits a channel drawing rounds after every layer).
bool plainPainter(const QPainter *painter)
{
    const QPen &pen = painter->pen();
    const QPaintDevice *device = painter->paintEngine()->paintDevice();
    return (pen.style() == Qt::NoPen || (pen.style() == Qt::SolidLine && pen.brush().style() == Qt::SolidPattern))
        && painter->brush().style() <= Qt::SolidPattern && painter->backgroundMode() == Qt::TransparentMode && device
        && device->depth() == 32;
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
    if (count == 0)
        entry.bytes = EntryBytes;
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

// Whether the columns of `image` from `first` up to `end` are all alike.
bool middleRepeats(const QImage &image, int first, int end)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::any_of(line + first + 1, line + end, [&](QRgb pixel) { return pixel != line[first]; }))
            return false;
    }
    return true;
}

// Cuts the whole panel in parts[0] into its left end, `middle` columns of its middle and its right
// end. A middle that fills nearly all rows is kept with both ends beside it in parts[0]; otherwise
// only its rows with anything in them are kept and drawn, in parts[1] (none between a step's badge
// and its marker, a line along a current step's bottom), as a whole number of logical pixels.
SliceLayout slice(QPixmap *parts, Slices slices, int middle, int ratio)
{
    QImage whole = parts[0].toImage();
    whole.setDevicePixelRatio(1); // cut in device pixels
    SliceLayout layout;
    // A panel whose middle does not repeat after all (a step whose underline starts inside its middle)
    // is drawn directly.
    layout.direct = !middleRepeats(whole, slices.left * ratio, whole.width() - slices.right * ratio);
    if (layout.direct)
        return layout;
    const QImage columns = whole.copy(slices.left * ratio, 0, middle * ratio, whole.height());
    const QPair<int, int> rows = usedRows(columns);
    const int left = slices.left * ratio, right = slices.right * ratio;
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

// Draws `paint` into a new pixmap of `area`, as it would draw on `painter`; a null pixmap when `paint`
// also draws outside `area`, which a blit of the pixmap would leave out. Drawing far from it (Fusion's
// titled frame in a rectangle shorter than the title) shows in the bounds of a recording; drawing next
// to it, as antialiasing may, in the pixels of a margin around it.
QPixmap render(const QPainter *painter, const QRect &area, int ratio, bool opaque,
               const std::function<void(QPainter *)> &paint)
{
    const auto drawOn = [&](QPaintDevice *device, const QPoint &origin) {
        QPainter cached(device);
        cached.setRenderHints(painter->renderHints());
        cached.setPen(painter->pen());
        cached.setBrush(painter->brush());
        cached.setFont(painter->font());
        cached.translate(-origin);
        cached.setBrushOrigin(painter->brushOrigin());
        paint(&cached);
    };
    const QRect around = area.adjusted(-Overhang, -Overhang, Overhang, Overhang);
    QPicture recording;
    drawOn(&recording, QPoint());
    // A line drawn with a zero-width pen has bounds without width: counted as a pixel wide.
    const QRect bounds = recording.boundingRect();
    if (!bounds.isNull() && !around.contains(QRect(bounds.topLeft(), bounds.size().expandedTo(QSize(1, 1)))))
        return QPixmap();
    QImage image(around.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    drawOn(&image, around.topLeft());
    const QRect inside(QPoint(Overhang, Overhang) * ratio, area.size() * ratio);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const bool within = y >= inside.top() && y <= inside.bottom();
        for (int x = 0; x < image.width(); x = within && x == inside.left() - 1 ? inside.right() + 1 : x + 1) {
            if (qAlpha(line[x]))
                return QPixmap();
        }
    }
    // An opaque panel is kept without alpha: the raster engine copies such a pixmap instead of blending it.
    QImage kept = image.copy(inside);
    QPixmap pixmap = QPixmap::fromImage(opaque ? kept.convertToFormat(QImage::Format_RGB32) : kept);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// Runs `blits` with the painter's smoothing off, then gives it back. A blit at whole pixels looks the
// same either way, but the raster engine takes its fast path only without it.
void withoutSmoothing(QPainter *painter, const std::function<void()> &blits)
{
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    if (smooth)
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    blits();
    if (smooth)
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// Whether a blit of `area` on `painter` (or a fill without antialiasing) stays inside its system clip
// (the region of the widget painted) as drawing does: the raster engine lets them reach past it when the
// painter also has a clip of its own that does (a widget rendered through a clipped painter). The clip
// of its own is looked at only when the area reaches past the system clip's bounds.
bool blitsStayInside(const QPainter *painter, const QRect &area)
{
    if (!painter->hasClipping())
        return true;
    const QRegion system = painter->paintEngine()->systemClip();
    const QTransform &device = painter->deviceTransform();
    if (system.isEmpty() || (system.rectCount() == 1 && system.boundingRect().contains(device.mapRect(area))))
        return true;
    const QRect own = device.mapRect(painter->clipBoundingRect()).toAlignedRect();
    return system.rectCount() == 1 ? system.boundingRect().contains(own) : (QRegion(own) - system).isEmpty();
}

// Adds to `key` what else changes a picture drawn on `painter`: its device pixel ratio, hints, pen, brush
// and brush origin (which places the looks' own gradients).
void addPainter(CacheKey &key, const QPainter *painter, int ratio)
{
    const QPen &pen = painter->pen();
    const QPointF origin = painter->brushOrigin();
    key << ratio << int(painter->renderHints()) << pen.color() << int(pen.widthF() * 64) << int(pen.style())
        << int(pen.capStyle()) << int(pen.joinStyle()) << int(pen.isCosmetic()) << int(painter->brush().style())
        << painter->brush().color() << int(origin.x() * 64) << int(origin.y() * 64);
}

// The lines, from 0 to `count`, equal to the middle one and next to it, as [first, last).
QPair<int, int> repeatedRun(int count, const std::function<bool(int, int)> &equal)
{
    const int middle = count / 2;
    int first = middle, last = middle + 1;
    while (first > 0 && equal(first - 1, middle))
        --first;
    while (last < count && equal(last, middle))
        ++last;
    return { first, last };
}

// Learns the frame drawn in `image`: its ends, in whole logical pixels outside the run of columns and
// rows that repeat its middle, kept around FrameMiddle copies of that middle in parts[0].
void learnFrame(const QImage &image, int ratio, QPixmap *parts, SliceLayout *layout)
{
    const int w = image.width(), h = image.height();
    const auto pixel = [&image](int x, int y) { return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x]; };
    const QPair<int, int> columns = repeatedRun(w, [&](int a, int b) {
        for (int y = 0; y < h; ++y) {
            if (pixel(a, y) != pixel(b, y))
                return false;
        }
        return true;
    });
    const QPair<int, int> rows = repeatedRun(h, [&](int a, int b) {
        return !memcmp(image.constScanLine(a), image.constScanLine(b), size_t(w) * 4);
    });
    const auto outside = [ratio](int device) { return (device + ratio - 1) / ratio; }; // whole logical pixels
    const QMargins ends(outside(columns.first), outside(rows.first), outside(w - columns.second), outside(h - rows.second));
    layout->framed = ends.left() + ends.right() < w / ratio && ends.top() + ends.bottom() < h / ratio;
    if (!layout->framed)
        return;
    layout->ends = ends;
    layout->centre = pixel(w / 2, h / 2);
    // A kept column or row -> the image's: the start end, FrameMiddle copies of the middle, the far end.
    const auto from = [ratio](int kept, int start, int end, int size) {
        const int middleStart = start * ratio;
        if (kept < middleStart)
            return kept;
        return kept < middleStart + FrameMiddle ? size / 2 : kept - middleStart - FrameMiddle + size - end * ratio;
    };
    QImage kept((ends.left() + ends.right()) * ratio + FrameMiddle, (ends.top() + ends.bottom()) * ratio + FrameMiddle,
                image.format());
    for (int y = 0; y < kept.height(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(image.constScanLine(from(y, ends.top(), ends.bottom(), h)));
        auto *target = reinterpret_cast<QRgb *>(kept.scanLine(y));
        for (int x = 0; x < kept.width(); ++x)
            target[x] = source[from(x, ends.left(), ends.right(), w)];
    }
    parts[0] = QPixmap::fromImage(kept);
    parts[0].setDevicePixelRatio(ratio);
}

} // namespace

bool blitsLikeDrawing(const QPainter *painter)
{
    return cacheEnabled && onWholePixels(painter) && qFuzzyCompare(painter->opacity(), 1.0)
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver && plainPainter(painter);
}

void fillRect(QPainter *painter, const QRect &rect, const QBrush &brush)
{
    if (!cacheEnabled || !painter->testRenderHint(QPainter::Antialiasing) || !onWholePixels(painter)
        || !blitsStayInside(painter, rect))
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
    const int ratio = qRound(painter->deviceTransform().m11());
    if (!blitsLikeDrawing(painter) || area.isEmpty() || qMax(area.width(), area.height()) * ratio > LargestSide
        || !key.hasRoom(16) || !blitsStayInside(painter, area))
        return paint(painter);
    const bool sliced = slices.left >= 0 && area.width() > slices.left + slices.right + 1;
    const int middle = sliced ? qMin(MiddleColumns, area.width() - slices.left - slices.right) : 0;
    CacheKey full = key;
    full << (sliced ? -middle : area.width()) << slices.left << slices.right << area.height();
    addPainter(full, painter, ratio);
    QPixmap parts[3];
    SliceLayout layout;
    if (!find(full, parts, &layout)) {
        parts[0] = render(painter, area, ratio, opaque, paint);
        layout.direct = parts[0].isNull();
        if (sliced && !layout.direct)
            layout = slice(parts, slices, middle, ratio);
        int pieces = 1; // a whole or joined panel
        if (layout.direct)
            pieces = 0;
        else if (sliced && !layout.joined)
            pieces = 3;
        insert(full, parts, pieces, layout);
    }
    if (layout.direct)
        return paint(painter);
    withoutSmoothing(painter, [&] {
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
    });
}

namespace {

// Blits a learnt frame into `area`: its corners as they are, its sides stretched from the inner copies
// of the kept middle, and its middle filled with its colour (nothing for a transparent one). A solid
// fill blends a pixel as a blit of it does, for a fraction of the cost of a stretched blit.
void blitFrame(QPainter *painter, const QRect &area, const QPixmap &kept, const SliceLayout &layout, int ratio)
{
    const QMargins &e = layout.ends;
    const int x[] = { area.left(), area.left() + e.left(), area.left() + area.width() - e.right(), area.left() + area.width() };
    const int y[] = { area.top(), area.top() + e.top(), area.top() + area.height() - e.bottom(), area.top() + area.height() };
    const int keptX[] = { 0, e.left() * ratio, e.left() * ratio + FrameMiddle, kept.width() };
    const int keptY[] = { 0, e.top() * ratio, e.top() * ratio + FrameMiddle, kept.height() };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRect target(x[column], y[row], x[column + 1] - x[column], y[row + 1] - y[row]);
            if (target.isEmpty())
                continue;
            if (row == 1 && column == 1) {
                if (qAlpha(layout.centre))
                    fillRect(painter, target, QColor::fromRgba(qUnpremultiply(layout.centre)));
                continue;
            }
            const QRect source(column == 1 ? keptX[1] + 1 : keptX[column], row == 1 ? keptY[1] + 1 : keptY[row],
                               column == 1 ? 2 : keptX[column + 1] - keptX[column], row == 1 ? 2 : keptY[row + 1] - keptY[row]);
            painter->drawPixmap(target, kept, source);
        }
    }
}

} // namespace

void drawFrameCached(QPainter *painter, const QRect &area, const CacheKey &key, const std::function<void(QPainter *)> &paint)
{
    const int ratio = qRound(painter->deviceTransform().m11());
    if (!blitsLikeDrawing(painter) || area.isEmpty() || qMax(area.width(), area.height()) * ratio > LargestSide
        || !key.hasRoom(14) || !blitsStayInside(painter, area))
        return paint(painter);
    CacheKey full = key;
    full << area.width() << area.height();
    addPainter(full, painter, ratio);
    QPixmap kept;
    SliceLayout layout;
    if (!find(full, &kept, &layout)) {
        const QPixmap drawn = render(painter, area, ratio, false, paint);
        if (!drawn.isNull())
            learnFrame(drawn.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), ratio, &kept, &layout);
        insert(full, &kept, layout.framed ? 1 : 0, layout);
    }
    if (!layout.framed)
        return paint(painter);
    // Stretched at whole pixels without smoothing, a run of equal pixels stays exactly that.
    withoutSmoothing(painter, [&] { blitFrame(painter, area, kept, layout, ratio); });
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
