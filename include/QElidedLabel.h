#ifndef QELIDEDLABEL_H
#define QELIDEDLABEL_H

#include <QLabel>

#include "VeltrixGlobal.h"

//! A plain-text label that wraps its text over the lines its height holds and
//! ends the last visible line with an ellipsis when text is left over.
//!
//! The label lays its text out from its top-left corner over its full width,
//! word-wrapped, in as many lines as fit whole into its height (at least
//! one). When text remains after the last visible line, that line is cut
//! with "..." at its right end. Whether it had to cut is known after each
//! paint: isElided() tells, and elisionChanged() reports every change.
//!
//! Text, font, palette, margin and frame are QLabel's; a new label has a
//! sunken QFrame::StyledPanel frame. The text is always shown as plain text:
//! the label's alignment, indent, text format and word-wrap setting play no
//! part, the frame does not inset it, and a pixmap, picture or movie set on
//! the label is not shown.
//!
//! \snippet labels.cpp elided label
//!
//! \looks{elidedlabel}
class VELTRIX_EXPORT QElidedLabel : public QLabel
{
    Q_OBJECT
    //! Whether the most recent paint had to cut the text (read-only); false
    //! before the first paint.
    Q_PROPERTY(bool isElided READ isElided)

public:
    //! Makes a label showing `text`, with a sunken styled-panel frame.
    //! `parent` and `f` are passed to QLabel, with the same defaults, so it
    //! reads like QLabel; the parent, if any, owns the label.
    explicit QElidedLabel(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    //! Makes an empty label with a sunken styled-panel frame.
    explicit QElidedLabel(QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    //! Destroys the label.
    ~QElidedLabel() override;

    //! Whether the most recent paint had to cut the text; false before the
    //! first paint. Changing the text or the size changes it only at the next
    //! paint; a hidden label keeps its last value.
    bool isElided() const;

signals:
    //! The outcome of a paint differs from the one before: `elided` is the new
    //! value of isElided(). Emitted from inside the paint event, once per
    //! change; a slot connected directly runs during the paint, so it must not
    //! paint this label itself.
    void elisionChanged(bool elided);

protected:
    //! The label's own minimum height, and as width the width of "..." plus
    //! twice the margin, whatever the text. While the frame is a
    //! QFrame::StyledPanel the style adds its line-edit frame to that size.
    QSize minimumSizeHint() const override;
    //! Draws the frame, lays the text out and draws the lines that fit, the
    //! last one elided, and updates isElided() (emitting elisionChanged()
    //! when it changes). Full lines start at x = 0, the last visible line at
    //! the label's margin.
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_elided;
};

#endif // QELIDEDLABEL_H
