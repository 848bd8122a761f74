#ifndef QSTYLEDGROUPBOX_H
#define QSTYLEDGROUPBOX_H

#include <QGroupBox>

#include "VeltrixGlobal.h"

//! A QGroupBox with a class of its own.
//!
//! It adds no behaviour and no look: under every style it paints and lays
//! out exactly as a QGroupBox. Its class name lets a host, a style sheet or a
//! style of its own single out the group boxes that belong to the library's
//! look, for instance with `QStyledGroupBox { ... }` in a style sheet.
//!
//! \snippet labels.cpp group box
//!
//! \looks{groupbox}
class VELTRIX_EXPORT QStyledGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    //! Makes a group box without a title. The parent, if any, owns it.
    explicit QStyledGroupBox(QWidget *parent = nullptr);
    //! Makes a group box with `title`. The parent has no default here: pass
    //! nullptr for a group box without one.
    QStyledGroupBox(const QString &title, QWidget *parent);
    //! Destroys the group box and its children.
    ~QStyledGroupBox() override;
};

#endif // QSTYLEDGROUPBOX_H
