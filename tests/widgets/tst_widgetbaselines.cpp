// What the library's widgets are made of, as reviewed text in
// baselines/widgets.txt: what each constructor builds (properties, children,
// layouts), the size hints they ask of a style, and what they paint. Sizes
// and paints go through the base probe style (ProbeStyles.h), whose answers
// are fixed, so the text shows the widgets' own arithmetic. The process runs
// at two device pixels per logical one, as on a high-DPI screen.
#include <QtTest>
#include <QtWidgets>

#include <QElidedLabel.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QIpAdressEdit.h>
#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QPixmapButton.h>
#include <QSlideMaster.h>
#include <QStyledComboBox.h>
#include <QStyledGroupBox.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include <functional>

#include "Baseline.h"
#include "Dump.h"
#include "ProbeStyles.h"
#include "RecordingPaintDevice.h"

namespace {

// Properties shown wherever a widget has them.
const QList<QByteArray> Shown{ "text", "title", "windowTitle", "icon", "iconSize", "pixmap", "checkable", "checked",
    "enabled", "flat", "wordWrap", "frameShape", "maxLength", "focusPolicy", "readOnly", "accessibleName",
    "sizePolicy", "id", "predecessor", "successor", "buttonType", "buttonDesign", "buttonOptions", "ipType",
    "ipAdress", "modified", "applicationTitle", "applicationSubTitle", "subTitle", "isElided" };

QStringList messages;

void collect(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        messages << message;
}

QPixmap filled(const QSize &size, qreal ratio)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::darkBlue);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// The tree and size hints of `w` under the probe style, then what it paints at `size`.
QStringList sized(QWidget *w, const QSize &size = QSize())
{
    static BaseProbe probe;
    w->setStyle(&probe);
    QStringList lines = Dump::tree(w, Shown);
    lines << QStringLiteral("sizeHint %1x%2 minimumSizeHint %3x%4").arg(w->sizeHint().width())
                 .arg(w->sizeHint().height()).arg(w->minimumSizeHint().width()).arg(w->minimumSizeHint().height());
    if (size.isValid()) {
        w->resize(size);
        RecordingPaintDevice device(size);
        w->render(&device, QPoint(), QRegion(), QWidget::DrawChildren);
        lines << device.lines();
    }
    return lines;
}

struct Case
{
    QString name;
    std::function<QStringList()> run;
};

