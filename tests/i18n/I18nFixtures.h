#ifndef VELTRIX_I18NFIXTURES_H
#define VELTRIX_I18NFIXTURES_H

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <QInternationalizationHelper.h>

namespace I18nTest {

// Fills dir from "fixture>name" entries: fixture is a compiled catalogue
// (de, at, fr, it, gb, es: lang_<x>.qm), "garbage" (a file that is no
// catalogue) or "dir" (a directory).
inline bool populate(const QString &dir, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString fixture = entry.section(QLatin1Char('>'), 0, 0);
        const QString target = QDir(dir).filePath(entry.section(QLatin1Char('>'), 1));
        bool ok;
        if (fixture == QLatin1String("dir")) {
            ok = QDir().mkpath(target);
        } else if (fixture == QLatin1String("garbage")) {
            QFile file(target);
            ok = file.open(QIODevice::WriteOnly) && file.write("this is no translation catalogue\n") > 0;
        } else {
            ok = QFile::copy(QStringLiteral(I18N_FIXTURE_DIR "/lang_%1.qm").arg(fixture), target);
        }
        if (!ok) {
            qWarning("cannot create %s", qPrintable(target));
            return false;
        }
    }
    return true;
}

// "name=code" for every supported language, in the helper's order.
inline QStringList languageTable(QInternationalizationHelper &helper)
{
    QStringList table;
    const QStringList languages = helper.supportedLanguages();
    for (const QString &language : languages)
        table << language + QLatin1Char('=') + helper.languageToQtLocale(language);
    return table;
}

// A helper for "English"/"en" reading app_<code>.qm files of context "Lang" in dir.
inline void configure(QInternationalizationHelper &helper, const QString &dir)
{
    helper.setDirectory(dir);
    helper.setFileName(QStringLiteral("app"));
    helper.setTranslationContext(QStringLiteral("Lang"));
}

} // namespace I18nTest

#endif // VELTRIX_I18NFIXTURES_H
