#include "TestSupport.h"

namespace {

void note(const QString &who, const QString &what, const QStyleOption *o, const QWidget *w, const QString &answer = QString())
{
    RecordingPaintDevice::note(QString("> %1 %2 | %3 | %4").arg(who, what, Dump::option(o), Dump::widget(w))
                               + (answer.isEmpty() ? "" : " = " + answer));
}

class BaseProbe : public QCommonStyle
{
public:
    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *, const QWidget *w) const override
    {
        note("base", "drawPrimitive " + Dump::name(e), o, w);
    }
    void drawControl(ControlElement e, const QStyleOption *o, QPainter *, const QWidget *w) const override
    {
        note("base", "drawControl " + Dump::name(e), o, w);
    }
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex *o, QPainter *, const QWidget *w) const override
    {
        note("base", "drawComplexControl " + Dump::name(c), o, w);
    }
    void drawItemText(QPainter *p, const QRect &r, int flags, const QPalette &pal, bool enabled, const QString &text,
                      QPalette::ColorRole role) const override
    {
        RecordingPaintDevice::note(QString("> base drawItemText \"%1\" in %2 flags 0x%3 %4 role %5").arg(text, Dump::rect(r))
                                       .arg(flags, 0, 16).arg(enabled ? "enabled" : "disabled", Dump::name(role)));
        QCommonStyle::drawItemText(p, r, flags, pal, enabled, text, role);
    }
    void drawItemPixmap(QPainter *p, const QRect &r, int alignment, const QPixmap &pixmap) const override
    {
        RecordingPaintDevice::note(QString("> base drawItemPixmap in %1 align 0x%2").arg(Dump::rect(r)).arg(alignment, 0, 16));
        QCommonStyle::drawItemPixmap(p, r, alignment, pixmap);
    }
    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override
    {
        // Distinct values for what the looks ask, so each shows where it is used.
        static const QHash<int, int> answers{ { PM_ButtonMargin, 6 }, { PM_ButtonShiftHorizontal, 1 },
            { PM_ButtonShiftVertical, 2 }, { PM_MenuButtonIndicator, 12 }, { PM_SmallIconSize, 16 },
            { PM_DefaultFrameWidth, 2 }, { PM_IndicatorWidth, 13 }, { PM_IndicatorHeight, 13 } };
        note("base", "pixelMetric " + Dump::name(m), o, w, QString::number(answers.value(m, 0)));
        return answers.value(m, 0);
    }
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *) const override
    {
        // 7: neither the usual 0 nor 1, so a look that passes the base's answer on is told apart from one that
        // answers itself. Qt asks SH_Widget_ShareActivation of every widget it renders: no news about the library.
        if (h != SH_Widget_ShareActivation)
            note("base", "styleHint " + Dump::name(h), o, w, "7");
        return 7;
    }
    QSize sizeFromContents(ContentsType t, const QStyleOption *o, const QSize &s, const QWidget *w) const override
    {
        note("base", "sizeFromContents " + Dump::name(t) + ' ' + Dump::size(s), o, w, Dump::size(s + QSize(12, 8)));
        return s + QSize(12, 8);
    }
    QRect subControlRect(ComplexControl c, const QStyleOptionComplex *o, SubControl sc, const QWidget *w) const override
    {
        // A rectangle no look computes: a quarter of the option's, at its top left.
        const QRect answer = o ? QRect(o->rect.topLeft(), o->rect.size() / 2) : QRect();
        note("base", "subControlRect " + Dump::name(c) + ' ' + Dump::subControl(c, sc), o, w, Dump::rect(answer));
        return answer;
    }
    void polish(QWidget *w) override { note("base", "polish", nullptr, w); }
    void unpolish(QWidget *w) override { note("base", "unpolish", nullptr, w); }
    void polish(QPalette &) override { note("base", "polish palette", nullptr, nullptr); }
};

class StackedProbe : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
    {
        note("proxy", "drawPrimitive " + Dump::name(e), o, w);
        QProxyStyle::drawPrimitive(e, o, p, w);
    }
    void drawControl(ControlElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
    {
        note("proxy", "drawControl " + Dump::name(e), o, w);
        QProxyStyle::drawControl(e, o, p, w);
    }
    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override
    {
        note("proxy", "pixelMetric " + Dump::name(m), o, w);
        return QProxyStyle::pixelMetric(m, o, w);
    }
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
    {
        note("proxy", "styleHint " + Dump::name(h), o, w);
        return QProxyStyle::styleHint(h, o, w, r);
    }
};

} // namespace

QStyle *probeLook(QProxyStyle *look)
{
    look->setBaseStyle(new BaseProbe);
    return new StackedProbe(look);
}

QStyle *newBaseProbe()
{
    return new BaseProbe;
}
