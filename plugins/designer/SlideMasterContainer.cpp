#include "SlideMasterContainer.h"

#include <QChildEvent>
#include <QTimer>
#include <QVariant>
#include <QSlideMaster.h>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

namespace {

// Marks the empty widget a new slide starts with: it is not a page of the
// form, so Designer must not see it (nor let widgets be dropped into it).
const char placeholderProperty[] = "_veltrix_placeholder";

class PageAdopter : public QObject
{
public:
    explicit PageAdopter(QSlideMaster *slide)
        : QObject(slide)
    {
        slide->installEventFilter(this);
        // A loader builds the whole form before control returns to the event
        // loop; widgets the application adds later are not pages.
        QTimer::singleShot(0, this, [this, slide] {
            slide->removeEventFilter(this);
            deleteLater();
        });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ChildAdded)
            return false;
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (!child->isWidgetType())
            return false;
        auto *page = static_cast<QWidget *>(child);
        auto *slide = static_cast<QSlideMaster *>(watched);
        if (page->isWindow() || page == slide->centralWidget())
            return false;
        // The page is still being constructed (QWidget sends ChildAdded from
        // its own constructor): setCentralWidget() only lays it out, which
        // needs nothing of the page's own class.
        slide->removeEventFilter(this);
        slide->setCentralWidget(page);
        deleteLater();
        return false;
    }
};

} // namespace

SlideMasterContainerExtension::SlideMasterContainerExtension(QSlideMaster *slide, QObject *parent)
    : QObject(parent)
    , m_slide(slide)
{
}

QWidget *SlideMasterContainerExtension::page() const
{
    if (!m_slide)
        return nullptr;
    QWidget *central = m_slide->centralWidget();
    if (!central || central->property(placeholderProperty).toBool())
        return nullptr;
    return central;
}

int SlideMasterContainerExtension::count() const
{
    return page() ? 1 : 0;
}

QWidget *SlideMasterContainerExtension::widget(int index) const
{
    return index == 0 ? page() : nullptr;
}

int SlideMasterContainerExtension::currentIndex() const
{
    return page() ? 0 : -1;
}

void SlideMasterContainerExtension::setCurrentIndex(int)
{
    // A single page is always the current one.
}

void SlideMasterContainerExtension::addWidget(QWidget *widget)
{
    // Designer adds the page once, when it builds the slide from its
    // description or from a form; it replaces the placeholder.
    if (m_slide && widget)
        m_slide->setCentralWidget(widget);
}

void SlideMasterContainerExtension::insertWidget(int, QWidget *widget)
{
    addWidget(widget);
}

void SlideMasterContainerExtension::remove(int)
{
    // Not offered (canRemove() is false): the slide deletes a central widget
    // it gives up, while Designer keeps removed pages for undo.
}

bool SlideMasterContainerExtension::canAddWidget() const
{
    return false;
}

bool SlideMasterContainerExtension::canRemove(int) const
{
    return false;
}

SlideMasterContainerFactory::SlideMasterContainerFactory(QExtensionManager *parent)
    : QExtensionFactory(parent)
{
}

QObject *SlideMasterContainerFactory::createExtension(QObject *object, const QString &iid, QObject *parent) const
{
    if (iid != QLatin1String(Q_TYPEID(QDesignerContainerExtension)))
        return nullptr;
    if (auto *slide = qobject_cast<QSlideMaster *>(object))
        return new SlideMasterContainerExtension(slide, parent);
    return nullptr;
}

void registerSlideMasterContainer(QDesignerFormEditorInterface *core)
{
    QExtensionManager *manager = core->extensionManager();
    if (!manager)
        return;
    manager->registerExtensions(new SlideMasterContainerFactory(manager), Q_TYPEID(QDesignerContainerExtension));
}

QSlideMaster *createSlideMaster(QWidget *parent)
{
    auto *slide = new QSlideMaster(parent);
    if (QWidget *placeholder = slide->centralWidget())
        placeholder->setProperty(placeholderProperty, true);
    return slide;
}

void adoptLoadedPage(QSlideMaster *slide)
{
    new PageAdopter(slide);
}
