#ifndef QINTERNATIONALIZATIONHELPER_H
#define QINTERNATIONALIZATIONHELPER_H

#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

#include "VeltrixGlobal.h"

class QAction;
class QActionGroup;
class QMenu;
class QTranslator;

// Runs an application's translations. Translation files are named
// fileName + prefix + locale code + "." + suffix (Qt's own: "qt" + prefix +
// code + "." + suffix); each application file names its own language by its
// translation of "English" in translationContext. The helper lists those
// languages, builds a language menu and hands out loaded translators in
// shared pointers; installing them is up to the caller.
//
// Not thread-safe: the language map is rebuilt lazily inside const readers.
class VELTRIX_EXPORT QInternationalizationHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString directory READ directory WRITE setDirectory)
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString prefix READ prefix WRITE setPrefix)
    Q_PROPERTY(QString suffix READ suffix WRITE setSuffix)
    Q_PROPERTY(QString translationContext READ translationContext WRITE setTranslationContext)
    Q_PROPERTY(QString language READ language WRITE setLanguage)

public:
    // defaultLanguage/defaultLocale describe the language the source texts are
    // written in, e.g. "English" and "en".
    QInternationalizationHelper(const QString &defaultLanguage, const QString &defaultLocale,
                                QObject *parent = nullptr);
    ~QInternationalizationHelper() override;

    QString directory() const;
    void setDirectory(const QString &directory);

    QString fileName() const;
    void setFileName(const QString &fileName);

    QString prefix() const;
    void setPrefix(const QString &prefix);

    QString suffix() const;
    void setSuffix(const QString &suffix);

    QString translationContext() const;
    void setTranslationContext(const QString &context);

    // The current language as a display name (a key of supportedLanguages()).
    QString language() const;

    // Display names of the languages found, sorted; the built-in one included.
    QStringList supportedLanguages() const;
    // Locale code of a display name, or an empty string for an unknown one.
    QString languageToQtLocale(const QString &language);

    // Fresh, loaded, not installed. Both throw std::invalid_argument (after a
    // critical log message) when the file for the current language does not load.
    QSharedPointer<QTranslator> appTranslator() const;
    QSharedPointer<QTranslator> qtTranslator() const;

    // Appends one checkable entry per supported language to menu and group.
    // With connectGroup the group drives setLanguage() and follows it;
    // without, a group tied earlier is untied. The helper owns neither.
    void createMenu(QMenu *menu, QActionGroup *group, bool connectGroup) const;

public slots:
    void setLanguage(const QString &language);

signals:
    void languageChanged() const;

private slots:
    void changeLanguage(QAction *act);

private:
    Q_DISABLE_COPY(QInternationalizationHelper)

    void checkLanguageMap() const;
    void updateLanguageMap() const;
    QSharedPointer<QTranslator> loadTranslator(const QString &stem, const QString &directory) const;

    QString m_directory;
    QString m_fileName;
    QString m_prefix;
    QString m_suffix;
    QString m_translationContext;
    QString m_language;
    QString m_defaultLanguage;
    QString m_defaultLocale;
    mutable bool m_languageMapDirty;
    mutable QMap<QString, QString> m_languageMap;
    mutable QActionGroup *m_actionGroup;
};

#endif // QINTERNATIONALIZATIONHELPER_H
