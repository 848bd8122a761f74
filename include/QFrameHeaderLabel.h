#ifndef QFRAMEHEADERLABEL_H
#define QFRAMEHEADERLABEL_H

#include <QLabel>

#include "VeltrixGlobal.h"

//! A heading over a section of a page.
//!
//! It is a QLabel with a class of its own; the looks give it its font and
//! colour when they polish it: 20 points, demi-bold, in the look's dark blue
//! (the flat look starts from the application font, the gradient look from
//! the label's own font). Under any other style it is a plain label. A
//! QFrameDescriptionLabel usually follows it.
//!
//! \snippet labels.cpp frame labels
//!
//! \looks{frame-labels}
class VELTRIX_EXPORT QFrameHeaderLabel : public QLabel
{
    Q_OBJECT

public:
    //! Makes an empty heading. The parent, if any, owns it.
    explicit QFrameHeaderLabel(QWidget *parent = nullptr);
    //! Makes a heading showing `text`. The parent has no default here: pass
    //! nullptr for a label without one.
    QFrameHeaderLabel(const QString &text, QWidget *parent);
    //! Destroys the label.
    ~QFrameHeaderLabel() override;
};

#endif // QFRAMEHEADERLABEL_H
