#include <QActionGroup>
#include <QLibraryInfo>
#include <QMenu>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <QInternationalizationHelper.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <stdexcept>

#include "I18nFixtures.h"

using namespace I18nTest;

namespace {

// Counts how often a directory itself is opened (that is, listed), watched
// through inotify, to see when the helper really rebuilds its map.
class ListingCounter
{
public:
    explicit ListingCounter(const QString &dir)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0)
            m_watch = inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_OPEN | IN_CLOSE_NOWRITE);
    }
    ~ListingCounter()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isValid() const { return m_fd >= 0 && m_watch >= 0; }

    int listings()
    {
        alignas(inotify_event) char buffer[16384];
        ssize_t length;
        while ((length = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char *p = buffer; p < buffer + length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if ((event->mask & IN_OPEN) && (event->mask & IN_ISDIR) && event->len == 0)
                    ++m_listings;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return m_listings;
    }

private:
    int m_fd;
    int m_watch = -1;
    int m_listings = 0;
};

// What the log shows for a QString streamed into qCritical(): quoted, with
// inner quotes and backslashes escaped.
QByteArray debugQuoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return (QLatin1Char('"') + escaped + QLatin1Char('"')).toUtf8();
}

QString loadFailure(const QString &file, const QString &dir)
{
    return QStringLiteral("Cannot load translation file \"") + file + QStringLiteral("\" within directory \"") + dir
        + QStringLiteral("\".");
}

const QString English = QStringLiteral("English");

} // namespace

