// The flat look as the shared drawing sees it: flat fills, thin grey
// outlines, dark steps with a square number badge.
#include "FlatLook.h"

#include <QStyleOption>

#include "StyleHelper.h"
#include "StyleMetrics.h"

namespace Veltrix {

namespace {

class FlatLook : public Look
{
public:
    // Every step is dark; the current one has a chevron at its right and a line along its bottom.
    void drawStepFill(QPainter *painter, const Step &step) const override
    {
        fillRect(painter, step.option->rect, flatColor(FC_DARK_GRAY));
    }
    void drawStepBackground(QPainter *painter, const Step &step, QPen &pen) const override
    {
        const QRect r = step.option->rect;
        if (!step.enabled || !step.on)
            return;
        const int half = step.option->fontMetrics.boundingRect(QLatin1Char('X')).height() / 2;
        const int middle = r.top() + r.height() / 2;
        const int tip = r.left() + r.width() - Metrics::FlatChevronTipInset;
        const int back = r.left() + r.width() - Metrics::FlatChevronBackInset;
        pen.setColor(flatColor(FC_WHITE));
        pen.setWidth(Metrics::FlatStepStroke);
        painter->setPen(pen);
        const QPoint chevron[] = { QPoint(back, middle - half), QPoint(tip, middle), QPoint(back, middle + half) };
        painter->drawPolyline(chevron, 3);
        painter->drawLine(QPoint(r.left() + Metrics::NavigationMargin, r.bottom()), QPoint(tip, r.bottom()));
    }
    QRect stepBadge(const Step &step) const override
    {
        const int side = step.iconSize + Metrics::FlatBadgeGrowth;
        return QRect(Metrics::NavigationMargin, (step.option->rect.height() - side) / 2, side, side);
    }
    bool linksEndAtBadgeCentre() const override { return false; }
    // A white badge, filled for the current step and outlined for the others, then white links.
    void drawStepBadge(QPainter *painter, const Step &step, const QRect &badge, QPen &pen, QBrush &brush,
                       const std::function<void()> &drawLinks) const override
    {
        pen.setColor(flatColor(FC_WHITE));
        pen.setWidth(Metrics::FlatStepStroke);
        brush.setColor(flatColor(FC_WHITE));
        painter->setPen(pen);
        painter->setBrush(brush);
        if (step.on) {
            fillRect(painter, badge, flatColor(FC_WHITE));
        } else {
            const int left = badge.left() + 1, top = badge.top() + 1, right = badge.right(), bottom = badge.bottom();
            const QLine outline[] = { QLine(left, top, right, top), QLine(right, top, right, bottom),
                                      QLine(right, bottom, left, bottom), QLine(left, bottom, left, top) };
            painter->drawLines(outline, 4);
        }
        drawLinks();
    }
    // Dark on the white badge of the current step, white on the dark step otherwise.
    QColor stepNumberColor(const Step &step) const override { return flatColor(step.on ? FC_DARK_GRAY : FC_WHITE); }
    void addStepKey(CacheKey &key, const Step &step) const override
    {
        key << 'f' << step.iconSize << step.option->fontMetrics.boundingRect(QLatin1Char('X')).height()
            << flatColor(FC_DARK_GRAY) << flatColor(FC_WHITE);
    }
    QColor stepTextColor(const Step &) const override { return flatColor(FC_WHITE); }
    int stepTextWeight(const Step &step) const override { return step.on ? QFont::DemiBold : -1; }

    // Blue for the blue button type of the library's buttons; every other panel is light grey,
    // whatever its state.
    void drawButtonPanel(QPainter *painter, const QStyleOption *option, const QWidget *widget,
                         CommonStyle::StyleOptions) const override
    {
        const bool blue = qstyleoption_cast<const QStyleOptionButton *>(option)
            && buttonType(widget) == StyleHelper::GRADIENT_BLUE;
        QBrush brush = painter->brush();
        brush.setStyle(Qt::SolidPattern);
        brush.setColor(flatColor(blue ? FC_BLUE : FC_LIGHT_GRAY));
        painter->setBrush(brush);
        fillRect(painter, option->rect, brush);
    }
    // The flat look shows the same picture for checked and unchecked buttons.
    QIcon::State labelIconState(QStyle::State) const override { return QIcon::Off; }
    // White on the blue panel, black on the light grey one, dark grey when disabled.
    QColor labelColor(int type, QStyle::State state) const override
    {
        if (!(state & QStyle::State_Enabled))
            return flatColor(FC_DARK_GRAY);
        return flatColor(type == StyleHelper::GRADIENT_BLUE ? FC_WHITE : FC_BLACK);
    }

    QString headerLogo() const override { return QStringLiteral(":/logos/r_logo.png"); }
    QColor headerTextColor() const override { return flatColor(FC_DARK_GRAY); }
    int headerTitleWeight() const override { return QFont::DemiBold; }
};

} // namespace

const Look &flatLook()
{
    static const FlatLook look;
    return look;
}

void drawFlatLineEditFrame(const QStyleOption *option, QPainter *painter)
{
    const QRect &r = option->rect;
    painter->save();
    // Half a pixel puts the one-pixel outline on the pixel grid.
    painter->translate(0.5, 0.5);
    QPen pen = painter->pen();
    pen.setColor(flatColor(FC_GRAY));
    pen.setWidth(1);
    painter->setPen(pen);
    // The painter's brush is left alone: with the usual empty brush only the outline shows.
    painter->drawRect(QRect(r.topLeft(), QPoint(r.right() - 1, r.bottom() - 1)));
    painter->restore();
}

} // namespace Veltrix
