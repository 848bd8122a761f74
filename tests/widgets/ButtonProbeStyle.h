#ifndef BUTTONPROBESTYLE_H
#define BUTTONPROBESTYLE_H

#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QVector>

// Fusion, except that a push-button size query answers the contents plus
// (11, 7); keeps the contents it was asked about and the button options it
// was asked to draw.
class ButtonProbeStyle : public QProxyStyle
{
public:
    ButtonProbeStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    static QSize answer(const QSize &contents) { return contents + QSize(11, 7); }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        if (type != CT_PushButton)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        contents << size;
        optionRects << option->rect;
        return answer(size);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
            if (element == CE_PushButton)
                drawn << *button;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    mutable QVector<QSize> contents;
    mutable QVector<QRect> optionRects;
    mutable QVector<QStyleOptionButton> drawn;
};

#endif // BUTTONPROBESTYLE_H