void addConstructorCases(QVector<Case> &cases)
{
    using Make = std::function<QWidget *(QWidget *)>;
    const QIcon icon(filled(QSize(8, 8), 1));
    const QVector<QPair<const char *, Make>> made{
        { "QStyledPushButton(parent)", [](QWidget *p) { return new QStyledPushButton(p); } },
        { "QStyledPushButton(text, parent)", [](QWidget *p) { return new QStyledPushButton("Apply", p); } },
        { "QStyledPushButton(icon, text, parent)", [=](QWidget *p) { return new QStyledPushButton(icon, "Go", p); } },
        { "QStyledComboBox(parent)", [](QWidget *p) { return new QStyledComboBox(p); } },
        { "QStyledGroupBox(parent)", [](QWidget *p) { return new QStyledGroupBox(p); } },
        { "QStyledGroupBox(title, parent)", [](QWidget *p) { return new QStyledGroupBox("Group", p); } },
        { "QStyledMenuBar(parent)", [](QWidget *p) { return new QStyledMenuBar(p); } },
        { "QFrameHeaderLabel(parent)", [](QWidget *p) { return new QFrameHeaderLabel(p); } },
        { "QFrameHeaderLabel(text, parent)", [](QWidget *p) { return new QFrameHeaderLabel("Heading", p); } },
        { "QFrameDescriptionLabel(parent)", [](QWidget *p) { return new QFrameDescriptionLabel(p); } },
        { "QFrameDescriptionLabel(text, parent)", [](QWidget *p) { return new QFrameDescriptionLabel("About", p); } },
        { "QStyledHeader(parent)", [](QWidget *p) { return new QStyledHeader(p); } },
        { "QSlideMaster(parent)", [](QWidget *p) { return new QSlideMaster(p); } },
        { "QNavigationButton(parent)", [](QWidget *p) { return new QNavigationButton(p); } },
        { "QNavigationButton(id, parent)", [](QWidget *p) { return new QNavigationButton(4, p); } },
        { "QNavigationButton(id, text, parent)", [](QWidget *p) { return new QNavigationButton(4, "Target", p); } },
        { "QNavigationButton(id, icon, text, parent)",
          [=](QWidget *p) { return new QNavigationButton(12, icon, "&Go", p); } },
        { "QNavigationButtonGroup(direction, parent)",
          [](QWidget *p) { return new QNavigationButtonGroup(QBoxLayout::BottomToTop, p); } },
        { "QPixmapButton(parent)", [](QWidget *p) { return new QPixmapButton(p); } },
        { "QPixmapButton(pixmap, parent)", [](QWidget *p) { return new QPixmapButton(filled(QSize(32, 24), 1), p); } },
        { "QElidedLabel(parent)", [](QWidget *p) { return new QElidedLabel(p); } },
        { "QElidedLabel(text, parent)", [](QWidget *p) { return new QElidedLabel("Elided", p); } },
        { "QIpAdressEdit(parent)", [](QWidget *p) { return new QIpAdressEdit(p); } },
        { "QIpAdressEdit(parent, IPv6)", [](QWidget *p) { return new QIpAdressEdit(p, QIpAdressEdit::IPv6); } },
    };
    for (const auto &m : made)
        cases << Case{ QString::fromLatin1(m.first), [=] {
                          QWidget parent;
                          QWidget *w = m.second(&parent);
                          QStringList lines = Dump::tree(w, Shown);
                          lines << QStringLiteral("parent %1").arg(w->parentWidget() == &parent ? "kept" : "lost");
                          return lines;
                      } };
}

void addSizeCases(QVector<Case> &cases)
{
    const QIcon icon(filled(QSize(8, 8), 1));
    for (const QSize iconSize : { QSize(), QSize(20, 4), QSize(12, 60) })
        for (const QString &text : { QString(), QStringLiteral("&Go") })
            cases << Case{ QStringLiteral("QNavigationButton sizes, icon %1x%2, text \"%3\"")
                               .arg(iconSize.width()).arg(iconSize.height()).arg(text),
                           [=] {
                               QNavigationButton button(3, text);
                               if (iconSize.isValid()) {
                                   button.setIcon(icon);
                                   button.setIconSize(iconSize);
                               }
                               return sized(&button);
                           } };
    for (const auto &p : QVector<QPair<QSize, qreal>>{ { QSize(32, 24), 1 }, { QSize(64, 48), 2 }, { QSize(96, 96), 3 } })
        cases << Case{ QStringLiteral("QPixmapButton %1x%2 at %3x").arg(p.first.width()).arg(p.first.height()).arg(p.second),
                       [=] {
                           QPixmapButton button(filled(p.first, p.second));
                           button.setDown(true); // pressed, a flat button still shows only its face
                           QStringList lines = sized(&button, QSize(40, 40));
                           button.setIcon(QIcon(QPixmap(96, 80))); // the hints follow the pixmap, not the icon
                           button.setIconSize(QSize(96, 80));
                           lines << QStringLiteral("after another icon: sizeHint %1x%2").arg(button.sizeHint().width())
                                        .arg(button.sizeHint().height());
                           return lines;
                       } };
    for (const int shape : { -1, int(QFrame::StyledPanel), int(QFrame::Box), int(QFrame::NoFrame) })
        cases << Case{ QStringLiteral("QElidedLabel sizes, frame %1").arg(shape), [=] {
                          QElidedLabel label(QStringLiteral("word ").repeated(40));
                          if (shape >= 0)
                              label.setFrameShape(QFrame::Shape(shape));
                          label.setMargin(shape == int(QFrame::StyledPanel) ? 7 : 0);
                          return sized(&label);
                      } };
    for (const bool readOnly : { false, true })
        cases << Case{ QStringLiteral("QIpAdressEdit sizes and panel%1").arg(readOnly ? ", read only" : ""), [=] {
                          QIpAdressEdit edit;
                          edit.setReadOnly(readOnly);
                          return sized(&edit, QSize(200, 30));
                      } };
}

