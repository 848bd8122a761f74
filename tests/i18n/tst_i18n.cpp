#include <QActionGroup>
#include <QMenu>
#include <QtTest>

#include <QInternationalizationHelper.h>
#include <QStyledHeader.h>

#include <stdexcept>

// Fills dir from "fixture>name" entries: fixture is a compiled catalogue lang_<fixture>.qm (de, at, fr, it,
// gb, es; "garbage" is a file that is no catalogue), or "dir" for a directory.
static bool populate(const QString &dir, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString fixture = entry.section('>', 0, 0), name = entry.section('>', 1);
        const QString source = QString(I18N_FIXTURE_DIR "/lang_%1.qm").arg(fixture);
        if (!(fixture == "dir" ? QDir(dir).mkdir(name) : QFile::copy(source, QDir(dir).filePath(name))))
            return false;
    }
    return true;
}

class TestI18n : public QObject
{
    Q_OBJECT

private slots:
    // A helper for "English"/"en" reading app_<code>.qm files of context "Lang" in an empty directory,
    // its language Deutsch.
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_helper.reset(new QInternationalizationHelper("English", "en", nullptr));
        QVERIFY(m_helper->supportedLanguages().isEmpty()); // no map before a setter
        m_helper->setDirectory(m_dir->path());
        m_helper->setFileName("app");
        m_helper->setTranslationContext("Lang");
        m_helper->setLanguage("Deutsch");
    }

    // Steps after the set-up: "property=value"; a bare property name (written again unchanged); a reader
    // ("read" is languageToQtLocale); "+fr" adds the file app_fr.qm, "-de" removes app_de.qm.
    void languageMap_data()
    {
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        const QString de = "Deutsch=de, English=en", fr = de + ", Français=fr";
        QTest::newRow("map, others skipped") << "fr>app_fr.qm de>app_de.qm it>other_it.qm dir>app_es.qm" << "" << fr;
        QTest::newRow("untranslated and broken files")
            << "it>app_it.qm garbage>app_xx.qm" << "" << "English=en, No translation (it)=it, No translation (xx)=xx";
        QTest::newRow("same name: later file in case-blind order wins")
            << "at>app_de.qm de>App_DZ.qm fr>APP_FR.QM" << "" << "Deutsch=DZ, English=en, Français=FR";
        QTest::newRow("a file replaces the built-in entry") << "gb>app_gb.qm" << "" << "English=gb";
        QTest::newRow("custom prefix") << "de>app-x-de.qm fr>app_fr.qm" << "prefix=-x-" << de;
        QTest::newRow("empty prefix keeps the stem") << "de>appde.qm" << "prefix=" << "Deutsch=appde, English=en";
        QTest::newRow("prefix in the stem") << "de>my_app_de.qm" << "fileName=my_app" << "Deutsch=app_de, English=en";
        QTest::newRow("custom suffix") << "de>app_de.lang fr>app_fr.qm" << "suffix=lang" << de;
        QTest::newRow("context beyond Latin-1") << "de>app_de.qm es>app_es.qm" << "translationContext=Übersetzung"
                                                << "English=en, Español=es, No translation (de)=de";
        QTest::newRow("one rebuild after many setters") << "de>app_de.qm" << "prefix suffix +fr" << fr;
        QTest::newRow("no setter, no rebuild")
            << "de>app_de.qm" << "read +fr read createMenu language appTranslator qtTranslator" << de;
        for (const char *setter : { "directory", "fileName", "prefix", "suffix", "translationContext" })
            QTest::addRow("%s marks the map", setter) << "de>app_de.qm" << QString("read +fr ") + setter << fr;
        for (const char *reader : { "read", "createMenu", "appTranslator", "qtTranslator" })
            QTest::addRow("%s rebuilds", reader) << "de>app_de.qm" << QString("+fr %1 -de").arg(reader) << fr;
    }

    void languageMap()
    {
        QFETCH(QString, files);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QVERIFY(populate(m_dir->path(), files.split(' ', Qt::SkipEmptyParts)));
        QMenu menu;
        QActionGroup group(nullptr);
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QByteArray name = step.section('=', 0, 0).toLatin1();
            const QVariant value = step.contains('=') ? QVariant(step.section('=', 1)) : m_helper->property(name);
            if (step.startsWith('+'))
                QVERIFY(populate(m_dir->path(), { step.mid(1) + ">app_" + step.mid(1) + ".qm" }));
            else if (step.startsWith('-'))
                QVERIFY(QFile::remove(m_dir->filePath("app_" + step.mid(1) + ".qm")));
            else if (step == "read")
                m_helper->languageToQtLocale("Deutsch");
            else if (step == "createMenu")
                m_helper->createMenu(&menu, &group, false);
            else if (step.endsWith("Translator"))
                step == "appTranslator" ? m_helper->appTranslator() : m_helper->qtTranslator();
            else
                QVERIFY(m_helper->setProperty(name, value));
        }
        QStringList table;
        for (const QString &language : m_helper->supportedLanguages())
            table << language + '=' + m_helper->languageToQtLocale(language);
        QCOMPARE(table.join(", "), expected);
    }

    // stem: "app" or "qt", followed by the prefix.
    void translators_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("loads");
        QTest::newRow("app, German") << "app_" << "Deutsch" << "app_de.qm" << true;
        QTest::newRow("app, custom prefix") << "app-" << "Deutsch" << "app-de.qm" << true;
        QTest::newRow("app, built-in language") << "app_" << "English" << "app_en.qm" << false;
        QTest::newRow("app, unknown language") << "app_" << "Klingon" << "app_.qm" << false;
        QTest::newRow("qt, German") << "qt_" << "Deutsch" << "qt_de.qm" << true;
        QTest::newRow("qt, prefix follows the property") << "qt-" << "Deutsch" << "qt-de.qm" << false;
        QTest::newRow("qt, unknown language") << "qt_" << "Klingon" << "qt_.qm" << false;
    }

    void translators()
    {
        QFETCH(QString, stem);
        QFETCH(QString, language);
        QFETCH(QString, file);
        QFETCH(bool, loads);
        const bool qt = stem.startsWith("qt");
        QVERIFY(populate(m_dir->path(), { "de>app" + stem.right(1) + "de.qm" }));
        m_helper->setPrefix(stem.right(1));
        m_helper->setLanguage(language);
        const QStringList languages = m_helper->supportedLanguages();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        const QString searched = qt ? QLibraryInfo::location(QLibraryInfo::TranslationsPath) : m_dir->path();
#else
        const QString searched = qt ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : m_dir->path();
#endif
        const auto build = [&] { return qt ? m_helper->qtTranslator() : m_helper->appTranslator(); };
        if (loads) {
            QCOMPARE(build()->filePath(), searched + '/' + file);
            QCOMPARE(qApp->translate("Lang", "English"), QString("English")); // handed out, not installed
        } else {
            const QString message =
                QString("Cannot load translation file \"%1\" within directory \"%2\".").arg(file, searched);
            // The log shows the message as the debug stream quotes a string.
            QTest::ignoreMessage(QtCriticalMsg, qPrintable('"' + QString(message).replace('"', "\\\"") + '"'));
            QString thrown;
            try {
                build();
            } catch (const std::invalid_argument &error) {
                thrown = QString::fromUtf8(error.what());
            }
            QCOMPARE(thrown, message);
        }
        QCOMPARE(m_helper->supportedLanguages(), languages);
    }

    void libraryCatalogues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("texts");
        QTest::newRow("German") << "de" << "Anwendungskopf|Anwendungstitel|Anwendungsname";
        QTest::newRow("French") << "fr" << "En-tête d’application|Titre de l’application|Nom de l’application";
    }

    // The library's own catalogues load through the helper like a host's; they name no language.
    void libraryCatalogues()
    {
        QFETCH(QString, code);
        QFETCH(QString, texts);
        m_helper->setDirectory(VELTRIX_TRANSLATIONS_DIR);
        m_helper->setFileName("veltrix");
        m_helper->setLanguage("No translation (" + code + ")");
        const QSharedPointer<QTranslator> translator = m_helper->appTranslator();
        QVERIFY(qApp->installTranslator(translator.data()));
        QStyledHeader header;
        qApp->removeTranslator(translator.data());
        QCOMPARE(header.windowTitle() + '|' + header.applicationTitle() + '|' + header.applicationSubTitle(), texts);
    }

    // how: "pick" an entry or "set" the language property, after the menu is made, then made again for the
    // same menu and group "twice", or made again and untied ("untie"), or called again with a "null" menu.
    void menu_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("checked"); // position of the checked entry in the group
        QTest::addColumn<int>("emissions");
        QTest::newRow("pick Français") << "pick" << "Français" << 2 << 1;
        QTest::newRow("pick the checked built-in one") << "pick" << "English" << 1 << 1;
        QTest::newRow("pick, connected twice") << "pick twice" << "Deutsch" << 0 << 2;
        QTest::newRow("pick, untied") << "pick untie" << "Français" << 2 << 0;
        QTest::newRow("pick, null menu changes nothing") << "pick null" << "Français" << 2 << 1;
        QTest::newRow("set Français") << "set" << "Français" << 2 << 1;
        QTest::newRow("set, first matching entry checked") << "set twice" << "Français" << 2 << 1;
        QTest::newRow("set, untied") << "set untie" << "Français" << 4 << 1;
        QTest::newRow("set, unknown text leaves the check") << "set" << "Klingon" << 1 << 1;
        QTest::newRow("set, case matters") << "set" << "français" << 1 << 1;
    }

    void menu()
    {
        QFETCH(QString, how);
        QFETCH(QString, language);
        QFETCH(int, checked);
        QFETCH(int, emissions);
        const QString again = how.section(' ', 1);
        const bool filledTwice = again == "twice" || again == "untie";
        QVERIFY(populate(m_dir->path(), { "de>app_de.qm", "fr>app_fr.qm" }));
        QMenu menu;
        menu.addAction("Existing");
        QActionGroup group(nullptr);
        group.setExclusive(false);
        m_helper->createMenu(&menu, &group, true);
        if (!again.isEmpty())
            m_helper->createMenu(again == "null" ? nullptr : &menu, &group, again == "twice");
        QStringList names;
        for (const QAction *action : menu.actions())
            names << action->text();
        QCOMPARE(names.join(' '), "Existing" + QString(" Deutsch English Français").repeated(filledTwice ? 2 : 1));
        QCOMPARE(group.actions(), menu.actions().mid(1));
        QVERIFY(group.isExclusive());
        // The built-in entry is checked on creation, whatever the current language.
        QCOMPARE(group.actions().indexOf(group.checkedAction()), filledTwice ? 4 : 1);
        for (const QAction *action : group.actions())
            QVERIFY(action->isCheckable() && action->parent() == &menu);

        QSignalSpy changed(m_helper.data(), &QInternationalizationHelper::languageChanged);
        if (how.startsWith("pick"))
            group.actions().at(names.indexOf(language) - 1)->trigger();
        else
            QVERIFY(m_helper->setProperty("language", language));
        QCOMPARE(changed.count(), emissions);
        QCOMPARE(m_helper->language(), QString(emissions ? language : "Deutsch"));
        QCOMPARE(group.actions().indexOf(group.checkedAction()), checked);

        // The same language again is announced again; group signals are on after a check, whatever they were.
        group.blockSignals(true);
        m_helper->setLanguage(language);
        QCOMPARE(changed.count(), emissions + 1);
        QCOMPARE(group.signalsBlocked(), again == "untie" || group.actions().at(checked)->text() != language);
    }

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<QInternationalizationHelper> m_helper;
};

QTEST_MAIN(TestI18n)
#include "tst_i18n.moc"
