#include "VeltrixStylePlugin.h"

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>

namespace {

template <typename Style>
QStyle *makeStyle()
{
    return new Style;
}

struct StyleKey
{
    const char *key;
    QStyle *(*create)();
};

// Must list the same keys as veltrixstyles.json.
const StyleKey styleKeys[] = {
    {"VeltrixGradient", &makeStyle<GradientStyle>},
    {"VeltrixFlat", &makeStyle<FlatStyle>},
    {"VeltrixCommon", &makeStyle<CommonStyle>},
};

} // namespace

VeltrixStylePlugin::VeltrixStylePlugin(QObject *parent)
    : QStylePlugin(parent)
{
}

QStyle *VeltrixStylePlugin::create(const QString &key)
{
    for (const StyleKey &entry : styleKeys) {
        if (key.compare(QLatin1String(entry.key), Qt::CaseInsensitive) == 0)
            return entry.create();
    }
    return nullptr;
}
