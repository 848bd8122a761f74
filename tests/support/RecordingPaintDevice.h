#ifndef VELTRIX_RECORDINGPAINTDEVICE_H
#define VELTRIX_RECORDINGPAINTDEVICE_H

#include <QPaintDevice>
#include <QScopedPointer>
#include <QStringList>

// A QPaintDevice whose engine writes every drawing call as one readable line
// instead of drawing: what is drawn (rectangles, lines, a path's elements, a
// text and its baseline origin, a pixmap's size and corner colour and its
// target), then the painter state that matters for it (pen, brush with
// gradient stops, font, render hints, transform, clip, opacity). Colours
// from the library's colour file are written by their key (see Dump.h),
// numbers rounded to two decimals, so the lines are stable text that
// baselines can hold.
//
// It reports the primary screen's logical DPI, so text measured on it matches
// text measured for widgets. While a device is alive its lines are also the
// place where the probe styles note the calls that reach them (note()).
class RecordingPaintDevice : public QPaintDevice
{
public:
    explicit RecordingPaintDevice(const QSize &size = QSize(400, 300));
    ~RecordingPaintDevice() override;

    QPaintEngine *paintEngine() const override;

    // Every line, in order; or those starting with `kind` ("text", "path", ...).
    QStringList lines(const QString &kind = QString()) const;

    // Appends a line to the newest device, while it is alive.
    static void note(const QString &line);

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    QScopedPointer<Engine> m_engine;
};

#endif // VELTRIX_RECORDINGPAINTDEVICE_H
