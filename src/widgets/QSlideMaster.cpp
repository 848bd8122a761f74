#include "QSlideMaster.h"

#include <QLabel>
#include <QVBoxLayout>

QSlideMaster::QSlideMaster(QWidget *parent, Qt::WindowFlags f)
    : QFrame(parent, f)
    , m_titleLabel(new QLabel())
    , m_subTitleLabel(new QLabel())
    , m_centralWidget(new QWidget())
{
    m_subTitleLabel->setWordWrap(true);
    auto *layout = new QVBoxLayout();
    layout->addWidget(m_titleLabel);
    layout->addWidget(m_subTitleLabel);
    layout->addWidget(m_centralWidget, 1);
    setLayout(layout);
}

QSlideMaster::~QSlideMaster() = default;

QString QSlideMaster::title() const
{
    return m_titleLabel->text();
}

void QSlideMaster::setTitle(const QString &title)
{
    m_titleLabel->setText(title);
}

QString QSlideMaster::subTitle() const
{
    return m_subTitleLabel->text();
}

void QSlideMaster::setSubTitle(const QString &subTitle)
{
    m_subTitleLabel->setText(subTitle);
}

QWidget *QSlideMaster::centralWidget() const
{
    return m_centralWidget;
}

void QSlideMaster::setCentralWidget(QWidget *widget)
{
    // Handing the current widget in again must not delete it.
    if (widget && widget == m_centralWidget)
        return;
    // A widget taken from inside the old page must survive the old page.
    if (widget && m_centralWidget && m_centralWidget->isAncestorOf(widget))
        widget->setParent(nullptr);
    delete m_centralWidget;
    m_centralWidget = widget;
    static_cast<QVBoxLayout *>(layout())->addWidget(widget, 1);
}
