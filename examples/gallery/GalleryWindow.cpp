#include "GalleryWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QStackedWidget>
#include <QStyle>
#include <QTranslator>
#include <QVBoxLayout>

#include <QInternationalizationHelper.h>
#include <QNavigationButton.h>
#include <QNavigationButtonGroup.h>
#include <QSlideMaster.h>
#include <QStyledHeader.h>
#include <QStyledMenuBar.h>
#include <QStyledPushButton.h>

#include <stdexcept>

#include "GalleryPages.h"
#include "GalleryStyles.h"

namespace {
// Step titles longer than about this many average characters are elided.
constexpr int StepTitleChars = 18;
} // namespace

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
    // Texts are set by retranslate(), which runs again on every language change.
    QMenu *file = bar->addMenu(style()->standardIcon(QStyle::SP_DirIcon), QString());
    translatable(file->menuAction(), QT_TR_NOOP("&File"));
    translatable(file->addAction(style()->standardIcon(QStyle::SP_FileIcon), QString()), QT_TR_NOOP("&New"));
    translatable(file->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), QString()),
                 QT_TR_NOOP("&Open..."));
    file->addSeparator();
    QAction *quit = translatable(file->addAction(QString()), QT_TR_NOOP("&Quit"));
    connect(quit, &QAction::triggered, qApp, &QApplication::quit);

    QMenu *view = bar->addMenu(QString());
    translatable(view->menuAction(), QT_TR_NOOP("&View"));
    QMenu *zoom = view->addMenu(QString());
    translatable(zoom->menuAction(), QT_TR_NOOP("&Zoom"));
    translatable(zoom->addAction(QString()), QT_TR_NOOP("Zoom &In"));
    translatable(zoom->addAction(QString()), QT_TR_NOOP("Zoom &Out"));
    QAction *compact = translatable(view->addAction(QString()), QT_TR_NOOP("&Compact"));
    compact->setCheckable(true);

    QMenu *tools = bar->addMenu(QString());
    translatable(tools->menuAction(), QT_TR_NOOP("&Tools"));
    tools->setEnabled(false);

    // Each catalogue names its language in itself (its translation of
    // "English" in the context "Gallery"), so the entries never change.
    QMenu *languages = bar->addMenu(QString());
    translatable(languages->menuAction(), QT_TR_NOOP("&Language"));
    m_i18n = new QInternationalizationHelper(QString::fromLatin1(QT_TRANSLATE_NOOP("Gallery", "English")),
                                             QStringLiteral("en"), this);
    m_i18n->setDirectory(QStringLiteral(":/translations"));
    m_i18n->setFileName(QStringLiteral("gallery"));
    m_i18n->setTranslationContext(QStringLiteral("Gallery"));
    m_i18n->createMenu(languages, new QActionGroup(languages), true);
    connect(m_i18n, &QInternationalizationHelper::languageChanged, this, &GalleryWindow::applyLanguage);
}

QAction *GalleryWindow::translatable(QAction *action, const char *source)
{
    m_menuTexts.append(qMakePair(action, source));
    return action;
}

bool GalleryWindow::setLanguageCode(const QString &code)
{
    const QStringList languages = m_i18n->supportedLanguages();
    for (const QString &language : languages) {
        if (m_i18n->languageToQtLocale(language) == code) {
            m_i18n->setLanguage(language);
            return true;
        }
    }
    return false;
}

// Swaps the gallery's, the library's and Qt's translators for those of the
// chosen language; installing and removing them sends the LanguageChange
// that retranslates the window.
void GalleryWindow::applyLanguage()
{
    for (const QSharedPointer<QTranslator> &translator : qAsConst(m_translators))
        QCoreApplication::removeTranslator(translator.data());
    m_translators.clear();

    const QString code = m_i18n->languageToQtLocale(m_i18n->language());
    if (code.isEmpty() || code == QLatin1String("en"))
        return; // the source texts are English
    // A missing catalogue has been logged by the helper; the others still apply.
    try {
        m_translators << m_i18n->appTranslator();
    } catch (const std::invalid_argument &) {
    }
    try {
        m_translators << m_i18n->qtTranslator();
    } catch (const std::invalid_argument &) {
    }
    auto library = QSharedPointer<QTranslator>::create();
    if (library->load(QStringLiteral("veltrix_") + code, QStringLiteral(":/translations")))
        m_translators << library;
    for (const QSharedPointer<QTranslator> &translator : qAsConst(m_translators))
        QCoreApplication::installTranslator(translator.data());
}

void GalleryWindow::retranslate()
{
    for (const auto &text : qAsConst(m_menuTexts))
        text.first->setText(tr(text.second));
    setWindowTitle(tr("Veltrix Gallery"));
    m_header->setApplicationTitle(tr("Veltrix"));
    m_header->setApplicationSubTitle(tr("Widget Gallery"));
    const auto &pages = galleryPages();
    for (int i = 0; i < m_slides.size(); ++i) {
        m_slides[i]->setTitle(QCoreApplication::translate("Gallery", pages.at(i).title));
        m_slides[i]->setSubTitle(QCoreApplication::translate("Gallery", pages.at(i).subTitle));
    }
    m_back->setText(tr("Back"));
    m_next->setText(tr("Next"));
    // Long titles, German ones above all, would widen the step column until
    // the window outgrows a small screen: past a limit they are elided, and
    // the tooltip shows them in full. A checked step draws its title in bold,
    // wider than the size hint measured in the regular weight, so the limit
    // and the column's room are measured in bold.
    int widest = 0;
    for (int i = 0; i < m_stepButtons.size(); ++i) {
        QNavigationButton *step = m_stepButtons[i];
        step->ensurePolished(); // the looks set the steps' font here
        QFont boldFont = step->font();
        boldFont.setBold(true);
        const QFontMetrics bold(boldFont);
        const QString title = QCoreApplication::translate("Gallery", pages.at(i).title);
        const QString shown = bold.elidedText(title, Qt::ElideRight, StepTitleChars * bold.averageCharWidth());
        step->setText(shown);
        step->setToolTip(shown == title ? QString() : title);
        widest = qMax(widest, step->sizeHint().width() + bold.horizontalAdvance(shown)
                                  - step->fontMetrics().horizontalAdvance(shown));
    }
    m_steps->setMinimumWidth(widest + 4);
}

void GalleryWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // Pages translate their texts while they are built: build them anew.
        const auto &pages = galleryPages();
        for (int i = 0; i < m_slides.size(); ++i) {
            QWidget *content = pages.at(i).create();
            m_slides[i]->setCentralWidget(content);
            content->show(); // a layout would show it only from the event loop
        }
        retranslate();
    }
    QWidget::changeEvent(event);
}
