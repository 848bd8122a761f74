#include <QApplication>
#include <QMetaProperty>
#include <QtTest>

#include <QNavigationButton.h>

#include "ButtonProbeStyle.h"

namespace {
QIcon solidIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkCyan);
    return QIcon(pixmap);
}
} // namespace

class TestNavigationButton : public QObject
{
    Q_OBJECT

private slots:
    void constructors_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("parent") << "parent" << -1 << QString();
        QTest::newRow("id, parent") << "id" << 4 << QString();
        QTest::newRow("id, text, parent") << "text" << 0 << "Source";
        QTest::newRow("id, icon, text, parent") << "icon" << 12 << "Target";
    }

    void constructors()
    {
        QFETCH(QString, form);
        QFETCH(int, id);
        QFETCH(QString, text);
        QWidget parent;
        QNavigationButton *button = form == "parent" ? new QNavigationButton(&parent)
            : form == "id"                          ? new QNavigationButton(id, &parent)
            : form == "text"                        ? new QNavigationButton(id, text, &parent)
                                                     : new QNavigationButton(id, solidIcon(), text, &parent);
        QCOMPARE(button->parentWidget(), &parent);
        QCOMPARE(button->id(), id);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->icon().isNull(), form != "icon");
        QVERIFY(button->isCheckable() && !button->isChecked() && !button->isEnabled());
        QVERIFY(!button->predecessor() && !button->successor());
        QCOMPARE(QNavigationButton().id(), -1);
    }

    void properties_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("id") << QByteArray("id");
        QTest::newRow("predecessor") << QByteArray("predecessor");
        QTest::newRow("successor") << QByteArray("successor");
    }

    void properties()
    {
        QFETCH(QByteArray, name);
        const QMetaObject &mo = QNavigationButton::staticMetaObject;
        const QMetaProperty property = mo.property(mo.indexOfProperty(name.constData()));
        QVERIFY(property.isReadable() && property.isWritable() && property.isDesignable() && property.isScriptable()
                && property.isStored());

        QNavigationButton button(1);
        QNavigationButton other(2);
        const QVariant value = name == "id" ? QVariant(42) : QVariant::fromValue(&other);
        QVERIFY(button.setProperty(name.constData(), value));
        const QVariant read = button.property(name.constData());
        QCOMPARE(read.userType(), name == "id" ? int(QMetaType::Int) : qMetaTypeId<QNavigationButton *>());
        QCOMPARE(read, value);
        if (name == "successor")
            QCOMPARE(read.value<QNavigationButton *>(), button.successor());
        if (name == "predecessor")
            QCOMPARE(read.value<QNavigationButton *>(), button.predecessor());
    }

    void linksAreOneWay()
    {
        QNavigationButton a(0);
        QNavigationButton b(1);
        QNavigationButton c(2);
        b.setPredecessor(&c);
        a.setSuccessor(&b);
        QCOMPARE(a.successor(), &b);
        QCOMPARE(b.predecessor(), &c);
        b.setPredecessor(&a);
        c.setPredecessor(&b);
        QCOMPARE(b.successor(), static_cast<QNavigationButton *>(nullptr));
    }

    void sizeHint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("iconSize"); // invalid: no icon
        QTest::addColumn<QSize>("extra");    // (1, 1): text width / height taken into account
        QTest::newRow("empty, no icon") << QString() << QSize() << QSize(1, 1);
        QTest::newRow("text, no icon") << "Target" << QSize() << QSize(1, 1);
        QTest::newRow("empty, icon") << QString() << QSize(20, 4) << QSize(0, 0);
        QTest::newRow("text, icon") << "&Go" << QSize(20, 4) << QSize(1, 1);
        QTest::newRow("text, tall icon") << "Go" << QSize(12, 60) << QSize(1, 1);
    }

    void sizeHint()
    {
        QFETCH(QString, text);
        QFETCH(QSize, iconSize);
        QFETCH(QSize, extra);
        ButtonProbeStyle style;
        QNavigationButton button(3, text);
        button.setStyle(&style);
        if (iconSize.isValid()) {
            button.setIcon(solidIcon());
            button.setIconSize(iconSize);
        }
        const QSize textSize = button.fontMetrics().size(Qt::TextShowMnemonic, text.isEmpty() ? "XXXX" : text);
        const QSize icon = iconSize.isValid() ? iconSize + QSize(4, 0) : QSize(0, 0);
        const QSize contents(icon.width() + extra.width() * textSize.width(),
                             extra.height() ? qMax(icon.height(), textSize.height()) : icon.height());

        QCOMPARE(button.sizeHint(), ButtonProbeStyle::answer(contents).expandedTo(QApplication::globalStrut()));
        QCOMPARE(style.contents, QVector<QSize>{ contents });
        QCOMPARE(style.optionRects.first().size(), contents);
    }
};

QTEST_MAIN(TestNavigationButton)
#include "tst_navigationbutton.moc"
