#include "Dump.h"

#include <QAction>
#include <QHash>
#include <QBoxLayout>
#include <QLabel>
#include <QMetaProperty>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPen>
#include <QSettings>
#include <QStyleOption>

namespace {

const QStringList Groups{ QStringLiteral("GradientStyleColor"), QStringLiteral("FlatStyleColor") };
QString preferred = Groups.first();

// Colour value -> key, per group, read once from the library's file.
const QHash<QString, QHash<QRgb, QString>> &keysByGroup()
{
    static const QHash<QString, QHash<QRgb, QString>> keys = [] {
        QHash<QString, QHash<QRgb, QString>> result;
        QSettings file(QStringLiteral(":/StyleHelper/StyleHelper.ini"), QSettings::IniFormat);
        for (const QString &group : Groups) {
            file.beginGroup(group);
            // childKeys() comes sorted: where two keys share a value, the first of
            // them names it (GC_DARKGRAY_2 before the file's legacy GC_DARK_GRAY).
            for (const QString &key : file.childKeys()) {
                const QRgb value = QColor(file.value(key).toString()).rgba();
                if (!result[group].contains(value))
                    result[group].insert(value, key);
            }
            file.endGroup();
        }
        return result;
    }();
    return keys;
}

QString point(const QPointF &p)
{
    return Dump::number(p.x()) + QLatin1Char(',') + Dump::number(p.y());
}

// Option classes as QStyleOption::OptionType numbers them.
QString optionType(int type)
{
    static const QHash<int, QString> names{ { QStyleOption::SO_Default, QStringLiteral("SO_Default") },
        { QStyleOption::SO_Button, QStringLiteral("SO_Button") },
        { QStyleOption::SO_MenuItem, QStringLiteral("SO_MenuItem") },
        { QStyleOption::SO_Frame, QStringLiteral("SO_Frame") },
        { QStyleOption::SO_Complex, QStringLiteral("SO_Complex") },
        { QStyleOption::SO_ComboBox, QStringLiteral("SO_ComboBox") } };
    return names.value(type, QStringLiteral("SO_%1").arg(type));
}

// A role's brush: one name when it is the same solid colour in every group.
QString role(const QPalette &palette, QPalette::ColorRole role)
{
    QStringList groups;
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        groups << Dump::brush(palette.brush(group, role));
    return groups.count(groups.first()) == 3 ? groups.first() : groups.join(QLatin1Char('/'));
}

} // namespace

void Dump::preferGroup(const QString &group)
{
    preferred = group;
}

QString Dump::colour(const QColor &colour)
{
    if (!colour.isValid())
        return QStringLiteral("invalid");
    const QString other = Groups.at(1 - Groups.indexOf(preferred));
    for (const QString &group : { preferred, other }) {
        const QString key = keysByGroup().value(group).value(colour.rgba());
        if (!key.isEmpty())
            return key;
    }
    return colour.name(colour.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb).toUpper();
}

QColor Dump::colourOf(const QString &key)
{
    for (const auto &keys : keysByGroup()) {
        for (auto it = keys.begin(); it != keys.end(); ++it) {
            if (it.value() == key)
                return QColor::fromRgba(it.key());
        }
    }
    return QColor();
}

QString Dump::number(qreal value)
{
    const qreal rounded = qRound64(value * 100) / 100.0;
    return QString::number(rounded == 0 ? 0 : rounded);
}

QString Dump::rect(const QRectF &r)
{
    return point(r.topLeft()) + QLatin1Char(' ') + number(r.width()) + QLatin1Char('x') + number(r.height());
}

QString Dump::brush(const QBrush &b)
{
    if (b.style() == Qt::NoBrush)
        return QStringLiteral("none");
    if (const QGradient *gradient = b.gradient()) {
        QStringList stops;
        for (const QGradientStop &stop : gradient->stops())
            stops << colour(stop.second) + QLatin1Char('@') + number(stop.first);
        QString geometry;
        if (gradient->type() == QGradient::LinearGradient) {
            const auto *linear = static_cast<const QLinearGradient *>(gradient);
            geometry = point(linear->start()) + QLatin1Char(' ') + point(linear->finalStop()) + QLatin1Char(' ');
        }
        return QStringLiteral("gradient(%1%2)").arg(geometry, stops.join(QLatin1Char(' ')));
    }
    if (b.style() == Qt::TexturePattern)
        return QStringLiteral("texture %1x%2").arg(b.texture().width()).arg(b.texture().height());
    const QString pattern = b.style() == Qt::SolidPattern ? QString() : QLatin1Char(' ') + name(b.style());
    return colour(b.color()) + pattern;
}

QString Dump::pen(const QPen &p)
{
    if (p.style() == Qt::NoPen)
        return QStringLiteral("none");
    const QString style = p.style() == Qt::SolidLine ? QString() : QLatin1Char(' ') + name(p.style());
    return brush(p.brush()) + QLatin1Char(' ') + number(p.widthF()) + style;
}

