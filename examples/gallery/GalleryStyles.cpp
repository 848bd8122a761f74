#include "GalleryStyles.h"

#include <QStyle>
#include <QStyleFactory>

#include <CommonStyle.h>

QStringList galleryStyleNames()
{
    return { QStringLiteral("common"), QStringLiteral("fusion") };
}

QString defaultGalleryStyle()
{
    return QStringLiteral("common");
}

QStyle *createGalleryStyle(const QString &name)
{
    if (name == QLatin1String("common"))
        return new CommonStyle();
    if (name == QLatin1String("fusion"))
        return QStyleFactory::create(QStringLiteral("Fusion"));
    return nullptr;
}

QIcon galleryWindowIcon(const QStyle *)
{
    return QIcon();
}
