// The panel cache against direct drawing: widgets of every kind the looks
// cache, in their types, designs and states, at one and two device pixels
// per logical one, left to right and right to left, rendered with the cache
// (the second paint, blitted) and without it must agree pixel for pixel,
// within the rounding of blending a premultiplied pixmap; and again after a
// change of colours and after a change of look, so that nothing stale comes
// out of the cache.
#include "ColorTables.h"
#include "PanelCache.h"
#include "TestSupport.h"

namespace {

QImage render(QWidget *w, int ratio, bool cached)
{
    Veltrix::Internal::setPanelCacheEnabled(cached);
    QImage image(w->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    w->render(&image);
    return image;
}

// The largest difference of a colour channel between two pictures of one size.
int difference(const QImage &a, const QImage &b)
{
    int most = a.size() == b.size() ? 0 : 256;
    for (int y = 0; most < 256 && y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({ most, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)) });
        }
    }
    return most;
}

void setLook(QWidget *w, QStyle *look)
{
    for (QWidget *each : QWidgetList{ w } + w->findChildren<QWidget *>())
        each->setStyle(look);
}

// A base style with item texts of its own: they must reach it.
class FramingBase : public QCommonStyle
{
public:
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole role) const override
    {
        QCommonStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
        painter->drawRect(rect);
    }
};

} // namespace

class TestPanelCache : public QObject
{
    Q_OBJECT

    const Baseline m_kinds{ VELTRIX_BASELINE_DIR "/cached.txt" }, m_painters{ VELTRIX_BASELINE_DIR "/painters.txt" }; // cases only

private slots:
    // The kinds of baselines/cached.txt, the case lines of their widgets.
    void cachedLikeDirect_data()
    {
        VeltrixTest::columns<QStringList, QString, bool>({ "widgets", "look", "rightToLeft" });
        QMap<QString, QStringList> generated; // every type (and design) in the states the looks tell apart
        for (int type = 0; type <= 5; ++type) {
            generated["combo boxes"] << QString("QStyledComboBox items=1 buttonType=%1").arg(type);
            for (int design = 0; design <= 4; ++design) {
                for (const char *state : { "underMouse=true", "checkable=true checked=true", "down=true", "enabled=false" })
                    generated["push buttons"] << QString("QStyledPushButton text=Apply buttonType=%1 buttonDesign=%2 %3").arg(type).arg(design).arg(state);
            }
        }
        QVERIFY(m_kinds.cases().contains("combo boxes") && m_kinds.cases().contains("push buttons"));
        for (const QString &kind : m_kinds.cases()) {
            const QStringList widgets = generated.value(kind) + m_kinds.expected(kind);
            for (const char *look : { "GradientStyle", "FlatStyle", "CommonStyle" }) {
                for (const bool rtl : { false, true })
                    QTest::addRow("%s, %s%s", qPrintable(kind), look, rtl ? ", rtl" : "") << widgets << QString(look) << rtl;
            }
        }
    }

    void cachedLikeDirect()
    {
        QFETCH(QStringList, widgets);
        QFETCH(QString, look);
        QFETCH(bool, rightToLeft);
        // The look under test, and another one to switch to.
        const std::unique_ptr<QStyle> first(newStyle(look)), other(newStyle(look == "GradientStyle" ? "FlatStyle" : "GradientStyle"));
        QWidget window;
        window.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QPalette recoloured; // the chevrons' colour among them
        for (const QPalette::ColorRole role : { QPalette::ButtonText, QPalette::WindowText, QPalette::Button, QPalette::Window })
            recoloured.setColor(role, QColor::fromHsv(role * 40, 200, 200));
        // Widths around what the cache keeps of a panel between its ends: narrower, as wide, wider.
        const QList<int> widths{ 120, 40, 60, 90, 200 };
        QPixmapCache::clear();
        for (int i = 0; i < widgets.size(); ++i) {
            const QString &line = widgets.at(i);
            const CaseLine caseLine(line);
            QWidget *w = makeWidget(caseLine, &window);
            setLook(w, first.get());
            const QSize given = sizeOf(caseLine.value("size")); // so that two cases share a size
            w->resize(given.isEmpty() ? QSize(widths.at(i % widths.size()), qMax(30, w->sizeHint().height())) : given);
            for (const QString change : { "", "recoloured", "other look" }) {
                if (change == "recoloured")
                    w->setPalette(recoloured);
                if (change == "other look")
                    setLook(w, other.get());
                // One device pixel per logical one, then two, from the same cache.
                for (const int ratio : { 1, 2 }) {
                    const QImage direct = render(w, ratio, false);
                    render(w, ratio, true); // fills the cache
                    QVERIFY2(difference(render(w, ratio, true), direct) <= 2, qPrintable(QString("%1 %2 %3x").arg(line, change).arg(ratio)));
                }
            }
        }
    }

