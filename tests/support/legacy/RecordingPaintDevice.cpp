#include "RecordingPaintDevice.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QScreen>
#include <QTextItem>

class RecordingPaintDevice::Engine : public QPaintEngine
{
public:
    Engine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    bool begin(QPaintDevice *) override
    {
        m_pen = QPen();
        m_brush = QBrush();
        m_transform = QTransform();
        m_hints = {};
        m_opacity = 1.0;
        m_clip = false;
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyPen)
            m_pen = state.pen();
        if (flags & DirtyBrush)
            m_brush = state.brush();
        if (flags & DirtyBrushOrigin)
            m_brushOrigin = state.brushOrigin();
        if (flags & DirtyTransform)
            m_transform = state.transform();
        if (flags & DirtyHints)
            m_hints = state.renderHints();
        if (flags & DirtyFont)
            m_font = state.font();
        if (flags & DirtyOpacity)
            m_opacity = state.opacity();
        if (flags & DirtyClipEnabled)
            m_clip = state.isClipEnabled();
        if (flags & (DirtyClipPath | DirtyClipRegion))
            m_clip = state.clipOperation() != Qt::NoClip;
    }

    void drawRects(const QRectF *rects, int count) override
    {
        PaintRecord r = make(PaintRecord::Rects);
        for (int i = 0; i < count; ++i)
            r.rects << rects[i];
        records << r;
    }
    void drawLines(const QLineF *lines, int count) override
    {
        PaintRecord r = make(PaintRecord::Lines);
        for (int i = 0; i < count; ++i)
            r.lines << lines[i];
        records << r;
    }
    void drawEllipse(const QRectF &rect) override
    {
        PaintRecord r = make(PaintRecord::Ellipse);
        r.rect = rect;
        records << r;
    }
    void drawPath(const QPainterPath &path) override
    {
        PaintRecord r = make(PaintRecord::Path);
        r.path = path;
        records << r;
    }
    void drawPoints(const QPointF *points, int count) override
    {
        PaintRecord r = make(PaintRecord::Points);
        for (int i = 0; i < count; ++i)
            r.polygon << points[i];
        records << r;
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        PaintRecord r = make(PaintRecord::Polygon);
        for (int i = 0; i < count; ++i)
            r.polygon << points[i];
        r.polyline = mode == PolylineMode;
        records << r;
    }
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override
    {
        PaintRecord r = make(PaintRecord::Pixmap);
        r.rect = target;
        r.sourceRect = source;
        r.pixmap = pixmap;
        records << r;
    }
    void drawTiledPixmap(const QRectF &target, const QPixmap &pixmap, const QPointF &) override
    {
        PaintRecord r = make(PaintRecord::TiledPixmap);
        r.rect = target;
        r.pixmap = pixmap;
        records << r;
    }
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags) override
    {
        PaintRecord r = make(PaintRecord::Image);
        r.rect = target;
        r.sourceRect = source;
        r.image = image;
        records << r;
    }
    void drawTextItem(const QPointF &p, const QTextItem &textItem) override
    {
        PaintRecord r = make(PaintRecord::Text);
        r.text = textItem.text();
        r.position = p;
        r.font = textItem.font();
        records << r;
    }

    QVector<PaintRecord> records;

private:
    PaintRecord make(PaintRecord::Kind kind) const
    {
        PaintRecord r;
        r.kind = kind;
        r.pen = m_pen;
        r.brush = m_brush;
        r.brushOrigin = m_brushOrigin;
        r.transform = m_transform;
        r.renderHints = m_hints;
        r.font = m_font;
        r.opacity = m_opacity;
        r.clipEnabled = m_clip;
        return r;
    }

    QPen m_pen;
    QBrush m_brush;
    QPointF m_brushOrigin;
    QTransform m_transform;
    QPainter::RenderHints m_hints;
    QFont m_font;
    qreal m_opacity = 1.0;
    bool m_clip = false;
};

QGradientStops PaintRecord::gradientStops() const
{
    const QGradient *gradient = brush.gradient();
    return gradient ? gradient->stops() : QGradientStops();
}

QLineF PaintRecord::gradientLine() const
{
    const QGradient *gradient = brush.gradient();
    if (!gradient || gradient->type() != QGradient::LinearGradient)
        return QLineF();
    const auto *linear = static_cast<const QLinearGradient *>(gradient);
    return QLineF(linear->start(), linear->finalStop());
}

RecordingPaintDevice::RecordingPaintDevice(const QSize &size)
    : m_size(size)
    , m_engine(new Engine)
{
}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine *RecordingPaintDevice::paintEngine() const
{
    return m_engine.data();
}

const QVector<PaintRecord> &RecordingPaintDevice::records() const
{
    return m_engine->records;
}

QVector<PaintRecord> RecordingPaintDevice::records(PaintRecord::Kind kind) const
{
    QVector<PaintRecord> result;
    for (const PaintRecord &r : m_engine->records) {
        if (r.kind == kind)
            result << r;
    }
    return result;
}

QStringList RecordingPaintDevice::texts() const
{
    QStringList result;
    for (const PaintRecord &r : m_engine->records) {
        if (r.kind == PaintRecord::Text)
            result << r.text;
    }
    return result;
}

void RecordingPaintDevice::clear()
{
    m_engine->records.clear();
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int dpiX = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
    const int dpiY = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / dpiX);
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / dpiY);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return dpiX;
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return dpiY;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}
