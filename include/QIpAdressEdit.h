#ifndef QIPADRESSEDIT_H
#define QIPADRESSEDIT_H

#include <QList>
#include <QString>
#include <QValidator>
#include <QWidget>

#include "VeltrixGlobal.h"

class QEvent;
class QHBoxLayout;
class QLineEdit;
class QPaintEvent;
class QStyleOptionFrame;

//! An IPv4 or IPv6 address entry that looks like one line edit.
//!
//! The edit holds one small frameless line edit per field (4 decimal octets
//! for IPv4, 8 hexadecimal groups for IPv6) with the delimiter between them,
//! and paints a line-edit panel around them. Each field checks what is typed:
//! an octet is a number from 0 to 255 without leading zeros, a group up to
//! four hexadecimal digits in either case. A field whose content is not yet
//! acceptable gets a frame as a marker (an empty IPv4 field is not
//! acceptable; an empty IPv6 group is).
//!
//! Typing `.` or `:` in a filled field moves to the next one, and in an
//! empty field back to the previous one; Backspace in an empty field moves
//! back too. The delimiter never reaches a field. Only the first field is a
//! Tab stop; the others are reached by click or by these keys.
//! editingFinished() tells the host the user is done.
//!
//! \snippet ipaddress.cpp edit
//!
//! The whole address is read and set as one string (ipAdress()); the names
//! `QIpAdressEdit`, `ipAdress` and `setIpAdress` are spelled with one "d".
//! Compressed IPv6 forms such as `fe80::1` are not understood.
//!
//! \lookgrid{ipaddress}
class VELTRIX_EXPORT QIpAdressEdit : public QWidget
{
    Q_OBJECT
    //! Whether any field has been edited (read-only, not shown in Qt
    //! Designer); see isModified().
    Q_PROPERTY(bool modified READ isModified DESIGNABLE false)
    //! Whether the fields refuse editing; false for a new edit.
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    //! The address as one string, or an empty string while a field is empty.
    //! Declared before ipType, so a form applies it first: Qt Designer drops
    //! an IPv6 address it reopens (see \ref surprises).
    Q_PROPERTY(QString ipAdress READ ipAdress WRITE setIpAdress)
    //! IPv4 or IPv6; a change rebuilds the fields empty.
    Q_PROPERTY(IpType ipType READ ipType WRITE setIpType)

public:
    //! The kind of address the edit takes.
    enum IpType {
        IPv4 = 0, //!< Four decimal octets, 0 to 255, joined by full stops: 192.168.0.1.
        IPv6 = 1  //!< Eight groups of up to four hexadecimal digits, joined by colons: fe80:0:0:0:0:0:0:1.
    };
    Q_ENUM(IpType)

    //! Makes an empty edit for addresses of `ipType`. The parent, if any,
    //! owns it; the edit owns its fields.
    explicit QIpAdressEdit(QWidget *parent = nullptr, IpType ipType = IPv4);
    //! Destroys the edit with its fields.
    ~QIpAdressEdit() override;

    //! True when at least one field has been edited (QLineEdit::isModified()
    //! of any field). setIpAdress() resets the flag of every field it fills;
    //! clear() counts as an edit of every field it empties.
    bool isModified() const;

    //! True when the fields refuse editing.
    bool isReadOnly() const;
    //! Makes every field read-only or editable. A change of ipType makes new,
    //! editable fields.
    void setReadOnly(bool readOnly);

    //! The kind of address the edit takes; IPv4 unless the constructor or
    //! setIpType() said otherwise.
    IpType ipType() const;
    //! Switches between IPv4 and IPv6. A different type rebuilds every field:
    //! text, modified flags, read-only state and markers are lost. The same
    //! type changes nothing.
    void setIpType(IpType ipType);

    //! The fields joined by the delimiter (`192.168.0.1`), exactly as typed,
    //! or an empty string while any field is empty. The content of the fields
    //! is not checked: a marked field is returned as it stands.
    QString ipAdress() const;

    //! Implements the keys and the end of editing for the fields; events of
    //! other objects go to QWidget::eventFilter().
    //!
    //! Returns true for the key presses it consumes (a delimiter key in any
    //! field, Backspace in an empty field). When the focus leaves the whole
    //! edit and every field holds acceptable input it emits editingFinished().
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    //! Fills the fields from `ipAdress`, split at the delimiter.
    //!
    //! The text must have exactly 4 parts (IPv4) or 8 (IPv6), empty parts
    //! included; otherwise the warning `IpAdress size mismatch %1!=%2.` (the
    //! number of parts, then 4 or 8) is logged and nothing changes. Each part loses its leading zeros
    //! (`010` becomes `10`, `0000` and an empty part become `0`) and is cut to
    //! the field's length (3 or 4 characters). A part that is not valid for
    //! the field is kept and the field is marked.
    //! \snippet ipaddress.cpp set
    void setIpAdress(QString ipAdress);
    //! Empties every field.
    void clear();

signals:
    //! The user is done: Return was pressed in a field with acceptable
    //! content (other fields are not looked at), or the focus left the edit
    //! while every field held acceptable input.
    void editingFinished() const;

protected slots:
    //! Marks the field whose validator reports `newState`: a frame while it is
    //! not QValidator::Acceptable, none when it is.
    void onValidationStateChanged(QValidator::State newState);
    //! Emits editingFinished() when Return is pressed in a field.
    void onLineEditReturnPressed();

protected:
    //! Fills `option` for the panel: the contents rectangle, the style's
    //! default frame width, sunken, and read-only when the fields are. A null
    //! option is ignored.
    void initStyleOption(QStyleOptionFrame *option) const;
    //! The size the style gives a line edit around the fields' minimum sizes.
    //! That leaves each field only a line edit's minimum width, often too
    //! narrow for four hexadecimal digits: give an IPv6 edit a minimum width
    //! (see setIpAdress()).
    QSize sizeHint() const override;
    //! Draws the line-edit panel (QStyle::PE_PanelLineEdit) behind the fields.
    void paintEvent(QPaintEvent *event) override;
    //! Keeps the fields inside the panel's frame when the style changes.
    void changeEvent(QEvent *event) override;

private:
    void changeIpLayout();
    unsigned currentIpSize() const;
    QString currentIpDelimiter() const;
    void selectNextLineEdit(unsigned index, bool forward);
    static void removeLeadingZeros(QString &text);

    IpType m_ipType;
    QList<QLineEdit *> m_fields; // not owned: the fields are child widgets
    QHBoxLayout *m_layout;
};

#endif // QIPADRESSEDIT_H
