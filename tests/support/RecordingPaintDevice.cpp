#include "RecordingPaintDevice.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRegularExpression>
#include <QScreen>
#include <QTextItem>

#include "Dump.h"

namespace {

RecordingPaintDevice *newest = nullptr;

QString points(const QPointF *points, int count)
{
    QStringList text;
    for (int i = 0; i < count; ++i)
        text << Dump::number(points[i].x()) + ',' + Dump::number(points[i].y());
    return text.join(' ');
}

// A solid test picture is known by its colour; the corner pixel tells it.
QString picture(const QImage &image, qreal ratio, const QRectF &target)
{
    return QString("%1x%2@%3 %4 -> %5").arg(image.width()).arg(image.height()).arg(Dump::number(ratio),
        image.isNull() ? "null" : Dump::colour(image.pixelColor(0, 0)), Dump::rect(target));
}

} // namespace

class RecordingPaintDevice::Engine : public QPaintEngine
{
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags flags = state.state();
        m_pen = flags & DirtyPen ? state.pen() : m_pen;
        m_brush = flags & DirtyBrush ? state.brush() : m_brush;
        m_transform = flags & DirtyTransform ? state.transform() : m_transform;
        m_hints = flags & DirtyHints ? state.renderHints() : m_hints;
        m_opacity = flags & DirtyOpacity ? state.opacity() : m_opacity;
        m_clip = flags & DirtyClipEnabled ? state.isClipEnabled() : m_clip;
        m_clip = flags & (DirtyClipPath | DirtyClipRegion) ? state.clipOperation() != Qt::NoClip : m_clip;
    }

    void drawRects(const QRectF *rects, int count) override
    {
        QStringList text;
        for (int i = 0; i < count; ++i)
            text << Dump::rect(rects[i]);
        add("rect " + text.join(" ; "), Fill);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        QStringList text;
        for (int i = 0; i < count; ++i) {
            const QPointF ends[] = { lines[i].p1(), lines[i].p2() };
            text << points(ends, 2);
        }
        add("line " + text.join(" ; "), Stroke);
    }
    void drawEllipse(const QRectF &rect) override { add("ellipse " + Dump::rect(rect), Fill); }
    void drawPath(const QPainterPath &path) override
    {
        QString text = "path";
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPointF p = path.elementAt(i);
            const QString type[] = { " M ", " L ", " C ", " " }; // move, line, curve, and a curve's further points
            text += type[path.elementAt(i).type] + points(&p, 1);
        }
        add(text, Fill);
    }
    void drawPoints(const QPointF *p, int count) override { add("points " + points(p, count), Stroke); }
    void drawPolygon(const QPointF *p, int count, PolygonDrawMode mode) override
    {
        add((mode == PolylineMode ? "polyline " : "polygon ") + points(p, count), mode == PolylineMode ? Stroke : Fill);
    }
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override
    {
        const QString from = source == QRectF(pixmap.rect()) ? "" : " from " + Dump::rect(source);
        add("pixmap " + picture(pixmap.toImage(), pixmap.devicePixelRatio(), target) + from, Picture);
    }
    void drawTiledPixmap(const QRectF &target, const QPixmap &pixmap, const QPointF &) override
    {
        add("tiled " + picture(pixmap.toImage(), pixmap.devicePixelRatio(), target), Picture);
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        add(QString("text \"%1\" %2").arg(item.text(), points(&p, 1)), Text, item.font());
    }

    QStringList lines;

private:
    enum Use { Fill, Stroke, Text, Picture };

    void add(QString line, Use use, const QFont &font = QFont())
    {
        line += use == Picture ? "" : " | pen " + Dump::pen(m_pen);
        line += use == Fill ? " | brush " + Dump::brush(m_brush) : "";
        line += use == Text ? " | font " + Dump::font(font) : "";
        line += " | " + Dump::hints(m_hints);
        const QTransform &t = m_transform;
        if (t.type() == QTransform::TxTranslate)
            line += " | moved " + Dump::number(t.dx()) + ',' + Dump::number(t.dy());
        else if (!t.isIdentity())
            line += QString(" | transform %1 %2 %3 %4 %5 %6").arg(Dump::number(t.m11()), Dump::number(t.m12()),
                        Dump::number(t.m21()), Dump::number(t.m22()), Dump::number(t.dx()), Dump::number(t.dy()));
        line += m_clip ? " | clipped" : "";
        line += m_opacity != 1 ? " | opacity " + Dump::number(m_opacity) : "";
        lines << line;
    }

    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    QPainter::RenderHints m_hints;
    qreal m_opacity = 1.0;
    bool m_clip = false;
};

RecordingPaintDevice::RecordingPaintDevice(const QSize &size)
    : m_size(size)
    , m_engine(new Engine)
    , m_previous(newest)
{
    newest = this;
}

RecordingPaintDevice::~RecordingPaintDevice()
{
    newest = newest == this ? m_previous : newest;
}

QPaintEngine *RecordingPaintDevice::paintEngine() const
{
    return m_engine.data();
}

QStringList RecordingPaintDevice::lines(const QString &kind) const
{
    return kind.isEmpty() ? m_engine->lines : m_engine->lines.filter(QRegularExpression('^' + kind + ' '));
}

void RecordingPaintDevice::clear()
{
    m_engine->lines.clear();
}

void RecordingPaintDevice::note(const QString &line)
{
    if (newest)
        newest->m_engine->lines << line;
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int dpiX = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
    const int dpiY = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return qRound(m_size.width() * 25.4 / dpiX);
    case PdmHeightMM: return qRound(m_size.height() * 25.4 / dpiY);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX: case PdmPhysicalDpiX: return dpiX;
    case PdmDpiY: case PdmPhysicalDpiY: return dpiY;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    default: return 0;
    }
}
