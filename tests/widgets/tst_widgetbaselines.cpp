// What the library's widgets are made of, as reviewed text in
// baselines/widgets.txt: what each constructor builds, the size hints the
// widgets ask of a style, what they paint, the resource bundle and the
// enumerations as the property system sees them. Sizes and paints go
// through the base probe style (ProbeStyles.h), whose answers are fixed, so
// the text shows the widgets' own arithmetic. The process runs at two device
// pixels per logical one, as on a high-DPI screen.
#include "TestSupport.h"

namespace {

// Properties shown wherever a widget has them.
const QList<QByteArray> Shown{ "text", "title", "windowTitle", "icon", "iconSize", "pixmap", "checkable", "checked",
    "enabled", "flat", "wordWrap", "frameShape", "maxLength", "focusPolicy", "readOnly", "accessibleName", "sizePolicy",
    "id", "predecessor", "successor", "buttonType", "buttonDesign", "buttonOptions", "ipType", "ipAdress", "modified",
    "applicationTitle", "applicationSubTitle", "subTitle", "isElided" };

// A "widget" line: the widget under the probe style, painted at size=WxH if given, then its tree and size hints.
QStringList widgetCase(const QString &header)
{
    static const std::unique_ptr<QStyle> probe(newBaseProbe());
    const CaseLine line(header);
    QWidget window;
    QWidget *w = makeWidget(line, &window);
    w->setStyle(probe.get());
    RecordingPaintDevice device(sizeOf(line.value("size")));
    if (!line.value("size").isEmpty()) {
        w->resize(device.width(), device.height());
        w->render(&device, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    return device.lines() + Dump::tree(w, Shown) << "sizeHint " + Dump::size(w->sizeHint()) + " minimumSizeHint "
        + Dump::size(w->minimumSizeHint()) << QString("parent %1").arg(w->parentWidget() == &window ? "kept" : "lost");
}

QMap<QString, std::function<QStringList()>> codeCases()
{
    QMap<QString, std::function<QStringList()>> cases;
    const QIcon icon = colourIcon();
    // The constructors beyond (parent), whose cases are "widget" lines; menu bars and headers come without menus.
    const QMap<QString, std::function<QWidget *(QWidget *)>> made{
        { "QStyledPushButton(text, parent)", [](QWidget *p) { return new QStyledPushButton("Apply", p); } },
        { "QStyledPushButton(icon, text, parent)", [=](QWidget *p) { return new QStyledPushButton(icon, "Go", p); } },
        { "QStyledGroupBox(title, parent)", [](QWidget *p) { return new QStyledGroupBox("Group", p); } },
        { "QStyledMenuBar(parent)", create<QStyledMenuBar> }, { "QStyledHeader(parent)", create<QStyledHeader> },
        { "QFrameHeaderLabel(text, parent)", [](QWidget *p) { return new QFrameHeaderLabel("Heading", p); } },
        { "QFrameDescriptionLabel(text, parent)", [](QWidget *p) { return new QFrameDescriptionLabel("About", p); } },
        { "QNavigationButton(id, parent)", [](QWidget *p) { return new QNavigationButton(4, p); } },
        { "QNavigationButton(id, text, parent)", [](QWidget *p) { return new QNavigationButton(4, "Target", p); } },
        { "QNavigationButton(id, icon, text, parent)", [=](QWidget *p) { return new QNavigationButton(12, icon, "&Go", p); } },
        { "QNavigationButtonGroup(direction, parent)", [](QWidget *p) { return new QNavigationButtonGroup(QBoxLayout::BottomToTop, p); } },
        { "QPixmapButton(pixmap, parent)", [](QWidget *p) { return new QPixmapButton(filledPixmap("32x24"), p); } },
        { "QElidedLabel(text, parent)", [](QWidget *p) { return new QElidedLabel("Elided", p); } },
        { "QIpAdressEdit(parent, IPv6)", [](QWidget *p) { return new QIpAdressEdit(p, QIpAdressEdit::IPv6); } },
    };
    for (auto it = made.begin(); it != made.end(); ++it) {
        const auto make = it.value();
        cases.insert("new " + it.key(), [make] {
            QWidget parent;
            QWidget *w = make(&parent);
            return Dump::tree(w, Shown) << QString("parent %1").arg(w->parentWidget() == &parent ? "kept" : "lost");
        });
    }
    cases.insert("resource bundle", [] {
        QStringList lines;
        for (const QString path : { ":/StyleHelper/StyleHelper.ini", ":/logos/gradient_logo.png", ":/logos/gradient_logo.ico",
                                    ":/logos/flat_logo.png", ":/logos/flat_logo.ico" }) {
            const QResource resource(path);
            QImageReader reader(path);
            lines << QString("%1 valid %2 compressed %3 format %4 images %5 size %6x%7 bits %8").arg(path)
                         .arg(resource.isValid()).arg(resource.compressionAlgorithm()).arg(QString(reader.format()))
                         .arg(reader.imageCount()).arg(reader.size().width()).arg(reader.size().height())
                         .arg(int(resource.uncompressedData().at(12))); // bits per pixel of an icon's one entry
        }
        // The colour file's shape, not its values: groups, keys and line ends.
        for (QString line : QString(QResource(":/StyleHelper/StyleHelper.ini").uncompressedData()).split('\n', Qt::SkipEmptyParts))
            lines << line.replace(QRegularExpression("=#[0-9A-F]{6}"), "=#RRGGBB").replace('\r', " CRLF");
        return lines;
    });
    cases.insert("enumerations", [] {
        QStringList lines;
        for (const QMetaObject *meta : { &QStyledPushButton::staticMetaObject, &QStyledComboBox::staticMetaObject,
                                         &QIpAdressEdit::staticMetaObject }) {
            for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
                const QMetaEnum e = meta->property(i).enumerator();
                QString keys;
                for (int k = 0; e.isValid() && k < e.keyCount(); ++k)
                    keys += QString(" %1=%2").arg(e.key(k)).arg(e.value(k));
                if (e.isValid())
                    lines << QString("%1.%2: %3::%4%5%6").arg(meta->className(), meta->property(i).name(), e.scope(),
                                                               e.name(), e.isFlag() ? " flags" : "", keys);
            }
        }
        return lines;
    });
    cases.insert("QSlideMaster central widgets", [] {
        QSlideMaster slide;
        slide.setTitle("Title");
        slide.setSubTitle("Sub");
        const QPointer<QWidget> placeholder = slide.centralWidget();
        QStringList lines = Dump::tree(&slide, Shown);
        const auto step = [&](const QString &what, QWidget *central) {
            slide.setCentralWidget(central);
            lines << what + QString(": placeholder %1, central %2").arg(placeholder ? "alive" : "deleted")
                                .arg(slide.centralWidget() == central ? "as set" : "other");
        };
        step("the same again", placeholder);
        const QPointer<QWidget> page = new QWidget;
        step("a page", page);
        step("a child of the page", new QWidget(page));
        lines << QString("page %1").arg(page ? "alive" : "deleted");
        step("none", nullptr);
        return lines + Dump::tree(&slide, Shown);
    });
    return cases;
}

} // namespace

class TestWidgetBaselines : public QObject
{
    Q_OBJECT

