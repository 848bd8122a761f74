#include "TestSupport.h"

using Group = QNavigationButtonGroup;

class TestNavigationButtons : public QObject
{
    Q_OBJECT

    Baseline m_baseline{ VELTRIX_BASELINE_DIR "/steps.txt" }; // the cases: input, then what it left

private slots:
    // A look that paints a step's links to its enabled neighbours.
    void initTestCase() { QApplication::setStyle(new GradientStyle); }
    void cleanupTestCase() { QVERIFY(m_baseline.finish(m_baseline.cases())); }

    void steps_data() { VeltrixTest::nameRows(m_baseline.cases()); }

    // A group built and driven as its case's first line says (the file's top explains the words).
    void steps()
    {
        QFETCH(QString, name);
        const QString input = m_baseline.expected(name).value(0);
        const QStringList words = input.split(' ', Qt::SkipEmptyParts); // pattern, options, actions
        QVERIFY2(words.size() > 2, qPrintable(input));
        const QString pattern = words.at(0), options = words.at(1);
        QList<QPointer<QAbstractButton>> buttons;
        QStringList log{ input };
        Group group(QBoxLayout::BottomToTop);
        for (int i = 0; i < pattern.size(); ++i) {
            const int id = pattern.at(i).isUpper() ? 10 + i : -1;
            auto *step = pattern.at(i).toUpper() == 'N' ? new QNavigationButton(id) : nullptr;
            buttons << (step ? static_cast<QAbstractButton *>(step) : new QPushButton);
            step ? group.addNavigationButton(step) : group.addNavigationButton(buttons.last(), id);
        }
        bool known = options == "default";
        if (!known)
            group.setNavigationOptions(Group::NavigationOptions(flagsValue(Group::staticMetaObject, "NavigationOptions", options, &known)));
        QVERIFY2(known, qPrintable(options));
        const auto state = [&buttons]() {
            QString s;
            for (const QAbstractButton *b : buttons)
                s += b ? "01cC"[2 * b->isChecked() + b->isEnabled()] : 'x';
            return s;
        };
        connect(&group, qOverload<QAbstractButton *>(&Group::buttonClicked),
                [&](QAbstractButton *b) { log << QString("button %1 (%2)").arg(buttons.indexOf(b)).arg(state()); });
        connect(&group, qOverload<int>(&Group::buttonClicked), [&log](int id) { log << QString("id %1").arg(id); });
        group.addStretch(3); // after the buttons, in the group's own layout
        QCOMPARE(group.layout()->stretch(pattern.size()), 3);
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        for (const QString &action : words.mid(2)) {
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
        log.insert(1, state()); // the buttons at the end, then the signals
        m_baseline.check(name, log);
    }
};

QTEST_MAIN(TestNavigationButtons)
#include "tst_navigationbuttons.moc"
