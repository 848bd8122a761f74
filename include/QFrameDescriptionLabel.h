#ifndef QFRAMEDESCRIPTIONLABEL_H
#define QFRAMEDESCRIPTIONLABEL_H

#include <QLabel>

#include "VeltrixGlobal.h"

//! A description text under a QFrameHeaderLabel.
//!
//! It is a QLabel with a class of its own. The flat look gives it the
//! application font at 12 points when it polishes it; the gradient look and
//! every other style leave it a plain label in the application font. It is
//! not related to QFrameHeaderLabel: a `qobject_cast` from one to the other
//! fails.
//!
//! \snippet labels.cpp frame labels
//!
//! \looks{frame-labels}
class VELTRIX_EXPORT QFrameDescriptionLabel : public QLabel
{
    Q_OBJECT

public:
    //! Makes an empty description. The parent, if any, owns it.
    explicit QFrameDescriptionLabel(QWidget *parent = nullptr);
    //! Makes a description showing `text`. The parent has no default here:
    //! pass nullptr for a label without one.
    QFrameDescriptionLabel(const QString &text, QWidget *parent);
    //! Destroys the label.
    ~QFrameDescriptionLabel() override;
};

#endif // QFRAMEDESCRIPTIONLABEL_H
