#ifndef VELTRIX_CASES_H
#define VELTRIX_CASES_H

#include <QIcon>
#include <QMetaEnum>
#include <QPair>
#include <QStringList>
#include <QVector>

class QWidget;

// A case line of a baseline file: a verb, the names it works on (style
// elements, metrics, ...), a widget class and key=value settings, in Qt's own
// names, e.g.
//   draw PE_PanelButtonCommand QStyledPushButton buttonType=GRADIENT_BLUE state=Enabled|MouseOver text=Apply
// The files say what each verb does.
struct CaseLine
{
    explicit CaseLine(const QString &line);

    QString value(const QString &key, const QString &fallback = QString()) const;

    QString verb;
    QStringList names;
    QString widgetClass;
    QVector<QPair<QString, QString>> settings; // in the order written
};

// The case's widget, a child of `window` (null without a class), with the
// settings that are its properties written in order: enumerations and flags
// by key, sizes as WxH, pixmaps as WxH@ratio (filled), "icon" for
// colourIcon(); a navigation step's predecessor/successor=on|off|hidden
// makes that neighbour; items=N fills a combo box. Menu bars and headers come
// with a File menu (with Recent, with Older) and an Edit menu.
QWidget *makeWidget(const CaseLine &line, QWidget *window);

// Red when off, blue when on, green in the active (focused) mode: shows which picture is drawn.
QIcon colourIcon();

// "Enabled|Sunken" with prefix "State_" -> the flags' value.
template <typename Enum>
int keyValue(const QString &keys, const QString &prefix = QString())
{
    QStringList prefixed;
    for (const QString &key : keys.split('|'))
        prefixed << prefix + key;
    return QMetaEnum::fromType<Enum>().keysToValue(prefixed.join('|').toLatin1());
}

#endif // VELTRIX_CASES_H
