#ifndef QPIXMAPBUTTON_H
#define QPIXMAPBUTTON_H

#include <QAbstractButton>
#include <QPixmap>

#include "VeltrixGlobal.h"

class QStyleOptionButton;

//! A clickable picture: a button without text whose face is a pixmap.
//!
//! The style draws it as a flat push button with the pixmap as its icon, at
//! the pixmap's own logical size (pixel size divided by its device pixel
//! ratio), and the size hints follow that size. The face does not change
//! while the button is held down or checked. setIcon() may change the face
//! without moving the layout, since the size hints follow the stored pixmap,
//! not the icon.
//!
//! \snippet navigation.cpp pixmap button
//!
//! A pixmap with a device pixel ratio of 2 takes half its pixel size on
//! screen. On a high-DPI screen Qt 5 hands the style the full-resolution
//! pixmap only when the application sets Qt::AA_UseHighDpiPixmaps before the
//! QApplication is made; without it the picture is drawn from a 1x copy, at
//! the same size but softer. Qt 6 always hands over the full resolution.
//!
//! \looks{pixmapbutton}
class VELTRIX_EXPORT QPixmapButton : public QAbstractButton
{
    Q_OBJECT
    //! The picture; a null pixmap for a button made without one.
    Q_PROPERTY(QPixmap pixmap READ pixmap WRITE setPixmap)

public:
    //! Makes a button showing `pixmap` (a copy is kept). Explicit, so a
    //! QPixmap never turns into a button by accident. The parent, if any,
    //! owns the button.
    explicit QPixmapButton(const QPixmap &pixmap, QWidget *parent = nullptr);
    //! Makes a button without a picture; it shows an empty flat button until
    //! setPixmap() is called.
    explicit QPixmapButton(QWidget *parent = nullptr);
    //! Destroys the button.
    ~QPixmapButton() override;

    //! The same as minimumSizeHint(): the button keeps to its picture.
    QSize sizeHint() const override;
    //! The size the style gives a push button around the pixmap's logical
    //! size plus 4 pixels of width; for a null pixmap, around 4 × 0 pixels.
    QSize minimumSizeHint() const override;

public slots:
    //! Stores `pixmap`, makes it the icon and its logical size the icon size.
    //! A null pixmap leaves an empty button.
    void setPixmap(const QPixmap &pixmap);
    //! A copy of the stored pixmap.
    QPixmap pixmap() const;

protected:
    //! Asks the style to draw the button as a push button
    //! (QStyle::CE_PushButton) with the option from initStyleOption().
    void paintEvent(QPaintEvent *event) override;
    //! Fills `option` from the button: a flat button with the icon and icon
    //! size, no text, and neither pressed nor checked state, so the face does
    //! not change while the mouse button is held. A null option is ignored.
    void initStyleOption(QStyleOptionButton *option) const;

private:
    QPixmap m_pixmap;
};

#endif // QPIXMAPBUTTON_H
