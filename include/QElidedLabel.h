#ifndef QELIDEDLABEL_H
#define QELIDEDLABEL_H

#include <QLabel>

#include "VeltrixGlobal.h"

// A plain-text label that wraps its text over as many lines as its height
// holds and cuts the last visible line with an ellipsis when text is left
// over. Whether it had to cut is known after each paint: isElided() and
// elisionChanged() report it. Text, font, palette, margin and frame are the
// QLabel ones.
class VELTRIX_EXPORT QElidedLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(bool isElided READ isElided)

public:
    // The text constructor takes QLabel's defaults, so it reads like QLabel.
    explicit QElidedLabel(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    explicit QElidedLabel(QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~QElidedLabel() override;

    // The outcome of the most recent paint; false before the first one.
    bool isElided() const;

signals:
    void elisionChanged(bool elided);

protected:
    QSize minimumSizeHint() const override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_elided;
};

#endif // QELIDEDLABEL_H