QString Dump::hints(QPainter::RenderHints hints)
{
    QStringList names;
    if (hints & QPainter::Antialiasing)
        names << QStringLiteral("aa");
    if (hints & QPainter::TextAntialiasing)
        names << QStringLiteral("text");
    if (hints & QPainter::SmoothPixmapTransform)
        names << QStringLiteral("smooth");
    return names.isEmpty() ? QStringLiteral("-") : names.join(QLatin1Char('+'));
}

QString Dump::state(QStyle::State state)
{
    QStringList flags;
    const QMetaEnum meta = QMetaEnum::fromType<QStyle::StateFlag>();
    for (int i = 0; i < meta.keyCount(); ++i) {
        if (meta.value(i) && (int(state) & meta.value(i)))
            flags << QString::fromLatin1(meta.key(i)).mid(6); // without "State_"
    }
    return flags.isEmpty() ? QStringLiteral("None") : flags.join(QLatin1Char('|'));
}

QString Dump::subControl(QStyle::ComplexControl control, QStyle::SubControl subControl)
{
    const QMetaEnum meta = QMetaEnum::fromType<QStyle::SubControl>();
    const QString prefix = QStringLiteral("SC_") + name(control).mid(3);
    for (int i = 0; i < meta.keyCount(); ++i) {
        if (meta.value(i) == int(subControl) && QLatin1String(meta.key(i)).startsWith(prefix))
            return QLatin1String(meta.key(i));
    }
    return name(subControl);
}

QString Dump::option(const QStyleOption *o)
{
    if (!o)
        return QStringLiteral("no option");
    QString text = QStringLiteral("%1 v%2 %3 %4").arg(optionType(o->type)).arg(o->version).arg(rect(o->rect), state(o->state));
    if (o->direction == Qt::RightToLeft)
        text += QStringLiteral(" rtl");
    if (const auto *complex = qstyleoption_cast<const QStyleOptionComplex *>(o))
        text += QStringLiteral(" sub 0x%1").arg(uint(complex->subControls), 0, 16);
    // Roles the caller changed on its copy of the application palette.
    const QPalette application;
    QStringList roles;
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto colorRole = QPalette::ColorRole(r);
        if (role(o->palette, colorRole) != role(application, colorRole))
            roles << name(colorRole) + QLatin1Char('=') + role(o->palette, colorRole);
    }
    if (!roles.isEmpty())
        text += QStringLiteral(" palette{%1}").arg(roles.join(QLatin1Char(' ')));
    return text;
}

QString Dump::widget(const QWidget *w)
{
    return w ? QString::fromLatin1(w->metaObject()->className()) : QStringLiteral("no widget");
}

QString Dump::value(const QObject *object, const char *property)
{
    const QMetaProperty meta = object->metaObject()->property(object->metaObject()->indexOfProperty(property));
    const QVariant v = meta.read(object);
    if (meta.isEnumType()) {
        const QMetaEnum e = meta.enumerator();
        return QString::fromLatin1(e.isFlag() ? e.valueToKeys(v.toInt()) : QByteArray(e.valueToKey(v.toInt())));
    }
    if (v.canConvert<QObject *>() && !v.canConvert<QString>()) {
        const QObject *o = v.value<QObject *>();
        return o ? QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(' ') + o->objectName()
                 : QStringLiteral("null");
    }
    if (v.userType() == QMetaType::QString)
        return QLatin1Char('"') + v.toString() + QLatin1Char('"');
    if (v.userType() == QMetaType::QSize)
        return QStringLiteral("%1x%2").arg(v.toSize().width()).arg(v.toSize().height());
    if (v.userType() == QMetaType::QPixmap) {
        const QPixmap p = v.value<QPixmap>();
        return p.isNull() ? QStringLiteral("none")
                          : QStringLiteral("%1x%2@%3").arg(p.width()).arg(p.height()).arg(p.devicePixelRatio());
    }
    if (v.userType() == QMetaType::QIcon)
        return v.value<QIcon>().isNull() ? QStringLiteral("none") : QStringLiteral("set");
    if (v.userType() == QMetaType::QSizePolicy) {
        const auto policy = v.value<QSizePolicy>();
        return name(policy.horizontalPolicy()) + QLatin1Char('/') + name(policy.verticalPolicy());
    }
    return v.toString();
}

