#include <QPushButton>
#include <QtTest>

#include <GradientStyle.h>
#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>


namespace {

using Group = QNavigationButtonGroup;
constexpr int Default = -1, Prev = Group::NAV_ENABLE_PREVIOUS, Next = Group::NAV_ENABLE_NEXT;

// A group built from a pattern: 'N' adds a navigation button, 'P' a plain push button (enabled and
// not checkable until added). Button i gets id 10 + i, never its list position; a lower case
// letter adds it with id -1. Both click signals are logged in the order they arrive, the button
// form with the index of its argument and the state of all buttons at that moment.
struct Steps
{
    explicit Steps(const QString &pattern, int options = Default)
    {
        for (int i = 0; i < pattern.size(); ++i) {
            const int id = pattern.at(i).isUpper() ? 10 + i : -1;
            auto *step = pattern.at(i).toUpper() == 'N' ? new QNavigationButton(id) : nullptr;
            buttons << (step ? static_cast<QAbstractButton *>(step) : new QPushButton);
            step ? group.addNavigationButton(step) : group.addNavigationButton(buttons.last(), id);
        }
        if (options != Default)
            group.setNavigationOptions(Group::NavigationOptions(options));
        QObject::connect(&group, qOverload<QAbstractButton *>(&Group::buttonClicked),
                         [this](QAbstractButton *b) { log << QString("b%1:%2").arg(buttons.indexOf(b)).arg(state()); });
        QObject::connect(&group, qOverload<int>(&Group::buttonClicked), [this](int id) { log << QString::number(id); });
    }
    QNavigationButton *step(int i) const { return qobject_cast<QNavigationButton *>(buttons.at(i)); }
    // Per button: '0' disabled, '1' enabled, 'C' checked, 'c' checked but disabled, 'x' deleted.
    QString state() const
    {
        QString s;
        for (const QAbstractButton *b : buttons) {
            const QString checked = b && b->isEnabled() ? "C" : "c", unchecked = b && b->isEnabled() ? "1" : "0";
            s += !b ? QString("x") : b->isChecked() ? checked : unchecked;
        }
        return s;
    }
    Group group{ QBoxLayout::BottomToTop };
    QList<QPointer<QAbstractButton>> buttons;
    QStringList log;
};

} // namespace

class TestNavigationButtons : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("options");
        // c<id>: setCheckedButton(id), n: showNext(), p: showPrev(), r: resetButtons(),
        // m<i>: click button i with the mouse.
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("outcome"); // Steps::state() | Steps::log
        QTest::newRow("check, default") << "NNNN" << Default << "c12" << "11C0 | b2:11C0 12";
        QTest::newRow("check, next") << "NNNN" << Next << "c11 c13" << "011C | b1:0C10 11 b3:011C 13";
        QTest::newRow("check plain, both") << "NPNN" << (Prev | Next) << "c11" << "1C00 | b1:1C00 11";
        QTest::newRow("unknown ids") << "NNNN" << (Prev | Next) << "c13 c99 c-1 c1" << "111C | b3:111C 13";
        QTest::newRow("automatic ids") << "Nnp" << Default << "c-2 c-3" << "11C | b1:1C0 -2 b2:11C -3";
        QTest::newRow("walk") << "NNN" << Default << "c10 n n n p p p" << "C11 | b0:C00 10";
        QTest::newRow("walk, plain 2nd") << "NPN" << Default << "c12 p c10 n" << "C11 | b2:11C 12 b0:C11 10";
        QTest::newRow("walk, plain 3rd") << "NNPNN" << Default << "c10 n n c14 p" << "1111C | b0:C0000 10 b4:1111C 14";
        QTest::newRow("step after reset") << "NNNP" << Default << "c13 c11 r n p" << "0c00 | b3:111C 13 b1:1C11 11";
        // A click's id form comes straight from QButtonGroup, which sends it first.
        QTest::newRow("click, default") << "NNNN" << Default << "c11 m1" << "1C00 | b1:1C00 11 11 b1:1C00";
        QTest::newRow("click, next") << "NNNN" << Next << "c10 m1" << "1C10 | b0:C100 10 11 b1:1C10";
    }

    void steps()
    {
        QFETCH(QString, pattern);
        QFETCH(int, options);
        QFETCH(QString, actions);
        QFETCH(QString, outcome);
        Steps steps(pattern, options);
        // Every group is a gapless row or column in the direction it was made with.
        steps.group.addStretch(3);
        QBoxLayout *layout = steps.group.layout();
        QVERIFY(layout == steps.group.QWidget::layout() && layout->direction() == QBoxLayout::BottomToTop);
        QVERIFY(layout->spacing() == 0 && layout->contentsMargins().isNull() && layout->stretch(pattern.size()) == 3);
        steps.group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&steps.group));
        for (const QString &action : actions.split(' ', Qt::SkipEmptyParts)) {
            switch (action.at(0).unicode()) {
            case 'c': steps.group.setCheckedButton(action.mid(1).toInt()); break;
            case 'n': steps.group.showNext(); break;
            case 'p': steps.group.showPrev(); break;
            case 'r': steps.group.resetButtons(); break;
            case 'm': QTest::mouseClick(steps.buttons.at(action.mid(1).toInt()), Qt::LeftButton); break;
            }
        }
        QCOMPARE(QString(steps.state() + " | " + steps.log.join(' ')).trimmed(), outcome);
    }

    // A link set through the property system is one way; the group links both ways.
    void propertyLink()
    {
        QNavigationButton first(0), second(1);
        QVERIFY(first.setProperty("successor", QVariant::fromValue(&second)));
        QCOMPARE(first.successor(), &second);
        QCOMPARE(second.predecessor(), static_cast<QNavigationButton *>(nullptr));
    }

    void deleteLinkedButtons_data()
    {
        QTest::addColumn<QString>("order"); // indexes in the order the steps are deleted
        QTest::newRow("last to first") << "3210";
        QTest::newRow("inside out") << "1203";
    }

    void deleteLinkedButtons()
    {
        QFETCH(QString, order);
        GradientStyle style; // paints a step's links to its enabled neighbours
        Steps steps(QStringLiteral("NNNN"));
        for (QAbstractButton *button : qAsConst(steps.buttons))
            button->setStyle(&style);
        steps.group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&steps.group));
        for (const QChar index : order) {
            delete steps.buttons.at(index.digitValue()).data();
            // Links to it read null while the others are checked, painted and stepped.
            for (int i = 1; i < 4; ++i) {
                QCOMPARE(steps.step(i - 1) && steps.step(i - 1)->successor(), steps.step(i - 1) && steps.step(i));
                QCOMPARE(steps.step(i) && steps.step(i)->predecessor(), steps.step(i - 1) && steps.step(i));
            }
            for (int id = 10; id < 14; ++id)
                steps.group.setCheckedButton(id);
            steps.group.grab();
            steps.group.showPrev();
            steps.group.showNext();
            QCoreApplication::processEvents();
        }
    }
};

QTEST_MAIN(TestNavigationButtons)
#include "tst_navigationbuttons.moc"
