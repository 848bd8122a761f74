#ifndef QSTYLEDMENUBAR_H
#define QSTYLEDMENUBAR_H

#include <QMenuBar>

#include "VeltrixGlobal.h"

// The library's menu bar: the styles give it a fixed height, its own font,
// no mnemonic underlines and their menu-bar item look.
class VELTRIX_EXPORT QStyledMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    explicit QStyledMenuBar(QWidget *parent = nullptr);
    ~QStyledMenuBar() override;
};

#endif // QSTYLEDMENUBAR_H
