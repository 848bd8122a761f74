#ifndef WIDGETDESCRIPTIONS_H
#define WIDGETDESCRIPTIONS_H

#include <QSize>
#include <QVector>

class QPainter;
class QWidget;

// What Designer needs to know about one of the library's widgets. The texts
// are untranslated source strings (context "VeltrixDesigner").
struct WidgetDescription
{
    const char *className;
    const char *baseClassName; // written as <extends> into forms
    const char *displayName; // the name in Designer's widget box
    const char *toolTip;
    const char *whatsThis;
    const char *objectName; // default object name of a new instance
    QSize size; // default geometry of a new instance
    bool container;
    // <property> elements of a new instance, and <widget> children (the
    // slide master's page); both may be empty.
    const char *properties;
    const char *children;
    QWidget *(*create)(QWidget *parent);
    // Paints the widget-box icon into a 32 x 32 logical square.
    void (*paintIcon)(QPainter *painter);
};

// Every exported widget of the library, in widget-box order.
const QVector<WidgetDescription> &widgetDescriptions();

#endif // WIDGETDESCRIPTIONS_H
