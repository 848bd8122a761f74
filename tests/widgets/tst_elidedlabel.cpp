#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>

#include <QElidedLabel.h>

#include "ElidedReference.h"

namespace {

// Numbered word pairs; a label one pair wide shows one pair per line.
QString pairs(int count)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << QStringLiteral("aaaa%1 bbbb%1").arg(i);
    return words.join(QLatin1Char(' '));
}

QSize linesHigh(const QWidget &label, int lines, int extra = 0)
{
    const QFontMetrics metrics = label.fontMetrics();
    return QSize(metrics.horizontalAdvance(QStringLiteral("aaaa1 bbbb1")) + 2, lines * metrics.lineSpacing() + extra);
}

QVector<PaintRecord> paintedText(QElidedLabel &label)
{
    RecordingPaintDevice device(label.size());
    label.render(&device);
    return device.records(PaintRecord::Text);
}

// Grows line-edit contents by a fixed amount and remembers what it was asked.
class SizeProbeStyle : public QProxyStyle
{
public:
    SizeProbeStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        if (type != CT_LineEdit)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        asked << size;
        askedWithWidget = askedWithWidget || widget;
        return size + QSize(100, 50);
    }
    mutable QVector<QSize> asked;
    mutable bool askedWithWidget = false;
};

} // namespace