class TestTranslationLoading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Keep the helper's "current directory" default away from stray files.
        QVERIFY(m_emptyCwd.isValid());
        QVERIFY(QDir::setCurrent(m_emptyCwd.path()));
    }

    void properties()
    {
        QInternationalizationHelper helper(English, QStringLiteral("en"), nullptr);
        const QMetaObject *meta = helper.metaObject();
        QCOMPARE(meta->className(), "QInternationalizationHelper");
        const QStringList expected{ "directory", "fileName", "prefix", "suffix", "translationContext", "language" };
        QStringList names;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            names << QString::fromLatin1(property.name());
            QVERIFY(property.isWritable() && property.isStored() && property.isDesignable());
            QVERIFY(!property.hasNotifySignal());
        }
        QCOMPARE(names, expected);
        const QStringList defaults{ QString(), QString(), "_", "qm", QString(), QString() };
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(helper.property(qPrintable(expected.at(i))).toString(), defaults.at(i));
    }

    void languageMap_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QStringList>("expected");

        const QString app = QStringLiteral("app"), us = QStringLiteral("_"), qm = QStringLiteral("qm"),
                      lang = QStringLiteral("Lang");
        QTest::newRow("two languages and the built-in one")
            << QStringList{ "fr>app_fr.qm", "de>app_de.qm" } << app << us << qm << lang
            << QStringList{ "Deutsch=de", "English=en", "Français=fr" };
        QTest::newRow("no translation of English in the context")
            << QStringList{ "it>app_it.qm", "de>app_de.qm" } << app << us << qm << lang
            << QStringList{ "Deutsch=de", "English=en", "No translation (it)=it" };
        QTest::newRow("not a translation file") << QStringList{ "garbage>app_xx.qm" } << app << us << qm << lang
                                                << QStringList{ "English=en", "No translation (xx)=xx" };
        QTest::newRow("same name, later file wins") << QStringList{ "at>app_at.qm", "de>app_de.qm" } << app << us
                                                    << qm << lang << QStringList{ "Deutsch=de", "English=en" };
        QTest::newRow("same name, later file wins whatever it holds")
            << QStringList{ "de>app_de.qm", "at>app_dz.qm" } << app << us << qm << lang
            << QStringList{ "Deutsch=dz", "English=en" };
        QTest::newRow("listing order ignores case") << QStringList{ "at>app_de.qm", "de>app_DZ.qm" } << app << us
                                                    << qm << lang << QStringList{ "Deutsch=DZ", "English=en" };
        QTest::newRow("a file replaces the built-in language")
            << QStringList{ "gb>app_gb.qm" } << app << us << qm << lang << QStringList{ "English=gb" };
        QTest::newRow("custom prefix") << QStringList{ "de>app-x-de.qm", "fr>app_fr.qm" } << app << "-x-" << qm
                                       << lang << QStringList{ "Deutsch=de", "English=en" };
        QTest::newRow("empty prefix keeps the stem") << QStringList{ "de>appde.qm" } << app << QString() << qm << lang
                                                     << QStringList{ "Deutsch=appde", "English=en" };
        QTest::newRow("stem contains the prefix") << QStringList{ "de>my_app_de.qm" } << "my_app" << us << qm << lang
                                                  << QStringList{ "Deutsch=app_de", "English=en" };
        QTest::newRow("prefix found case-sensitively only")
            << QStringList{ "de>app-x-de.qm" } << app << "-X-" << qm << lang
            << QStringList{ "Deutsch=app-x-de", "English=en" };
        QTest::newRow("pattern ignores case") << QStringList{ "fr>APP_FR.QM", "de>App_de.qm" } << app << us << qm
                                              << lang << QStringList{ "Deutsch=de", "English=en", "Français=FR" };
        QTest::newRow("custom suffix") << QStringList{ "de>app_de.lang", "fr>app_fr.qm" } << app << us << "lang"
                                       << lang << QStringList{ "Deutsch=de", "English=en" };
        QTest::newRow("other stems and directories are skipped")
            << QStringList{ "de>app_de.qm", "fr>other_fr.qm", "dir>app_it.qm" } << app << us << qm << lang
            << QStringList{ "Deutsch=de", "English=en" };
        QTest::newRow("other context") << QStringList{ "de>app_de.qm", "it>app_it.qm" } << app << us << qm << "Other"
                                       << QStringList{ "English=en", "Italiano=it", "No translation (de)=de" };
        QTest::newRow("context beyond Latin-1") << QStringList{ "es>app_es.qm" } << app << us << qm
                                                << QStringLiteral("Übersetzung")
                                                << QStringList{ "English=en", "Español=es" };
        QTest::newRow("empty directory") << QStringList() << app << us << qm << lang << QStringList{ "English=en" };
    }

    void languageMap()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, fileName);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(QString, context);
        QFETCH(QStringList, expected);

        QTemporaryDir dir;
        QVERIFY(populate(dir.path(), files));
        QInternationalizationHelper helper(English, QStringLiteral("en"), nullptr);
        helper.setDirectory(dir.path());
        helper.setFileName(fileName);
        helper.setPrefix(prefix);
        helper.setSuffix(suffix);
        helper.setTranslationContext(context);
        QCOMPARE(languageTable(helper), expected);
        QCOMPARE(helper.languageToQtLocale(QStringLiteral("Klingon")), QString());
    }

    void missingDirectory()
    {
        QInternationalizationHelper helper(English, QStringLiteral("en"), nullptr);
        configure(helper, m_emptyCwd.filePath(QStringLiteral("nowhere")));
        QCOMPARE(languageTable(helper), QStringList{ "English=en" });
    }

    // Steps: "configure" (directory, stem and context), single setters (always
    // with the same values), the readers, setLanguage, and "addFrench", which
    // drops a new catalogue into the directory.
    void lazyRebuild_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<int>("listings");

        const QStringList withGerman{ "Deutsch", "English" };
        const QStringList withFrench{ "Deutsch", "English", "Français" };
        QTest::newRow("no map before a setter")
            << QStringList{ "supportedLanguages", "languageToQtLocale", "createMenu" } << QStringList() << 0;
        QTest::newRow("one rebuild for many setters")
            << QStringList{ "configure", "setPrefix", "setSuffix", "setFileName", "supportedLanguages",
                            "languageToQtLocale", "supportedLanguages" }
            << withGerman << 1;
        QTest::newRow("no rebuild without a setter")
            << QStringList{ "configure", "supportedLanguages", "addFrench", "supportedLanguages",
                            "languageToQtLocale", "createMenu" }
            << withGerman << 1;
        QTest::newRow("setLanguage does not mark the map")
            << QStringList{ "configure", "supportedLanguages", "addFrench", "setLanguage" } << withGerman << 1;
        for (const char *setter : { "setDirectory", "setFileName", "setPrefix", "setSuffix", "setTranslationContext" })
            QTest::addRow("unchanged value through %s marks the map", setter)
                << QStringList{ "configure", "supportedLanguages", "addFrench", setter } << withFrench << 2;
        QTest::newRow("every reader rebuilds")
            << QStringList{ "configure", "setLanguage", "languageToQtLocale", "setPrefix", "createMenu", "setPrefix",
                            "appTranslator", "setPrefix", "qtTranslator", "setSuffix" }
            << withGerman << 5;
    }

    void lazyRebuild()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, languages);
        QFETCH(int, listings);

        QTemporaryDir dir;
        QVERIFY(populate(dir.path(), { "de>app_de.qm" }));
        // A fresh helper would list the current directory: make it the watched one.
        QVERIFY(QDir::setCurrent(dir.path()));
        ListingCounter counter(dir.path());
        QVERIFY(counter.isValid());

        QInternationalizationHelper helper(English, QStringLiteral("en"), nullptr);
        QMenu menu;
        QActionGroup group(nullptr);
        for (const QString &step : steps) {
            if (step == "configure")
                configure(helper, dir.path());
            else if (step == "setDirectory")
                helper.setDirectory(dir.path());
            else if (step == "setTranslationContext")
                helper.setTranslationContext(QStringLiteral("Lang"));
            else if (step == "setFileName")
                helper.setFileName(QStringLiteral("app"));
            else if (step == "setPrefix")
                helper.setPrefix(QStringLiteral("_"));
            else if (step == "setSuffix")
                helper.setSuffix(QStringLiteral("qm"));
            else if (step == "setLanguage")
                helper.setLanguage(QStringLiteral("Deutsch"));
            else if (step == "supportedLanguages")
                helper.supportedLanguages();
            else if (step == "languageToQtLocale")
                helper.languageToQtLocale(QStringLiteral("Deutsch"));
            else if (step == "createMenu")
                helper.createMenu(&menu, &group, false);
            else if (step == "appTranslator")
                QVERIFY(helper.appTranslator());
            else if (step == "qtTranslator")
                QVERIFY(helper.qtTranslator());
            else if (step == "addFrench")
                QVERIFY(populate(dir.path(), { "fr>app_fr.qm" }));
            else
                QFAIL(qPrintable("unknown step " + step));
        }
        QCOMPARE(helper.supportedLanguages(), languages);
        // Each rebuild lists the directory exactly once.
        QCOMPARE(counter.listings(), listings);
        QVERIFY(QDir::setCurrent(m_emptyCwd.path()));
    }

    void translators_data()
    {
        QTest::addColumn<bool>("qt");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("failingFile"); // empty when the load succeeds
        QTest::addColumn<QString>("loadedFile");

        const QString qtDir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
        const QString us = QStringLiteral("_");
        QTest::newRow("app, German") << false << us << "Deutsch" << QString() << "app_de.qm";
        QTest::newRow("app, untranslated name still loads")
            << false << us << "No translation (it)" << QString() << "app_it.qm";
        QTest::newRow("app, custom prefix") << false << "-" << "Deutsch" << QString() << "app-de.qm";
        QTest::newRow("app, built-in language") << false << us << "English" << "app_en.qm" << QString();
        QTest::newRow("app, unknown language") << false << us << "Klingon" << "app_.qm" << QString();
        QTest::newRow("qt, German") << true << us << "Deutsch" << QString() << qtDir + "/qt_de.qm";
        QTest::newRow("qt, built-in language") << true << us << "English" << QString() << qtDir + "/qt_en.qm";
        QTest::newRow("qt, prefix follows the property") << true << "-" << "Deutsch" << "qt-de.qm" << QString();
        QTest::newRow("qt, unknown language") << true << us << "Klingon" << "qt_.qm" << QString();
    }

    void translators()
    {
        QFETCH(bool, qt);
        QFETCH(QString, prefix);
        QFETCH(QString, language);
        QFETCH(QString, failingFile);
        QFETCH(QString, loadedFile);

        QTemporaryDir dir;
        QVERIFY(populate(dir.path(), { "de>app" + prefix + "de.qm", "it>app" + prefix + "it.qm" }));
        QInternationalizationHelper helper(English, QStringLiteral("en"), nullptr);
        configure(helper, dir.path());
        helper.setPrefix(prefix);
        helper.setLanguage(language);
        const QStringList languages = helper.supportedLanguages();

        if (failingFile.isEmpty()) {
            const QSharedPointer<QTranslator> translator = qt ? helper.qtTranslator() : helper.appTranslator();
            QVERIFY(translator);
            // Qt's English catalogue loads but holds no messages: check the file.
            QCOMPARE(translator->filePath(), QFileInfo(loadedFile).isAbsolute() ? loadedFile
                                                                               : dir.filePath(loadedFile));
            QVERIFY(!translator->parent());
            // Handed out, never installed.
            QCOMPARE(QCoreApplication::translate("Lang", "English"), English);
            return;
        }
        const QString searched = qt ? QLibraryInfo::location(QLibraryInfo::TranslationsPath) : dir.path();
        const QString message = loadFailure(failingFile, searched);
        QTest::ignoreMessage(QtCriticalMsg, debugQuoted(message).constData());
        try {
            qt ? helper.qtTranslator() : helper.appTranslator();
            QFAIL("no exception");
        } catch (const std::invalid_argument &error) {
            QCOMPARE(QString::fromUtf8(error.what()), message);
        }
        QCOMPARE(helper.language(), language);
        QCOMPARE(helper.supportedLanguages(), languages);
    }

    void qtTranslatorTranslates()
    {
        QTemporaryDir dir;
        QVERIFY(populate(dir.path(), { "de>app_de.qm" }));
        QInternationalizationHelper helper(English, QStringLiteral("en"), nullptr);
        configure(helper, dir.path());
        helper.setLanguage(QStringLiteral("Deutsch"));
        const QSharedPointer<QTranslator> qt = helper.qtTranslator();
        QCOMPARE(qt->translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        const QSharedPointer<QTranslator> app = helper.appTranslator();
        QCOMPARE(app->translate("Other", "Hello"), QStringLiteral("Hallo"));
        QVERIFY(app != helper.appTranslator()); // a fresh one each time
    }

    void freshObjectLooksForBareName()
    {
        QInternationalizationHelper helper(English, QStringLiteral("en"), nullptr);
        QVERIFY(helper.supportedLanguages().isEmpty());
        QCOMPARE(helper.languageToQtLocale(English), QString());
        const QString message = loadFailure(QStringLiteral("_.qm"), QString());
        QTest::ignoreMessage(QtCriticalMsg, debugQuoted(message).constData());
        QVERIFY_EXCEPTION_THROWN(helper.appTranslator(), std::invalid_argument);
    }

    void setLanguage_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("viaProperty");

        QTest::newRow("new language") << "English" << "Deutsch" << false;
        QTest::newRow("same language") << "Deutsch" << "Deutsch" << false;
        QTest::newRow("not in the map") << "Deutsch" << "Klingon" << false;
        QTest::newRow("empty") << "Deutsch" << QString() << false;
        QTest::newRow("through the property") << "English" << "Deutsch" << true;
    }

    void setLanguage()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, viaProperty);

        QInternationalizationHelper helper(English, QStringLiteral("en"), nullptr);
        helper.setLanguage(before);
        QSignalSpy spy(&helper, &QInternationalizationHelper::languageChanged);
        if (viaProperty)
            QVERIFY(helper.setProperty("language", after));
        else
            helper.setLanguage(after);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(helper.language(), after);
        QCOMPARE(helper.property("language").toString(), after);
    }

private:
    QTemporaryDir m_emptyCwd;
};

QTEST_MAIN(TestTranslationLoading)
#include "tst_translationloading.moc"
