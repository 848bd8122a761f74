#include "RecordingPaintDevice.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainterPath>
#include <QScreen>
#include <QTextItem>

#include "Dump.h"

namespace {

RecordingPaintDevice *newest = nullptr;

QString points(const QPointF *points, int count)
{
    QStringList text;
    for (int i = 0; i < count; ++i)
        text << Dump::number(points[i].x()) + QLatin1Char(',') + Dump::number(points[i].y());
    return text.join(QLatin1Char(' '));
}

QString pixmapText(const QImage &image, qreal ratio)
{
    // A solid test picture is known by its colour; the corner pixel tells it.
    const QString corner = image.isNull() ? QStringLiteral("null") : Dump::colour(image.pixelColor(0, 0));
    return QStringLiteral("%1x%2@%3 %4").arg(image.width()).arg(image.height()).arg(Dump::number(ratio), corner);
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
        if (flags & DirtyPen)
            m_pen = state.pen();
        if (flags & DirtyBrush)
            m_brush = state.brush();
        if (flags & DirtyTransform)
            m_transform = state.transform();
        if (flags & DirtyHints)
            m_hints = state.renderHints();
        if (flags & DirtyOpacity)
            m_opacity = state.opacity();
        if (flags & DirtyClipEnabled)
            m_clip = state.isClipEnabled();
        if (flags & (DirtyClipPath | DirtyClipRegion))
            m_clip = state.clipOperation() != Qt::NoClip;
    }

    void drawRects(const QRectF *rects, int count) override
    {
        QStringList text;
        for (int i = 0; i < count; ++i)
            text << Dump::rect(rects[i]);
        add(QStringLiteral("rect ") + text.join(QStringLiteral(" ; ")), Fill);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        QStringList text;
        for (int i = 0; i < count; ++i) {
            const QPointF ends[] = { lines[i].p1(), lines[i].p2() };
            text << points(ends, 2);
        }
        add(QStringLiteral("line ") + text.join(QStringLiteral(" ; ")), Stroke);
    }
    void drawEllipse(const QRectF &rect) override { add(QStringLiteral("ellipse ") + Dump::rect(rect), Fill); }
    void drawPath(const QPainterPath &path) override
    {
        QStringList text;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            const QPointF p(e.x, e.y);
            const QString at = points(&p, 1);
            if (e.type == QPainterPath::MoveToElement)
                text << QStringLiteral("M ") + at;
            else if (e.type == QPainterPath::LineToElement)
                text << QStringLiteral("L ") + at;
            else if (e.type == QPainterPath::CurveToElement)
                text << QStringLiteral("C ") + at;
            else
                text.last() += QLatin1Char(' ') + at;
        }
        add(QStringLiteral("path ") + text.join(QLatin1Char(' ')), Fill);
    }
    void drawPoints(const QPointF *p, int count) override { add(QStringLiteral("points ") + points(p, count), Stroke); }
    void drawPolygon(const QPointF *p, int count, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode)
            add(QStringLiteral("polyline ") + points(p, count), Stroke);
        else
            add(QStringLiteral("polygon ") + points(p, count), Fill);
    }
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override
    {
        drawPicture(target, pixmap.toImage(), pixmap.devicePixelRatio(), source);
    }
    void drawTiledPixmap(const QRectF &target, const QPixmap &pixmap, const QPointF &) override
    {
        add(QStringLiteral("tiled ") + pixmapText(pixmap.toImage(), pixmap.devicePixelRatio()) + QStringLiteral(" -> ")
                + Dump::rect(target),
            Picture);
    }
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source, Qt::ImageConversionFlags) override
    {
        drawPicture(target, image, image.devicePixelRatio(), source);
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        add(QStringLiteral("text \"%1\" %2").arg(item.text(), points(&p, 1)), Text, item.font());
    }

    QStringList lines;

private:
    enum Use { Fill, Stroke, Text, Picture };

    void drawPicture(const QRectF &target, const QImage &image, qreal ratio, const QRectF &source)
    {
        const QString from = source == QRectF(image.rect()) ? QString() : QStringLiteral(" from ") + Dump::rect(source);
        add(QStringLiteral("pixmap ") + pixmapText(image, ratio) + from + QStringLiteral(" -> ") + Dump::rect(target),
            Picture);
    }

    void add(QString line, Use use, const QFont &font = QFont())
    {
        if (use != Picture)
            line += QStringLiteral(" | pen ") + Dump::pen(m_pen);
        if (use == Fill)
            line += QStringLiteral(" | brush ") + Dump::brush(m_brush);
        if (use == Text)
            line += QStringLiteral(" | font %1pt w%2%3").arg(Dump::number(font.pointSizeF())).arg(font.weight())
                        .arg(font.italic() ? QStringLiteral(" italic") : QString());
        line += QStringLiteral(" | ") + Dump::hints(m_hints);
        if (m_transform.type() == QTransform::TxTranslate)
            line += QStringLiteral(" | moved %1,%2").arg(Dump::number(m_transform.dx()), Dump::number(m_transform.dy()));
        else if (!m_transform.isIdentity())
            line += QStringLiteral(" | transform %1 %2 %3 %4 %5 %6").arg(Dump::number(m_transform.m11()),
                Dump::number(m_transform.m12()), Dump::number(m_transform.m21()), Dump::number(m_transform.m22()),
                Dump::number(m_transform.dx()), Dump::number(m_transform.dy()));
        if (m_clip)
            line += QStringLiteral(" | clipped");
        if (m_opacity != 1)
            line += QStringLiteral(" | opacity ") + Dump::number(m_opacity);
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
    if (newest == this)
        newest = m_previous;
}

QPaintEngine *RecordingPaintDevice::paintEngine() const
{
    return m_engine.data();
}

QStringList RecordingPaintDevice::lines(const QString &kind) const
{
    if (kind.isEmpty())
        return m_engine->lines;
    QStringList result;
    for (const QString &line : qAsConst(m_engine->lines)) {
        if (line.startsWith(kind + QLatin1Char(' ')))
            result << line;
    }
    return result;
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
    default:
        return 0;
    }
}
