#ifndef QNAVIGATIONBUTTON_H
#define QNAVIGATIONBUTTON_H

#include <QAbstractButton>
#include <QPointer>

#include "VeltrixGlobal.h"

class QStyleOptionButton;

// One step of a step-by-step navigation bar: a checkable button with an id
// and links to the previous and next step. It draws nothing itself; the
// library's styles paint its number badge, connectors and text.
class VELTRIX_EXPORT QNavigationButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(int id READ id WRITE setId)
    Q_PROPERTY(QNavigationButton *predecessor READ predecessor WRITE setPredecessor)
    Q_PROPERTY(QNavigationButton *successor READ successor WRITE setSuccessor)

public:
    // The id constructors default their parent like every other Qt widget,
    // so `new QNavigationButton(0, tr("Start"))` reads naturally.
    QNavigationButton(int id, const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    QNavigationButton(int id, const QString &text, QWidget *parent = nullptr);
    explicit QNavigationButton(int id, QWidget *parent = nullptr);
    explicit QNavigationButton(QWidget *parent = nullptr);
    ~QNavigationButton() override;

    int id() const;
    void setId(int id);

    // Links are plain, non-owning data; a linked button that is deleted reads
    // back as null instead of dangling.
    QNavigationButton *predecessor() const;
    void setPredecessor(QNavigationButton *predecessor);
    QNavigationButton *successor() const;
    void setSuccessor(QNavigationButton *successor);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void initStyleOption(QStyleOptionButton *option) const;

private:
    QPointer<QNavigationButton> m_predecessor;
    QPointer<QNavigationButton> m_successor;
    int m_id;
};

Q_DECLARE_METATYPE(QNavigationButton *)

#endif // QNAVIGATIONBUTTON_H
