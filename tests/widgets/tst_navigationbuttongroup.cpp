#include <QButtonGroup>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>

#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>

namespace {

constexpr int Previous = QNavigationButtonGroup::NAV_ENABLE_PREVIOUS;
constexpr int Next = QNavigationButtonGroup::NAV_ENABLE_NEXT;
const auto ButtonSignal = QOverload<QAbstractButton *>::of(&QNavigationButtonGroup::buttonClicked);
const auto IdSignal = QOverload<int>::of(&QNavigationButtonGroup::buttonClicked);

// A group filled from a pattern: 'N' adds a QNavigationButton, 'P' a plain
// push button; button i gets id 10 + i so ids never equal list positions.
// Both click signals are logged in the order they arrive.
struct Steps
{
    explicit Steps(const QString &pattern, int options = Previous)
    {
        for (int i = 0; i < pattern.size(); ++i) {
            QAbstractButton *button = pattern.at(i) == 'N' ? static_cast<QAbstractButton *>(new QNavigationButton(id(i)))
                                                                     : new QPushButton;
            button->setObjectName(QStringLiteral("step%1").arg(i));
            if (auto *step = qobject_cast<QNavigationButton *>(button))
                group.addNavigationButton(step);
            else
                group.addNavigationButton(button, id(i));
            buttons << button;
        }
        group.setNavigationOptions(QNavigationButtonGroup::NavigationOptions(options));
        QObject::connect(&group, ButtonSignal, [this](QAbstractButton *b) { log << "button:" + b->objectName(); });
        QObject::connect(&group, IdSignal, [this](int id) { log << QStringLiteral("id:%1").arg(id); });
    }
    static int id(int index) { return 10 + index; }
    QNavigationButton *step(int index) const { return qobject_cast<QNavigationButton *>(buttons.at(index)); }
    // "1" per enabled button, "0" per disabled one.
    QString enabled() const
    {
        QString pattern;
        for (const QAbstractButton *button : buttons)
            pattern += button->isEnabled() ? '1' : '0';
        return pattern;
    }
    int checked() const
    {
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons.at(i)->isChecked())
                return i;
        }
        return -1;
    }

    QNavigationButtonGroup group{ QBoxLayout::TopToBottom };
    QList<QAbstractButton *> buttons;
    QStringList log;
};

