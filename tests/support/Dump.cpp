#include "TestSupport.h"

namespace {

QString preferred = "GradientStyleColor";

// The key of `colour` in the preferred group of the colour file (see Dump::preferGroup()), or its hex code.
QString colour(const QColor &colour)
{
    static QMap<QString, QHash<QRgb, QString>> keys; // group -> value -> the first key naming it
    if (keys.isEmpty()) {
        QSettings file(":/StyleHelper/StyleHelper.ini", QSettings::IniFormat);
        QStringList all = file.allKeys(); // "group/key"; sorted, GC_DARKGRAY_2 comes before the file's legacy GC_DARK_GRAY
        all.sort();
        for (const QString &key : qAsConst(all)) {
            QHash<QRgb, QString> &group = keys[key.section('/', 0, 0)];
            const QRgb rgba = QColor(file.value(key).toString()).rgba();
            group.insert(rgba, group.value(rgba, key.section('/', 1)));
        }
    }
    const QString hex = colour.name(colour.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb).toUpper();
    return keys[preferred].value(colour.rgba(), hex);
}

// A role's brush: one name when it is the same in every colour group.
QString role(const QPalette &palette, int role)
{
    QStringList groups;
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        groups << Dump::brush(palette.brush(group, QPalette::ColorRole(role)));
    return groups.count(groups.first()) == 3 ? groups.first() : groups.join('/');
}

// A property as text, as Dump::tree() shows it; null where the object has no such property.
QString value(const QObject *object, const char *property)
{
    const QMetaProperty meta = object->metaObject()->property(object->metaObject()->indexOfProperty(property));
    const QVariant v = meta.read(object);
    const QSizePolicy policy = v.value<QSizePolicy>();
    switch (v.userType()) {
    case QMetaType::UnknownType:
        return QString();
    case QMetaType::QString:
        return '"' + v.toString() + '"';
    case QMetaType::QSize:
        return Dump::size(v.toSize());
    case QMetaType::QPixmap:
        return Dump::pixmap(v.value<QPixmap>());
    case QMetaType::QIcon:
        return v.value<QIcon>().isNull() ? "none" : "set";
    case QMetaType::QSizePolicy:
        return Dump::name(policy.horizontalPolicy()) + '/' + Dump::name(policy.verticalPolicy());
    }
    if (meta.isEnumType())
        return meta.isFlagType() ? meta.enumerator().valueToKeys(v.toInt()) : QByteArray(meta.enumerator().valueToKey(v.toInt()));
    if (!v.canConvert<QObject *>())
        return v.toString();
    const QObject *o = v.value<QObject *>();
    return o ? QString("%1 %2").arg(o->metaObject()->className(), o->objectName()).trimmed() : "null";
}

void treeOf(QStringList &lines, const QString &indent, QLayoutItem *item, const QList<QByteArray> &properties)
{
    if (QWidget *w = item->widget()) {
        QString line = indent + Dump::widget(w) + (w->objectName().isEmpty() ? "" : " \"" + w->objectName() + '"');
        for (const QByteArray &property : properties) {
            const QString text = value(w, property);
            if (!text.isEmpty() && text != "\"\"")
                line += ' ' + property + '=' + text;
        }
        lines << line;
        if (w->layout())
            treeOf(lines, indent + "  ", w->layout(), properties);
    } else if (QSpacerItem *spacer = item->spacerItem()) {
        lines << indent + QString("spacer %1 grows 0x%2").arg(Dump::size(spacer->sizeHint())).arg(int(spacer->expandingDirections()), 0, 16);
    } else if (QLayout *layout = item->layout()) {
        const QMargins m = layout->contentsMargins();
        const auto *box = qobject_cast<QBoxLayout *>(layout);
        lines << indent + QString("%1 %2margins %3,%4,%5,%6 spacing %7 direction %8").arg(layout->metaObject()->className(),
                     layout->objectName().isEmpty() ? "" : '"' + layout->objectName() + "\" ").arg(m.left()).arg(m.top())
                     .arg(m.right()).arg(m.bottom()).arg(layout->spacing()).arg(box ? int(box->direction()) : -1);
        for (int i = 0; i < layout->count(); ++i) {
            const int first = lines.size();
            treeOf(lines, indent + "  ", layout->itemAt(i), properties);
            if (box && box->stretch(i))
                lines[first] += QString(" stretch %1").arg(box->stretch(i));
        }
    }
}

} // namespace

