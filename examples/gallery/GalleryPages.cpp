#include "GalleryPages.h"

#include <algorithm>

namespace {
QVector<GalleryPage> &registry()
{
    static QVector<GalleryPage> pages;
    return pages;
}
} // namespace

GalleryPageRegistration::GalleryPageRegistration(const GalleryPage &page)
{
    auto &pages = registry();
    const auto pos = std::upper_bound(pages.begin(), pages.end(), page,
                                      [](const GalleryPage &a, const GalleryPage &b) { return a.order < b.order; });
    pages.insert(pos, page);
}

const QVector<GalleryPage> &galleryPages()
{
    return registry();
}
