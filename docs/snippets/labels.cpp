// Examples for the group box, the frame labels and the elided label.
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <QElidedLabel.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>
#include <QStyledGroupBox.h>

#include "snippets.h"

SNIPPET(groupBox)
{
    QWidget *window = host;
    //! [group box]
    auto *box = new QStyledGroupBox(QObject::tr("Connection"), window);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(new QCheckBox(QObject::tr("Reconnect automatically"), box));
    //! [group box]
}

SNIPPET(frameLabels)
{
    QWidget *window = host;
    auto *layout = new QVBoxLayout(window);
    //! [frame labels]
    layout->addWidget(new QFrameHeaderLabel(QObject::tr("Network"), window));
    layout->addWidget(new QFrameDescriptionLabel(QObject::tr("How the program reaches its server."), window));
    //! [frame labels]
}

SNIPPET(elidedLabel)
{
    QWidget *window = host;
    auto *layout = new QVBoxLayout(window);
    const QString longText = QStringLiteral("The server did not answer within 30 seconds. Check the address, "
                                            "the network cable and the firewall, then try once more.");
    //! [elided label]
    auto *note = new QElidedLabel(longText, window);
    note->setFixedSize(220, 2 * note->fontMetrics().lineSpacing());  // two lines, the second one elided
    auto *more = new QPushButton(QObject::tr("More..."), window);
    more->hide();
    // Offer the whole text only when the label had to cut it.
    QObject::connect(note, &QElidedLabel::elisionChanged, more, &QWidget::setVisible);
    //! [elided label]
    layout->addWidget(note);
    layout->addWidget(more);
    window->show();
    QApplication::processEvents();
    SNIPPET_CHECK(note->isElided());
    SNIPPET_CHECK(more->isVisible());
}
