#include "TestSupport.h"

namespace {

RecordingPaintDevice *newest = nullptr;

} // namespace

class RecordingPaintDevice::Engine : public QPaintEngine
{
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState &) override {} // read from `state` as each call is recorded

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
        for (int i = 0; i < count; ++i)
            text << Dump::points({ lines[i].p1(), lines[i].p2() });
        add("line " + text.join(" ; "), Stroke);
    }
    void drawEllipse(const QRectF &rect) override { add("ellipse " + Dump::rect(rect), Fill); }
    void drawPath(const QPainterPath &path) override
    {
        QString text = "path";
        for (int i = 0; i < path.elementCount(); ++i) {
            const char *type[] = { " M ", " L ", " C ", " " }; // move, line, curve, and a curve's further points
            text += type[path.elementAt(i).type] + Dump::points({ path.elementAt(i) });
        }
        add(text, Fill);
    }
    void drawPolygon(const QPointF *p, int count, PolygonDrawMode mode) override
    {
        const QString text = Dump::points(QVector<QPointF>(p, p + count));
        add((mode == PolylineMode ? "polyline " : "polygon ") + text, mode == PolylineMode ? Stroke : Fill);
    }
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override
    {
        const QString from = source == QRectF(pixmap.rect()) ? "" : " from " + Dump::rect(source);
        add("pixmap " + Dump::pixmap(pixmap) + " -> " + Dump::rect(target) + from, Picture);
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        add(QString("text \"%1\" %2").arg(item.text(), Dump::points({ p })), Text, item.font());
    }

    QStringList lines;

private:
    enum Use { Fill, Stroke, Text, Picture };

    void add(QString line, Use use, const QFont &font = QFont())
    {
        line += use == Picture ? "" : " | pen " + Dump::pen(state->pen());
        line += use == Fill ? " | brush " + Dump::brush(state->brush()) : "";
        line += use == Text ? " | font " + Dump::font(font) : "";
        line += " | " + Dump::hints(state->renderHints());
        const QTransform t = state->transform();
        if (t.type() == QTransform::TxTranslate)
            line += " | moved " + Dump::points({ QPointF(t.dx(), t.dy()) });
        else if (!t.isIdentity())
            line += " | transform " + Dump::points({ QPointF(t.m11(), t.m12()), QPointF(t.m21(), t.m22()), QPointF(t.dx(), t.dy()) });
        line += state->isClipEnabled() && state->clipOperation() != Qt::NoClip ? " | clipped" : "";
        line += state->opacity() != 1 ? " | opacity " + Dump::number(state->opacity()) : "";
        lines << line;
    }
};

RecordingPaintDevice::RecordingPaintDevice(const QSize &size)
    : m_size(size)
    , m_engine(new Engine)
{
    newest = this;
}

RecordingPaintDevice::~RecordingPaintDevice()
{
    newest = newest == this ? nullptr : newest;
}

QPaintEngine *RecordingPaintDevice::paintEngine() const
{
    return m_engine.data();
}

QStringList RecordingPaintDevice::lines() const
{
    return m_engine->lines;
}

void RecordingPaintDevice::note(const QString &line)
{
    if (newest)
        newest->m_engine->lines << line;
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return qRound(m_size.width() * 25.4 / dpi);
    case PdmHeightMM: return qRound(m_size.height() * 25.4 / dpi);
    case PdmDepth: return 32;
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return dpi;
    case PdmNumColors: return INT_MAX;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return 1; // the device pixel ratio
    }
}