class TestElidedLabel : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        QWidget parent;
        QElidedLabel empty;
        QElidedLabel labelled(QStringLiteral("text"), &parent, Qt::Tool);
        for (QElidedLabel *label : { &empty, &labelled }) {
            QCOMPARE(label->frameShape(), QFrame::StyledPanel);
            QCOMPARE(label->frameShadow(), QFrame::Sunken);
            QVERIFY(!label->isElided());
        }
        QCOMPARE(labelled.text(), QStringLiteral("text"));
        QCOMPARE(labelled.parentWidget(), &parent);
        QCOMPARE(labelled.windowType(), Qt::Tool);
        QCOMPARE(empty.metaObject()->className(), "QElidedLabel");

        const QMetaProperty property =
            empty.metaObject()->property(empty.metaObject()->indexOfProperty("isElided"));
        QVERIFY(property.isReadable() && property.isDesignable() && property.isScriptable() && property.isStored());
        QVERIFY(!property.isWritable() && !property.isResettable() && !property.hasNotifySignal());
        QVERIFY(!empty.setProperty("isElided", true));
        QCOMPARE(empty.property("isElided"), QVariant(false));
    }

    // A label `lines` line spacings high (plus `extra` pixels) over a text of `pairsInText` lines.
    void linesByHeight_data()
    {
        QTest::addColumn<int>("pairsInText");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("extra");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("visible");
        QTest::addColumn<bool>("elided");
        QTest::newRow("half a line") << 5 << 0 << 8 << 0 << 1 << true;
        QTest::newRow("one line") << 5 << 1 << 0 << 0 << 1 << true;
        QTest::newRow("just under two") << 5 << 2 << -1 << 0 << 1 << true;
        QTest::newRow("two lines") << 5 << 2 << 0 << 0 << 2 << true;
        QTest::newRow("four and a half") << 9 << 4 << 10 << 0 << 4 << true;
        QTest::newRow("three of three") << 3 << 3 << 0 << 0 << 3 << false;
        QTest::newRow("two of three") << 3 << 2 << 0 << 0 << 2 << true;
        QTest::newRow("taller than the text") << 2 << 6 << 0 << 0 << 2 << false;
        QTest::newRow("margin 5") << 6 << 4 << 0 << 5 << 4 << true;
        QTest::newRow("margin 5, one line") << 6 << 1 << 0 << 5 << 1 << true;
    }
    void linesByHeight()
    {
        QFETCH(int, pairsInText);
        QFETCH(int, lines);
        QFETCH(int, extra);
        QFETCH(int, margin);
        QFETCH(int, visible);
        QFETCH(bool, elided);

        QElidedLabel label(pairs(pairsInText));
        label.setMargin(margin);
        // Neither of these may move the text.
        label.setAlignment(Qt::AlignRight | Qt::AlignBottom);
        label.setIndent(30);
        label.resize(linesHigh(label, lines, extra));
        const QVector<PaintRecord> texts = paintedText(label);

        QCOMPARE(texts.size(), visible);
        QCOMPARE(label.isElided(), elided);
        const QFontMetrics metrics = label.fontMetrics();
        for (int i = 0; i < visible; ++i) {
            const QString text = texts.at(i).text;
            const QPointF at = texts.at(i).mappedPosition();
            const bool last = i == visible - 1;
            QCOMPARE(at.x(), last ? qreal(margin) : 0.0);
            QVERIFY2(qAbs(at.y() - metrics.ascent() - i * metrics.lineSpacing()) < 1.0, qPrintable(text));
            if (last && elided) {
                QVERIFY2(text.startsWith(QStringLiteral("aaaa%1 ").arg(i + 1)), qPrintable(text));
                QVERIFY2(text.endsWith(QChar(0x2026)) || text.endsWith(QLatin1String("...")), qPrintable(text));
            } else {
                QCOMPARE(text.trimmed(), QStringLiteral("aaaa%1 bbbb%1").arg(i + 1));
            }
        }
    }

    // Steps: height in lines (0: the text becomes empty), paints, flag after; then the signals.
    void flagAndSignal_data()
    {
        QTest::addColumn<QVector<int>>("heights");
        QTest::addColumn<QVector<int>>("paints");
        QTest::addColumn<QVector<bool>>("flags");
        QTest::addColumn<QVector<bool>>("emitted");
        QTest::newRow("shrink and grow") << QVector<int>{ 3, 2, 2, 1, 3, 3 } << QVector<int>{ 1, 1, 2, 1, 1, 3 }
                                         << QVector<bool>{ false, true, true, true, false, false }
                                         << QVector<bool>{ true, false };
        QTest::newRow("text becomes empty") << QVector<int>{ 1, 0, 0 } << QVector<int>{ 1, 1, 1 }
                                            << QVector<bool>{ true, false, false }
                                            << QVector<bool>{ true, false };
        QTest::newRow("not painted, not told") << QVector<int>{ 1, 3, 3 } << QVector<int>{ 1, 0, 1 }
                                               << QVector<bool>{ true, true, false }
                                               << QVector<bool>{ true, false };
    }
    void flagAndSignal()
    {
        QFETCH(QVector<int>, heights);
        QFETCH(QVector<int>, paints);
        QFETCH(QVector<bool>, flags);
        QFETCH(QVector<bool>, emitted);

        QElidedLabel label(pairs(3));
        QSignalSpy spy(&label, &QElidedLabel::elisionChanged);
        for (int step = 0; step < heights.size(); ++step) {
            if (heights.at(step) == 0)
                label.setText(QString());
            else
                label.resize(linesHigh(label, heights.at(step)));
            for (int i = 0; i < paints.at(step); ++i)
                paintedText(label);
            QCOMPARE(label.isElided(), flags.at(step));
        }
        QCOMPARE(spy.count(), emitted.size());
        for (int i = 0; i < emitted.size(); ++i)
            QCOMPARE(spy.at(i).at(0).toBool(), emitted.at(i));
    }

    void minimumSizeHint_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("margin");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("styleAsked");
        QTest::newRow("styled panel") << int(QFrame::StyledPanel) << 0 << QStringLiteral("a b c") << true;
        QTest::newRow("styled panel, margin 7") << int(QFrame::StyledPanel) << 7 << pairs(40) << true;
        QTest::newRow("box") << int(QFrame::Box) << 0 << pairs(40) << false;
        QTest::newRow("no frame, margin 4") << int(QFrame::NoFrame) << 4 << QStringLiteral("x") << false;
    }
    void minimumSizeHint()
    {
        QFETCH(int, shape);
        QFETCH(int, margin);
        QFETCH(QString, text);
        QFETCH(bool, styleAsked);

        SizeProbeStyle style;
        QElidedLabel label(text);
        QLabel plain(text);
        // The same steps as the label's own construction, so QLabel's hint is comparable.
        plain.setFrameShape(QFrame::StyledPanel);
        plain.setFrameShadow(QFrame::Sunken);
        for (QLabel *each : { static_cast<QLabel *>(&label), &plain }) {
            each->setStyle(&style);
            each->setFrameShape(QFrame::Shape(shape));
            each->setMargin(margin);
        }
        const QSize plainHint = plain.minimumSizeHint();
        style.asked.clear();
        const QSize hint = static_cast<QWidget &>(label).minimumSizeHint();

        const QSize contents(label.fontMetrics().horizontalAdvance(QStringLiteral("...")) + 2 * margin,
                             plainHint.height());
        QCOMPARE(hint, styleAsked ? contents + QSize(100, 50) : contents);
        QCOMPARE(style.asked, styleAsked ? QVector<QSize>{ contents } : QVector<QSize>{});
        QVERIFY(!style.askedWithWidget);
    }

    // The label's paint against the whole-text paint of the same algorithm.
    void matchesReference_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("margin");
        const QVector<QPair<QSize, int>> sizes = { { QSize(170, 10), 0 }, { QSize(420, 64), 5 }, { QSize(300, 170), 0 } };
        for (const ElidedReference::Sample &sample : ElidedReference::samples()) {
            for (const auto &size : sizes)
                QTest::addRow("%s %dx%d", sample.name, size.first.width(), size.first.height())
                    << sample.text << size.first << size.second;
        }
    }
    void matchesReference()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(int, margin);

        QElidedLabel label(text);
        label.setMargin(margin);
        label.resize(size);
        RecordingPaintDevice painted(size);
        label.render(&painted);

        RecordingPaintDevice reference(size);
        QPainter painter(&reference);
        painter.setFont(label.font());
        const bool elided = ElidedReference::paint(&painter, text, size.width(), size.height(), margin);
        painter.end();

        QCOMPARE(ElidedReference::drawnText(painted), ElidedReference::drawnText(reference));
        QCOMPARE(label.isElided(), elided);
    }
};

QTEST_MAIN(TestElidedLabel)
#include "tst_elidedlabel.moc"
