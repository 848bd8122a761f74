#ifndef VELTRIXWIDGETINTERFACE_H
#define VELTRIXWIDGETINTERFACE_H

#include <QIcon>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include "WidgetDescriptions.h"

class QDesignerFormEditorInterface;

// One of the library's widgets as Designer, QUiLoader and QFormBuilder see
// it, described by a WidgetDescription.
class VeltrixWidgetInterface : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    VeltrixWidgetInterface(const WidgetDescription &description, QObject *parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QString domXml() const override;

    QWidget *createWidget(QWidget *parent) override;

    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;

private:
    const WidgetDescription &m_description;
    bool m_initialized = false;
    mutable QIcon m_icon;
};

#endif // VELTRIXWIDGETINTERFACE_H
