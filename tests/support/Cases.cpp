#include "TestSupport.h"

namespace {

template <typename T>
std::shared_ptr<QStyleOption> made()
{
    return std::make_shared<T>();
}

const QMap<QString, std::shared_ptr<QStyleOption> (*)()> Options{ { "QStyleOption", made<QStyleOption> },
    { "QStyleOptionButton", made<QStyleOptionButton> }, { "QStyleOptionMenuItem", made<QStyleOptionMenuItem> },
    { "QStyleOptionFrame", made<QStyleOptionFrame> }, { "QStyleOptionTab", made<QStyleOptionTab> },
    { "QStyleOptionHeader", made<QStyleOptionHeader> }, { "QStyleOptionProgressBar", made<QStyleOptionProgressBar> },
    { "QStyleOptionViewItem", made<QStyleOptionViewItem> }, { "QStyleOptionToolBox", made<QStyleOptionToolBox> },
    { "QStyleOptionDockWidget", made<QStyleOptionDockWidget> }, { "QStyleOptionTabWidgetFrame", made<QStyleOptionTabWidgetFrame> },
    { "QStyleOptionRubberBand", made<QStyleOptionRubberBand> }, { "QStyleOptionFocusRect", made<QStyleOptionFocusRect> },
    { "QStyleOptionComplex", made<QStyleOptionComplex> }, { "QStyleOptionComboBox", made<QStyleOptionComboBox> },
    { "QStyleOptionSlider", made<QStyleOptionSlider> }, { "QStyleOptionSpinBox", made<QStyleOptionSpinBox> },
    { "QStyleOptionToolButton", made<QStyleOptionToolButton> }, { "QStyleOptionTitleBar", made<QStyleOptionTitleBar> },
    { "QStyleOptionGroupBox", made<QStyleOptionGroupBox> }, { "QStyleOptionSizeGrip", made<QStyleOptionSizeGrip> } };

QVariant valueFor(const QMetaProperty &property, const QString &text)
{
    bool number = false;
    const int value = text.toInt(&number);
    if (property.userType() == QMetaType::QSize)
        return sizeOf(text);
    if (property.userType() == QMetaType::QPixmap)
        return filledPixmap(text);
    if (property.userType() == QMetaType::QIcon)
        return colourIcon();
    if (property.isEnumType() && number) // so that a case can give a value outside the enumeration
        return value;
    return text; // converted by the property system: numbers, booleans, enumerations and flags by key
}

// create<W>() for each class W, under the name its meta-object gives.
template <typename... W>
QHash<QString, QWidget *(*)(QWidget *)> byClassName()
{
    return { { W::staticMetaObject.className(), &create<W> }... };
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
    for (const QString &token : tokens) {
        if (token.contains('='))
            settings.append({ token.section('=', 0, 0), token.section('=', 1) });
        else if (token.startsWith('Q'))
            widgetClass = token;
        else if (token == "icon")
            settings.append({ token, token });
        else if (token == tokens.first()) // a line that does not start with a widget or a setting starts with a verb
            verb = token;
        else
            names << token;
    }
}

QString CaseLine::value(const QString &key, const QString &fallback) const
{
    const auto found = std::find_if(settings.begin(), settings.end(), [&key](const auto &s) { return s.first == key; });
    return found == settings.end() ? fallback : found->second;
}

std::shared_ptr<QStyleOption> makeOption(const QString &name, const CaseLine &line, const QWidget *widget)
{
    static const QHash<QString, QString> expected{ { "CE_MenuBarItem", "QStyleOptionMenuItem" },
        { "CE_MenuItem", "QStyleOptionMenuItem" }, { "CT_MenuBarItem", "QStyleOptionMenuItem" }, { "PE_Frame", "QStyleOptionFrame" },
        { "PE_FrameLineEdit", "QStyleOptionFrame" }, { "PE_PanelLineEdit", "QStyleOptionFrame" },
        { "CC_ComboBox", "QStyleOptionComboBox" }, { "CC_ScrollBar", "QStyleOptionComboBox" } };
    const QString optionClass = Options.contains(name) ? name : expected.value(name, "QStyleOptionButton");
    const std::shared_ptr<QStyleOption> o = Options.value(line.value("option", optionClass))();
    if (widget)
        o->initFrom(widget);
    const QStringList r = line.value("rect", "20,10,100,40").split(',');
    o->rect = QRect(r.value(0).toInt(), r.value(1).toInt(), r.value(2).toInt(), r.value(3).toInt());
    o->state = keyValue<QStyle::StateFlag>(line.value("state", "Enabled"), "State_");
    o->direction = line.value("direction") == "RightToLeft" ? Qt::RightToLeft : Qt::LeftToRight;
    for (const auto &setting : line.settings) {
        if (setting.first.startsWith("palette."))
            o->palette.setColor(keyValue<QPalette::ColorRole>(setting.first.mid(8)), QColor(setting.second));
    }
    const QIcon icon = line.value("icon").isEmpty() ? QIcon() : colourIcon();
    if (auto *button = qstyleoption_cast<QStyleOptionButton *>(o.get())) {
        button->text = line.value("text");
        button->icon = icon;
        button->iconSize = QSize(16, 16);
        if (line.value("features") == "HasMenu")
            button->features |= QStyleOptionButton::HasMenu;
    } else if (auto *item = qstyleoption_cast<QStyleOptionMenuItem *>(o.get())) {
        item->text = line.value("text");
        item->icon = icon;
    } else if (auto *combo = qstyleoption_cast<QStyleOptionComboBox *>(o.get())) {
        combo->frame = line.value("frame") != "false";
    }
    return o;
}

QStringList optionClasses()
{
    return Options.keys();
}

QStyle *newStyle(const QString &name)
{
    if (name == "GradientStyle")
        return new GradientStyle;
    if (name == "FlatStyle")
        return new FlatStyle;
    return name == "CommonStyle" ? new CommonStyle : QStyleFactory::create(name);
}

QIcon colourIcon()
{
    QIcon icon(filledPixmap("16x16", Qt::red));
    icon.addPixmap(filledPixmap("16x16", Qt::blue), QIcon::Normal, QIcon::On);
    icon.addPixmap(filledPixmap("16x16", Qt::green), QIcon::Active, QIcon::Off);
    return icon;
}

QPixmap filledPixmap(const QString &text, const QColor &colour)
{
    QPixmap pixmap(sizeOf(text.section('@', 0, 0)));
    pixmap.fill(colour);
    pixmap.setDevicePixelRatio(text.contains('@') ? text.section('@', 1).toDouble() : 1);
    return pixmap;
}

QSize sizeOf(const QString &text)
{
    return QSize(text.section('x', 0, 0).toInt(), text.section('x', 1).toInt());
}

QWidget *makeWidget(const CaseLine &line, QWidget *window)
{
    static const auto widgets = byClassName<QPushButton, QCheckBox, QLabel, QComboBox, QMenu, QMenuBar, QStyledMenuBar,
        QGroupBox, QLineEdit, QStyledGroupBox, QStyledPushButton, QStyledComboBox, QStyledHeader, QSlideMaster,
        QFrameHeaderLabel, QNavigationButton, QFrameDescriptionLabel, QPixmapButton, QElidedLabel, QIpAdressEdit>();
    if (line.widgetClass == "QComboBoxPrivateContainer")
        return (new QComboBox(window))->view()->parentWidget();
    QWidget *w = widgets.contains(line.widgetClass) ? widgets.value(line.widgetClass)(window) : nullptr;
    auto *header = qobject_cast<QStyledHeader *>(w);
    if (auto *bar = header ? header->menuBar() : qobject_cast<QMenuBar *>(w)) {
        bar->addMenu(colourIcon(), "File")->addMenu("Recent")->addAction("Older");
        bar->addMenu("Edit")->setEnabled(false);
    }
    auto *step = qobject_cast<QNavigationButton *>(w);
    auto *combo = qobject_cast<QComboBox *>(w);
    for (const auto &setting : line.settings) {
        const int index = w ? w->metaObject()->indexOfProperty(setting.first.toLatin1()) : -1;
        if (step && setting.first == "predecessor")
            step->setPredecessor(neighbour(setting.second, window));
        else if (step && setting.first == "successor")
            step->setSuccessor(neighbour(setting.second, window));
        else if (combo && setting.first == "items")
            for (int i = 0; i < setting.second.toInt(); ++i)
                combo->addItem("Item");
        else if (qobject_cast<QCheckBox *>(w) && setting.first == "checkState")
            qobject_cast<QCheckBox *>(w)->setCheckState(keyValue<Qt::CheckState>(setting.second));
        else if (w && setting.first == "underMouse")
            w->setAttribute(Qt::WA_UnderMouse);
        else if (index >= 0)
            w->setProperty(setting.first.toLatin1(), valueFor(w->metaObject()->property(index), setting.second));
    }
    return w;
}
