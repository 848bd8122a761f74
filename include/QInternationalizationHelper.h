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

//! Finds an application's translation catalogues, offers them in a language
//! menu and hands out loaded translators.
//!
//! The helper looks for the application's catalogues in directory(), named
//! fileName() + prefix() + locale code + "." + suffix() (with the defaults
//! `myapp_de.qm`, `myapp_fr.qm`, ...). Each catalogue names its own
//! language: the helper looks up the translation of the source text
//! "English" in the context translationContext() and lists the language
//! under that name ("Deutsch", "Français", ...), next to the built-in
//! language given to the constructor. Qt's own catalogues are found the same
//! way, as `qt` + prefix() + code + "." + suffix() in Qt's translations
//! directory.
//!
//! The helper never installs a translator: appTranslator() and
//! qtTranslator() return new, loaded ones in shared pointers, and the host
//! installs them when languageChanged() says the language changed:
//!
//! \snippet translations.cpp helper
//!
//! The list of languages is built when it is first needed after one of the
//! five settings changed, and is not rebuilt otherwise. Menus made by
//! createMenu() keep the entries they were made with. Not thread-safe: the
//! const readers rebuild that list; use the helper on one thread.
//!
//! \looks{language-menu}
//! \see \ref translations
class VELTRIX_EXPORT QInternationalizationHelper : public QObject
{
    Q_OBJECT
    //! The directory of the application's catalogues; empty (the current
    //! directory) by default. A resource path such as ":/translations" works.
    Q_PROPERTY(QString directory READ directory WRITE setDirectory)
    //! The stem of the application's catalogue names, such as "myapp"; empty by
    //! default.
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    //! What stands between stem and locale code; "_" by default. Also used
    //! for Qt's catalogues.
    Q_PROPERTY(QString prefix READ prefix WRITE setPrefix)
    //! The file extension without the dot; "qm" by default. Also used for
    //! Qt's catalogues.
    Q_PROPERTY(QString suffix READ suffix WRITE setSuffix)
    //! The context in which each catalogue translates "English" into its
    //! language's name; empty by default.
    Q_PROPERTY(QString translationContext READ translationContext WRITE setTranslationContext)
    //! The current language, as a name from supportedLanguages(); empty until
    //! one is chosen.
    Q_PROPERTY(QString language READ language WRITE setLanguage)

public:
    //! Makes a helper for an application whose source texts are in
    //! `defaultLanguage` (its display name, such as "English") with the locale
    //! code `defaultLocale` (such as "en"). Nothing is read from disk yet. The
    //! parent, if any, owns the helper.
    QInternationalizationHelper(const QString &defaultLanguage, const QString &defaultLocale,
                                QObject *parent = nullptr);
    //! Destroys the helper. Translators it handed out live on in their shared
    //! pointers; a connected menu and action group are left alone.
    ~QInternationalizationHelper() override;

    //! The directory of the application's catalogues.
    QString directory() const;
    //! Sets the directory of the application's catalogues; the language list
    //! is rebuilt when next needed. Not checked: a missing directory simply
    //! offers only the built-in language.
    void setDirectory(const QString &directory);

    //! The stem of the application's catalogue names.
    QString fileName() const;
    //! Sets the stem of the application's catalogue names; the language list
    //! is rebuilt when next needed.
    void setFileName(const QString &fileName);

    //! The text between stem and locale code.
    QString prefix() const;
    //! Sets the text between stem and locale code, for the application's and
    //! Qt's catalogues; the language list is rebuilt when next needed. The
    //! locale code of a file is what follows the first occurrence of the
    //! prefix in its name: with an empty prefix the stem stays part of the
    //! code, and a stem that contains the prefix (`my_app` with "_") gives
    //! codes such as `app_de`. Choose a prefix the stem does not contain.
    void setPrefix(const QString &prefix);

    //! The catalogue file extension, without the dot.
    QString suffix() const;
    //! Sets the catalogue file extension, for the application's and Qt's
    //! catalogues; the language list is rebuilt when next needed.
    void setSuffix(const QString &suffix);

    //! The context in which catalogues name their language.
    QString translationContext() const;
    //! Sets the context in which catalogues translate "English" into their
    //! language's name; the language list is rebuilt when next needed.
    void setTranslationContext(const QString &context);

    //! The current language as a display name (a name from
    //! supportedLanguages()), or whatever was last passed to setLanguage().
    QString language() const;

    //! The names of the languages found, the built-in one included, sorted as
    //! QString compares them (case-sensitive).
    //!
    //! A catalogue that does not load or has no translation of "English" in
    //! translationContext() is listed as "No translation (<code>)". When two
    //! catalogues give the same name, the one listed later (by file name)
    //! wins. Empty until one of the five settings has been set at least once.
    QStringList supportedLanguages() const;
    //! The locale code of a language name from supportedLanguages()
    //! ("Deutsch" gives "de", for instance); an empty string for an unknown name.
    QString languageToQtLocale(const QString &language);

    //! A new translator loaded with the application's catalogue for the
    //! current language, fileName() + prefix() + code + "." + suffix() from
    //! directory(). It is not installed.
    //!
    //! \throws std::invalid_argument when the file does not load, after
    //! logging `Cannot load translation file "%1" within directory "%2".`
    //! (with the file name and the directory) at critical level. This also happens for the built-in
    //! language when no catalogue exists for it, and for a language that is
    //! not in the list (the code is then empty). Catch it around every call.
    QSharedPointer<QTranslator> appTranslator() const;
    //! A new translator loaded with Qt's own catalogue for the current
    //! language, "qt" + prefix() + code + "." + suffix() from Qt's
    //! translations directory (QLibraryInfo::TranslationsPath). It is not
    //! installed.
    //! \throws std::invalid_argument as appTranslator() does.
    QSharedPointer<QTranslator> qtTranslator() const;

    //! Appends one checkable entry per supported language to `menu` and to
    //! `group` and makes the group exclusive.
    //!
    //! The entry of the built-in language is checked, whatever the current
    //! language. With `connectGroup` the
    //! group is tied to the helper: picking an entry calls setLanguage(), and
    //! setLanguage() checks the entry of the language it is given. Without
    //! it, the entries are only added, and a group tied earlier is untied.
    //! Existing entries are kept; calling it twice with the same group adds
    //! the entries twice and ties the group twice.
    //!
    //! The menu owns the entries; the helper owns neither the menu nor the
    //! group, so keep the group alive as long as it is tied to the helper (or
    //! untie it first). A null `menu` or a null `group` does nothing. See
    //! the class description for an example.
    void createMenu(QMenu *menu, QActionGroup *group, bool connectGroup) const;

public slots:
    //! Makes `language` the current language and emits languageChanged().
    //!
    //! The name is not checked: an unknown one is stored too, and the
    //! translators then look for files with an empty locale code. A tied menu
    //! checks the entry of that name, without the group emitting anything.
    //! The signal comes also when the language is the same as before.
    //! \snippet translations.cpp system language
    void setLanguage(const QString &language);

signals:
    //! setLanguage() was called, from the program or from the language menu.
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
