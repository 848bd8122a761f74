// Frames, labels, plain buttons, check boxes and menu bars: what every look
// restyles.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QStyledGroupBox.h>
#include <QStyledMenuBar.h>

#include "GalleryPages.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gallery", text);
}

// The same menus in a styled and in a plain menu bar, to compare them.
QWidget *menuBars(QWidget *parent)
{
    auto *box = new QStyledGroupBox(tr("Menu bars"), parent);
    auto *form = new QFormLayout(box);
    for (QMenuBar *bar : { static_cast<QMenuBar *>(new QStyledMenuBar(box)), new QMenuBar(box) }) {
        bar->addMenu(tr("&File"))->addAction(tr("&Open..."));
        bar->addMenu(tr("&Edit"))->addAction(tr("&Copy"));
        bar->addMenu(tr("&Help"))->addAction(tr("&About"));
        form->addRow(QString::fromLatin1(bar->metaObject()->className()), bar);
    }
    auto *note = new QLabel(
        tr("Under CommonStyle every menu bar gets a drop-down arrow after each title, but only a QStyledMenuBar "
           "makes room for it."),
        box);
    note->setWordWrap(true);
    form->addRow(note);
    return box;
}

QWidget *createBasicsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QFrameHeaderLabel(tr("Frame header label"), page));
    auto *description = new QFrameDescriptionLabel(
        tr("A description label explains what the frame below is about. It wraps when it is long."), page);
    description->setWordWrap(true);
    layout->addWidget(description);

    auto *group = new QStyledGroupBox(tr("Styled group box"), page);
    auto *grid = new QGridLayout(group);
    auto *plain = new QPushButton(tr("Push button"), group);
    auto *defaultButton = new QPushButton(tr("Default button"), group);
    defaultButton->setDefault(true);
    auto *disabled = new QPushButton(tr("Disabled button"), group);
    disabled->setEnabled(false);
    grid->addWidget(plain, 0, 0);
    grid->addWidget(defaultButton, 0, 1);
    grid->addWidget(disabled, 0, 2);

    auto *unchecked = new QCheckBox(tr("Unchecked"), group);
    auto *checked = new QCheckBox(tr("Checked"), group);
    checked->setChecked(true);
    auto *partly = new QCheckBox(tr("Partly checked"), group);
    partly->setTristate(true);
    partly->setCheckState(Qt::PartiallyChecked);
    grid->addWidget(unchecked, 1, 0);
    grid->addWidget(checked, 1, 1);
    grid->addWidget(partly, 1, 2);

    auto *edit = new QLineEdit(group);
    edit->setPlaceholderText(tr("Line edit"));
    grid->addWidget(edit, 2, 0, 1, 3);
    layout->addWidget(group);
    layout->addWidget(menuBars(page));

    auto *frame = new QFrame(page);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setMinimumHeight(60);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

} // namespace

GALLERY_PAGE("basics", 10, QT_TRANSLATE_NOOP("Gallery", "Basics"),
             QT_TRANSLATE_NOOP("Gallery", "Group boxes, frame labels, buttons, check boxes, menu bars and frames."),
             &createBasicsPage);
