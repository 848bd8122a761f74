#ifndef VELTRIX_PROBESTYLES_H
#define VELTRIX_PROBESTYLES_H

#include <QCommonStyle>
#include <QProxyStyle>

// Two styles that put a look under observation. The look's own drawing goes
// to a RecordingPaintDevice; these note, on the same device's lines, every
// call the look passes on:
//
//   StackedProbe (a style stacked on top: the look's proxy())
//        |  notes "> proxy ..." and forwards to the look
//     the look under test
//        |  QProxyStyle:: calls
//   BaseProbe (the look's base style in place of Fusion)
//           notes "> base ..." and draws nothing itself
//
// So a baseline shows which calls a look makes through proxy(), which it
// hands to its base, and with which option; and it never changes with the
// Fusion of the Qt in use, since the base answers with fixed numbers.

// Installs the probes around `look` and returns the stack's top, which owns
// the look and its base.
QStyle *probeLook(QProxyStyle *look);

class BaseProbe : public QCommonStyle
{
public:
    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override;
    void drawControl(ControlElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override;
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex *o, QPainter *p,
                            const QWidget *w) const override;
    void drawItemText(QPainter *p, const QRect &r, int flags, const QPalette &pal, bool enabled, const QString &text,
                      QPalette::ColorRole role) const override;
    void drawItemPixmap(QPainter *p, const QRect &r, int alignment, const QPixmap &pixmap) const override;
    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override;
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override;
    QSize sizeFromContents(ContentsType t, const QStyleOption *o, const QSize &s, const QWidget *w) const override;
    QRect subControlRect(ComplexControl c, const QStyleOptionComplex *o, SubControl sc,
                         const QWidget *w) const override;
    void polish(QWidget *w) override;
    void unpolish(QWidget *w) override;
    void polish(QPalette &palette) override;
};

class StackedProbe : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override;
    void drawControl(ControlElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override;
    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override;
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override;
};

#endif // VELTRIX_PROBESTYLES_H
