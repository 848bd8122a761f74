// Rebuilding the language map over a directory of a thousand catalogues,
// against a bare loop that only loads the same files into one QTranslator.
// The rebuild lists the directory once and loads each file once, so its
// time per file should stay close to the bare load; lookups afterwards must
// not load anything again.
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>
#include <QtTest>

#include <QInternationalizationHelper.h>

namespace {

constexpr int FileCount = 1000;

// Writes bench_<code>.ts files whose "English" is "Language <n>" and compiles
// them with lrelease in one run; returns the .qm names.
QStringList makeCatalogues(const QString &dir)
{
    QStringList sources;
    QStringList catalogues;
    for (int i = 0; i < FileCount; ++i) {
        const QString code = QStringLiteral("l%1").arg(i, 4, 10, QLatin1Char('0'));
        QFile file(QDir(dir).filePath(QStringLiteral("bench_%1.ts").arg(code)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
            return {};
        QTextStream(&file) << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n"
                           << "<context><name>Bench</name>\n"
                           << "<message><source>English</source><translation>Language " << i
                           << "</translation></message>\n"
                           << "<message><source>Hello</source><translation>Hello " << i
                           << "</translation></message>\n</context>\n</TS>\n";
        sources << file.fileName();
        catalogues << QStringLiteral("bench_%1.qm").arg(code);
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    const QString binaries = QLibraryInfo::location(QLibraryInfo::BinariesPath);
#else
    const QString binaries = QLibraryInfo::path(QLibraryInfo::BinariesPath);
#endif
    const QString lrelease = QDir(binaries).filePath(QStringLiteral("lrelease"));
    QProcess process;
    process.start(lrelease, QStringList{ QStringLiteral("-silent") } + sources);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return {};
    for (const QString &source : qAsConst(sources))
        QFile::remove(source);
    return catalogues;
}

} // namespace

class BenchI18n : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_files = makeCatalogues(m_dir.path());
        if (m_files.size() != FileCount)
            QSKIP("lrelease is needed to make the catalogues");
    }

    // Rows tagged "[baseline]" are what benchmarks/run divides the others by.
    void languageMap_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("bare loads, 1000 files [baseline]") << "bare";
        QTest::newRow("map rebuild, 1000 files") << "rebuild";
        QTest::newRow("1000 lookups, no rebuild") << "lookup";
    }

    void languageMap()
    {
        QFETCH(QString, mode);
        QInternationalizationHelper helper(QStringLiteral("English"), QStringLiteral("en"), nullptr);
        helper.setDirectory(m_dir.path());
        helper.setFileName(QStringLiteral("bench"));
        helper.setTranslationContext(QStringLiteral("Bench"));
        const QStringList languages = helper.supportedLanguages();
        QCOMPARE(languages.size(), FileCount + 1);
        QCOMPARE(helper.languageToQtLocale(QStringLiteral("Language 999")), QStringLiteral("l0999"));

        if (mode == QLatin1String("bare")) {
            QBENCHMARK {
                QTranslator translator;
                for (const QString &file : qAsConst(m_files))
                    (void)translator.load(file, m_dir.path(), QString(), QString());
            }
        } else if (mode == QLatin1String("rebuild")) {
            QBENCHMARK {
                helper.setDirectory(m_dir.path()); // marks the map; the read below rebuilds it
                helper.supportedLanguages();
            }
        } else {
            int found = 0;
            QBENCHMARK {
                found = 0;
                for (const QString &language : languages)
                    found += !helper.languageToQtLocale(language).isEmpty();
            }
            QCOMPARE(found, FileCount + 1);
        }
    }

private:
    QTemporaryDir m_dir;
    QStringList m_files;
};

QTEST_MAIN(BenchI18n)
#include "bench_i18n.moc"
