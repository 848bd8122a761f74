#ifndef GALLERYSTYLES_H
#define GALLERYSTYLES_H

#include <QIcon>
#include <QString>
#include <QStringList>

class QStyle;

// The looks the gallery can show, by their command-line names.
QStringList galleryStyleNames();
QString defaultGalleryStyle();
// A new style for a name of galleryStyleNames(), or null for an unknown name.
QStyle *createGalleryStyle(const QString &name);
// The window icon a library style offers for its look (empty otherwise).
QIcon galleryWindowIcon(const QStyle *style);

#endif // GALLERYSTYLES_H
