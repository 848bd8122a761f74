#ifndef VELTRIX_RECORDINGPAINTDEVICE_H
#define VELTRIX_RECORDINGPAINTDEVICE_H

#include <QBrush>
#include <QFont>
#include <QGradientStops>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPaintDevice>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>
#include <QScopedPointer>
#include <QString>
#include <QTransform>
#include <QVector>

// One drawing call that reached the paint engine, with the painter state in
// force at that moment.
struct PaintRecord
{
    enum Kind { Rects, Lines, Ellipse, Path, Polygon, Points, Text, Pixmap, TiledPixmap, Image };

    Kind kind = Rects;

    // Painter state.
    QPen pen;
    QBrush brush;
    QPointF brushOrigin;
    QTransform transform;
    QPainter::RenderHints renderHints;
    QFont font;
    qreal opacity = 1.0;
    bool clipEnabled = false;

    // Geometry, as handed to the engine (in the painter's logical coordinates;
    // apply `transform` to get device coordinates).
    QVector<QRectF> rects;      // Rects
    QVector<QLineF> lines;      // Lines
    QRectF rect;                // Ellipse; target of Pixmap, TiledPixmap and Image
    QRectF sourceRect;          // Pixmap, Image
    QPainterPath path;          // Path
    QPolygonF polygon;          // Polygon (closed or polyline), Points
    bool polyline = false;      // Polygon drawn as an open polyline
    QString text;               // Text
    QPointF position;           // Text: the baseline origin
    QPixmap pixmap;             // Pixmap, TiledPixmap
    QImage image;               // Image

    QColor penColor() const { return pen.color(); }
    QColor brushColor() const { return brush.color(); }
    // Stops of a gradient brush (empty for other brushes).
    QGradientStops gradientStops() const;
    // The linear gradient's start and final points (null points otherwise).
    QLineF gradientLine() const;
    // The geometry mapped through `transform` into device coordinates.
    QRectF mappedRect() const { return transform.mapRect(rect); }
    QPainterPath mappedPath() const { return transform.map(path); }
    QPointF mappedPosition() const { return transform.map(position); }
};

// A QPaintDevice whose engine records every call instead of drawing. It
// reports the primary screen's logical DPI, so text measured on it matches
// text measured for widgets. Draw on it with QPainter, render a widget onto
// it with QWidget::render, or hand a painter on it to a style.
class RecordingPaintDevice : public QPaintDevice
{
public:
    explicit RecordingPaintDevice(const QSize &size = QSize(400, 300));
    ~RecordingPaintDevice() override;

    QPaintEngine *paintEngine() const override;

    const QVector<PaintRecord> &records() const;
    QVector<PaintRecord> records(PaintRecord::Kind kind) const;
    QStringList texts() const;
    void clear();

    QSize size() const { return m_size; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    QScopedPointer<Engine> m_engine;
};

#endif // VELTRIX_RECORDINGPAINTDEVICE_H
