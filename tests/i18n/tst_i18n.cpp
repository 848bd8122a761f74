#include <QInternationalizationHelper.h>

#include <stdexcept>

#include "TestSupport.h"

class TestI18n : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<QInternationalizationHelper> m_helper;

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

    // Steps after the set-up, and what the observing steps give, joined by " | ".
    //   de>app_de.qm  copies the fixture catalogue lang_de.qm (de, at, fr, it, gb, es; "garbage" is a file
    //                 that is no catalogue) under that name; "dir>name" makes a directory
    //   name=value    sets a property; a bare property name writes it again unchanged
    //   read          languageToQtLocale()
    //   map           observes the language list: "name=code, ..."
    //   app, qt       observe appTranslator(), qtTranslator(): the file loaded, or what is thrown (and logged,
    //                 for app! and qt!); directory() reads DIR, Qt's translations QT
    //   veltrix:de    observes a header under the library's own catalogue, loaded through the helper
    //   menu, untie   createMenu() on a menu holding "Existing", tied to the helper, or not; nomenu: a null menu,
    //                 nogroup: the menu with a null group
    //   pick:Deutsch  triggers the first entry of that name
    //   entries       observes the menu's entries, the group's checked one starred
    //   count         observes how often languageChanged() came, and the language
    void helper_data()
    {
        VeltrixTest::columns<QString, QString>({ "steps", "seen" });
        const QString de = "Deutsch=de, English=en";
        const QString fr = de + ", Français=fr";
        QTest::newRow("map, others skipped") << "fr>app_fr.qm de>app_de.qm it>other_it.qm dir>app_es.qm map" << fr;
        QTest::newRow("untranslated and broken files")
            << "it>app_it.qm garbage>app_xx.qm map" << "English=en, No translation (it)=it, No translation (xx)=xx";
        QTest::newRow("same name: later file in case-blind order wins")
            << "at>app_de.qm de>App_DZ.qm fr>APP_FR.QM map" << "Deutsch=DZ, English=en, Français=FR";
        QTest::newRow("a file replaces the built-in entry") << "gb>app_gb.qm map" << "English=gb";
        QTest::newRow("custom prefix") << "de>app-x-de.qm fr>app_fr.qm prefix=-x- map" << de;
        QTest::newRow("empty prefix keeps the stem") << "de>appde.qm prefix= map" << "Deutsch=appde, English=en";
        QTest::newRow("prefix in the stem") << "de>my_app_de.qm fileName=my_app map" << "Deutsch=app_de, English=en";
        QTest::newRow("custom suffix") << "de>app_de.lang fr>app_fr.qm suffix=lang map" << de;
        QTest::newRow("context beyond Latin-1") << "de>app_de.qm es>app_es.qm translationContext=Übersetzung map"
                                                << "English=en, Español=es, No translation (de)=de";
        QTest::newRow("no setter, no rebuild") << "de>app_de.qm read fr>app_fr.qm read language map" << de;
        for (const char *setter : { "directory", "fileName", "prefix", "suffix", "translationContext" })
            QTest::addRow("%s marks the list", setter) << QString("de>app_de.qm read fr>app_fr.qm %1 map").arg(setter) << fr;

        QTest::newRow("app, custom prefix") << "de>app-de.qm prefix=- app" << "DIR/app-de.qm";
        QTest::newRow("app, built-in language")
            << "de>app_de.qm language=English app!" << "Cannot load translation file \"app_en.qm\" within directory \"DIR\".";
        QTest::newRow("app, unknown language, the list stays") << "de>app_de.qm language=Klingon app! map"
            << "Cannot load translation file \"app_.qm\" within directory \"DIR\". | " + de;
        QTest::newRow("qt, German") << "de>app_de.qm qt" << "QT/qt_de.qm";
        QTest::newRow("qt, prefix follows the property")
            << "de>app-de.qm prefix=- qt!" << "Cannot load translation file \"qt-de.qm\" within directory \"QT\".";
        QTest::newRow("qt, unknown language, the list stays") << "de>app_de.qm language=Klingon qt! map"
            << "Cannot load translation file \"qt_.qm\" within directory \"QT\". | " + de;
        QTest::newRow("library catalogue, German") << "veltrix:de" << "Anwendungskopf/Anwendungstitel/Anwendungsname";
        QTest::newRow("library catalogue, French")
            << "veltrix:fr" << "En-tête d’application/Titre de l’application/Nom de l’application";

        const QString menu = "de>app_de.qm fr>app_fr.qm menu ";
        QTest::newRow("menu made twice") << menu + "menu entries" << "Deutsch English Français Deutsch English* Français";
        QTest::newRow("pick") << menu + "pick:Français entries count" << "Deutsch English Français* | 1 Français";
        QTest::newRow("pick, tied twice") << menu + "menu pick:Deutsch count" << "2 Deutsch";
        QTest::newRow("pick, untied")
            << menu + "untie pick:Français entries count" << "Deutsch English Français* Deutsch English Français | 0 Deutsch";
        QTest::newRow("pick, a null menu changes nothing") << menu + "nomenu pick:Français count" << "1 Français";
        QTest::newRow("a menu without a group stays as it was") << "de>app_de.qm nogroup entries count" << " | 0 Deutsch";
        QTest::newRow("set") << menu + "language=Français entries count" << "Deutsch English Français* | 1 Français";
        QTest::newRow("set, first matching entry checked")
            << menu + "menu language=Français entries" << "Deutsch English Français* Deutsch English Français";
        QTest::newRow("set, untied")
            << menu + "untie language=Français entries" << "Deutsch English Français Deutsch English* Français";
        QTest::newRow("set, unknown text leaves the check") << menu + "language=Klingon entries" << "Deutsch English* Français";
        QTest::newRow("set, case matters") << menu + "language=français entries" << "Deutsch English* Français";
        QTest::newRow("set, then pick") << menu + "language=Français pick:Deutsch count" << "2 Deutsch";
        QTest::newRow("the same language again is announced") << "language count" << "1 Deutsch";
    }

    void helper()
    {
        QFETCH(QString, steps);
        QFETCH(QString, seen);
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
        QStringList trace;
        for (const QString &step : steps.split(' ')) {
            const QByteArray name = step.section('=', 0, 0).toLatin1();
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
                trace << menuText(group);
            else if (step == "count")
                trace << QString::number(changed.count()) + ' ' + m_helper->language();
            else if (step.contains('='))
                QVERIFY(m_helper->setProperty(name, step.section('=', 1)));
            else
                QVERIFY(m_helper->setProperty(name, m_helper->property(name)));
        }
        QCOMPARE(trace.join(" | "), seen);
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
