#ifndef QFRAMEDESCRIPTIONLABEL_H
#define QFRAMEDESCRIPTIONLABEL_H

#include <QLabel>

#include "VeltrixGlobal.h"

// A description text under a QFrameHeaderLabel; the flat style enlarges its
// font, the gradient style leaves it a plain label.
class VELTRIX_EXPORT QFrameDescriptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit QFrameDescriptionLabel(QWidget *parent = nullptr);
    QFrameDescriptionLabel(const QString &text, QWidget *parent);
    ~QFrameDescriptionLabel() override;
};

#endif // QFRAMEDESCRIPTIONLABEL_H
