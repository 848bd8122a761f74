#include "VeltrixWidgetInterface.h"

#include <QCoreApplication>
#include <QSlideMaster.h>
#include <QXmlStreamWriter>
#include <QtDesigner/QDesignerFormEditorInterface>

#include "SlideMasterContainer.h"
#include "WidgetIcons.h"

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("VeltrixDesigner", text);
}

} // namespace

VeltrixWidgetInterface::VeltrixWidgetInterface(const WidgetDescription &description, QObject *parent)
    : QObject(parent)
    , m_description(description)
{
}

QString VeltrixWidgetInterface::name() const
{
    return QLatin1String(m_description.className);
}

QString VeltrixWidgetInterface::group() const
{
    return QStringLiteral("Veltrix");
}

QString VeltrixWidgetInterface::toolTip() const
{
    return translated(m_description.toolTip);
}

QString VeltrixWidgetInterface::whatsThis() const
{
    return translated(m_description.whatsThis);
}

QString VeltrixWidgetInterface::includeFile() const
{
    return name() + QLatin1String(".h");
}

QIcon VeltrixWidgetInterface::icon() const
{
    // Painted on first use: a QPixmap needs the GUI application to exist.
    if (m_icon.isNull())
        m_icon = widgetIcon(m_description.paintIcon);
    return m_icon;
}

bool VeltrixWidgetInterface::isContainer() const
{
    return m_description.container;
}

QString VeltrixWidgetInterface::domXml() const
{
    // <ui><widget .../><customwidgets/></ui>: the new instance's defaults,
    // and how forms name the class (base class, header, container flag).
    QString xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartElement(QStringLiteral("ui"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("c++"));
    writer.writeAttribute(QStringLiteral("displayname"), translated(m_description.displayName));

    writer.writeStartElement(QStringLiteral("widget"));
    writer.writeAttribute(QStringLiteral("class"), name());
    writer.writeAttribute(QStringLiteral("name"), QLatin1String(m_description.objectName));
    writer.writeStartElement(QStringLiteral("property"));
    writer.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    writer.writeStartElement(QStringLiteral("rect"));
    writer.writeTextElement(QStringLiteral("x"), QStringLiteral("0"));
    writer.writeTextElement(QStringLiteral("y"), QStringLiteral("0"));
    writer.writeTextElement(QStringLiteral("width"), QString::number(m_description.size.width()));
    writer.writeTextElement(QStringLiteral("height"), QString::number(m_description.size.height()));
    writer.writeEndElement(); // rect
    writer.writeEndElement(); // property
    // The fixed XML fragments of the description go in as they are.
    xml += QLatin1String(m_description.properties);
    xml += QLatin1String(m_description.children);
    writer.writeEndElement(); // widget

    writer.writeStartElement(QStringLiteral("customwidgets"));
    writer.writeStartElement(QStringLiteral("customwidget"));
    writer.writeTextElement(QStringLiteral("class"), name());
    writer.writeTextElement(QStringLiteral("extends"), QLatin1String(m_description.baseClassName));
    writer.writeTextElement(QStringLiteral("header"), includeFile());
    if (m_description.container)
        writer.writeTextElement(QStringLiteral("container"), QStringLiteral("1"));
    writer.writeEndElement(); // customwidget
    writer.writeEndElement(); // customwidgets
    writer.writeEndElement(); // ui
    return xml;
}

QWidget *VeltrixWidgetInterface::createWidget(QWidget *parent)
{
    QWidget *widget = m_description.create(parent);
    // A form loader (QUiLoader, QFormBuilder) has no way to hand the page to
    // the slide; inside Designer the container extension does the same.
    if (auto *slide = qobject_cast<QSlideMaster *>(widget))
        adoptLoadedPage(slide);
    return widget;
}

bool VeltrixWidgetInterface::isInitialized() const
{
    return m_initialized;
}

void VeltrixWidgetInterface::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized)
        return;
    m_initialized = true;
    if (core && QLatin1String(m_description.className) == QLatin1String("QSlideMaster"))
        registerSlideMasterContainer(core);
}
