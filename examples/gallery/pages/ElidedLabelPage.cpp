// Elided labels in splitters: dragging a handle changes how many lines fit,
// and the line below tells whether the long paragraph had to be cut.
#include <QCoreApplication>
#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

#include <QElidedLabel.h>
#include <QFrameDescriptionLabel.h>
#include <QFrameHeaderLabel.h>

#include "GalleryPages.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gallery", text);
}

QWidget *createElidedLabelPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QFrameHeaderLabel(tr("Elided labels"), page));
    auto *description = new QFrameDescriptionLabel(
        tr("Drag the splitter handles. Each label wraps its text over the lines that fit and ends the last "
           "visible line with an ellipsis when text is left over."),
        page);
    description->setWordWrap(true);
    layout->addWidget(description);

    const QString paragraphText = tr(
        "A long paragraph: the label shows as many whole lines of it as its height allows. Every line but the "
        "last is drawn in full from the left edge; the last visible line holds the rest of the text, cut at the "
        "right with an ellipsis. Make the column narrower or lower and more of the paragraph moves behind the "
        "ellipsis; make it wider or taller and the ellipsis disappears once the whole paragraph fits. The label "
        "tells its owner each time this changes, which is how the line below the splitters stays up to date.");

    auto *columns = new QSplitter(Qt::Horizontal, page);
    columns->setChildrenCollapsible(false);
    // A label prefers the width of its whole text on one line, a megabyte
    // here, and the splitters add that up: the page takes the width it is
    // given instead, and the labels elide.
    columns->setSizePolicy(QSizePolicy::Ignored, columns->sizePolicy().verticalPolicy());

    // Left: the paragraph four lines high, the same with a margin of 5 five
    // lines high, and a short unframed text taking the rest.
    auto *left = new QSplitter(Qt::Vertical, columns);
    left->setChildrenCollapsible(false);
    auto *paragraph = new QElidedLabel(paragraphText, left);
    auto *withMargin = new QElidedLabel(
        tr("With a margin of 5 pixels the last visible line starts 5 pixels in, while the lines above it start "
           "at the left edge. ")
            + paragraphText,
        left);
    withMargin->setMargin(5);
    auto *unframed = new QElidedLabel(tr("Without a frame, and a short text that fits at most sizes."), left);
    unframed->setFrameShape(QFrame::NoFrame);

    // Right: one line of the paragraph, and a megabyte of text, which paints
    // as fast as a short one because only what can be visible is laid out.
    auto *right = new QSplitter(Qt::Vertical, columns);
    right->setChildrenCollapsible(false);
    new QElidedLabel(paragraphText, right);
    const QString sentence = tr("This label holds a megabyte of text, sentence after sentence. ");
    new QElidedLabel(sentence.repeated(qMax(1, (1 << 20) / qMax(1, sentence.size()))), right);

    // Extra height goes to the last label of each column.
    const int lineSpacing = paragraph->fontMetrics().lineSpacing();
    for (QSplitter *column : { left, right }) {
        for (int i = 0; i < column->count(); ++i)
            column->setStretchFactor(i, i == column->count() - 1 ? 1 : 0);
    }
    left->setSizes({ 4 * lineSpacing, 5 * lineSpacing, lineSpacing });
    right->setSizes({ lineSpacing, 8 * lineSpacing });
    columns->setSizes({ 3, 2 });
    layout->addWidget(columns, 1);

    auto *status = new QLabel(page);
    const auto showElision = [status](bool elided) {
        status->setText(elided ? tr("The long paragraph is elided.") : tr("The long paragraph is shown in full."));
    };
    QObject::connect(paragraph, &QElidedLabel::elisionChanged, status, showElision);
    showElision(paragraph->isElided());
    layout->addWidget(status);
    return page;
}

} // namespace

GALLERY_PAGE("elided-labels", 80, QT_TRANSLATE_NOOP("Gallery", "Elided labels"),
             QT_TRANSLATE_NOOP("Gallery", "Labels that wrap their text and elide the last visible line."),
             &createElidedLabelPage);
