#ifndef GALLERYWINDOW_H
#define GALLERYWINDOW_H

#include <QVector>
#include <QWidget>

class QNavigationButton;
class QNavigationButtonGroup;
class QStyledPushButton;
class QSlideMaster;
class QStackedWidget;
class QStyledHeader;

// The gallery's main window: the styled header with its menu bar on top, the
// page steps on the left and the current page (a slide master) on the right.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget *parent = nullptr);

    int pageCount() const;
    void showPage(int index);
    QString pageId(int index) const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void retranslate();
    void updateStepActions();

    QStyledHeader *m_header;
    QStackedWidget *m_stack;
    QNavigationButtonGroup *m_steps;
    QVector<QNavigationButton *> m_stepButtons;
    QStyledPushButton *m_back;
    QStyledPushButton *m_next;
    QVector<QSlideMaster *> m_slides;
};

#endif // GALLERYWINDOW_H
