// The library's resource bundle as host code sees it: no style is ever
// created in this program, and it runs without a GUI application.
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QResource>
#include <QtTest>

#include <QStyledPushButton.h>

// Referencing a symbol keeps the library linked, so its load-time
// registration is the only thing that can make the bundle visible here.
extern const QMetaObject *volatile libraryAnchor;
const QMetaObject *volatile libraryAnchor = &QStyledPushButton::staticMetaObject;

namespace {

const QString IniPath = QStringLiteral(":/StyleHelper/StyleHelper.ini");

// Whether the colour file was visible before main() created anything at all.
bool iniVisibleAtStartup = false;

quint16 le16(const QByteArray &bytes, int offset)
{
    return quint16(quint8(bytes.at(offset)) | quint8(bytes.at(offset + 1)) << 8);
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void visibleBeforeAnything()
    {
        QVERIFY(iniVisibleAtStartup);
    }

    void entries_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("carried");

        QTest::newRow("colour table") << IniPath << true;
        QTest::newRow("gradient png") << QStringLiteral(":/logos/gradient_logo.png") << true;
        QTest::newRow("gradient ico") << QStringLiteral(":/logos/gradient_logo.ico") << true;
        QTest::newRow("flat png") << QStringLiteral(":/logos/flat_logo.png") << true;
        QTest::newRow("flat ico") << QStringLiteral(":/logos/flat_logo.ico") << true;
        // Host pictures are the application's business, not the library's.
        QTest::newRow("host header logo") << QStringLiteral(":/logos/K_logo.png") << false;
        QTest::newRow("host checkbox") << QStringLiteral(":/pixmaps/checkbox_checked.png") << false;
    }

    void entries()
    {
        QFETCH(QString, path);
        QFETCH(bool, carried);

        const QResource resource(path);
        QCOMPARE(resource.isValid(), carried);
        if (!carried)
            return;
        QVERIFY(resource.size() > 0);
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
        // Resource format 1 records no modification times.
        QVERIFY(!resource.lastModified().isValid());
    }

    void iniLayout()
    {
        QFile file(IniPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();

        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));

        QList<QByteArray> lines = bytes.split('\n');
        lines.removeLast();
        for (QByteArray &line : lines)
            line.chop(1);

        QCOMPARE(lines.first(), QByteArray("[GradientStyleColor]"));
        const int blank = lines.indexOf(QByteArray());
        QVERIFY(blank > 0);
        QCOMPARE(lines.lastIndexOf(QByteArray()), blank);
        QCOMPARE(lines.value(blank + 1), QByteArray("[FlatStyleColor]"));
        // The legacy key sits where id 9 is read, as the tenth line of its group.
        QCOMPARE(lines.value(10), QByteArray("GC_DARK_GRAY=#404245"));

        const QRegularExpression entry(QStringLiteral("^([A-Z0-9_]+)=#[0-9A-F]{6}$"));
        QStringList gradientKeys;
        QStringList flatKeys;
        for (int i = 1; i < lines.size(); ++i) {
            if (i == blank || i == blank + 1)
                continue;
            const QRegularExpressionMatch match = entry.match(QString::fromLatin1(lines.at(i)));
            QVERIFY2(match.hasMatch(), lines.at(i).constData());
            (i < blank ? gradientKeys : flatKeys) << match.captured(1);
        }
        // Both groups list their keys in id order.
        QCOMPARE(gradientKeys, QStringList({ "GC_DARKGRAY_1", "GC_MIDGRAY_1", "GC_MIDGRAY_2", "GC_LIGHTGRAY",
                                             "GC_DARKBLUE", "GC_MIDBLUE_1", "GC_MIDBLUE_2", "GC_LIGHTBLUE",
                                             "GC_BLUE_HOVER", "GC_DARK_GRAY", "GC_DARKGRAY_2", "GC_WHITE", "GC_BLACK",
                                             "GC_ANTHRACITE", "GC_RED" }));
        QCOMPARE(flatKeys, QStringList({ "FC_DARK_BLUE", "FC_BLUE", "FC_LIGHT_BLUE", "FC_DARK_GRAY", "FC_GRAY",
                                         "FC_LIGHT_GRAY", "FC_WHITE", "FC_BLACK" }));
    }

    void logos_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");

        QTest::newRow("gradient png") << QStringLiteral(":/logos/gradient_logo.png") << QByteArray("png") << QSize(128, 29);
        QTest::newRow("gradient ico") << QStringLiteral(":/logos/gradient_logo.ico") << QByteArray("ico") << QSize(48, 48);
        QTest::newRow("flat png") << QStringLiteral(":/logos/flat_logo.png") << QByteArray("png") << QSize(220, 29);
        QTest::newRow("flat ico") << QStringLiteral(":/logos/flat_logo.ico") << QByteArray("ico") << QSize(48, 48);
    }

    void logos()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);

        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        QVERIFY(image.hasAlphaChannel());

        if (format != "ico")
            return;
        QCOMPARE(QImageReader(path).imageCount(), 1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() >= 22);
        QCOMPARE(le16(bytes, 0), quint16(0)); // reserved
        QCOMPARE(le16(bytes, 2), quint16(1)); // icon, not cursor
        QCOMPARE(le16(bytes, 4), quint16(1)); // one image
        QCOMPARE(quint8(bytes.at(6)), quint8(48));
        QCOMPARE(quint8(bytes.at(7)), quint8(48));
        QCOMPARE(le16(bytes, 10), quint16(1));  // planes
        QCOMPARE(le16(bytes, 12), quint16(32)); // bits per pixel
    }
};

int main(int argc, char **argv)
{
    iniVisibleAtStartup = QFile::exists(IniPath);

    QCoreApplication app(argc, argv);
    TestResources test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resources.moc"
