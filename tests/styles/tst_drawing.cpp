// What the three styles draw, measure, answer and polish, case by case, as
// text compared with the reviewed baselines in baselines/<look>.txt. Each
// look runs under observation (ProbeStyles.h): its own drawing is recorded
// call by call, and what it hands to the style on top (proxy()) or to its
// base is noted in between, with the option it passes.
#include <QtTest>
#include <QtWidgets>

#include <CommonStyle.h>
#include <FlatStyle.h>
#include <GradientStyle.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QNavigationButton.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include <functional>

#include "Baseline.h"
#include "Dump.h"
#include "ProbeStyles.h"
#include "RecordingPaintDevice.h"

namespace {

using S = QStyle;
using Flags = CommonStyle::StyleOptions;
const Flags DefaultFlags(19);

// A fresh device and painter for one case, with the painter as a widget's
// paint event might leave it, but with a dashed pen, a patterned brush and a
// 9-point font, so that what a look copies from the painter shows.
struct Scene
{
    QStyle *look;
    RecordingPaintDevice device;
    QPainter painter{ &device };

    explicit Scene(QStyle *style)
        : look(style)
    {
        painter.setPen(QPen(QColor(0x12, 0x34, 0x56), 3, Qt::DashLine));
        painter.setBrush(QBrush(QColor(0x65, 0x43, 0x21), Qt::Dense4Pattern));
        painter.setFont(QFont(QApplication::font().family(), 9));
    }

