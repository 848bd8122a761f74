#ifndef SLIDEMASTERCONTAINER_H
#define SLIDEMASTERCONTAINER_H

#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QExtensionFactory>

class QDesignerFormEditorInterface;
class QSlideMaster;

// A slide master holds one page, its central widget, under the title and
// subtitle lines. Designer edits that page in place: widgets are dropped and
// laid out inside it, and forms store it as the slide's only child widget.
// The page cannot be removed, and no second page can be added.
class SlideMasterContainerExtension : public QObject, public QDesignerContainerExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerContainerExtension)

public:
    SlideMasterContainerExtension(QSlideMaster *slide, QObject *parent);

    int count() const override;
    QWidget *widget(int index) const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    void addWidget(QWidget *widget) override;
    void insertWidget(int index, QWidget *widget) override;
    void remove(int index) override;
    bool canAddWidget() const override;
    bool canRemove(int index) const override;

private:
    QWidget *page() const;

    QPointer<QSlideMaster> m_slide;
};

class SlideMasterContainerFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit SlideMasterContainerFactory(QExtensionManager *parent);

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;
};

// A new slide whose placeholder central widget is marked as such.
QSlideMaster *createSlideMaster(QWidget *parent);

// Registers the container extension with Designer's extension manager.
void registerSlideMasterContainer(QDesignerFormEditorInterface *core);

// Outside Designer, a form loader creates the page as a plain child widget
// of the slide and knows no way to hand it to setCentralWidget(): the first
// child widget the slide receives after this call, before control returns to
// the event loop, becomes its central widget.
void adoptLoadedPage(QSlideMaster *slide);

#endif // SLIDEMASTERCONTAINER_H
