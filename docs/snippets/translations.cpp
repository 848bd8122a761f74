// Examples for the translation helper and the library's own catalogues.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QSharedPointer>
#include <QTranslator>

#include <QInternationalizationHelper.h>

#include <stdexcept>

#include "snippets.h"

// The example catalogues myapp_de.qm and myapp_fr.qm are compiled from
// translations/*.ts and embedded under :/translations by the build.

SNIPPET(translationHelper)
{
    QWidget &window = *host;
    auto *languageMenu = new QMenu(host);
    //! [helper]
    auto *i18n = new QInternationalizationHelper(QStringLiteral("English"), QStringLiteral("en"), &window);
    i18n->setDirectory(QStringLiteral(":/translations"));  // myapp_de.qm, myapp_fr.qm, ...
    i18n->setFileName(QStringLiteral("myapp"));
    i18n->setTranslationContext(QStringLiteral("MyApp"));  // "English" -> "Deutsch", "Français", ...
    i18n->createMenu(languageMenu, new QActionGroup(languageMenu), true);
    QObject::connect(i18n, &QInternationalizationHelper::languageChanged, &window, [i18n] {
        static QSharedPointer<QTranslator> app, qt;  // the translators in force
        QCoreApplication::removeTranslator(app.data());
        QCoreApplication::removeTranslator(qt.data());
        try {
            app = i18n->appTranslator();  // myapp_<code>.qm
            qt = i18n->qtTranslator();    // qt_<code>.qm from Qt's translations directory
            QCoreApplication::installTranslator(app.data());
            QCoreApplication::installTranslator(qt.data());
        } catch (const std::invalid_argument &) {
            // no catalogue for this language (also logged): the source texts stay
        }
    });
    //! [helper]
    const QList<QAction *> entries = languageMenu->actions();
    SNIPPET_CHECK(entries.size() == 3 && entries.at(0)->text() == QStringLiteral("Deutsch")
                  && entries.at(1)->isChecked() && entries.at(2)->text() == QStringLiteral("Français"));
    entries.at(0)->trigger();
    SNIPPET_CHECK(i18n->language() == QStringLiteral("Deutsch"));
    SNIPPET_CHECK(QCoreApplication::translate("MyApp", "English") == QStringLiteral("Deutsch"));
}

SNIPPET(systemLanguage)
{
    auto *i18n = new QInternationalizationHelper(QStringLiteral("English"), QStringLiteral("en"), host);
    i18n->setDirectory(QStringLiteral(":/translations"));
    i18n->setFileName(QStringLiteral("myapp"));
    i18n->setTranslationContext(QStringLiteral("MyApp"));
    auto *menu = new QMenu(host);
    i18n->createMenu(menu, new QActionGroup(menu), true);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    //! [system language]
    // Start in the user's language when there is a catalogue for it.
    const QString code = QLocale().name().section(QLatin1Char('_'), 0, 0);  // "de" for de_DE
    for (const QString &language : i18n->supportedLanguages()) {
        if (i18n->languageToQtLocale(language) == code)
            i18n->setLanguage(language);  // checks its menu entry and emits languageChanged()
    }
    //! [system language]
    QLocale::setDefault(QLocale::c());
    SNIPPET_CHECK(i18n->language() == QStringLiteral("Deutsch") && menu->actions().at(0)->isChecked());
}

SNIPPET(libraryCatalogue)
{
    Q_UNUSED(host);
    //! [library catalogue]
    QTranslator veltrix;
    if (veltrix.load(QLocale(), QStringLiteral("veltrix"), QStringLiteral("_"),
                     QStringLiteral("/usr/share/veltrix/translations")))
        QCoreApplication::installTranslator(&veltrix);
    //! [library catalogue]
}
