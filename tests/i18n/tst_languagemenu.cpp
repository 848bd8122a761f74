#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <QInternationalizationHelper.h>

#include "I18nFixtures.h"

using namespace I18nTest;

namespace {

QStringList texts(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions)
        result << action->text();
    return result;
}

QStringList checkedTexts(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions) {
        if (action->isChecked())
            result << action->text();
    }
    return result;
}

QAction *entry(const QActionGroup &group, const QString &text)
{
    const QList<QAction *> actions = group.actions();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class TestLanguageMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(populate(m_dir.path(), { "de>app_de.qm", "fr>app_fr.qm" }));
    }

    void init()
    {
        m_helper.reset(new QInternationalizationHelper(QStringLiteral("English"), QStringLiteral("en"), nullptr));
        configure(*m_helper, m_dir.path());
    }

    void entries_data()
    {
        QTest::addColumn<bool>("configured");
        QTest::addColumn<bool>("connectGroup");
        QTest::addColumn<QStringList>("expected");

        const QStringList all{ "Deutsch", "English", "Français" };
        QTest::newRow("connected") << true << true << all;
        QTest::newRow("not connected") << true << false << all;
        QTest::newRow("map still empty") << false << true << QStringList();
    }

    void entries()
    {
        QFETCH(bool, configured);
        QFETCH(bool, connectGroup);
        QFETCH(QStringList, expected);

        QInternationalizationHelper fresh(QStringLiteral("English"), QStringLiteral("en"), nullptr);
        QInternationalizationHelper &helper = configured ? *m_helper : fresh;
        helper.setLanguage(QStringLiteral("Deutsch")); // the entry checked first is the built-in one anyway
        QMenu menu;
        QAction *existing = menu.addAction(QStringLiteral("Existing"));
        QActionGroup group(nullptr);
        group.setExclusive(false);
        helper.createMenu(&menu, &group, connectGroup);

        QCOMPARE(texts(menu.actions()), QStringList{ "Existing" } + expected);
        QCOMPARE(texts(group.actions()), expected);
        QVERIFY(group.isExclusive());
        QCOMPARE(checkedTexts(group.actions()), expected.isEmpty() ? QStringList() : QStringList{ "English" });
        for (QAction *action : group.actions()) {
            QVERIFY(action->isCheckable());
            QCOMPARE(action->parent(), &menu);
            QVERIFY(action->data().isNull() && action->icon().isNull() && action->shortcut().isEmpty());
        }
        QCOMPARE(menu.actions().first(), existing);

        // A language picked by hand reaches the helper only through a tied group.
        auto *extra = new QAction(QStringLiteral("Elvish"), &menu);
        extra->setCheckable(true);
        group.addAction(extra);
        QSignalSpy spy(&helper, &QInternationalizationHelper::languageChanged);
        extra->trigger();
        QCOMPARE(spy.count(), connectGroup ? 1 : 0);
        QCOMPARE(helper.language(), QString(connectGroup ? "Elvish" : "Deutsch"));
    }

    void picking_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::newRow("Deutsch") << "Deutsch";
        QTest::newRow("Français") << "Français";
        QTest::newRow("the checked built-in one") << "English";
    }

    void picking()
    {
        QFETCH(QString, picked);
        QMenu menu;
        QActionGroup group(nullptr);
        m_helper->createMenu(&menu, &group, true);
        QSignalSpy changed(m_helper.data(), &QInternationalizationHelper::languageChanged);
        QSignalSpy triggered(&group, &QActionGroup::triggered);

        QAction *action = entry(group, picked);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(m_helper->language(), picked);
        QCOMPARE(checkedTexts(group.actions()), QStringList{ picked });
    }

    void followsProgram_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("checked");
        QTest::newRow("Français") << "Français" << "Français";
        QTest::newRow("Deutsch") << "Deutsch" << "Deutsch";
        QTest::newRow("unknown text leaves the check") << "Klingon" << "English";
        QTest::newRow("case matters") << "deutsch" << "English";
    }

    void followsProgram()
    {
        QFETCH(QString, language);
        QFETCH(QString, checked);
        QMenu menu;
        QActionGroup group(nullptr);
        m_helper->createMenu(&menu, &group, true);
        // Group signals are switched back on afterwards, whatever they were.
        group.blockSignals(true);
        QSignalSpy changed(m_helper.data(), &QInternationalizationHelper::languageChanged);
        QSignalSpy triggered(&group, &QActionGroup::triggered);

        m_helper->setLanguage(language);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(triggered.count(), 0);
        QCOMPARE(checkedTexts(group.actions()), QStringList{ checked });
        QCOMPARE(group.signalsBlocked(), language == checked ? false : true);
    }

    void doubleConnection()
    {
        QMenu menu;
        QActionGroup group(nullptr);
        m_helper->createMenu(&menu, &group, true);
        m_helper->createMenu(&menu, &group, true);
        QCOMPARE(texts(menu.actions()), (QStringList{ "Deutsch", "English", "Français", "Deutsch", "English",
                                                      "Français" }));
        // The second English entry took the check from the first.
        QCOMPARE(group.checkedAction(), menu.actions().at(4));

        QSignalSpy changed(m_helper.data(), &QInternationalizationHelper::languageChanged);
        menu.actions().at(2)->trigger();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(m_helper->language(), QStringLiteral("Français"));
        // Synchronisation checks the first matching entry.
        QCOMPARE(group.checkedAction(), menu.actions().at(2));
    }

    void untying_data()
    {
        QTest::addColumn<bool>("nullMenu");
        QTest::newRow("untie with another group") << false;
        QTest::newRow("null menu changes nothing") << true;
    }

    void untying()
    {
        QFETCH(bool, nullMenu);
        QMenu menu, other;
        QActionGroup group(nullptr), otherGroup(nullptr);
        otherGroup.setExclusive(false);
        m_helper->createMenu(&menu, &group, true);
        m_helper->createMenu(nullMenu ? nullptr : &other, &otherGroup, false);

        QCOMPARE(otherGroup.isExclusive(), !nullMenu);
        QCOMPARE(other.actions().size(), nullMenu ? 0 : 3);
        QSignalSpy changed(m_helper.data(), &QInternationalizationHelper::languageChanged);
        entry(group, QStringLiteral("Deutsch"))->trigger();
        QCOMPARE(changed.count(), nullMenu ? 1 : 0);
        if (!nullMenu) {
            entry(otherGroup, QStringLiteral("Deutsch"))->trigger();
            QCOMPARE(changed.count(), 0);
            // Untied: a program-side choice no longer moves the old check.
            m_helper->setLanguage(QStringLiteral("Français"));
            QCOMPARE(checkedTexts(group.actions()), QStringList{ "Deutsch" });
        } else {
            // Still tied and remembered: a program-side choice moves the check.
            QCOMPARE(m_helper->language(), QStringLiteral("Deutsch"));
            m_helper->setLanguage(QStringLiteral("Français"));
            QCOMPARE(checkedTexts(group.actions()), QStringList{ "Français" });
        }
    }

    void replacedGroupStaysConnected()
    {
        QMenu first, second;
        QActionGroup firstGroup(nullptr), secondGroup(nullptr);
        m_helper->createMenu(&first, &firstGroup, true);
        m_helper->createMenu(&second, &secondGroup, true);
        QSignalSpy changed(m_helper.data(), &QInternationalizationHelper::languageChanged);
        entry(firstGroup, QStringLiteral("Français"))->trigger();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_helper->language(), QStringLiteral("Français"));
        // Only the remembered (second) group follows.
        QCOMPARE(checkedTexts(secondGroup.actions()), QStringList{ "Français" });
        m_helper->setLanguage(QStringLiteral("Deutsch"));
        QCOMPARE(checkedTexts(firstGroup.actions()), QStringList{ "Français" });
        QCOMPARE(checkedTexts(secondGroup.actions()), QStringList{ "Deutsch" });
    }

    void menuIsNotUpdatedByLaterChanges()
    {
        QMenu menu;
        QActionGroup group(nullptr);
        m_helper->createMenu(&menu, &group, true);
        m_helper->setFileName(QStringLiteral("none"));
        QCOMPARE(m_helper->supportedLanguages(), QStringList{ "English" });
        QCOMPARE(texts(menu.actions()), (QStringList{ "Deutsch", "English", "Français" }));
    }

    void nullGroupIsRefused()
    {
        QMenu menu;
        QTest::ignoreMessage(QtWarningMsg, "QInternationalizationHelper::createMenu: a menu needs an action group");
        m_helper->createMenu(&menu, nullptr, true);
        QVERIFY(menu.actions().isEmpty());
    }

private:
    QTemporaryDir m_dir;
    QScopedPointer<QInternationalizationHelper> m_helper;
};

QTEST_MAIN(TestLanguageMenu)
#include "tst_languagemenu.moc"
