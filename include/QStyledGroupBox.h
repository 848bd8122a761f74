#ifndef QSTYLEDGROUPBOX_H
#define QSTYLEDGROUPBOX_H

#include <QGroupBox>

#include "VeltrixGlobal.h"

// A QGroupBox with a class of its own, so that hosts and style sheets can
// single out the library's group boxes. It adds no behaviour.
class VELTRIX_EXPORT QStyledGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit QStyledGroupBox(QWidget *parent = nullptr);
    QStyledGroupBox(const QString &title, QWidget *parent);
    ~QStyledGroupBox() override;
};

#endif // QSTYLEDGROUPBOX_H
