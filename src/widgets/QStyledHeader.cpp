#include "QStyledHeader.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "QStyledHeaderForm.h"
#include "QStyledMenuBar.h"

void QStyledHeaderForm::setupUi(QWidget *header)
{
    if (header->objectName().isEmpty())
        header->setObjectName(QStringLiteral("QStyledHeader"));
    header->resize(400, 300);
    header->setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum));

    verticalLayout = new QVBoxLayout(header);
    verticalLayout->setSpacing(6);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    // The menu bar runs over the full width; only the top keeps the style's margin.
    verticalLayout->setContentsMargins(0, -1, 0, 0);

    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setSpacing(6);
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));

    leftSpacer = new QSpacerItem(10, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    horizontalLayout->addItem(leftSpacer);

    appTitleLabel = new QLabel(header);
    appTitleLabel->setObjectName(QStringLiteral("appTitleLabel"));
    horizontalLayout->addWidget(appTitleLabel);

    appNameLabel = new QLabel(header);
    appNameLabel->setObjectName(QStringLiteral("appNameLabel"));
    horizontalLayout->addWidget(appNameLabel);

    middleSpacer = new QSpacerItem(40, 0, QSizePolicy::MinimumExpanding, QSizePolicy::Minimum);
    horizontalLayout->addItem(middleSpacer);

    appLogoLabel = new QLabel(header);
    appLogoLabel->setObjectName(QStringLiteral("appLogoLabel"));
    horizontalLayout->addWidget(appLogoLabel);

    rightSpacer = new QSpacerItem(10, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    horizontalLayout->addItem(rightSpacer);

    verticalLayout->addLayout(horizontalLayout);

    retranslateUi(header);
    QMetaObject::connectSlotsByName(header);
}

void QStyledHeaderForm::retranslateUi(QWidget *header)
{
    header->setWindowTitle(QCoreApplication::translate("QStyledHeader", "QStyledHeader"));
    appTitleLabel->setText(QCoreApplication::translate("QStyledHeader", "Application Title"));
    appNameLabel->setText(QCoreApplication::translate("QStyledHeader", "Application Name"));
}

QStyledHeader::QStyledHeader(QWidget *parent)
    : QWidget(parent)
    , m_form(new QStyledHeaderForm)
    , m_menuBar(nullptr)
{
    m_form->setupUi(this);
    m_menuBar = new QStyledMenuBar();
    static_cast<QVBoxLayout *>(layout())->addWidget(m_menuBar);
}

QStyledHeader::~QStyledHeader()
{
    delete m_form;
}

QStyledMenuBar *QStyledHeader::menuBar()
{
    return m_menuBar;
}

QString QStyledHeader::applicationTitle() const
{
    return m_form->appTitleLabel->text();
}

void QStyledHeader::setApplicationTitle(const QString &title)
{
    m_form->appTitleLabel->setText(title);
}

QString QStyledHeader::applicationSubTitle() const
{
    return m_form->appNameLabel->text();
}

void QStyledHeader::setApplicationSubTitle(const QString &subTitle)
{
    m_form->appNameLabel->setText(subTitle);
}