// Which lines of a long text show at a height, and where: the last one that
// fits is elided, alignment and indent do not move the text, the margin
// moves only the elided line.
void addElisionCases(QVector<Case> &cases)
{
    for (const QPoint linesAndMargin : { QPoint(1, 0), QPoint(2, 0), QPoint(3, 0), QPoint(4, 5), QPoint(9, 0) })
        cases << Case{ QStringLiteral("QElidedLabel %1 lines high, margin %2").arg(linesAndMargin.x())
                           .arg(linesAndMargin.y()),
                       [=] {
                           QStringList words;
                           for (int i = 1; i <= 6; ++i)
                               words << QStringLiteral("aaaa%1 bbbb%1").arg(i);
                           QElidedLabel label(words.join(QLatin1Char(' ')));
                           label.setMargin(linesAndMargin.y());
                           label.setAlignment(Qt::AlignRight | Qt::AlignBottom);
                           label.setIndent(30);
                           const QFontMetrics metrics = label.fontMetrics();
                           const int width = metrics.horizontalAdvance(QStringLiteral("aaaa1 bbbb1")) + 2;
                           QStringList lines = sized(&label, QSize(width, linesAndMargin.x() * metrics.lineSpacing()));
                           lines << QStringLiteral("elided %1").arg(label.isElided());
                           return lines;
                       } };
}