    void say(const QString &line) { RecordingPaintDevice::note(line); }
    void draw(S::PrimitiveElement e, const QStyleOption &o, const QWidget *w = nullptr)
    {
        say(Dump::name(e) + QStringLiteral(": ") + Dump::option(&o));
        look->drawPrimitive(e, &o, &painter, w);
    }
    void draw(S::ControlElement e, const QStyleOption &o, const QWidget *w = nullptr)
    {
        say(Dump::name(e) + QStringLiteral(": ") + Dump::option(&o));
        look->drawControl(e, &o, &painter, w);
    }
    void draw(S::ComplexControl c, const QStyleOptionComplex &o, const QWidget *w = nullptr)
    {
        say(Dump::name(c) + QStringLiteral(": ") + Dump::option(&o));
        look->drawComplexControl(c, &o, &painter, w);
    }
    // What the look leaves on the painter: its hints, and anything else it changed.
    QStringList end()
    {
        QStringList left{ QStringLiteral("hints ") + Dump::hints(painter.renderHints()) };
        if (painter.pen() != QPen(QColor(0x12, 0x34, 0x56), 3, Qt::DashLine))
            left << QStringLiteral("pen ") + Dump::pen(painter.pen());
        if (painter.brush() != QBrush(QColor(0x65, 0x43, 0x21), Qt::Dense4Pattern))
            left << QStringLiteral("brush ") + Dump::brush(painter.brush());
        if (painter.font().pointSize() != 9 || painter.font().weight() != QFont::Normal)
            left << QStringLiteral("font %1pt w%2").arg(painter.font().pointSize()).arg(painter.font().weight());
        if (!painter.transform().isIdentity())
            left << QStringLiteral("transform moved");
        return device.lines() << QStringLiteral("end: ") + left.join(QStringLiteral(", "));
    }
};

struct Case
{
    QString name;
    std::function<void(Scene &, CommonStyle &)> run;
};

// A button option from `w` (if any) with the given state and text, in a
// 100x40 rectangle at (20, 10).
QStyleOptionButton buttonOption(const QWidget *w, S::State state, const QString &text = QString(),
                                const QIcon &icon = QIcon())
{
    QStyleOptionButton option;
    if (w)
        option.initFrom(w);
    option.rect = QRect(20, 10, 100, 40);
    option.state = state;
    option.text = text;
    option.icon = icon;
    option.iconSize = QSize(16, 16);
    return option;
}

QStyleOptionMenuItem menuItemOption(const QWidget *w, S::State state, const QIcon &icon = QIcon())
{
    QStyleOptionMenuItem option;
    if (w)
        option.initFrom(w);
    option.rect = QRect(50, 0, 80, 30);
    option.state = state;
    option.text = QStringLiteral("&File");
    option.icon = icon;
    option.palette.setColor(QPalette::ButtonText, QColor(0x11, 0x22, 0x33));
    return option;
}

// Red when off, blue when on, green in the active (focused) mode: shows which picture is drawn.
QIcon twoColourIcon()
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

// The name of a button type or design, read through the button's own property.
QString enumName(const char *property, int value)
{
    const QMetaObject &meta = QStyledPushButton::staticMetaObject;
    const char *key = meta.property(meta.indexOfProperty(property)).enumerator().valueToKey(value);
    return key ? QString::fromLatin1(key) : QString::number(value);
}

const QVector<QPair<QString, int>> ButtonStates{
    { QStringLiteral("normal"), S::State_Enabled | S::State_Raised },
    { QStringLiteral("hover"), S::State_Enabled | S::State_Raised | S::State_MouseOver },
    { QStringLiteral("pressed"), S::State_Enabled | S::State_Sunken },
    { QStringLiteral("checked"), S::State_Enabled | S::State_On },
    { QStringLiteral("pressed hover"), S::State_Enabled | S::State_Sunken | S::State_MouseOver },
    { QStringLiteral("disabled hover pressed"), S::State_MouseOver | S::State_Sunken },
};

// A styled push button or combo box of a type and design, drawn as a widget
// draws itself: its panel, then its label.
void styledButton(Scene &s, bool combo, int type, int design, int state, const QString &text = QStringLiteral("Apply"))
{
    QStyledPushButton button;
    QStyledComboBox box;
    button.setButtonType(StyleHelper::ButtonType(type));
    button.setButtonDesign(StyleHelper::ButtonDesign(design));
    box.setButtonType(StyleHelper::ButtonType(type));
    box.setButtonDesign(StyleHelper::ButtonDesign(design));
    const QWidget *w = combo ? static_cast<QWidget *>(&box) : &button;
    const QStyleOptionButton option = buttonOption(w, S::State(state), text);
    s.draw(S::PE_PanelButtonCommand, option, w);
    s.draw(S::CE_PushButtonLabel, option, w);
}

void addButtonCases(QVector<Case> &cases)
{
    for (int type = 0; type <= 6; ++type) {
        const int value = type == 6 ? 42 : type; // and one outside the enumeration
        for (const auto &state : ButtonStates)
            cases << Case{ QStringLiteral("button %1 %2").arg(enumName("buttonType", value), state.first),
                           [=](Scene &s, CommonStyle &) { styledButton(s, false, value, 0, state.second); } };
    }
    for (int design : { 1, 2, 3, 4, 42 })
        cases << Case{ QStringLiteral("button design %1").arg(enumName("buttonDesign", design)),
                       [=](Scene &s, CommonStyle &) { styledButton(s, false, 0, design, ButtonStates[0].second); } };
    for (int design : { 0, 4 })
        cases << Case{ QStringLiteral("button design %1 without outline").arg(enumName("buttonDesign", design)),
                       [=](Scene &s, CommonStyle &c) {
                           c.setStyleOptions(DefaultFlags & ~CommonStyle::CS_BUTTON_OUTLINE);
                           styledButton(s, false, 0, design, ButtonStates[0].second);
                       } };
    cases << Case{ QStringLiteral("combo GRADIENT_BLUE hover"),
                   [](Scene &s, CommonStyle &) { styledButton(s, true, 5, 0, ButtonStates[1].second); } };
    cases << Case{ QStringLiteral("combo GRADIENT_MEDIUMGRAY design TOP_ALL"),
                   [](Scene &s, CommonStyle &) { styledButton(s, true, 2, 4, ButtonStates[0].second); } };
    cases << Case{ QStringLiteral("QPushButton hover"), [](Scene &s, CommonStyle &) {
                      QPushButton button;
                      const QStyleOptionButton option = buttonOption(&button, S::State(ButtonStates[1].second), "Ok");
                      s.draw(S::PE_PanelButtonCommand, option, &button);
                      s.draw(S::CE_PushButtonLabel, option, &button);
                  } };
    cases << Case{ QStringLiteral("button without widget, disabled"), [](Scene &s, CommonStyle &) {
                      const QStyleOptionButton option = buttonOption(nullptr, S::State_Raised, "Ok");
                      s.draw(S::PE_PanelButtonCommand, option);
                      s.draw(S::CE_PushButtonLabel, option);
                  } };
    cases << Case{ QStringLiteral("button GRADIENT_BLUE with a plain option"), [](Scene &s, CommonStyle &) {
                      QStyledPushButton button;
                      button.setButtonType(StyleHelper::GRADIENT_BLUE);
                      const QStyleOption option(buttonOption(&button, S::State(ButtonStates[2].second), "Ok"));
                      s.draw(S::PE_PanelButtonCommand, option, &button);
                      s.draw(S::CE_PushButtonLabel, option, &button);
                  } };
}

// Icon and text of push-button labels: centred together, or the icon at the
// margin (BO_ICON_LEFT_ALIGNED), mirrored, shifted when down, with a menu.
void addLabelCases(QVector<Case> &cases)
{
    struct Label
    {
        const char *name;
        bool leftAligned;
        bool rtl;
        int state;
        const char *text;
        bool menu;
    };
    const int normal = S::State_Enabled | S::State_Raised;
    const Label labels[] = {
        { "centred", false, false, normal, "Save file", false },
        { "left aligned", true, false, normal, "Save file", false },
        { "icon only", false, false, normal, "", false },
        { "centred rtl", false, true, normal, "Save file", false },
        { "left aligned rtl", true, true, normal, "Save file", false },
        { "checked", false, false, S::State_Enabled | S::State_On, "Save", false },
        { "pressed left aligned", true, false, S::State_Enabled | S::State_Sunken, "Save", false },
        { "focused", false, false, normal | S::State_HasFocus, "Save", false },
        { "disabled", false, false, S::State_Raised, "Save", false },
        { "with menu", false, false, normal, "Save", true },
        { "with menu rtl", false, true, normal, "Save", true },
    };
    for (const Label &l : labels)
        cases << Case{ QStringLiteral("label icon %1").arg(QLatin1String(l.name)), [=](Scene &s, CommonStyle &) {
                          QStyledPushButton button;
                          button.setButtonOptions(QStyledPushButton::ButtonOptions(int(l.leftAligned)));
                          QStyleOptionButton option =
                              buttonOption(&button, S::State(l.state), QLatin1String(l.text), twoColourIcon());
                          option.rect = QRect(10, 5, 220, 32);
                          option.direction = l.rtl ? Qt::RightToLeft : Qt::LeftToRight;
                          if (l.menu)
                              option.features |= QStyleOptionButton::HasMenu;
                          s.draw(S::CE_PushButtonLabel, option, &button);
                      } };
}

// Three linked navigation steps in a shown window; `links` says what the
// neighbours of the step drawn become: "on", "off" (disabled), "hidden" or
// "none" (not linked).
void navigationStep(Scene &s, int id, int state, const QString &links, bool plainOption = false)
{
    QWidget window;
    QNavigationButton step(id, QStringLiteral("Step"), &window), before(0, &window), after(1, &window);
    const QStringList link = links.split(QLatin1Char(' '));
    before.setEnabled(link.at(0) != QLatin1String("off"));
    after.setEnabled(link.at(1) != QLatin1String("off"));
    before.setVisible(link.at(0) != QLatin1String("hidden"));
    after.setVisible(link.at(1) != QLatin1String("hidden"));
    step.setPredecessor(link.at(0) == QLatin1String("none") ? nullptr : &before);
    step.setSuccessor(link.at(1) == QLatin1String("none") ? nullptr : &after);
    window.show();
    QStyleOptionButton option = buttonOption(&step, S::State(state), step.text());
    option.rect = QRect(12, 40, 200, 44);
    // A plain copy: QStyleOption's copy keeps its own type and version.
    const QStyleOption plain(option);
    const QStyleOption &used = plainOption ? plain : static_cast<const QStyleOption &>(option);
    s.draw(S::PE_PanelButtonCommand, used, &step);
    s.draw(S::CE_PushButtonLabel, used, &step);
}

void addNavigationCases(QVector<Case> &cases)
{
    struct Step
    {
        const char *name;
        int id;
        int state;
        const char *links;
        bool twoDigits;
    };
    const int on = S::State_Enabled | S::State_On, enabled = S::State_Enabled | S::State_Raised;
    const Step steps[] = {
        { "first checked", 0, on, "none on", true },
        { "first checked, one digit", 0, on, "none on", false },
        { "twelfth", 11, enabled, "on on", true },
        { "hundredth, one digit", 99, enabled, "on none", false },
        { "neighbours hidden", 4, enabled, "hidden hidden", true },
        { "neighbours disabled", 4, enabled, "off off", true },
        { "disabled checked", 2, int(S::State_On), "on on", true },
        { "pressed", 2, S::State_Enabled | S::State_Sunken, "on on", true },
        { "without id, checked", -1, on, "on on", true },
        { "without id", -1, enabled, "on on", true },
    };
    for (const Step &n : steps)
        cases << Case{ QStringLiteral("navigation %1").arg(QLatin1String(n.name)), [=](Scene &s, CommonStyle &c) {
                          c.setStyleOptions(n.twoDigits ? DefaultFlags : DefaultFlags & ~CommonStyle::CS_TWO_DIGIT_NUMBERS);
                          navigationStep(s, n.id, n.state, QLatin1String(n.links));
                      } };
    cases << Case{ QStringLiteral("navigation with a plain option"),
                   [](Scene &s, CommonStyle &) { navigationStep(s, 0, S::State_Enabled | S::State_On, "on on", true); } };
}

// Frames, line-edit frames and check boxes; PE_PanelLineEdit stands for the
// primitives no look draws itself.
void addPrimitiveCases(QVector<Case> &cases)
{
    const auto frame = [](S::PrimitiveElement e, bool frameOption, bool popup) {
        return [=](Scene &s, CommonStyle &) {
            QComboBox combo;
            QStyleOptionFrame option;
            option.rect = QRect(3, 4, 18, 18);
            option.state = S::State_Enabled | S::State_HasFocus;
            const QStyleOption plain(option);
            s.draw(e, frameOption ? static_cast<const QStyleOption &>(option) : plain,
                   popup ? combo.view()->parentWidget() : nullptr);
        };
    };
    cases << Case{ QStringLiteral("PE_Frame frame option"), frame(S::PE_Frame, true, false) };
    cases << Case{ QStringLiteral("PE_Frame plain option"), frame(S::PE_Frame, false, false) };
    cases << Case{ QStringLiteral("PE_Frame combo popup"), frame(S::PE_Frame, false, true) };
    cases << Case{ QStringLiteral("PE_Frame frame option, combo popup"), frame(S::PE_Frame, true, true) };
    cases << Case{ QStringLiteral("PE_FrameLineEdit frame option"), frame(S::PE_FrameLineEdit, true, false) };
    cases << Case{ QStringLiteral("PE_FrameLineEdit plain option"), frame(S::PE_FrameLineEdit, false, false) };
    cases << Case{ QStringLiteral("PE_PanelLineEdit"), frame(S::PE_PanelLineEdit, true, false) };

    const QVector<QPair<QString, int>> boxes{ { QStringLiteral("off"), S::State_Enabled | S::State_Off },
        { QStringLiteral("on"), S::State_Enabled | S::State_On },
        { QStringLiteral("pressed"), S::State_Enabled | S::State_Sunken | S::State_Off },
        { QStringLiteral("partly"), S::State_Enabled | S::State_NoChange },
        { QStringLiteral("disabled on"), S::State_On } };
    for (const auto &box : boxes)
        cases << Case{ QStringLiteral("check box %1").arg(box.first), [=](Scene &s, CommonStyle &) {
                          QCheckBox check;
                          QStyleOptionButton option = buttonOption(&check, S::State(box.second));
                          option.rect = QRect(3, 4, 18, 18);
                          s.draw(S::PE_IndicatorCheckBox, option, &check);
                      } };
    cases << Case{ QStringLiteral("check box pressed, odd size"), [](Scene &s, CommonStyle &) {
                      QStyleOptionButton option = buttonOption(nullptr, S::State_Enabled | S::State_Sunken);
                      option.rect = QRect(0, 0, 13, 17);
                      s.draw(S::PE_IndicatorCheckBox, option);
                  } };
}

void addMenuCases(QVector<Case> &cases)
{
    const QVector<QPair<QString, int>> states{ { QStringLiteral("normal"), S::State_Enabled },
        { QStringLiteral("hovered"), S::State_Enabled | S::State_Selected },
        { QStringLiteral("focused"), S::State_Enabled | S::State_Selected | S::State_HasFocus },
        { QStringLiteral("open"), S::State_Enabled | S::State_Selected | S::State_Sunken | S::State_HasFocus },
        { QStringLiteral("disabled open"), S::State_Selected | S::State_Sunken } };
    for (const QString &bar : { QStringLiteral("QStyledMenuBar"), QStringLiteral("QMenuBar") }) {
        for (const auto &state : states) {
            if (bar == QLatin1String("QMenuBar") && state.first != QLatin1String("normal")
                && state.first != QLatin1String("open"))
                continue;
            cases << Case{ QStringLiteral("menu-bar item %1 %2").arg(bar, state.first), [=](Scene &s, CommonStyle &) {
                              QScopedPointer<QMenuBar> w(bar == QLatin1String("QMenuBar") ? new QMenuBar
                                                                                          : new QStyledMenuBar);
                              s.draw(S::CE_MenuBarItem, menuItemOption(w.data(), S::State(state.second)), w.data());
                          } };
        }
    }
    for (const bool icons : { true, false })
        cases << Case{ QStringLiteral("menu-bar item with icon, icons %1").arg(icons ? "on" : "off"),
                       [=](Scene &s, CommonStyle &c) {
                           c.setStyleOptions(icons ? DefaultFlags : DefaultFlags & ~CommonStyle::CS_MENUBAR_ICONS);
                           QStyledMenuBar bar;
                           s.draw(S::CE_MenuBarItem, menuItemOption(&bar, S::State_Enabled, twoColourIcon()), &bar);
                       } };
    cases << Case{ QStringLiteral("menu-bar item without widget"), [](Scene &s, CommonStyle &) {
                      s.draw(S::CE_MenuBarItem, menuItemOption(nullptr, S::State_Enabled));
                  } };
    cases << Case{ QStringLiteral("menu-bar item with a plain option"), [](Scene &s, CommonStyle &) {
                      QStyledMenuBar bar;
                      s.draw(S::CE_MenuBarItem, QStyleOption(menuItemOption(&bar, S::State_Enabled)), &bar);
                  } };
    for (const bool styled : { true, false })
        cases << Case{ QStringLiteral("menu-bar empty area %1").arg(styled ? "QStyledMenuBar" : "QMenuBar"),
                       [=](Scene &s, CommonStyle &) {
                           QScopedPointer<QMenuBar> bar(styled ? new QStyledMenuBar : new QMenuBar);
                           QStyleOption option;
                           option.initFrom(bar.data());
                           option.rect = QRect(0, 0, 300, 30);
                           s.draw(S::CE_MenuBarEmptyArea, option, bar.data());
                       } };
    for (const int state : { int(S::State_Enabled | S::State_Selected), int(S::State_None), -1 })
        cases << Case{ QStringLiteral("menu item %1").arg(state < 0 ? "with a plain option" : state ? "selected" : "disabled"),
                       [=](Scene &s, CommonStyle &) {
                           QMenu menu;
                           const QStyleOptionMenuItem item = menuItemOption(&menu, S::State(qMax(state, 0)));
                           const QStyleOption plain(item);
                           s.draw(S::CE_MenuItem, state < 0 ? plain : static_cast<const QStyleOption &>(item), &menu);
                       } };
    cases << Case{ QStringLiteral("CE_PushButtonBevel and CC_ComboBox"), [](Scene &s, CommonStyle &) {
                      s.draw(S::CE_PushButtonBevel, buttonOption(nullptr, S::State_Enabled));
                      QStyleOptionComboBox combo;
                      combo.rect = QRect(0, 0, 120, 26);
                      s.draw(S::CC_ComboBox, combo);
                  } };
}

// Metrics, hints, sizes and sub-control rectangles.
void addQueryCases(QVector<Case> &cases)
{
    cases << Case{ QStringLiteral("metrics and hints"), [](Scene &s, CommonStyle &) {
                      for (const auto m : { S::PM_MenuBarItemSpacing, S::PM_MenuBarVMargin, S::PM_MenuBarHMargin,
                                            S::PM_IndicatorWidth, S::PM_IndicatorHeight, S::PM_ButtonMargin })
                          s.say(QStringLiteral("= %1 %2").arg(Dump::name(m)).arg(s.look->pixelMetric(m)));
                      QStyledMenuBar styled;
                      QMenuBar plain;
                      for (const auto h : { S::SH_EtchDisabledText, S::SH_DitherDisabledText, S::SH_ComboBox_Popup,
                                            S::SH_DrawMenuBarSeparator, S::SH_UnderlineShortcut, S::SH_Menu_Scrollable })
                          for (const QWidget *w : { static_cast<QWidget *>(&styled), static_cast<QWidget *>(&plain) })
                              s.say(QStringLiteral("= %1 %2 %3").arg(Dump::name(h), Dump::widget(w))
                                        .arg(s.look->styleHint(h, nullptr, w)));
                  } };
    cases << Case{ QStringLiteral("push-button sizes"), [](Scene &s, CommonStyle &) {
                      QPushButton shortText(QStringLiteral("Ok")), longText(QStringLiteral("A rather long button text"));
                      QNavigationButton step(0, QStringLiteral("Step"));
                      for (QWidget *w : { static_cast<QWidget *>(&shortText), static_cast<QWidget *>(&longText),
                                          static_cast<QWidget *>(&step), static_cast<QWidget *>(nullptr) }) {
                          for (const bool plain : { false, true }) {
                              const QStyleOptionButton option = buttonOption(w, S::State_Enabled);
                              const QStyleOption other(option);
                              const QStyleOption *used = plain ? &other : &option;
                              const QSize size = s.look->sizeFromContents(S::CT_PushButton, used, QSize(40, 20), w);
                              s.say(QStringLiteral("= CT_PushButton %1%2 %3x%4").arg(Dump::widget(w),
                                        plain ? QStringLiteral(" plain option") : QString())
                                        .arg(size.width()).arg(size.height()));
                          }
                      }
                  } };
    cases << Case{ QStringLiteral("menu-bar item sizes"), [](Scene &s, CommonStyle &c) {
                      QMenuBar plain;
                      QStyledMenuBar styled;
                      plain.resize(300, 27);
                      styled.resize(300, 27);
                      for (const int flags : { 19, 17 })
                          for (QMenuBar *w : { &plain, static_cast<QMenuBar *>(&styled), static_cast<QMenuBar *>(nullptr) })
                              for (const bool icon : { false, true }) {
                                  c.setStyleOptions(Flags(flags));
                                  const QStyleOptionMenuItem option =
                                      menuItemOption(w, S::State_Enabled, icon ? twoColourIcon() : QIcon());
                                  const QSize size = s.look->sizeFromContents(S::CT_MenuBarItem, &option, QSize(16, 16), w);
                                  s.say(QStringLiteral("= CT_MenuBarItem %1 flags %2%3 %4x%5").arg(Dump::widget(w))
                                            .arg(flags).arg(icon ? QStringLiteral(" icon") : QString())
                                            .arg(size.width()).arg(size.height()));
                              }
                      c.setStyleOptions(DefaultFlags);
                      QStyleOption other;
                      const QSize size = s.look->sizeFromContents(S::CT_LineEdit, &other, QSize(30, 10), &styled);
                      s.say(QStringLiteral("= CT_LineEdit %1x%2").arg(size.width()).arg(size.height()));
                  } };
    for (const bool frame : { true, false })
        for (const bool rtl : { false, true })
            cases << Case{ QStringLiteral("combo sub-controls%1%2").arg(frame ? "" : ", frameless", rtl ? ", rtl" : ""),
                           [=](Scene &s, CommonStyle &) {
                               QStyleOptionComboBox option;
                               option.rect = QRect(10, 20, 150, 26);
                               option.frame = frame;
                               option.direction = rtl ? Qt::RightToLeft : Qt::LeftToRight;
                               for (const auto sc : { S::SC_ComboBoxFrame, S::SC_ComboBoxListBoxPopup,
                                                      S::SC_ComboBoxEditField, S::SC_ComboBoxArrow, S::SC_None })
                                   s.say(QStringLiteral("= %1 %2").arg(Dump::subControl(S::CC_ComboBox, sc),
                                             Dump::rect(s.look->subControlRect(S::CC_ComboBox, &option, sc))));
                               QStyleOptionComplex other(option);
                               s.say(QStringLiteral("= plain option %1").arg(Dump::rect(s.look->subControlRect(
                                         S::CC_ComboBox, &other, S::SC_ComboBoxArrow))));
                               s.say(QStringLiteral("= CC_ScrollBar %1").arg(Dump::rect(s.look->subControlRect(
                                         S::CC_ScrollBar, &option, S::SC_ScrollBarGroove))));
                           } };
}

// What polish and then unpolish change on a widget and its children.
void addPolishCases(QVector<Case> &cases)
{
    using Make = std::function<QWidget *()>;
    const auto typed = [](int type) {
        return [=]() -> QWidget * {
            auto *box = new QStyledComboBox;
            box->setButtonType(StyleHelper::ButtonType(type));
            return box;
        };
    };
    const auto header = []() -> QWidget * {
        auto *header = new QStyledHeader;
        QMenu *file = header->menuBar()->addMenu(QStringLiteral("File"));
        file->addMenu(QStringLiteral("Recent"))->addAction(QStringLiteral("Older"));
        header->menuBar()->addMenu(QStringLiteral("Edit"));
        return header;
    };
    const auto bar = []() -> QWidget * {
        auto *bar = new QStyledMenuBar;
        bar->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Quit"));
        return bar;
    };
    const QVector<QPair<QString, Make>> widgets{
        { QStringLiteral("QPushButton"), [] { return new QPushButton; } },
        { QStringLiteral("QComboBox"), [] { return new QComboBox; } },
        { QStringLiteral("QMenuBar"), [] { return new QMenuBar; } },
        { QStringLiteral("QLabel"), [] { return new QLabel; } },
        { QStringLiteral("QStyledPushButton"), [] { return new QStyledPushButton; } },
        { QStringLiteral("QStyledComboBox DEFAULT"), typed(0) },
        { QStringLiteral("QStyledComboBox GRADIENT_MEDIUMGRAY"), typed(2) },
        { QStringLiteral("QStyledComboBox GRADIENT_BLUE"), typed(5) },
        { QStringLiteral("QStyledMenuBar"), bar },
        { QStringLiteral("QStyledHeader"), header },
        { QStringLiteral("QSlideMaster"), [] { return new QSlideMaster; } },
        { QStringLiteral("QFrameHeaderLabel"), [] { return new QFrameHeaderLabel; } },
        { QStringLiteral("QFrameDescriptionLabel"), [] { return new QFrameDescriptionLabel; } },
        { QStringLiteral("QNavigationButton"), [] { return new QNavigationButton; } },
    };
    for (const auto &w : widgets)
        cases << Case{ QStringLiteral("polish %1").arg(w.first), [=](Scene &s, CommonStyle &) {
                          QScopedPointer<QWidget> widget(w.second());
                          // A 7-point bold italic font and a palette of colours no look uses
                          // show which fonts and colours a look replaces or derives.
                          widget->setFont(QFont(QApplication::font().family(), 7, QFont::Bold, true));
                          QPalette marked;
                          for (int role = 0; role < QPalette::NColorRoles; ++role)
                              marked.setColor(QPalette::ColorRole(role), QColor::fromHsv(role * 17, 90, 210));
                          widget->setPalette(marked);
                          for (QWidget *child : widget->findChildren<QWidget *>())
                              child->setPalette(marked);
                          const QStringList before = Dump::widgetState(widget.data());
                          s.look->polish(widget.data());
                          const QStringList polished = Dump::widgetState(widget.data());
                          for (const QString &change : Dump::changes(before, polished))
                              s.say(QStringLiteral("polish: ") + change);
                          s.look->unpolish(widget.data());
                          for (const QString &change : Dump::changes(polished, Dump::widgetState(widget.data())))
                              s.say(QStringLiteral("unpolish: ") + change);
                      } };
    cases << Case{ QStringLiteral("polish QStyledMenuBar compact"), [=](Scene &s, CommonStyle &c) {
                      c.setStyleOptions(DefaultFlags | CommonStyle::CS_COMPACT_MENUBAR);
                      QScopedPointer<QWidget> widget(bar());
                      const QStringList before = Dump::widgetState(widget.data());
                      s.look->polish(widget.data());
                      for (const QString &change : Dump::changes(before, Dump::widgetState(widget.data())))
                          s.say(QStringLiteral("polish: ") + change);
                  } };
    cases << Case{ QStringLiteral("polish palette and no widget"), [](Scene &s, CommonStyle &c) {
                      QWidget before, after;
                      QPalette palette(Qt::darkMagenta, Qt::yellow);
                      before.setPalette(palette);
                      s.look->polish(palette);
                      after.setPalette(palette);
                      for (const QString &change : Dump::changes(Dump::widgetState(&before), Dump::widgetState(&after)))
                          s.say(QStringLiteral("polish: ") + change);
                      s.look->polish(static_cast<QWidget *>(nullptr));
                      s.look->unpolish(static_cast<QWidget *>(nullptr));
                      s.say(QStringLiteral("styleOptions %1").arg(int(c.styleOptions())));
                  } };
}

QVector<Case> allCases()
{
    QVector<Case> cases;
    addPrimitiveCases(cases);
    addButtonCases(cases);
    addLabelCases(cases);
    addNavigationCases(cases);
    addMenuCases(cases);
    addQueryCases(cases);
    addPolishCases(cases);
    return cases;
}

const QStringList Looks{ QStringLiteral("common"), QStringLiteral("gradient"), QStringLiteral("flat") };

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

