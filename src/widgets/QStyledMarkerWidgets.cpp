// The four widget classes that exist only to be singled out by the styles.
#include "QFrameDescriptionLabel.h"
#include "QFrameHeaderLabel.h"
#include "QStyledGroupBox.h"
#include "QStyledMenuBar.h"

QStyledGroupBox::QStyledGroupBox(QWidget *parent)
    : QGroupBox(parent)
{
}

QStyledGroupBox::QStyledGroupBox(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{
}

QStyledGroupBox::~QStyledGroupBox() = default;

QStyledMenuBar::QStyledMenuBar(QWidget *parent)
    : QMenuBar(parent)
{
}

QStyledMenuBar::~QStyledMenuBar() = default;

QFrameHeaderLabel::QFrameHeaderLabel(QWidget *parent)
    : QLabel(QString(), parent, Qt::WindowFlags())
{
}

QFrameHeaderLabel::QFrameHeaderLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent, Qt::WindowFlags())
{
}

QFrameHeaderLabel::~QFrameHeaderLabel() = default;

QFrameDescriptionLabel::QFrameDescriptionLabel(QWidget *parent)
    : QLabel(QString(), parent, Qt::WindowFlags())
{
}

QFrameDescriptionLabel::QFrameDescriptionLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent, Qt::WindowFlags())
{
}

QFrameDescriptionLabel::~QFrameDescriptionLabel() = default;
