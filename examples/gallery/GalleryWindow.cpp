#include "GalleryWindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QSlideMaster.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include "GalleryPages.h"
#include "GalleryStyles.h"

GalleryWindow::GalleryWindow(QWidget *parent)
    : QWidget(parent)
    , m_header(new QStyledHeader(this))
    , m_stack(new QStackedWidget(this))
    , m_steps(new QNavigationButtonGroup(QBoxLayout::TopToBottom, this))
    , m_back(new QStyledPushButton(this))
    , m_next(new QStyledPushButton(this))
{
    setObjectName(QStringLiteral("GalleryWindow"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_header);

    auto *body = new QHBoxLayout();
    body->setContentsMargins(8, 8, 8, 8);
    outer->addLayout(body, 1);

    // The steps open one by one as the reader moves on with "Next"; visited
    // steps stay enabled and can be clicked to go back.
    auto *stepColumn = new QVBoxLayout();
    stepColumn->addWidget(m_steps, 1);
    auto *stepActions = new QHBoxLayout();
    stepActions->addWidget(m_back);
    stepActions->addWidget(m_next);
    stepColumn->addLayout(stepActions);
    m_next->setButtonType(StyleHelper::GRADIENT_BLUE);
    m_back->setObjectName(QStringLiteral("GalleryBack"));
    m_next->setObjectName(QStringLiteral("GalleryNext"));
    body->addLayout(stepColumn);
    body->addWidget(m_stack, 1);

    const auto &pages = galleryPages();
    for (int i = 0; i < pages.size(); ++i) {
        const GalleryPage &page = pages.at(i);
        auto *slide = new QSlideMaster();
        slide->setCentralWidget(page.create());
        m_slides << slide;
        m_stack->addWidget(slide);

        auto *step = new QNavigationButton(i);
        m_steps->addNavigationButton(step);
        m_stepButtons << step;
        // Clicks, showNext/showPrev and showPage all end in a checked step.
        connect(step, &QAbstractButton::toggled, this, [this, i](bool checked) {
            if (!checked)
                return;
            m_stack->setCurrentIndex(i);
            updateStepActions();
        });
    }
    m_steps->addStretch(1);
    connect(m_back, &QPushButton::clicked, m_steps, &QNavigationButtonGroup::showPrev);
    connect(m_next, &QPushButton::clicked, m_steps, &QNavigationButtonGroup::showNext);

    buildMenus();
    retranslate();
    setWindowIcon(galleryWindowIcon(style()));
    resize(1000, 680);
    if (!m_slides.isEmpty())
        showPage(0);
}

int GalleryWindow::pageCount() const
{
    return m_slides.size();
}

QString GalleryWindow::pageId(int index) const
{
    return QString::fromLatin1(galleryPages().at(index).id);
}

void GalleryWindow::showPage(int index)
{
    if (index < 0 || index >= m_slides.size())
        return;
    // Showing a page opens every step up to it, as if the reader got there.
    m_steps->setCheckedButton(index);
    m_stack->setCurrentIndex(index);
    updateStepActions();
}

void GalleryWindow::updateStepActions()
{
    const int current = m_stack->currentIndex();
    m_back->setEnabled(current > 0);
    m_next->setEnabled(current + 1 < m_slides.size());
}

void GalleryWindow::buildMenus()
{
    QStyledMenuBar *bar = m_header->menuBar();
    QMenu *file = bar->addMenu(style()->standardIcon(QStyle::SP_DirIcon), tr("&File"));
    file->addAction(style()->standardIcon(QStyle::SP_FileIcon), tr("&New"));
    file->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), tr("&Open..."));
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"));
    connect(quit, &QAction::triggered, qApp, &QApplication::quit);

    QMenu *view = bar->addMenu(tr("&View"));
    QMenu *zoom = view->addMenu(tr("&Zoom"));
    zoom->addAction(tr("Zoom &In"));
    zoom->addAction(tr("Zoom &Out"));
    QAction *compact = view->addAction(tr("&Compact"));
    compact->setCheckable(true);

    QMenu *tools = bar->addMenu(tr("&Tools"));
    tools->setEnabled(false);
}

void GalleryWindow::retranslate()
{
    setWindowTitle(tr("Veltrix Gallery"));
    m_header->setApplicationTitle(tr("Veltrix"));
    m_header->setApplicationSubTitle(tr("Widget Gallery"));
    const auto &pages = galleryPages();
    for (int i = 0; i < m_slides.size(); ++i) {
        m_slides[i]->setTitle(QCoreApplication::translate("Gallery", pages.at(i).title));
        m_slides[i]->setSubTitle(QCoreApplication::translate("Gallery", pages.at(i).subTitle));
        m_stepButtons[i]->setText(QCoreApplication::translate("Gallery", pages.at(i).title));
    }
    m_back->setText(tr("Back"));
    m_next->setText(tr("Next"));
}

void GalleryWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