namespace {

void treeOf(QStringList &lines, const QString &indent, const QLayoutItem *item, const QList<QByteArray> &properties);

void widgetLine(QStringList &lines, const QString &indent, const QWidget *w, const QList<QByteArray> &properties)
{
    QString line = indent + Dump::widget(w);
    if (!w->objectName().isEmpty())
        line += QStringLiteral(" \"%1\"").arg(w->objectName());
    for (const QByteArray &property : properties) {
        const QString value = w->metaObject()->indexOfProperty(property) >= 0 ? Dump::value(w, property) : QString();
        if (!value.isEmpty() && value != QLatin1String("\"\""))
            line += QLatin1Char(' ') + QString::fromLatin1(property) + QLatin1Char('=') + value;
    }
    lines << line;
    if (w->layout())
        treeOf(lines, indent + QStringLiteral("  "), w->layout(), properties);
}

void treeOf(QStringList &lines, const QString &indent, const QLayoutItem *item, const QList<QByteArray> &properties)
{
    if (const QWidget *w = const_cast<QLayoutItem *>(item)->widget()) {
        widgetLine(lines, indent, w, properties);
    } else if (const QSpacerItem *spacer = const_cast<QLayoutItem *>(item)->spacerItem()) {
        lines << indent + QStringLiteral("spacer %1x%2 grows 0x%3").arg(spacer->sizeHint().width())
                              .arg(spacer->sizeHint().height()).arg(int(spacer->expandingDirections()), 0, 16);
    } else if (QLayout *layout = const_cast<QLayoutItem *>(item)->layout()) {
        const QMargins m = layout->contentsMargins();
        QString line = indent + QString::fromLatin1(layout->metaObject()->className());
        if (!layout->objectName().isEmpty())
            line += QStringLiteral(" \"%1\"").arg(layout->objectName());
        line += QStringLiteral(" margins %1,%2,%3,%4 spacing %5").arg(m.left()).arg(m.top()).arg(m.right())
                    .arg(m.bottom()).arg(layout->spacing());
        if (const auto *box = qobject_cast<const QBoxLayout *>(layout))
            line += QStringLiteral(" direction %1").arg(int(box->direction()));
        lines << line;
        for (int i = 0; i < layout->count(); ++i) {
            const int first = lines.size();
            treeOf(lines, indent + QStringLiteral("  "), layout->itemAt(i), properties);
            const auto *box = qobject_cast<const QBoxLayout *>(layout);
            if (box && box->stretch(i))
                lines[first] += QStringLiteral(" stretch %1").arg(box->stretch(i));
        }
    }
}

} // namespace

QStringList Dump::tree(const QWidget *widget, const QList<QByteArray> &properties)
{
    QStringList lines;
    widgetLine(lines, QString(), widget, properties);
    return lines;
}

QStringList Dump::widgetState(const QWidget *top)
{
    QStringList entries;
    // The widget and the descendants a look may address: labels, menus and
    // named children; Qt's own internals (scroll bars, "qt_" helpers) stay out.
    QList<const QWidget *> widgets{ top };
    for (const QWidget *child : top->findChildren<QWidget *>()) {
        const bool named = !child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_"));
        if (named || qobject_cast<const QLabel *>(child) || qobject_cast<const QMenuBar *>(child)
            || child->inherits("QMenu"))
            widgets << child;
    }
    for (const QWidget *w : qAsConst(widgets)) {
        const QString path = w == top ? widget(w)
            : (w->objectName().isEmpty() ? widget(w) : w->objectName()) + QLatin1Char('#')
                + QString::number(widgets.indexOf(w));
        const auto add = [&](const char *property, const QString &value) {
            entries << path + QLatin1Char(' ') + QLatin1String(property) + QLatin1Char('\t') + value;
        };
        add("font", QStringLiteral("%1pt w%2%3").arg(w->font().pointSize()).arg(w->font().weight())
                        .arg(w->font().italic() ? QStringLiteral(" italic") : QString()));
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            add(qPrintable(name(QPalette::ColorRole(r))), role(w->palette(), QPalette::ColorRole(r)));
        add("hover", QString::number(w->testAttribute(Qt::WA_Hover)));
        add("height", QStringLiteral("%1..%2").arg(w->minimumHeight()).arg(w->maximumHeight()));
        if (const auto *label = qobject_cast<const QLabel *>(w)) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
            const QPixmap pixmap = label->pixmap();
#else
            const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
#endif
            add("pixmap", pixmap.isNull() ? QStringLiteral("none")
                                          : QStringLiteral("%1x%2").arg(pixmap.width()).arg(pixmap.height()));
        }
        if (const auto *bar = qobject_cast<const QMenuBar *>(w))
            add("native", QString::number(bar->isNativeMenuBar()));
        for (const QAction *action : w->actions())
            add(qPrintable(QStringLiteral("action '%1' visible").arg(action->text())), QString::number(action->isVisible()));
    }
    return entries;
}

QStringList Dump::changes(const QStringList &before, const QStringList &after)
{
    QHash<QString, QString> old;
    for (const QString &entry : before)
        old.insert(entry.section(QLatin1Char('\t'), 0, 0), entry.section(QLatin1Char('\t'), 1));
    QStringList result;
    for (const QString &entry : after) {
        const QString key = entry.section(QLatin1Char('\t'), 0, 0), value = entry.section(QLatin1Char('\t'), 1);
        if (!old.contains(key))
            result << key + QStringLiteral(": new ") + value;
        else if (old.value(key) != value)
            result << key + QStringLiteral(": ") + old.value(key) + QStringLiteral(" -> ") + value;
    }
    return result;
}
