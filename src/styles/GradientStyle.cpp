#include "GradientStyle.h"

#include <QApplication>
#include <QLabel>

#include "GradientStyle_p.h"
#include "QFrameHeaderLabel.h"
#include "QSlideMaster.h"
#include "QStyledComboBox.h"
#include "QStyledHeader.h"
#include "QStyledMenuBar.h"

using Veltrix::GradientLook::setSolidBrush;

namespace {

constexpr int HeaderTextPointSize = 16;
constexpr int SlideTitlePointSize = 16;
constexpr int SlideSubTitlePointSize = 10;
constexpr int FrameHeaderPointSize = 20;

} // namespace

GradientStyle::GradientStyle()
{
    // Read the colour table now rather than in the middle of the first paint.
    loadGradientColors();
}

GradientStyle::~GradientStyle() = default;

void GradientStyle::polish(QPalette &palette)
{
    setSolidBrush(palette, QPalette::Text, GC_BLACK);
    setSolidBrush(palette, QPalette::Window, GC_WHITE);
}

void GradientStyle::polish(QWidget *widget)
{
    CommonStyle::polish(widget);

    // Only the first matching class is treated.
    if (auto *combo = qobject_cast<QStyledComboBox *>(widget)) {
        QPalette palette = combo->palette();
        switch (combo->buttonType()) {
        case StyleHelper::GRADIENT_MEDIUMGRAY:
            setSolidBrush(palette, QPalette::ButtonText, GC_BLACK);
            break;
        case StyleHelper::GRADIENT_BLUE:
            setSolidBrush(palette, QPalette::ButtonText, GC_WHITE);
            break;
        default:
            break;
        }
        combo->setPalette(palette);
    } else if (auto *header = qobject_cast<QStyledHeader *>(widget)) {
        polishStyledHeader(header);
    } else if (auto *slide = qobject_cast<QSlideMaster *>(widget)) {
        polishSlideMaster(slide);
    } else if (auto *label = qobject_cast<QFrameHeaderLabel *>(widget)) {
        QFont font = label->font();
        font.setPointSize(FrameHeaderPointSize);
        font.setWeight(QFont::DemiBold);
        label->setFont(font);
        QPalette palette = label->palette();
        setSolidBrush(palette, QPalette::WindowText, GC_DARKBLUE);
        label->setPalette(palette);
    }
}

void GradientStyle::polishStyledHeader(QStyledHeader *header)
{
    // A header always has these labels; a subclass that removed one simply
    // goes without its part of the look.
    if (auto *logo = header->findChild<QLabel *>(QStringLiteral("appLogoLabel")))
        logo->setPixmap(QPixmap(QStringLiteral(":/logos/K_logo.png")));

    auto *name = header->findChild<QLabel *>(QStringLiteral("appNameLabel"));
    auto *title = header->findChild<QLabel *>(QStringLiteral("appTitleLabel"));
    QFont font = QApplication::font();
    font.setPointSize(HeaderTextPointSize);
    for (QLabel *label : { name, title }) {
        if (label)
            label->setFont(font);
    }
    if (name) {
        QPalette palette = name->palette();
        setSolidBrush(palette, name->foregroundRole(), GC_BLACK);
        name->setPalette(palette);
        if (title)
            title->setPalette(palette);
    }

    if (QStyledMenuBar *menuBar = header->menuBar()) {
        QPalette palette = menuBar->palette();
        setSolidBrush(palette, QPalette::ButtonText, GC_WHITE);
        setSolidBrush(palette, QPalette::HighlightedText, GC_BLACK);
        menuBar->setPalette(palette);
    }
}

void GradientStyle::polishSlideMaster(QSlideMaster *slide)
{
    if (QLabel *title = slide->m_titleLabel) {
        QPalette palette = title->palette();
        setSolidBrush(palette, QPalette::WindowText, GC_DARKBLUE);
        title->setPalette(palette);
        QFont font = title->font();
        font.setWeight(QFont::DemiBold);
        font.setPointSize(SlideTitlePointSize);
        title->setFont(font);
    }
    if (QLabel *subTitle = slide->m_subTitleLabel) {
        QFont font = subTitle->font();
        font.setPointSize(SlideSubTitlePointSize);
        subTitle->setFont(font);
    }
}

void GradientStyle::unpolish(QWidget *widget)
{
    // Fonts, palettes and the logo set by polish stay: only what the common
    // style set is taken back.
    CommonStyle::unpolish(widget);
}

QIcon GradientStyle::windowIcon() const
{
    return QIcon(QStringLiteral(":/logos/GradientLogo.ico"));
}
