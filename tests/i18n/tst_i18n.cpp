#include <QInternationalizationHelper.h>

#include <stdexcept>

#include "TestSupport.h"

class TestI18n : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<QInternationalizationHelper> m_helper;
    Baseline m_baseline{ VELTRIX_BASELINE_DIR "/helper.txt" }; // the cases: steps, then what they observed

private slots:
    // A helper for "English"/"en" reading app_<code>.qm files of context "Lang" in an empty directory,
    // its language Deutsch.
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_helper.reset(new QInternationalizationHelper("English", "en", nullptr));
        QVERIFY(m_helper->supportedLanguages().isEmpty()); // no list before a setter
        m_helper->setDirectory(m_dir->path());
        m_helper->setFileName("app");
        m_helper->setTranslationContext("Lang");
        m_helper->setLanguage("Deutsch");
    }

    void cleanupTestCase() { QVERIFY(m_baseline.finish(m_baseline.cases())); }

    void helper_data() { VeltrixTest::nameRows(m_baseline.cases()); }

    // A case's steps (the file's top explains them) and what its observing steps saw.
    void helper()
    {
        QFETCH(QString, name);
        const QString steps = m_baseline.expected(name).value(0);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        const QString qtTranslations = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#else
        const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
        QMenu menu;
        menu.addAction("Existing");
        QActionGroup group(nullptr);
        group.setExclusive(false);
        QSignalSpy changed(m_helper.data(), &QInternationalizationHelper::languageChanged);
        QStringList trace{ steps };
        for (const QString &step : steps.split(' ')) {
            const QByteArray property = step.section('=', 0, 0).toLatin1();
            const QString fixture = step.section('>', 0, 0);
            if (fixture == "dir")
                QVERIFY(QDir(m_dir->path()).mkdir(step.section('>', 1)));
            else if (step.contains('>'))
                QVERIFY(QFile::copy(I18N_FIXTURE_DIR "/lang_" + fixture + ".qm", m_dir->filePath(step.section('>', 1))));
            else if (step == "read")
                m_helper->languageToQtLocale("Deutsch");
            else if (step == "map")
                trace << languages();
            else if (step.startsWith("app") || step.startsWith("qt"))
                trace << translator(step).replace(m_dir->path(), "DIR").replace(qtTranslations, "QT");
            else if (step.startsWith("veltrix:"))
                trace << header(step.mid(8));
            else if (step == "menu" || step == "untie")
                m_helper->createMenu(&menu, &group, step == "menu");
            else if (step == "nomenu")
                m_helper->createMenu(nullptr, &group, false);
            else if (step == "nogroup")
                m_helper->createMenu(&menu, nullptr, true);
            else if (step.startsWith("pick:"))
                group.actions().at(menuText(group).remove('*').split(' ').indexOf(step.mid(5)))->trigger();
            else if (step == "entries")
                trace << (group.actions().isEmpty() ? "no entries" : menuText(group));
            else if (step == "count")
                trace << QString::number(changed.count()) + ' ' + m_helper->language();
            else if (step.contains('='))
                QVERIFY(m_helper->setProperty(property, step.section('=', 1)));
            else
                QVERIFY(m_helper->setProperty(property, m_helper->property(property)));
        }
        m_baseline.check(name, trace);
        // A menu keeps what it had; its entries are its own, and its group is exclusive.
        QCOMPARE(menu.actions().first()->text(), QString("Existing"));
        QCOMPARE(menu.actions().mid(1), group.actions());
        QCOMPARE(group.isExclusive(), !group.actions().isEmpty());
        for (const QAction *action : group.actions())
            QVERIFY(action->isCheckable() && action->parent() == &menu);
    }

private:
    QString languages() const
    {
        QStringList table;
        for (const QString &language : m_helper->supportedLanguages())
            table << language + '=' + m_helper->languageToQtLocale(language);
        return table.join(", ");
    }

    QString translator(const QString &step) const
    {
        if (step.endsWith('!')) // logged as the debug stream quotes a string
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^\"Cannot load translation file \\\\\""));
        try {
            const auto translator = step.startsWith("qt") ? m_helper->qtTranslator() : m_helper->appTranslator();
            return qApp->translate("Lang", "English") == "English" ? translator->filePath() : "installed"; // handed out only
        } catch (const std::invalid_argument &error) {
            return error.what();
        }
    }

    // The header's texts under the library's catalogue for a code, which names no language.
    QString header(const QString &code) const
    {
        m_helper->setDirectory(VELTRIX_TRANSLATIONS_DIR);
        m_helper->setFileName("veltrix");
        m_helper->setLanguage("No translation (" + code + ")");
        const QSharedPointer<QTranslator> translator = m_helper->appTranslator();
        qApp->installTranslator(translator.data());
        QStyledHeader header;
        qApp->removeTranslator(translator.data());
        return header.windowTitle() + '/' + header.applicationTitle() + '/' + header.applicationSubTitle();
    }

    // The entries of a language menu, the group's checked one starred.
    static QString menuText(const QActionGroup &group)
    {
        QStringList names;
        for (const QAction *action : group.actions())
            names << action->text() + (action == group.checkedAction() ? "*" : "");
        return names.join(' ');
    }
};

QTEST_MAIN(TestI18n)
#include "tst_i18n.moc"
