#include "Cases.h"

#include <QComboBox>
#include <QMenuBar>
#include <QMetaProperty>
#include <QProcess>
#include <QtWidgets>

#include <QElidedLabel.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QIpAdressEdit.h>
#include <QNavigationButton.h>
#include <QPixmapButton.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

namespace {

template <typename W>
QWidget *create(QWidget *parent)
{
    return new W(parent);
}

QPixmap filled(const QString &text) // "WxH@ratio"
{
    const QStringList parts = text.split(QRegularExpression("[x@]"));
    QPixmap pixmap(parts.value(0).toInt(), parts.value(1).toInt());
    pixmap.fill(Qt::darkBlue);
    pixmap.setDevicePixelRatio(parts.value(2, "1").toDouble());
    return pixmap;
}

QVariant valueFor(const QMetaProperty &property, const QString &text)
{
    const QStringList size = text.split('x');
    switch (property.userType()) {
    case QMetaType::QSize:
        return QSize(size.value(0).toInt(), size.value(1).toInt());
    case QMetaType::QPixmap:
        return filled(text);
    case QMetaType::QIcon:
        return colourIcon();
    default:
        break;
    }
    // An enumeration takes a number too, so that a case can give a value outside it.
    bool number = false;
    const int value = text.toInt(&number);
    if (property.isEnumType() && number)
        return value;
    return text; // converted by the property system: numbers, booleans, enumerations and flags by key
}

QNavigationButton *neighbour(const QString &how, QWidget *window)
{
    auto *step = new QNavigationButton(0, window);
    step->setEnabled(how != "off");
    step->setVisible(how != "hidden");
    return step;
}

} // namespace

CaseLine::CaseLine(const QString &line)
{
    const QStringList tokens = QProcess::splitCommand(line);
    verb = tokens.value(0);
    for (const QString &token : tokens.mid(1)) {
        if (token.contains('='))
            settings.append({ token.section('=', 0, 0), token.section('=', 1) });
        else if (token.startsWith('Q'))
            widgetClass = token;
        else if (token == "icon")
            settings.append({ token, token });
        else
            names << token;
    }
}

QString CaseLine::value(const QString &key, const QString &fallback) const
{
    for (const auto &setting : settings) {
        if (setting.first == key)
            return setting.second;
    }
    return fallback;
}

QIcon colourIcon()
{
    QPixmap off(16, 16), on(16, 16), active(16, 16);
    off.fill(Qt::red);
    on.fill(Qt::blue);
    active.fill(Qt::green);
    QIcon icon(off);
    icon.addPixmap(on, QIcon::Normal, QIcon::On);
    icon.addPixmap(active, QIcon::Active, QIcon::Off);
    return icon;
}

QWidget *makeWidget(const CaseLine &line, QWidget *window)
{
    static const QHash<QString, QWidget *(*)(QWidget *)> widgets{ { "QPushButton", &create<QPushButton> },
        { "QCheckBox", &create<QCheckBox> }, { "QLabel", &create<QLabel> }, { "QComboBox", &create<QComboBox> },
        { "QMenu", &create<QMenu> }, { "QMenuBar", &create<QMenuBar> }, { "QStyledMenuBar", &create<QStyledMenuBar> },
        { "QStyledPushButton", &create<QStyledPushButton> }, { "QStyledComboBox", &create<QStyledComboBox> },
        { "QStyledHeader", &create<QStyledHeader> }, { "QSlideMaster", &create<QSlideMaster> },
        { "QFrameHeaderLabel", &create<QFrameHeaderLabel> }, { "QNavigationButton", &create<QNavigationButton> },
        { "QFrameDescriptionLabel", &create<QFrameDescriptionLabel> }, { "QPixmapButton", &create<QPixmapButton> },
        { "QElidedLabel", &create<QElidedLabel> }, { "QIpAdressEdit", &create<QIpAdressEdit> } };
    if (line.widgetClass == "QComboBoxPrivateContainer")
        return (new QComboBox(window))->view()->parentWidget();
    QWidget *w = widgets.contains(line.widgetClass) ? widgets.value(line.widgetClass)(window) : nullptr;
    auto *header = qobject_cast<QStyledHeader *>(w);
    if (auto *bar = header ? header->menuBar() : qobject_cast<QMenuBar *>(w)) {
        bar->addMenu("File")->addMenu("Recent")->addAction("Older");
        bar->addMenu("Edit");
    }
    auto *step = qobject_cast<QNavigationButton *>(w);
    for (const auto &setting : line.settings) {
        const int index = w ? w->metaObject()->indexOfProperty(setting.first.toLatin1()) : -1;
        if (step && setting.first == "predecessor")
            step->setPredecessor(neighbour(setting.second, window));
        else if (step && setting.first == "successor")
            step->setSuccessor(neighbour(setting.second, window));
        else if (setting.first == "items" && qobject_cast<QComboBox *>(w))
            for (int i = 0; i < setting.second.toInt(); ++i)
                qobject_cast<QComboBox *>(w)->addItem("Item");
        else if (index >= 0)
            w->setProperty(setting.first.toLatin1(), valueFor(w->metaObject()->property(index), setting.second));
    }
    return w;
}
