// The panel cache against direct drawing: widgets of every kind the looks
// cache, in their types, designs and states, at one and two device pixels
// per logical one, left to right and right to left, rendered with the cache
// (the second paint, blitted) and without it must agree pixel for pixel,
// within the rounding of blending a premultiplied pixmap; and again after a
// change of colours and after a change of look, so that nothing stale comes
// out of the cache.
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

// A new look of that class.
std::unique_ptr<QProxyStyle> newLook(const QString &name)
{
    if (name == "GradientStyle")
        return std::make_unique<GradientStyle>();
    if (name == "FlatStyle")
        return std::make_unique<FlatStyle>();
    return std::make_unique<CommonStyle>();
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

private slots:
    // Case lines (TestSupport.h) of the widgets of each kind, each in one of the variants the looks draw differently.
    void cachedLikeDirect_data()
    {
        VeltrixTest::columns<QStringList, QString, bool>({ "widgets", "look", "rightToLeft" });
        QStringList buttons, combos;
        for (int type = 0; type <= 5; ++type) {
            combos << QString("QStyledComboBox items=1 buttonType=%1").arg(type);
            for (int design = 0; design <= 4; ++design) {
                for (const char *state : { "underMouse=true", "checkable=true checked=true", "down=true", "enabled=false" })
                    buttons << QString("QStyledPushButton text=Apply buttonType=%1 buttonDesign=%2 %3").arg(type).arg(design).arg(state);
            }
        }
        buttons << "QStyledPushButton \"text=ab مرحبا\""; // Latin and Arabic in one label
        // The current step between two open ones, and a closed one at the end; then two steps of different
        // widths, both narrower than their badge.
        const QStringList steps{ "QNavigationButton id=0 text=Step successor=on",
            "QNavigationButton id=1 text=Step checkable=true checked=true predecessor=on successor=on",
            "QNavigationButton id=2 text=Step predecessor=on successor=off", "QNavigationButton id=4 text=Step enabled=false predecessor=on",
            "QNavigationButton id=2 text= checkable=true checked=true size=20x34",
            "QNavigationButton id=2 text= checkable=true checked=true size=23x34" };
        const QMap<QString, QStringList> kinds{ { "push buttons", buttons }, { "combo boxes", combos }, { "navigation steps", steps },
            { "check boxes", { "QCheckBox text=Check", "QCheckBox text=Check checked=true", "QCheckBox text=Check checkState=PartiallyChecked" } },
            { "menu bar", { "QStyledMenuBar" } },
            { "group box", { "QGroupBox title=Group", "QGroupBox", "QPushButton text=Push size=90x30",
                             "QPushButton text=Push default=true size=90x30", "QCheckBox text=Check",
                             "QLineEdit text=Edit", "QGroupBox title=Group checkable=true" } } };
        for (auto kind = kinds.begin(); kind != kinds.end(); ++kind) {
            for (const char *look : { "GradientStyle", "FlatStyle", "CommonStyle" }) {
                for (const bool rtl : { false, true })
                    QTest::addRow("%s, %s%s", qPrintable(kind.key()), look, rtl ? ", rtl" : "") << kind.value() << QString(look) << rtl;
            }
        }
    }

    void cachedLikeDirect()
    {
        QFETCH(QStringList, widgets);
        QFETCH(QString, look);
        QFETCH(bool, rightToLeft);
        // The look under test, and another one to switch to.
        const auto first = newLook(look), other = newLook(look == "GradientStyle" ? "FlatStyle" : "GradientStyle");
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

    // A panel drawn straight onto an image through a painter in some state, first in the state `before`
    // (which fills the cache), then in the state `after`: the second drawing, through the cache, must
    // give what `after` gives directly. States: moved=dx (the painter moved by dx, the widget rendered
    // through it), clip (the painter clipped to the whole image, beyond the widget), part (only the
    // widget's left 50 pixels rendered), width=w (the pen's width, else 2), dash, dashes=a:b (a pen's own
    // pattern), gradient=colour:colour (the brush), origin=y (the brush origin), opaque (an opaque
    // background behind a dash), inactive (the option's colours read from the inactive group), rgb16 (a
    // 16-bit image), underline (the widget's font, which the painter draws in, underlined), framing (a base
    // style that frames item texts), rtl (a right-to-left painter).
    void paintersLikeDirect_data()
    {
        VeltrixTest::columns<QString, QString, QString, QString>({ "widget", "look", "before", "after" });
        const QString panel = "QStyledPushButton buttonType=GRADIENT_BLUE rect=13,9,150,31 state=Enabled";
        const QString step = "QNavigationButton id=1 text=Step rect=60,5,200,40 state=Enabled|On predecessor=on successor=on";
        const QString item = "QStyledMenuBar rect=20,5,80,30 state=Enabled text=File";
        const QString box = "QCheckBox rect=4,4,13,13 state=Enabled|On option=QStyleOptionButton";
        // Fusion's titled frame in a rectangle shorter than its title and corners draws below it, next to it
        // or far from it, which a blit of the rectangle would leave out.
        const QString frame = "QGroupBox title=Group option=QStyleOptionFrame rect=5,7,";
        QTest::newRow("frame far below its rectangle") << frame + "13,11" << "GradientStyle" << "" << "";
        QTest::newRow("frame just below its rectangle") << frame + "40,25" << "CommonStyle" << "" << "";
        QTest::newRow("frame filling its rectangle") << frame + "40,40" << "FlatStyle" << "" << "";
        QTest::newRow("moved by half a pixel") << panel << "GradientStyle" << "moved=0.5" << "moved=0.5";
        QTest::newRow("rendered through a clipped painter") << panel << "GradientStyle" << "moved=0 clip" << "moved=0 clip";
        QTest::newRow("partly rendered through a clipped painter")
            << "QStyledPushButton rect=13,9,120,30" << "FlatStyle" << "moved=0 clip part" << "moved=0 clip part";
        QTest::newRow("step wider than any image") << "QNavigationButton id=1 text=Step rect=-32800,5,33000,40 state=Enabled|On"
                                                   << "GradientStyle" << "" << "";
        QTest::newRow("dashed pen") << step << "FlatStyle" << "dash" << "dash";
        QTest::newRow("dash pattern changed") << item << "CommonStyle" << "dashes=3:2" << "dashes=1:5";
        QTest::newRow("gradient brush changed") << box << "FlatStyle" << "gradient=red:blue" << "gradient=green:yellow";
        QTest::newRow("brush origin") << panel << "GradientStyle" << "" << "origin=15";
        QTest::newRow("opaque background") << step << "GradientStyle" << "dash" << "dash opaque";
        QTest::newRow("inactive colours") << box << "CommonStyle" << "" << "inactive";
        QTest::newRow("16-bit image") << panel << "GradientStyle" << "rgb16" << "rgb16";
        QTest::newRow("step underline from its left") << step << "FlatStyle" << "" << "";
        QTest::newRow("link of a step without height") << "QNavigationButton id=0 text=Step rect=37,21,60,0 state=Enabled successor=on"
                                                        << "GradientStyle" << "" << "";
        // Texts whose layout is kept must come out as drawText() draws them.
        QTest::newRow("hidden mnemonics") << "QStyledMenuBar rect=20,5,80,30 state=Enabled text=&Fi&&le&" << "CommonStyle" << "" << "";
        QTest::newRow("title on a right-to-left painter") << item << "FlatStyle" << "" << "rtl";
        QTest::newRow("title framed by the base style") << item << "CommonStyle" << "framing" << "framing";
        QTest::newRow("title with variants") << QString("QStyledMenuBar rect=20,5,200,30 state=Enabled \"text=Long title%1Short\"").arg(QChar(0x9c))
                                             << "CommonStyle" << "" << "";
        // A little wider than the label's advance, narrower than its last letter's overhang.
        QTest::newRow("overhanging label") << "QStyledPushButton rect=13,9,74,40 text=Staff \"font=DejaVu Sans,-1,30,5,50,1,0,0,0,0\""
                                           << "FlatStyle" << "moved=0" << "moved=0";
        QTest::newRow("step number at another resolution") << step << "GradientStyle" << "moved=0" << "";
        QTest::newRow("step narrower than its marker") << "QNavigationButton id=1 text=Step rect=0,0,5,24 state=Enabled|On"
                                                      << "GradientStyle" << "width=1" << "width=1";
        QTest::newRow("shown mnemonic") << "QStyledPushButton rect=13,9,150,31 text=&Apply" << "GradientStyle" << "moved=0" << "moved=0";
        QTest::newRow("underlined number") << step << "GradientStyle" << "" << "underline";
    }

    void paintersLikeDirect()
    {
        QFETCH(QString, widget);
        QFETCH(QString, look);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const auto style = newLook(look);
        if (before.contains("framing"))
            style->setBaseStyle(new FramingBase);
        QWidget window;
        const CaseLine line(widget);
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

    // Last: the cache holds the pictures of the last case, so the comparisons above were made with it.
    void cacheUsed() { QVERIFY(Veltrix::Internal::panelCacheBytes() > 0); }
};

QTEST_MAIN(TestPanelCache)
#include "tst_internal_panelcache.moc"
