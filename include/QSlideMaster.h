#ifndef QSLIDEMASTER_H
#define QSLIDEMASTER_H

#include <QFrame>

#include "VeltrixGlobal.h"

class QLabel;

// A page template: a title line, a word-wrapped subtitle and one exchangeable
// central widget that takes the remaining height. The slide owns its central
// widget: setting a new one deletes the previous one.
class VELTRIX_EXPORT QSlideMaster : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QString subTitle READ subTitle WRITE setSubTitle)

public:
    explicit QSlideMaster(QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~QSlideMaster() override;

    QString title() const;
    void setTitle(const QString &title);

    QString subTitle() const;
    void setSubTitle(const QString &subTitle);

    QWidget *centralWidget() const;
    void setCentralWidget(QWidget *widget);

private:
    Q_DISABLE_COPY(QSlideMaster)
    // The gradient look styles the two labels when it polishes a slide.
    friend class GradientStyle;

    QLabel *m_titleLabel;
    QLabel *m_subTitleLabel;
    QWidget *m_centralWidget;
};

#endif // QSLIDEMASTER_H
