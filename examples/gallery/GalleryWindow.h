#ifndef GALLERYWINDOW_H
#define GALLERYWINDOW_H

#include <QList>
#include <QPair>
#include <QSharedPointer>
#include <QVector>
#include <QWidget>

class QAction;
class QInternationalizationHelper;
class QTranslator;

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
    // Switches to the language with this locale code ("de", "fr", "en");
    // false when the gallery has no such translation.
    bool setLanguageCode(const QString &code);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void retranslate();
    void updateStepActions();
    QAction *translatable(QAction *action, const char *source);
    void applyLanguage();

    QStyledHeader *m_header;
    QStackedWidget *m_stack;
    QNavigationButtonGroup *m_steps;
    QVector<QNavigationButton *> m_stepButtons;
    QStyledPushButton *m_back;
    QStyledPushButton *m_next;
    QVector<QSlideMaster *> m_slides;
    // Translation: the helper behind the Language menu, the translators it
    // installed, and the menu texts to retranslate.
    QInternationalizationHelper *m_i18n = nullptr;
    QList<QSharedPointer<QTranslator>> m_translators;
    QVector<QPair<QAction *, const char *>> m_menuTexts;
};

#endif // GALLERYWINDOW_H
