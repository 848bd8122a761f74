#include "ColorTables.h"

#include <QMap>
#include <QSettings>

namespace {

struct ColorKey
{
    int id;
    const char *key;
    const char *fallback;
};

// Keys in the order they are read. The library's file also supplies
// GC_DARKGRAY_2 (#404245, the value of its legacy GC_DARK_GRAY line, which is
// not read): the tick of a check box and the dark-gray and black buttons are
// drawn with it, and the default #808080 would make black buttons look washed
// out and leave the tick barely darker than the box outline.
constexpr ColorKey GradientKeys[] = {
    { GC_DARKGRAY_1, "GC_DARKGRAY_1", "#808080" },
    { GC_MIDGRAY_1, "GC_MIDGRAY_1", "#A0A0A4" },
    { GC_MIDGRAY_2, "GC_MIDGRAY_2", "#A0A0A4" },
    { GC_LIGHTGRAY, "GC_LIGHTGRAY", "#C0C0C0" },
    { GC_DARKBLUE, "GC_DARKBLUE", "#000080" },
    { GC_MIDBLUE_1, "GC_MIDBLUE_1", "#000080" },
    { GC_MIDBLUE_2, "GC_MIDBLUE_2", "#0000FF" },
    { GC_LIGHTBLUE, "GC_LIGHTBLUE", "#0000FF" },
    { GC_BLUE_HOVER, "GC_BLUE_HOVER", "#0000FF" },
    { GC_DARKGRAY_2, "GC_DARKGRAY_2", "#808080" },
    { GC_WHITE, "GC_WHITE", "#FFFFFF" },
    { GC_BLACK, "GC_BLACK", "#000000" },
    { GC_ANTHRACITE, "GC_ANTHRACITE", "#C0C0C0" },
    { GC_RED, "GC_RED", "#FF0000" },
};

constexpr ColorKey FlatKeys[] = {
    { FC_DARK_GRAY, "FC_DARK_GRAY", "#808080" },
    { FC_GRAY, "FC_GRAY", "#A0A0A4" },
    { FC_LIGHT_GRAY, "FC_LIGHT_GRAY", "#C0C0C0" },
    { FC_DARK_BLUE, "FC_DARK_BLUE", "#000080" },
    { FC_BLUE, "FC_BLUE", "#000080" },
    { FC_LIGHT_BLUE, "FC_LIGHT_BLUE", "#0000FF" },
    { FC_WHITE, "FC_WHITE", "#FFFFFF" },
    { FC_BLACK, "FC_BLACK", "#000000" },
};

// Process-wide: every style instance reads the same tables, filled once.
QMap<int, QColor> gradientColorTable;
QMap<int, QColor> flatColorTable;
int colorFileReads = 0;

template <std::size_t N>
void loadGroup(QMap<int, QColor> &table, const char *group, const ColorKey (&keys)[N])
{
    if (!table.isEmpty())
        return;
    ++colorFileReads;
    QSettings settings(QStringLiteral(":/StyleHelper/StyleHelper.ini"), QSettings::IniFormat);
    settings.beginGroup(QLatin1String(group));
    for (const ColorKey &entry : keys) {
        const QString name = settings.value(QLatin1String(entry.key), QVariant(QLatin1String(entry.fallback)))
                                 .toString();
        QColor color;
        color.setNamedColor(name);
        table.insert(entry.id, color);
    }
    settings.endGroup();
}

QColor lookup(const QMap<int, QColor> &table, int id)
{
    const auto it = table.constFind(id);
    return it != table.constEnd() ? it.value() : QColor(QStringLiteral("#808080"));
}

} // namespace

void loadGradientColors()
{
    loadGroup(gradientColorTable, "GradientStyleColor", GradientKeys);
}

void loadFlatColors()
{
    loadGroup(flatColorTable, "FlatStyleColor", FlatKeys);
}

QColor gradientColor(GradientColor id)
{
    loadGradientColors();
    return lookup(gradientColorTable, id);
}

QColor flatColor(FlatColor id)
{
    loadFlatColors();
    return lookup(flatColorTable, id);
}

int Veltrix::Internal::colorFileReadCount()
{
    return colorFileReads;
}
