// Paint time of an elided label three lines high over texts of growing size,
// and of a word-wrapping QLabel over the short text. The label only shows a
// few lines, so the size of the text should barely matter.
#include <QImage>
#include <QLabel>
#include <QtTest>

#include <QElidedLabel.h>

namespace {

QString loremText(int length)
{
    const QString paragraph = QStringLiteral(
        "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et "
        "dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex "
        "ea commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu "
        "fugiat nulla pariatur. ");
    QString text;
    text.reserve(length + paragraph.size());
    while (text.size() < length)
        text += paragraph;
    text.truncate(length);
    return text;
}

} // namespace

class BenchElidedLabel : public QObject
{
    Q_OBJECT

private slots:
    // Rows tagged "[baseline]" are what benchmarks/run divides the others by.
    void paint_data()
    {
        QTest::addColumn<bool>("elided");
        QTest::addColumn<int>("length");
        QTest::newRow("elided 1KB [baseline]") << true << 1024;
        QTest::newRow("elided 100KB") << true << 100 * 1024;
        QTest::newRow("elided 1MB") << true << 1024 * 1024;
        QTest::newRow("QLabel word wrap 1KB [baseline]") << false << 1024;
    }
    void paint()
    {
        QFETCH(bool, elided);
        QFETCH(int, length);

        const QString text = loremText(length);
        QScopedPointer<QLabel> label(elided ? new QElidedLabel(text) : new QLabel(text));
        if (!elided) {
            // The same frame as the elided label, so only the text differs.
            label->setWordWrap(true);
            label->setFrameShape(QFrame::StyledPanel);
            label->setFrameShadow(QFrame::Sunken);
        }
        label->resize(400, 3 * label->fontMetrics().lineSpacing());
        QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
        label->render(&image);
        if (elided)
            QVERIFY(static_cast<QElidedLabel *>(label.data())->isElided());

        QBENCHMARK {
            label->render(&image);
        }
    }
};

QTEST_MAIN(BenchElidedLabel)
#include "bench_elidedlabel.moc"
