#ifndef QFRAMEHEADERLABEL_H
#define QFRAMEHEADERLABEL_H

#include <QLabel>

#include "VeltrixGlobal.h"

// A heading label; the styles give it a large demi-bold font and their
// heading colour when they polish it.
class VELTRIX_EXPORT QFrameHeaderLabel : public QLabel
{
    Q_OBJECT

public:
    explicit QFrameHeaderLabel(QWidget *parent = nullptr);
    QFrameHeaderLabel(const QString &text, QWidget *parent);
    ~QFrameHeaderLabel() override;
};

#endif // QFRAMEHEADERLABEL_H