void addOtherCases(QVector<Case> &cases)
{
    cases << Case{ QStringLiteral("resource bundle"), [] {
                      QStringList lines;
                      for (const char *path : { ":/StyleHelper/StyleHelper.ini", ":/logos/gradient_logo.png",
                                                ":/logos/gradient_logo.ico", ":/logos/flat_logo.png",
                                                ":/logos/flat_logo.ico" }) {
                          const QResource resource(QString::fromLatin1(path));
                          QImageReader reader(QString::fromLatin1(path));
                          lines << QStringLiteral("%1 valid %2 compressed %3 format %4 images %5 size %6x%7")
                                       .arg(path).arg(resource.isValid()).arg(resource.compressionAlgorithm())
                                       .arg(QString::fromLatin1(reader.format())).arg(reader.imageCount())
                                       .arg(reader.size().width()).arg(reader.size().height());
                          if (QString::fromLatin1(path).endsWith(QLatin1String(".ico")))
                              lines.last() += QStringLiteral(" bits %1").arg(int(resource.uncompressedData().at(12)));
                      }
                      // The colour file's shape, not its values: groups, keys and line ends.
                      const QByteArray ini = QResource(QStringLiteral(":/StyleHelper/StyleHelper.ini")).uncompressedData();
                      for (const QByteArray &line : ini.split('\n')) {
                          const bool crlf = line.endsWith('\r');
                          QString text = QString::fromLatin1(line).trimmed();
                          if (text.contains(QLatin1Char('=')))
                              text = text.section(QLatin1Char('='), 0, 0)
                                  + (QRegularExpression(QStringLiteral("^#[0-9A-F]{6}$")).match(text.section('=', 1)).hasMatch()
                                         ? QStringLiteral(" = #RRGGBB") : QStringLiteral(" = other"));
                          if (!line.isEmpty())
                              lines << text + (crlf ? QStringLiteral(" CRLF") : QStringLiteral(" LF"));
                      }
                      return lines;
                  } };
    cases << Case{ QStringLiteral("vocabulary"), [] {
                      QStringList lines;
                      QStyledPushButton button;
                      QStyledComboBox combo;
                      QIpAdressEdit edit;
                      for (const QObject *o : { static_cast<QObject *>(&button), static_cast<QObject *>(&combo),
                                                static_cast<QObject *>(&edit) }) {
                          const QMetaObject *meta = o->metaObject();
                          for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
                              const QMetaEnum e = meta->property(i).enumerator();
                              if (!meta->property(i).isEnumType())
                                  continue;
                              QStringList keys;
                              for (int k = 0; k < e.keyCount(); ++k)
                                  keys << QStringLiteral("%1=%2").arg(QLatin1String(e.key(k))).arg(e.value(k));
                              lines << QStringLiteral("%1.%2: %3::%4%5 %6").arg(meta->className(), meta->property(i).name(),
                                           e.scope(), e.name(), e.isFlag() ? QStringLiteral(" flags") : QString(),
                                           keys.join(QLatin1Char(' ')));
                          }
                      }
                      return lines;
                  } };
    for (const int items : { 0, 1 })
        for (const bool enabled : { true, false })
            cases << Case{ QStringLiteral("QStyledComboBox, %1 items, %2").arg(items).arg(enabled ? "enabled" : "disabled"),
                           [=] {
                               QStyledComboBox box;
                               for (int i = 0; i < items; ++i)
                                   box.addItem(QStringLiteral("Item"));
                               box.setEnabled(enabled);
                               // Only the arrow goes while empty or disabled (see sub on the panel).
                               return sized(&box, QSize(120, 26));
                           } };
    cases << Case{ QStringLiteral("QStyledHeader in a window"), [] {
                      QWidget window;
                      QStyledHeader header(&window);
                      header.setApplicationSubTitle(QStringLiteral("Studio"));
                      return Dump::tree(&header, Shown);
                  } };
    cases << Case{ QStringLiteral("QSlideMaster central widgets"), [] {
                      QSlideMaster slide;
                      slide.setTitle(QStringLiteral("Title"));
                      slide.setSubTitle(QStringLiteral("Sub"));
                      QStringList lines;
                      const QPointer<QWidget> placeholder = slide.centralWidget();
                      const auto step = [&](const QString &what, QWidget *central) {
                          slide.setCentralWidget(central);
                          lines << what + QStringLiteral(": placeholder %1, central %2")
                                              .arg(placeholder ? "alive" : "deleted")
                                              .arg(slide.centralWidget() == central ? "as set" : "other");
                      };
                      lines << Dump::tree(&slide, Shown);
                      step(QStringLiteral("the same again"), placeholder);
                      const QPointer<QWidget> page = new QWidget;
                      step(QStringLiteral("a page"), page);
                      step(QStringLiteral("a child of the page"), new QWidget(page));
                      lines << QStringLiteral("page %1").arg(page ? "alive" : "deleted");
                      step(QStringLiteral("none"), nullptr);
                      lines << Dump::tree(&slide, Shown);
                      return lines;
                  } };
}

} // namespace

class TestWidgetBaselines : public QObject
{
    Q_OBJECT

    QVector<Case> m_cases;
    Baseline m_baseline{ QStringLiteral(VELTRIX_BASELINE_DIR "/widgets.txt") };

private slots:
    void initTestCase()
    {
        qInstallMessageHandler(collect);
        addConstructorCases(m_cases);
        addSizeCases(m_cases);
        addElisionCases(m_cases);
        addOtherCases(m_cases);
    }

    void cleanupTestCase()
    {
        QStringList order;
        for (const Case &c : qAsConst(m_cases))
            order << c.name;
        QVERIFY(m_baseline.finish(order));
    }

    void cases_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_cases.size(); ++i)
            QTest::newRow(qPrintable(m_cases[i].name)) << i;
    }

    // Whatever a case makes the library print belongs to its baseline too.
    void cases()
    {
        QFETCH(int, index);
        messages.clear();
        QStringList lines = m_cases[index].run();
        for (const QString &message : qAsConst(messages))
            lines << QStringLiteral("message: ") + message;
        QVERIFY(m_baseline.check(m_cases[index].name, lines));
    }
};

int main(int argc, char *argv[])
{
    // Two device pixels per logical one: a pixmap button shows how a
    // high-resolution pixmap reaches the screen; logical sizes stay as at 1x.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps); // as a high-DPI application sets it
    QApplication app(argc, argv);
    TestWidgetBaselines test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_widgetbaselines.moc"
