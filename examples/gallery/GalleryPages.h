#ifndef GALLERYPAGES_H
#define GALLERYPAGES_H

#include <QVector>

class QWidget;

// A page of the gallery. Each page lives in its own file under pages/ and
// registers itself with GALLERY_PAGE, so pages can be added independently.
struct GalleryPage
{
    const char *id;        // used in screenshot file names
    int order;             // pages are shown in ascending order
    const char *title;     // marked with QT_TRANSLATE_NOOP("Gallery", ...)
    const char *subTitle;  // likewise
    QWidget *(*create)();  // builds the page's content (parented later)
};

const QVector<GalleryPage> &galleryPages();

struct GalleryPageRegistration
{
    explicit GalleryPageRegistration(const GalleryPage &page);
};

#define GALLERY_PAGE_CONCAT2(a, b) a##b
#define GALLERY_PAGE_CONCAT(a, b) GALLERY_PAGE_CONCAT2(a, b)
#define GALLERY_PAGE(...)                                                                                  \
    static const GalleryPageRegistration GALLERY_PAGE_CONCAT(galleryPageRegistration, __LINE__)(GalleryPage{ \
        __VA_ARGS__ })

#endif // GALLERYPAGES_H