    QVector<Case> m_cases;
    QMap<QString, CommonStyle *> m_looks;
    QMap<QString, QStyle *> m_stacks;
    QMap<QString, Baseline *> m_baselines;

private slots:
    void initTestCase()
    {
        m_cases = allCases();
        for (const QString &look : Looks) {
            CommonStyle *style = look == QLatin1String("common") ? new CommonStyle
                : look == QLatin1String("gradient")              ? static_cast<CommonStyle *>(new GradientStyle)
                                                                 : new FlatStyle;
            m_looks[look] = style;
            m_stacks[look] = probeLook(style);
            m_baselines[look] = new Baseline(QStringLiteral(VELTRIX_BASELINE_DIR "/%1.txt").arg(look));
        }
    }

    void cleanupTestCase()
    {
        QStringList order;
        for (const Case &c : qAsConst(m_cases))
            order << c.name;
        for (Baseline *baseline : qAsConst(m_baselines))
            QVERIFY(baseline->finish(order));
        qDeleteAll(m_baselines);
        qDeleteAll(m_stacks);
    }

    void cases_data()
    {
        QTest::addColumn<QString>("look");
        QTest::addColumn<int>("index");
        for (const QString &look : Looks)
            for (int i = 0; i < m_cases.size(); ++i)
                QTest::addRow("%s: %s", qPrintable(look), qPrintable(m_cases[i].name)) << look << i;
    }

    void cases()
    {
        QFETCH(QString, look);
        QFETCH(int, index);
        Dump::preferGroup(look == QLatin1String("gradient") ? QStringLiteral("GradientStyleColor")
                                                            : QStringLiteral("FlatStyleColor"));
        CommonStyle *style = m_looks[look];
        style->setStyleOptions(DefaultFlags);
        Scene scene(style);
        m_cases[index].run(scene, *style);
        style->setStyleOptions(DefaultFlags);
        QVERIFY(m_baselines[look]->check(m_cases[index].name, scene.end()));
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
