#include "TestSupport.h"

using Group = QNavigationButtonGroup;
constexpr int Default = -1, Prev = Group::NAV_ENABLE_PREVIOUS, Next = Group::NAV_ENABLE_NEXT;

class TestNavigationButtons : public QObject
{
    Q_OBJECT

private slots:
    // A look that paints a step's links to its enabled neighbours.
    void initTestCase() { QApplication::setStyle(new GradientStyle); }

    // pattern: 'N' adds a navigation button, 'P' a plain push button (enabled and not checkable until
    // added). Button i gets id 10 + i, never its list position; a lower case letter adds it with id -1.
    // actions: c<id> setCheckedButton(id), n showNext(), p showPrev(), r resetButtons(), m<i> a mouse
    // click on button i, d<i> deleting button i and painting the others.
    // outcome: per button '0' disabled, '1' enabled, 'c' checked but disabled, 'C' checked, 'x' deleted;
    // then both click signals in the order they arrive, the button form with the index of its argument
    // and the buttons' state at that moment.
    void steps_data()
    {
        VeltrixTest::columns<QString, int, QString, QString>({ "pattern", "options", "actions", "outcome" });
        // Unknown ids change nothing and send nothing.
        QTest::newRow("check, next") << "NNNN" << Next << "c11 c99 c-1 c1 c13" << "011C | b1:0C10 11 b3:011C 13";
        QTest::newRow("check plain, both") << "NPNN" << (Prev | Next) << "c11" << "1C00 | b1:1C00 11";
        QTest::newRow("automatic ids") << "Nnp" << Default << "c-2 c-3" << "11C | b1:1C0 -2 b2:11C -3";
        QTest::newRow("walk") << "NNN" << Default << "c10 n n n p p p" << "C11 | b0:C00 10";
        // The links end at the first plain button.
        QTest::newRow("walk, plain 3rd") << "NNPNN" << Default << "c10 n n c14 p" << "1111C | b0:C0000 10 b4:1111C 14";
        QTest::newRow("step after reset") << "NNNP" << Default << "c13 c11 r n p" << "0c00 | b3:111C 13 b1:1C11 11";
        // A click's id form comes straight from QButtonGroup, which sends it first.
        QTest::newRow("click, default") << "NNNN" << Default << "c11 m1" << "1C00 | b1:1C00 11 11 b1:1C00";
        QTest::newRow("click, next") << "NNNN" << Next << "c10 m1" << "1C10 | b0:C100 10 11 b1:1C10";
        // The neighbours of a deleted step lose their link to it: stepping towards it stays put.
        QTest::newRow("delete, end") << "NNNN" << Default << "c13 d3 c12 n p d2 n d1" << "1xxx | b3:111C 13 b2:11Cx 12";
        QTest::newRow("delete, inside") << "NNNN" << Default << "c13 d1 p p d2 c10 n" << "Cxx1 | b3:111C 13 b0:Cxx1 10";
    }

    void steps()
    {
        QFETCH(QString, pattern);
        QFETCH(int, options);
        QFETCH(QString, actions);
        QFETCH(QString, outcome);
        QList<QPointer<QAbstractButton>> buttons;
        QStringList log;
        Group group(QBoxLayout::BottomToTop);
        for (int i = 0; i < pattern.size(); ++i) {
            const int id = pattern.at(i).isUpper() ? 10 + i : -1;
            auto *step = pattern.at(i).toUpper() == 'N' ? new QNavigationButton(id) : nullptr;
            buttons << (step ? static_cast<QAbstractButton *>(step) : new QPushButton);
            step ? group.addNavigationButton(step) : group.addNavigationButton(buttons.last(), id);
        }
        if (options != Default)
            group.setNavigationOptions(Group::NavigationOptions(options));
        const auto state = [&buttons]() {
            QString s;
            for (const QAbstractButton *b : buttons)
                s += b ? "01cC"[2 * b->isChecked() + b->isEnabled()] : 'x';
            return s;
        };
        connect(&group, qOverload<QAbstractButton *>(&Group::buttonClicked),
                [&](QAbstractButton *b) { log << QString("b%1:%2").arg(buttons.indexOf(b)).arg(state()); });
        connect(&group, qOverload<int>(&Group::buttonClicked), [&log](int id) { log << QString::number(id); });
        group.addStretch(3); // after the buttons, in the group's own layout
        QCOMPARE(group.layout()->stretch(pattern.size()), 3);
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        for (const QString &action : actions.split(' ')) {
            const int argument = action.mid(1).toInt();
            switch (action.at(0).unicode()) {
            case 'c': group.setCheckedButton(argument); break;
            case 'n': group.showNext(); break;
            case 'p': group.showPrev(); break;
            case 'r': group.resetButtons(); break;
            case 'm': QTest::mouseClick(buttons.at(argument), Qt::LeftButton); break;
            case 'd': delete buttons.at(argument).data(); group.grab(); break;
            }
        }
        QCOMPARE(state() + " | " + log.join(' '), outcome);
    }
};

QTEST_MAIN(TestNavigationButtons)
#include "tst_navigationbuttons.moc"
