#ifndef QPIXMAPBUTTON_H
#define QPIXMAPBUTTON_H

#include <QAbstractButton>
#include <QPixmap>

#include "VeltrixGlobal.h"

class QStyleOptionButton;

// A clickable picture: a text-less button drawn by the style as a flat push
// button with the pixmap as its icon, at the pixmap's own (logical) size. The
// size hints follow the stored pixmap, not the icon, so setIcon() may change
// the face without moving the layout.
//
// A pixmap with a device pixel ratio of 2 takes half its pixel size on screen.
// On a high-DPI screen Qt 5 hands the style the full-resolution pixmap only
// when the application sets Qt::AA_UseHighDpiPixmaps; without it the picture
// is drawn from a 1x copy, at the same size but softer.
class VELTRIX_EXPORT QPixmapButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QPixmap pixmap READ pixmap WRITE setPixmap)

public:
    // Explicit so a QPixmap never turns into a button by accident; the parent
    // defaults to null like every other Qt widget.
    explicit QPixmapButton(const QPixmap &pixmap, QWidget *parent = nullptr);
    explicit QPixmapButton(QWidget *parent = nullptr);
    ~QPixmapButton() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Stores the pixmap and makes it the icon; the icon size is the pixmap's
    // logical size (pixel size / device pixel ratio).
    void setPixmap(const QPixmap &pixmap);
    QPixmap pixmap() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Flat, icon only; never pressed or checked, so the face does not change
    // while the mouse button is held.
    void initStyleOption(QStyleOptionButton *option) const;

private:
    QPixmap m_pixmap;
};

#endif // QPIXMAPBUTTON_H
