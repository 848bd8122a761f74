#include "VeltrixDesignerPlugin.h"

#include "VeltrixWidgetInterface.h"
#include "WidgetDescriptions.h"

VeltrixDesignerPlugin::VeltrixDesignerPlugin(QObject *parent)
    : QObject(parent)
{
    // The interfaces are children of the plugin instance and live as long as it.
    for (const WidgetDescription &description : widgetDescriptions())
        m_widgets.append(new VeltrixWidgetInterface(description, this));
}

QList<QDesignerCustomWidgetInterface *> VeltrixDesignerPlugin::customWidgets() const
{
    return m_widgets;
}