// Reads the links while a navigation panel is painted, as the library's
// looks do, and counts the live neighbours it met.
class LinkReadingStyle : public QProxyStyle
{
public:
    LinkReadingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (const auto *step = qobject_cast<const QNavigationButton *>(widget)) {
            if (element == PE_PanelButtonCommand) {
                ++panels;
                const QNavigationButton *before = step->predecessor();
                const QNavigationButton *after = step->successor();
                linksRead += (before && before->isEnabled() && before->isVisible() && before->id() >= 0)
                    + (after && after->isEnabled() && !after->objectName().isEmpty());
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable int panels = 0;
    mutable int linksRead = 0;
};

} // namespace

class TestNavigationButtonGroup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // QSignalSpy finds argument types by name.
        qRegisterMetaType<QAbstractButton *>();
    }

    void construction_data()
    {
        QTest::addColumn<int>("direction");
        QTest::newRow("top to bottom") << int(QBoxLayout::TopToBottom);
        QTest::newRow("left to right") << int(QBoxLayout::LeftToRight);
        QTest::newRow("bottom to top") << int(QBoxLayout::BottomToTop);
    }

    void construction()
    {
        QFETCH(int, direction);
        QWidget parent;
        QNavigationButtonGroup group(QBoxLayout::Direction(direction), &parent);
        QCOMPARE(group.parentWidget(), &parent);
        QBoxLayout *layout = group.layout();
        QCOMPARE(static_cast<QLayout *>(layout), group.QWidget::layout());
        QCOMPARE(int(layout->direction()), direction);
        QCOMPARE(layout->spacing(), 0);
        QCOMPARE(layout->contentsMargins(), QMargins());
        const auto groups = group.findChildren<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(groups.size(), 1);
        QVERIFY(groups.first()->exclusive());
        QCOMPARE(int(group.navigationOptions()), Previous);

        group.addStretch(3);
        QVERIFY(layout->itemAt(0)->spacerItem());
        QCOMPARE(layout->stretch(0), 3);
    }

    void addNavigationButton_data()
    {
        QTest::addColumn<bool>("navigation");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("wasEnabled");
        QTest::addColumn<bool>("wasCheckable");
        QTest::newRow("navigation button") << true << 7 << true << true;
        QTest::newRow("navigation button, not checkable") << true << 0 << false << false;
        QTest::newRow("navigation button, id -1") << true << -1 << true << true;
        QTest::newRow("push button") << false << 3 << true << false;
        QTest::newRow("push button, id -1") << false << -1 << true << true;
    }

    void addNavigationButton()
    {
        QFETCH(bool, navigation);
        QFETCH(int, id);
        QFETCH(bool, wasEnabled);
        QFETCH(bool, wasCheckable);
        Steps steps(QStringLiteral("N")); // id 10
        QAbstractButton *button = navigation ? static_cast<QAbstractButton *>(new QNavigationButton(id)) : new QPushButton;
        button->setCheckable(wasCheckable);
        button->setEnabled(wasEnabled);
        if (navigation)
            steps.group.addNavigationButton(qobject_cast<QNavigationButton *>(button));
        else
            steps.group.addNavigationButton(button, id);

        QCOMPARE(button->parentWidget(), &steps.group);
        QCOMPARE(steps.group.layout()->indexOf(button), 1);
        QVERIFY(button->isCheckable());
        QVERIFY(!button->isEnabled());
        QButtonGroup *buttons = button->group();
        QCOMPARE(buttons->parent(), &steps.group);
        QCOMPARE(buttons->buttons(), (QList<QAbstractButton *>{ steps.buttons.first(), button }));
        // Qt 5 would count down from 10 and hand out 9; automatic ids stay negative.
        QCOMPARE(buttons->id(button), id == -1 ? -2 : id);
    }

    void automaticIdsMatchQButtonGroup()
    {
        Steps steps(QString{});
        QButtonGroup reference;
        QPushButton r[3];
        for (int i = 0; i < 3; ++i) {
            auto *step = new QNavigationButton;
            steps.group.addNavigationButton(step);
            reference.addButton(&r[i]);
            QCOMPARE(step->group()->id(step), reference.id(&r[i]));
            steps.buttons << step;
        }
        const int id = steps.buttons.last()->group()->id(steps.buttons.last());
        steps.group.setCheckedButton(id);
        QCOMPARE(steps.checked(), 2);
        QCOMPARE(steps.log, (QStringList{ "button:", QStringLiteral("id:%1").arg(id) }));
    }

    void links_data()
    {
        QTest::addColumn<QString>("pattern");
        // Per button: the index of its successor / predecessor, '-' for none.
        QTest::addColumn<QString>("successors");
        QTest::addColumn<QString>("predecessors");
        QTest::newRow("three steps") << "NNN" << "12-" << "-01";
        QTest::newRow("plain second") << "NPN" << "---" << "---";
        QTest::newRow("plain first") << "PNN" << "---" << "---";
        QTest::newRow("plain third") << "NNPN" << "1---" << "-0--";
    }

    void links()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, successors);
        QFETCH(QString, predecessors);
        Steps steps(pattern);
        auto index = [&steps](QNavigationButton *link) { return link ? '0' + steps.buttons.indexOf(link) : '-'; };
        QString actualSuccessors, actualPredecessors;
        for (int i = 0; i < pattern.size(); ++i) {
            actualSuccessors += QChar(steps.step(i) ? index(steps.step(i)->successor()) : '-');
            actualPredecessors += QChar(steps.step(i) ? index(steps.step(i)->predecessor()) : '-');
        }
        QCOMPARE(actualSuccessors, successors);
        QCOMPARE(actualPredecessors, predecessors);
    }

    void setCheckedButton_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("options");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("default, third") << "NNNN" << Previous << 2 << "1110";
        QTest::newRow("default, first") << "NNNN" << Previous << 0 << "1000";
        QTest::newRow("next, third") << "NNNN" << Next << 2 << "0011";
        QTest::newRow("next, last") << "NNNN" << Next << 3 << "0001";
        QTest::newRow("both, second") << "NNNN" << (Previous | Next) << 1 << "1110";
        QTest::newRow("none, third") << "NNNN" << 0 << 2 << "0010";
        QTest::newRow("next, unlinked step") << "NPNN" << Next << 2 << "0010";
        QTest::newRow("both, plain button") << "NPNN" << (Previous | Next) << 1 << "1100";
    }

    void setCheckedButton()
    {
        QFETCH(QString, pattern);
        QFETCH(int, options);
        QFETCH(int, target);
        QFETCH(QString, enabled);
        Steps steps(pattern, options);
        steps.buttons.last()->setChecked(true); // the exclusive group must uncheck it
        QSignalSpy buttonSpy(&steps.group, ButtonSignal);
        QSignalSpy idSpy(&steps.group, IdSignal);

        steps.group.setCheckedButton(Steps::id(target));

        QCOMPARE(steps.enabled(), enabled);
        QCOMPARE(steps.checked(), target);
        QCOMPARE(buttonSpy.count(), 1);
        QCOMPARE(buttonSpy.at(0).at(0).value<QAbstractButton *>(), steps.buttons.at(target));
        QCOMPARE(idSpy.count(), 1);
        QCOMPARE(idSpy.at(0).at(0).toInt(), Steps::id(target));
        QCOMPARE(steps.log, (QStringList{ QStringLiteral("button:step%1").arg(target),
                                          QStringLiteral("id:%1").arg(Steps::id(target)) }));
    }

    void setCheckedButtonUnknownId_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("unused") << 99;
        QTest::newRow("minus one") << -1;
        QTest::newRow("list index") << 1;
    }

    void setCheckedButtonUnknownId()
    {
        QFETCH(int, id);
        Steps steps(QStringLiteral("NNN"), Previous | Next);
        steps.group.setCheckedButton(Steps::id(0));
        steps.log.clear();
        steps.group.setCheckedButton(id);
        QCOMPARE(steps.enabled(), QStringLiteral("110"));
        QCOMPARE(steps.checked(), 0);
        QCOMPARE(steps.log, QStringList());
    }

    void stepping_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("checked"); // via setCheckedButton; -1: none
        QTest::addColumn<bool>("reset");  // resetButtons() afterwards
        QTest::addColumn<bool>("forward");
        QTest::addColumn<int>("expectedChecked");
        QTest::addColumn<QString>("expectedEnabled");
        QTest::newRow("next from first") << "NNNN" << 0 << false << true << 1 << "1100";
        QTest::newRow("next from last") << "NNNN" << 3 << false << true << 3 << "1111";
        QTest::newRow("prev from third") << "NNNN" << 2 << false << false << 1 << "1110";
        QTest::newRow("prev from first") << "NNNN" << 0 << false << false << 0 << "1000";
        QTest::newRow("next, none checked") << "NNNN" << -1 << false << true << -1 << "0000";
        QTest::newRow("next, checked disabled") << "NNNN" << 1 << true << true << 1 << "0000";
        QTest::newRow("prev, checked disabled") << "NNNN" << 1 << true << false << 1 << "0000";
        QTest::newRow("next at end of chain") << "NNPN" << 1 << false << true << 1 << "1100";
        QTest::newRow("next from plain button") << "NNPN" << 2 << false << true << 2 << "1110";
    }

    void stepping()
    {
        QFETCH(QString, pattern);
        QFETCH(int, checked);
        QFETCH(bool, reset);
        QFETCH(bool, forward);
        QFETCH(int, expectedChecked);
        QFETCH(QString, expectedEnabled);
        Steps steps(pattern);
        if (checked >= 0)
            steps.group.setCheckedButton(Steps::id(checked));
        if (reset)
            steps.group.resetButtons();
        steps.log.clear();
        forward ? steps.group.showNext() : steps.group.showPrev();
        QCOMPARE(steps.checked(), expectedChecked);
        QCOMPARE(steps.enabled(), expectedEnabled);
        QCOMPARE(steps.log, QStringList());
    }

    void resetButtons()
    {
        Steps steps(QStringLiteral("NNNP"), Previous | Next);
        steps.group.setCheckedButton(Steps::id(1));
        steps.buttons.last()->setEnabled(true);
        QCOMPARE(steps.enabled(), QStringLiteral("1111"));
        steps.group.resetButtons();
        QCOMPARE(steps.enabled(), QStringLiteral("0000"));
        QCOMPARE(steps.checked(), 1);
        steps.group.showNext();
        QCOMPARE(steps.checked(), 1);
    }

    void userClick_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("options");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("enabledAfter");
        QTest::newRow("default options") << "NNNN" << Previous << 1 << "1100";
        QTest::newRow("enable next") << "NNNN" << Next << 1 << "1110";
        QTest::newRow("enable next, last step") << "NNNN" << (Previous | Next) << 3 << "1001";
        QTest::newRow("enable next, plain button") << "NPNN" << Next << 1 << "1100";
        QTest::newRow("enable next, disabled step") << "NNNN" << Next << -1 << "1000";
    }

    void userClick()
    {
        QFETCH(QString, pattern);
        QFETCH(int, options);
        QFETCH(int, clicked);
        QFETCH(QString, enabledAfter);
        Steps steps(pattern, options);
        steps.buttons.first()->setEnabled(true);
        if (clicked >= 0)
            steps.buttons.at(clicked)->setEnabled(true);
        steps.group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&steps.group));
        // The successor must already be enabled when the button form arrives.
        QString enabledAtSignal;
        QObject::connect(&steps.group, ButtonSignal, [&] { enabledAtSignal = steps.enabled(); });
        QSignalSpy buttonSpy(&steps.group, ButtonSignal);
        QSignalSpy idSpy(&steps.group, IdSignal);

        QTest::mouseClick(steps.buttons.at(qMax(clicked, 1)), Qt::LeftButton);

        QCOMPARE(steps.enabled(), enabledAfter);
        QCOMPARE(steps.checked(), clicked);
        QCOMPARE(buttonSpy.count(), clicked >= 0 ? 1 : 0);
        QCOMPARE(idSpy.count(), clicked >= 0 ? 1 : 0);
        if (clicked >= 0) {
            QCOMPARE(enabledAtSignal, enabledAfter);
            QCOMPARE(buttonSpy.at(0).at(0).value<QAbstractButton *>(), steps.buttons.at(clicked));
            QCOMPARE(idSpy.at(0).at(0).toInt(), Steps::id(clicked));
        }
    }

    void deleteLinkedButtons_data()
    {
        QTest::addColumn<QString>("order"); // step indexes in the order they are deleted
        QTest::newRow("first to last") << "0123";
        QTest::newRow("last to first") << "3210";
        QTest::newRow("middle first") << "1203";
        QTest::newRow("checked first") << "2031";
    }

    void deleteLinkedButtons()
    {
        QFETCH(QString, order);
        LinkReadingStyle style;
        Steps steps(QStringLiteral("NNNN"));
        QList<QPointer<QNavigationButton>> alive;
        for (int i = 0; i < 4; ++i) {
            steps.step(i)->setStyle(&style);
            alive << steps.step(i);
        }
        steps.group.setCheckedButton(Steps::id(3));
        steps.group.showPrev();
        steps.group.resize(200, 240);
        steps.group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&steps.group));
        style.panels = style.linksRead = 0;
        steps.group.grab();
        QCOMPARE(style.panels, 4);
        QCOMPARE(style.linksRead, 6);

        QButtonGroup *buttonGroup = steps.buttons.first()->group();
        for (int n = 0; n < order.size(); ++n) {
            delete alive.at(order.at(n).digitValue()).data();
            QCOMPARE(buttonGroup->buttons().size(), order.size() - n - 1);
            QCOMPARE(steps.group.layout()->count(), order.size() - n - 1);
            // A neighbour's link to a deleted step reads null while it is painted,
            // stepped from, checked and reset.
            for (int i = 0; i < 4; ++i) {
                if (!alive.at(i))
                    continue;
                if (i > 0 && !alive.at(i - 1))
                    QVERIFY(!alive.at(i)->predecessor());
                if (i < 3 && !alive.at(i + 1))
                    QVERIFY(!alive.at(i)->successor());
                alive.at(i)->repaint();
            }
            steps.group.grab();
            steps.group.showNext();
            steps.group.showPrev();
            for (int i = 0; i < 4; ++i) {
                if (alive.at(i))
                    steps.group.setCheckedButton(Steps::id(i));
            }
            steps.group.resetButtons();
            QApplication::processEvents();
        }
    }
};

QTEST_MAIN(TestNavigationButtonGroup)
#include "tst_navigationbuttongroup.moc"
