// Pixmap buttons: pictures that click, from ordinary and high-resolution pixmaps.
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QPixmapButton.h>
#include <QStyledGroupBox.h>

#include "GalleryPages.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gallery", text);
}

enum class Glyph { Play, Pause, Stop, Record };

// A round media button of `logical` pixels, drawn at `ratio` device pixels
// per logical pixel. The fine ring shows the difference between 1x and 2x on
// a high-DPI screen.
QPixmap glyphPixmap(Glyph glyph, int logical, qreal ratio)
{
    QPixmap pixmap(QSize(logical, logical) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(1, 1, logical - 2, logical - 2);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, QColor(0x4f, 0x8f, 0xd8));
    gradient.setColorAt(1, QColor(0x1c, 0x4a, 0x86));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(face);
    painter.setPen(QPen(QColor(255, 255, 255, 140), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(face.adjusted(2.5, 2.5, -2.5, -2.5));

    const QPointF c = face.center();
    const qreal r = logical * 0.22;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    switch (glyph) {
    case Glyph::Play: {
        QPainterPath path;
        path.moveTo(c.x() - r * 0.7, c.y() - r);
        path.lineTo(c.x() + r, c.y());
        path.lineTo(c.x() - r * 0.7, c.y() + r);
        path.closeSubpath();
        painter.drawPath(path);
        break;
    }
    case Glyph::Pause:
        painter.drawRect(QRectF(c.x() - r * 0.8, c.y() - r, r * 0.55, 2 * r));
        painter.drawRect(QRectF(c.x() + r * 0.25, c.y() - r, r * 0.55, 2 * r));
        break;
    case Glyph::Stop:
        painter.drawRect(QRectF(c.x() - r * 0.8, c.y() - r * 0.8, r * 1.6, r * 1.6));
        break;
    case Glyph::Record:
        painter.setBrush(QColor(0xe0, 0x40, 0x40));
        painter.drawEllipse(c, r, r);
        break;
    }
    return pixmap;
}

QWidget *createPixmapButtonsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QFrameHeaderLabel(tr("Pixmap buttons"), page));
    auto *description = new QFrameDescriptionLabel(
        tr("A pixmap button is a picture that clicks. Its size follows the pixmap; a 2x pixmap takes the "
           "same room as a 1x one and stays sharp on high-resolution screens."),
        page);
    description->setWordWrap(true);
    layout->addWidget(description);

    auto *box = new QStyledGroupBox(tr("Resolution"), page);
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("1x pixmap"), box), 0, 0);
    grid->addWidget(new QLabel(tr("2x pixmap"), box), 1, 0);
    const Glyph glyphs[] = { Glyph::Play, Glyph::Pause, Glyph::Stop, Glyph::Record };
    const char *names[] = { QT_TRANSLATE_NOOP("Gallery", "Play"), QT_TRANSLATE_NOOP("Gallery", "Pause"),
                            QT_TRANSLATE_NOOP("Gallery", "Stop"), QT_TRANSLATE_NOOP("Gallery", "Record") };
    auto *status = new QLabel(tr("Click a picture."), page);
    for (int row = 0; row < 2; ++row) {
        const qreal ratio = row == 0 ? 1.0 : 2.0;
        for (int i = 0; i < 4; ++i) {
            auto *button = new QPixmapButton(glyphPixmap(glyphs[i], 40, ratio), box);
            button->setToolTip(tr(names[i]));
            const char *name = names[i];
            QObject::connect(button, &QAbstractButton::clicked, status, [status, name, ratio] {
                status->setText(tr("Clicked: %1 (%2x)").arg(tr(name)).arg(ratio));
            });
            grid->addWidget(button, row, i + 1);
        }
    }
    auto *disabled = new QPixmapButton(glyphPixmap(Glyph::Play, 40, 2.0), box);
    disabled->setEnabled(false);
    grid->addWidget(new QLabel(tr("Disabled"), box), 2, 0);
    grid->addWidget(disabled, 2, 1);
    grid->setColumnStretch(5, 1);
    layout->addWidget(box);

    auto *sizes = new QStyledGroupBox(tr("Sizes"), page);
    auto *row = new QHBoxLayout(sizes);
    for (int logical : { 16, 24, 32, 48, 64 })
        row->addWidget(new QPixmapButton(glyphPixmap(Glyph::Play, logical, 2.0), sizes), 0, Qt::AlignBottom);
    row->addStretch(1);
    layout->addWidget(sizes);

    layout->addWidget(status);
    layout->addStretch(1);
    return page;
}

} // namespace

GALLERY_PAGE("pixmap-buttons", 55, QT_TRANSLATE_NOOP("Gallery", "Pixmap buttons"),
             QT_TRANSLATE_NOOP("Gallery", "Clickable pictures at 1x and 2x resolution."), &createPixmapButtonsPage);
