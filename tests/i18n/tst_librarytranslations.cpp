#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

#include <QInternationalizationHelper.h>
#include <QStyledHeader.h>

#include "I18nFixtures.h"

// The catalogues shipped with the library, as a host loads them.
class TestLibraryTranslations : public QObject
{
    Q_OBJECT

private slots:
    void headerTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("windowTitle");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");

        QTest::newRow("German") << "de" << "Anwendungskopf" << "Anwendungstitel" << "Anwendungsname";
        QTest::newRow("French") << "fr" << "En-tête d’application" << "Titre de l’application"
                                << "Nom de l’application";
    }

    void headerTexts()
    {
        QFETCH(QString, code);
        QFETCH(QString, windowTitle);
        QFETCH(QString, title);
        QFETCH(QString, name);

        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("veltrix_") + code, QStringLiteral(VELTRIX_TRANSLATIONS_DIR)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QStyledHeader header;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(header.windowTitle(), windowTitle);
        QCOMPARE(header.applicationTitle(), title);
        QCOMPARE(header.applicationSubTitle(), name);
    }

    // The helper finds the same files by their code; they name no language.
    void throughTheHelper()
    {
        QInternationalizationHelper helper(QStringLiteral("English"), QStringLiteral("en"), nullptr);
        helper.setDirectory(QStringLiteral(VELTRIX_TRANSLATIONS_DIR));
        helper.setFileName(QStringLiteral("veltrix"));
        QCOMPARE(helper.supportedLanguages(),
                 (QStringList{ "English", "No translation (de)", "No translation (fr)" }));
        helper.setLanguage(QStringLiteral("No translation (de)"));
        QCOMPARE(helper.appTranslator()->translate("QStyledHeader", "Application Title"),
                 QStringLiteral("Anwendungstitel"));
    }
};

QTEST_MAIN(TestLibraryTranslations)
#include "tst_librarytranslations.moc"
