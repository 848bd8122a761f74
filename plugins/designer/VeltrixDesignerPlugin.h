#ifndef VELTRIXDESIGNERPLUGIN_H
#define VELTRIXDESIGNERPLUGIN_H

#include <QList>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

// The library's widgets for Qt Designer, QUiLoader and QFormBuilder: one
// QDesignerCustomWidgetInterface per exported widget, in the group "Veltrix".
class VeltrixDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit VeltrixDesignerPlugin(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

#endif // VELTRIXDESIGNERPLUGIN_H
