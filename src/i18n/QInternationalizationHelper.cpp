#include "QInternationalizationHelper.h"

#include <QAction>
#include <QActionGroup>
#include <QDebug>
#include <QDir>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

#include <stdexcept>

namespace {

// Every application file translates this word into its own language's name.
const char *const LanguageNameSource = "English";

// Logged through the debug stream, so the log shows the text quoted; the
// exception carries it plain. std::invalid_argument's type information lives
// in libstdc++, so hosts catch it across the library boundary.
[[noreturn]] void failToLoad(const QString &file, const QString &directory)
{
    const QString message = QStringLiteral("Cannot load translation file \"%1\" within directory \"%2\".")
                                .arg(file, directory);
    qCritical() << message;
    throw std::invalid_argument(message.toUtf8().toStdString());
}

} // namespace

QInternationalizationHelper::QInternationalizationHelper(const QString &defaultLanguage,
                                                         const QString &defaultLocale, QObject *parent)
    : QObject(parent)
    , m_prefix(QStringLiteral("_"))
    , m_suffix(QStringLiteral("qm"))
    , m_defaultLanguage(defaultLanguage)
    , m_defaultLocale(defaultLocale)
    , m_languageMapDirty(false)
    , m_actionGroup(nullptr)
{
}

// The remembered action group belongs to the host and is left alone.
QInternationalizationHelper::~QInternationalizationHelper() = default;

QString QInternationalizationHelper::directory() const
{
    return m_directory;
}

// The five setters below only mark the map; it is rebuilt at the next read,
// once for any number of changes.
void QInternationalizationHelper::setDirectory(const QString &directory)
{
    m_directory = directory;
    m_languageMapDirty = true;
}

QString QInternationalizationHelper::fileName() const
{
    return m_fileName;
}

void QInternationalizationHelper::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    m_languageMapDirty = true;
}

QString QInternationalizationHelper::prefix() const
{
    return m_prefix;
}

void QInternationalizationHelper::setPrefix(const QString &prefix)
{
    m_prefix = prefix;
    m_languageMapDirty = true;
}

QString QInternationalizationHelper::suffix() const
{
    return m_suffix;
}

void QInternationalizationHelper::setSuffix(const QString &suffix)
{
    m_suffix = suffix;
    m_languageMapDirty = true;
}

QString QInternationalizationHelper::translationContext() const
{
    return m_translationContext;
}

void QInternationalizationHelper::setTranslationContext(const QString &context)
{
    m_translationContext = context;
    m_languageMapDirty = true;
}

QString QInternationalizationHelper::language() const
{
    return m_language;
}

QStringList QInternationalizationHelper::supportedLanguages() const
{
    checkLanguageMap();
    return m_languageMap.keys();
}

QString QInternationalizationHelper::languageToQtLocale(const QString &language)
{
    checkLanguageMap();
    return m_languageMap.value(language);
}

QSharedPointer<QTranslator> QInternationalizationHelper::appTranslator() const
{
    return loadTranslator(m_fileName, m_directory);
}

QSharedPointer<QTranslator> QInternationalizationHelper::qtTranslator() const
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return loadTranslator(QStringLiteral("qt"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
#else
    return loadTranslator(QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
#endif
}

QSharedPointer<QTranslator> QInternationalizationHelper::loadTranslator(const QString &stem,
                                                                        const QString &directory) const
{
    QSharedPointer<QTranslator> translator(new QTranslator);
    checkLanguageMap();
    // value() rather than operator[]: an unknown language must not grow the map.
    const QString code = m_languageMap.value(m_language);
    const QString file = stem + m_prefix + code + QLatin1Char('.') + m_suffix;
    if (!translator->load(file, directory, QString(), QString()))
        failToLoad(file, directory); // the translator is released while unwinding
    return translator;
}

void QInternationalizationHelper::setLanguage(const QString &language)
{
    m_language = language;
    if (m_actionGroup) {
        const QList<QAction *> actions = m_actionGroup->actions();
        for (QAction *action : actions) {
            if (action->text() == language) {
                // Checking is the program's choice, not the user's: keep the
                // group quiet so nothing reacts as if an entry had been picked.
                m_actionGroup->blockSignals(true);
                action->setChecked(true);
                m_actionGroup->blockSignals(false);
                break;
            }
        }
    }
    emit languageChanged();
}

void QInternationalizationHelper::changeLanguage(QAction *act)
{
    setLanguage(act->text());
}

void QInternationalizationHelper::createMenu(QMenu *menu, QActionGroup *group, bool connectGroup) const
{
    // Refusing a missing group, quietly as every other failure here, is safer
    // than filling a menu whose entries could neither be exclusive nor reach
    // the helper.
    if (!menu || !group)
        return;
    const QStringList languages = supportedLanguages();
    group->setExclusive(true);

    // The group is tied to a helper that is const here only in the sense
    // that the menu does not change its translation settings.
    auto *self = const_cast<QInternationalizationHelper *>(this);
    if (connectGroup) {
        m_actionGroup = group;
        connect(group, &QActionGroup::triggered, self, &QInternationalizationHelper::changeLanguage);
    } else {
        if (m_actionGroup)
            disconnect(m_actionGroup, nullptr, self, nullptr);
        m_actionGroup = nullptr;
    }

    for (const QString &language : languages) {
        auto *action = new QAction(language, menu);
        action->setCheckable(true);
        action->setChecked(language == m_defaultLanguage);
        menu->addAction(action);
        group->addAction(action);
    }
}

void QInternationalizationHelper::checkLanguageMap() const
{
    if (m_languageMapDirty)
        updateLanguageMap();
}

void QInternationalizationHelper::updateLanguageMap() const
{
    m_languageMap.clear();
    m_languageMap.insert(m_defaultLanguage, m_defaultLocale);

    // Name filters match without regard to case; NoSort falls back to the
    // QDir's own order, by name ignoring case.
    const QDir dir(m_directory);
    const QStringList files = dir.entryList(QStringList(m_fileName + m_prefix + QLatin1String("*.") + m_suffix),
                                            QDir::Files, QDir::NoSort);

    // One translator for the whole pass; load() clears what the previous
    // file left in it, also when it fails.
    QTranslator translator;
    const QByteArray context = m_translationContext.toUtf8();
    const int suffixLength = m_suffix.size() + 1;
    for (const QString &file : files) {
        QString code = file;
        const int prefixAt = code.indexOf(m_prefix);
        if (prefixAt >= 0)
            code.remove(0, prefixAt + m_prefix.size());
        code.chop(suffixLength);

        // A file that does not load leaves the translator empty: no name.
        (void)translator.load(file, m_directory, QString(), QString());
        QString name = translator.translate(context.constData(), LanguageNameSource, nullptr, -1);
        if (name.isEmpty())
            name = QStringLiteral("No translation (%1)").arg(code);
        m_languageMap.insert(name, code);
    }
    m_languageMapDirty = false;
}