    // The cases of baselines/painters.txt, whose top explains them: a panel drawn straight onto an image
    // through a painter in some state, first in the state `before` (which fills the cache), then in the
    // state `after`.
    void paintersLikeDirect_data() { VeltrixTest::nameRows(m_painters.cases()); }

    void paintersLikeDirect()
    {
        QFETCH(QString, name);
        const CaseLine line(m_painters.expected(name).value(0).replace("\\u009c", QChar(0x9c))); // a length variants' separator
        const QString before = line.value("before"), after = line.value("after");
        const std::unique_ptr<QStyle> style(newStyle(line.value("look")));
        QVERIFY2(style && style->inherits("CommonStyle"), qPrintable(line.value("look")));
        for (const QString &word : QString(before + ' ' + after).split(' ', Qt::SkipEmptyParts)) {
            static const QStringList known{ "moved", "clip", "part", "width", "dash", "dashes", "gradient", "origin", "opaque",
                                            "inactive", "rgb16", "underline", "framing", "rtl" };
            QVERIFY2(known.contains(word.section('=', 0, 0)), qPrintable(word));
        }
        if (before.contains("framing"))
            static_cast<QProxyStyle *>(style.get())->setBaseStyle(new FramingBase);
        QWidget window;
        QWidget *w = makeWidget(line, &window);
        w->setStyle(style.get());
        w->setGeometry(makeOption("QStyleOption", line)->rect);
        QPalette palette = w->palette();
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setColor(QPalette::Inactive, QPalette::ColorRole(role), Qt::darkCyan);
        const auto draw = [&](const QString &state, bool cached) {
            Veltrix::Internal::setPanelCacheEnabled(cached);
            const CaseLine settings(state);
            const QStringList words = state.split(' ');
            QImage image(240, 60, words.contains("rgb16") ? QImage::Format_RGB16 : QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            QPen pen(Qt::darkRed, settings.value("width", "2").toInt(), words.contains("dash") ? Qt::DashLine : Qt::SolidLine);
            const QString dashes = settings.value("dashes"), colours = settings.value("gradient");
            if (!dashes.isEmpty())
                pen.setDashPattern({ dashes.section(':', 0, 0).toDouble(), dashes.section(':', 1).toDouble() });
            painter.setPen(pen);
            if (!colours.isEmpty()) {
                QLinearGradient gradient(0, 0, 0, 20);
                gradient.setStops({ { 0, QColor(colours.section(':', 0, 0)) }, { 1, QColor(colours.section(':', 1)) } });
                painter.setBrush(gradient);
            }
            painter.setBrushOrigin(0, settings.value("origin", "0").toInt());
            painter.setBackground(Qt::yellow);
            painter.setBackgroundMode(words.contains("opaque") ? Qt::OpaqueMode : Qt::TransparentMode);
            QFont font = w->font();
            font.setUnderline(words.contains("underline"));
            painter.setFont(font);
            if (words.contains("rtl"))
                painter.setLayoutDirection(Qt::RightToLeft);
            if (!settings.value("moved").isEmpty()) {
                painter.translate(settings.value("moved").toDouble(), 0);
                if (words.contains("clip"))
                    painter.setClipRect(image.rect());
                w->render(&painter, QPoint(10, 10), words.contains("part") ? QRegion(0, 0, 50, 30) : QRegion());
                return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            }
            // Otherwise the look is asked for the widget's panel itself.
            const QString element = QHash<QString, QString>{ { "QStyledMenuBar", "CE_MenuBarItem" }, { "QCheckBox", "PE_IndicatorCheckBox" },
                { "QGroupBox", "PE_FrameGroupBox" } }.value(line.widgetClass, "PE_PanelButtonCommand");
            const auto option = makeOption(element, line, w);
            option->palette = palette; // the same palette each time: only its current group changes
            option->palette.setCurrentColorGroup(words.contains("inactive") ? QPalette::Inactive : QPalette::Active);
            if (element.startsWith("CE_"))
                style->drawControl(keyValue<QStyle::ControlElement>(element), option.get(), &painter, w);
            else
                style->drawPrimitive(keyValue<QStyle::PrimitiveElement>(element), option.get(), &painter, w);
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        QPixmapCache::clear();
        draw(before, true);
        QVERIFY(difference(draw(after, true), draw(after, false)) <= 2);
    }

    // Last: the cache holds the pictures of the last case, so the comparisons above were made with it; and
    // of all the looks made and deleted above, each colour table read the colour file once.
    void afterAll()
    {
        QVERIFY(Veltrix::Internal::panelCacheBytes() > 0);
        QCOMPARE(Veltrix::Internal::colorFileReadCount(), 2);
    }
};

QTEST_MAIN(TestPanelCache)
#include "tst_internal_panelcache.moc"