void Dump::preferGroup(const QString &group)
{
    preferred = group;
}

QString Dump::number(qreal value)
{
    const qreal rounded = qRound64(value * 100) / 100.0;
    return QString::number(rounded == 0 ? 0 : rounded); // never "-0"
}

QString Dump::points(const QVector<QPointF> &points)
{
    QStringList text;
    for (const QPointF &p : points)
        text << number(p.x()) + ',' + number(p.y());
    return text.join(' ');
}

QString Dump::size(const QSizeF &s)
{
    return number(s.width()) + 'x' + number(s.height());
}

QString Dump::rect(const QRectF &r)
{
    return points({ r.topLeft() }) + ' ' + size(r.size());
}

QString Dump::brush(const QBrush &b)
{
    if (const QGradient *gradient = b.gradient()) {
        QStringList stops;
        for (const QGradientStop &stop : gradient->stops())
            stops << colour(stop.second) + '@' + number(stop.first);
        const auto *linear = gradient->type() == QGradient::LinearGradient ? static_cast<const QLinearGradient *>(gradient) : nullptr;
        return QString("gradient(%1%2)").arg(linear ? points({ linear->start(), linear->finalStop() }) + ' ' : "", stops.join(' '));
    }
    if (b.style() == Qt::NoBrush)
        return "none";
    return colour(b.color()) + (b.style() == Qt::SolidPattern ? "" : ' ' + name(b.style()));
}

QString Dump::pen(const QPen &p)
{
    if (p.style() == Qt::NoPen)
        return "none";
    return brush(p.brush()) + ' ' + number(p.widthF()) + (p.style() == Qt::SolidLine ? "" : ' ' + name(p.style()));
}

QString Dump::pixmap(const QPixmap &p)
{
    if (p.isNull())
        return "none";
    return QString("%1x%2@%3 %4").arg(p.width()).arg(p.height()).arg(number(p.devicePixelRatio()), colour(p.toImage().pixelColor(0, 0)));
}

QString Dump::font(const QFont &f)
{
    // By the weight's name, which Qt 5 (Normal 50) and Qt 6 (Normal 400) share.
    return QString("%1pt %2%3").arg(number(f.pointSizeF()), name(QFont::Weight(f.weight())), f.italic() ? " italic" : "");
}

QString Dump::hints(QPainter::RenderHints hints)
{
    QStringList names{ hints & QPainter::Antialiasing ? "aa" : "", hints & QPainter::TextAntialiasing ? "text" : "",
                       hints & QPainter::SmoothPixmapTransform ? "smooth" : "" };
    names.removeAll("");
    return names.isEmpty() ? "-" : names.join('+');
}

QString Dump::subControl(QStyle::ComplexControl control, QStyle::SubControl subControl)
{
    const QMetaEnum meta = QMetaEnum::fromType<QStyle::SubControl>();
    for (int i = 0; i < meta.keyCount(); ++i) {
        if (meta.value(i) == int(subControl) && QString(meta.key(i)).startsWith("SC_" + name(control).mid(3)))
            return meta.key(i);
    }
    return name(subControl);
}

