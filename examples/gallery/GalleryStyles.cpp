#include "GalleryStyles.h"

#include <QStyle>
#include <QStyleFactory>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>

QStringList galleryStyleNames()
{
    return { QStringLiteral("gradient"), QStringLiteral("flat"), QStringLiteral("common"), QStringLiteral("fusion") };
}

QString defaultGalleryStyle()
{
    return QStringLiteral("gradient");
}

QStyle *createGalleryStyle(const QString &name)
{
    if (name == QLatin1String("gradient"))
        return new GradientStyle();
    if (name == QLatin1String("flat"))
        return new FlatStyle();
    if (name == QLatin1String("common"))
        return new CommonStyle();
    if (name == QLatin1String("fusion"))
        return QStyleFactory::create(QStringLiteral("Fusion"));
    return nullptr;
}

QIcon galleryWindowIcon(const QStyle *style)
{
    if (const auto *gradient = qobject_cast<const GradientStyle *>(style))
        return gradient->windowIcon();
    if (const auto *flat = qobject_cast<const FlatStyle *>(style))
        return flat->windowIcon();
    return QIcon();
}
