#ifndef GALLERYPAGES_H
#define GALLERYPAGES_H

#include <QMetaEnum>
#include <QStringList>
#include <QVector>

class QString;
class QStyledPushButton;
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

// An enumeration of QStyledPushButton, reached through its property as a host
// or Designer would reach it ("buttonType", "buttonDesign").
QMetaEnum buttonEnum(const char *property);

// A styled push button of a type and design (StyleHelper's values).
QStyledPushButton *styledButton(const QString &text, int type, int design, QWidget *parent);

// Checkable styled buttons of one type placed edge to edge in a row, the
// first one checked, so that the look can join them into one control.
QWidget *buttonRow(const QStringList &texts, const QVector<int> &designs, int type, QWidget *parent);

#define GALLERY_PAGE_CONCAT2(a, b) a##b
#define GALLERY_PAGE_CONCAT(a, b) GALLERY_PAGE_CONCAT2(a, b)
#define GALLERY_PAGE(...)                                                                                  \
    static const GalleryPageRegistration GALLERY_PAGE_CONCAT(galleryPageRegistration, __LINE__)(GalleryPage{ \
        __VA_ARGS__ })

#endif // GALLERYPAGES_H