QString Dump::option(const QStyleOption *o)
{
    if (!o)
        return "no option";
    static const QHash<int, QString> types{ { QStyleOption::SO_Default, "SO_Default" }, { QStyleOption::SO_Button, "SO_Button" },
        { QStyleOption::SO_MenuItem, "SO_MenuItem" }, { QStyleOption::SO_Frame, "SO_Frame" },
        { QStyleOption::SO_Complex, "SO_Complex" }, { QStyleOption::SO_ComboBox, "SO_ComboBox" } };
    // The class without its version: Qt 6 counts versions anew.
    const QString state = QString(QMetaEnum::fromType<QStyle::StateFlag>().valueToKeys(int(o->state))).remove("State_");
    QString text = QString("%1 %2 %3").arg(types.value(o->type, QString("SO_%1").arg(o->type)), rect(o->rect), state)
        + (o->direction == Qt::RightToLeft ? " rtl" : "");
    if (const auto *complex = qstyleoption_cast<const QStyleOptionComplex *>(o))
        text += QString(" sub 0x%1").arg(uint(complex->subControls), 0, 16);
    // What a button or menu item shows: its text, its icon's picture at the icon size, a button's features.
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(o);
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(o);
    if (button || item) {
        const QString label = button ? button->text : item->text;
        const QPixmap icon = button ? button->icon.pixmap(button->iconSize) : item->icon.pixmap(16, 16);
        text += (label.isEmpty() ? "" : " text \"" + label + '"') + (icon.isNull() ? "" : " icon " + pixmap(icon));
    }
    if (button && button->features)
        text += QString(" features 0x%1").arg(int(button->features), 0, 16);
    QStringList roles; // those the caller changed on its copy of the application palette
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        if (role(o->palette, r) != role(QPalette(), r))
            roles << name(QPalette::ColorRole(r)) + '=' + role(o->palette, r);
    }
    return text + (roles.isEmpty() ? "" : " palette{" + roles.join(' ') + '}');
}

QString Dump::widget(const QWidget *w)
{
    return w ? w->metaObject()->className() : "no widget";
}

QStringList Dump::tree(const QWidget *widget, const QList<QByteArray> &properties)
{
    QStringList lines;
    QWidgetItem item(const_cast<QWidget *>(widget));
    treeOf(lines, QString(), &item, properties);
    return lines;
}

QStringList Dump::widgetState(const QWidget *top)
{
    // The widget and the descendants a look may address: labels, menus and named children; Qt's own
    // internals (scroll bars, "qt_" helpers) stay out.
    QList<const QWidget *> widgets{ top };
    for (const QWidget *child : top->findChildren<QWidget *>()) {
        bool internal = false;
        for (const QWidget *w = child; w != top; w = w->parentWidget())
            internal = internal || w->objectName().startsWith("qt_");
        const bool named = !child->objectName().isEmpty();
        if (!internal && (named || qobject_cast<const QLabel *>(child) || qobject_cast<const QMenuBar *>(child) || child->inherits("QMenu")))
            widgets << child;
    }
    QStringList entries;
    for (const QWidget *w : qAsConst(widgets)) {
        const QString path = w == top ? widget(w)
            : (w->objectName().isEmpty() ? widget(w) : w->objectName()) + '#' + QString::number(widgets.indexOf(w));
        const auto add = [&](const QString &property, const QString &value) { entries << path + ' ' + property + '\t' + value; };
        add("font", font(w->font()));
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            add(name(QPalette::ColorRole(r)), role(w->palette(), r));
        add("hover", QString::number(w->testAttribute(Qt::WA_Hover)));
        add("height", QString("%1..%2").arg(w->minimumHeight()).arg(w->maximumHeight()));
        if (const QString pixmap = value(w, "pixmap"); !pixmap.isNull())
            add("pixmap", pixmap);
        for (const QAction *action : w->actions())
            add("action '" + action->text() + "' visible", QString::number(action->isVisible()));
    }
    return entries;
}

QStringList Dump::changes(const QStringList &before, const QStringList &after)
{
    QHash<QString, QString> old;
    for (const QString &entry : before)
        old.insert(entry.section('\t', 0, 0), entry.section('\t', 1));
    QStringList result;
    for (const QString &entry : after) {
        const QString key = entry.section('\t', 0, 0), value = entry.section('\t', 1);
        if (old.contains(key) && old.value(key) != value) // widgets Qt makes on the way (a menu bar's extension) are no change
            result << key + ": " + old.value(key) + " -> " + value;
    }
    return result;
}