    Baseline m_baseline{ VELTRIX_BASELINE_DIR "/widgets.txt", Baseline::PerQtMajor }; // sizes follow font heights
    QMap<QString, std::function<QStringList()>> m_code = codeCases();
    QStringList m_order; // the file's cases, then cases of the code it lacks
    QStringList *m_messages = nullptr; // from initTestCase on, when QtTest has installed its own handler

public:
    // Two device pixels per logical one: a pixmap button shows how a high-resolution pixmap reaches the
    // screen; logical sizes stay as at 1x.
    static void initMain()
    {
        qputenv("QT_SCALE_FACTOR", "2");
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps); // as a high-DPI application sets it; always on in Qt 6
#endif
    }

private slots:
    void initTestCase()
    {
        // The offscreen platform starts programs in 12 points under Qt 5 and in 9 under Qt 6.
        QApplication::setFont(QFont(QApplication::font().family(), 12));
        m_messages = &VeltrixTest::collectMessages();
        m_order = m_baseline.cases();
        for (const QString &name : m_code.keys()) {
            if (!m_order.contains(name))
                m_order << name;
        }
    }

    void cleanupTestCase() { QVERIFY(m_baseline.finish(m_order)); }

    void cases_data() { VeltrixTest::nameRows(m_order); }

    // Whatever a case makes the library print belongs to its baseline too.
    void cases()
    {
        QFETCH(QString, name);
        m_messages->clear();
        QVERIFY2(m_code.contains(name) || name.startsWith("widget "), qPrintable("no such case: " + name));
        QStringList lines = m_code.contains(name) ? m_code.value(name)() : widgetCase(name);
        for (const QString &message : qAsConst(*m_messages))
            lines << "message: " + message;
        m_baseline.check(name, lines);
    }
};

QTEST_MAIN(TestWidgetBaselines)
#include "tst_widgetbaselines.moc"
