// Drives a QIpAdressEdit of either type with arbitrary addresses, key
// presses, focus changes and type switches, and checks after every step that
// the edit keeps its shape and its contract:
//  - 4 (IPv4) or 8 (IPv6) fields with 3 or 4 characters at most, delimiter
//    labels between them, no field holding more than its length;
//  - ipAdress() is empty or exactly the field texts joined by the delimiter;
//  - setIpAdress() refuses a wrong number of parts with one warning and
//    otherwise shows each part without leading zeros, cut to the field
//    length, so a valid address reads back in its canonical form;
//  - the delimiter and Backspace keys move focus and selection as a user
//    expects and never change a text;
//  - editingFinished() comes on Return in an acceptable field and when the
//    focus leaves the edit with every field acceptable, and at no other time.
//
// Input layout: byte 0 picks the type (bit 0: IPv6), then up to 64
// operations, each an opcode byte followed by its operands:
//   0, 1 set an address (text)     2, 3 press a key (index into keys[])
//   4 focus a field (index; flag 0x80: by mouse)   5 focus the widget beside
//   6 type text   7 clear (flag 0x40) or set read-only (flag 0x80)
//   8 switch type (flag 0x80: IPv6)
// A text is a length byte (low six bits; flag 0x80: raw UTF-8, otherwise
// indices into an alphabet of digits, hex letters and delimiters) and its bytes.

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QIpAdressEdit.h>

#include "FuzzAlphabet.h"

namespace {

QApplication *app = nullptr;
QWidget *window = nullptr;
QLineEdit *outside = nullptr; // a focus target beside the edit
QStringList warnings;

void collectMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        warnings << message;
    if (type == QtFatalMsg)
        abort();
}

[[noreturn]] void broken(const char *condition, int line, const QString &detail)
{
    fprintf(stderr, "fuzz_ipadressedit:%d: invariant broken: %s [%s]\n", line, condition, qPrintable(detail));
    abort();
}

#define CHECK(condition, detail)                                                                                       \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            broken(#condition, __LINE__, (detail));                                                                    \
    } while (false)

class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return atEnd() ? 0 : m_data[m_pos++]; }

    // Either text over an alphabet rich in digits and delimiters (most useful
    // addresses) or raw UTF-8 (anything at all).
    QString text()
    {
        const uint8_t head = byte();
        const int length = head & 0x3f;
        QByteArray bytes;
        for (int i = 0; i < length && !atEnd(); ++i) {
            const uint8_t b = byte();
            bytes += (head & 0x80) ? char(b) : FuzzAlphabet[b % (sizeof(FuzzAlphabet) - 1)];
        }
        return QString::fromUtf8(bytes.constData(), bytes.size()); // all bytes: Qt 5 would stop at a zero
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

struct Shape
{
    int count;
    int maxLength;
    QString delimiter;
};

Shape shapeOf(QIpAdressEdit::IpType type)
{
    return type == QIpAdressEdit::IPv6 ? Shape{8, 4, QStringLiteral(":")} : Shape{4, 3, QStringLiteral(".")};
}

QList<QLineEdit *> fieldsOf(const QIpAdressEdit &edit)
{
    QList<QLineEdit *> fields;
    for (int i = 0; i < edit.layout()->count(); ++i) {
        if (auto *field = qobject_cast<QLineEdit *>(edit.layout()->itemAt(i)->widget()))
            fields << field;
    }
    return fields;
}

QStringList textsOf(const QIpAdressEdit &edit)
{
    QStringList texts;
    for (const QLineEdit *field : fieldsOf(edit))
        texts << field->text();
    return texts;
}

// What a field accepts, written out independently of the validator.
bool acceptable(QIpAdressEdit::IpType type, const QString &text)
{
    if (type == QIpAdressEdit::IPv6) {
        if (text.size() > 4)
            return false;
        for (const QChar c : text) {
            if (!(c.unicode() < 128 && isxdigit(c.unicode())))
                return false;
        }
        return true;
    }
    if (text.isEmpty() || text.size() > 3 || (text.size() > 1 && text.at(0) == QLatin1Char('0')))
        return false;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= 255;
}

bool allAcceptable(const QIpAdressEdit &edit)
{
    for (const QLineEdit *field : fieldsOf(edit)) {
        if (!acceptable(edit.ipType(), field->text()))
            return false;
    }
    return true;
}

QString withoutLeadingZeros(QString text)
{
    int zeros = 0;
    while (zeros < text.size() && text.at(zeros) == QLatin1Char('0'))
        ++zeros;
    text.remove(0, zeros);
    return text.isEmpty() ? QStringLiteral("0") : text;
}

int focusedField(const QIpAdressEdit &edit)
{
    return fieldsOf(edit).indexOf(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
}

void checkShape(const QIpAdressEdit &edit)
{
    const Shape shape = shapeOf(edit.ipType());
    const QList<QLineEdit *> fields = fieldsOf(edit);
    CHECK(fields.size() == shape.count, QString::number(fields.size()));
    CHECK(edit.layout()->count() == 2 * shape.count - 1, QString::number(edit.layout()->count()));
    CHECK(edit.findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly).size() == shape.count, QString());
    const auto labels = edit.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    CHECK(labels.size() == shape.count - 1, QString::number(labels.size()));
    for (const QLabel *label : labels)
        CHECK(label->text() == shape.delimiter, label->text());

    bool anyEmpty = false;
    bool anyReadOnly = false;
    for (const QLineEdit *field : fields) {
        CHECK(field->maxLength() == shape.maxLength, QString::number(field->maxLength()));
        CHECK(field->text().size() <= shape.maxLength, field->text());
        anyEmpty = anyEmpty || field->text().isEmpty();
        anyReadOnly = anyReadOnly || field->isReadOnly();
    }
    CHECK(edit.isReadOnly() == anyReadOnly, QString());

    const QString address = edit.ipAdress();
    if (anyEmpty) {
        CHECK(address.isEmpty(), address);
    } else {
        CHECK(address.split(shape.delimiter).size() == shape.count, address);
        CHECK(address == textsOf(edit).join(shape.delimiter), address);
    }
}

void setAddress(QIpAdressEdit &edit, const QString &text)
{
    const Shape shape = shapeOf(edit.ipType());
    const QStringList before = textsOf(edit);
    const QStringList parts = text.split(shape.delimiter);
    warnings.clear();
    edit.setIpAdress(text);

    if (parts.size() != shape.count) {
        const QString expected = QStringLiteral("IpAdress size mismatch %1!=%2.").arg(parts.size()).arg(shape.count);
        CHECK(warnings == QStringList{expected}, warnings.join(QLatin1Char('|')));
        CHECK(textsOf(edit) == before, text);
        return;
    }
    CHECK(warnings.isEmpty(), warnings.join(QLatin1Char('|')));

    QStringList canonical;
    bool valid = true;
    for (const QString &part : parts) {
        const QString shown = withoutLeadingZeros(part);
        valid = valid && acceptable(edit.ipType(), shown);
        canonical << shown.left(shape.maxLength);
    }
    CHECK(textsOf(edit) == canonical, text + QStringLiteral(" -> ") + textsOf(edit).join(QLatin1Char('|')));
    if (valid)
        CHECK(edit.ipAdress() == canonical.join(shape.delimiter), text + QStringLiteral(" -> ") + edit.ipAdress());
    CHECK(!edit.isModified(), text);

    // A field whose text changed was validated again, so its marker shows
    // whether the new text is acceptable.
    const QList<QLineEdit *> fields = fieldsOf(edit);
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i)->text() != before.at(i))
            CHECK(fields.at(i)->hasFrame() == !acceptable(edit.ipType(), fields.at(i)->text()), fields.at(i)->text());
    }
}

struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const Key keys[] = {
    {Qt::Key_0, Qt::NoModifier},         {Qt::Key_1, Qt::NoModifier},        {Qt::Key_2, Qt::NoModifier},
    {Qt::Key_5, Qt::NoModifier},         {Qt::Key_9, Qt::NoModifier},        {Qt::Key_A, Qt::NoModifier},
    {Qt::Key_F, Qt::ShiftModifier},      {Qt::Key_G, Qt::NoModifier},        {Qt::Key_Period, Qt::NoModifier},
    {Qt::Key_Colon, Qt::NoModifier},     {Qt::Key_Period, Qt::KeypadModifier}, {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_Delete, Qt::NoModifier},    {Qt::Key_Left, Qt::NoModifier},     {Qt::Key_Right, Qt::NoModifier},
    {Qt::Key_Home, Qt::ShiftModifier},   {Qt::Key_End, Qt::NoModifier},      {Qt::Key_Return, Qt::NoModifier},
    {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Tab, Qt::NoModifier},      {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Comma, Qt::NoModifier},     {Qt::Key_Space, Qt::NoModifier},    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Y, Qt::ControlModifier},    {Qt::Key_A, Qt::ControlModifier},   {Qt::Key_Escape, Qt::NoModifier},
};

void pressKey(QIpAdressEdit &edit, const Key &key, int &finished)
{
    const int before = finished;
    const QList<QLineEdit *> fields = fieldsOf(edit);
    const QStringList texts = textsOf(edit);
    const int current = focusedField(edit);
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    const bool wasAcceptable = current >= 0 && acceptable(edit.ipType(), texts.at(current));
    const bool allWereAcceptable = allAcceptable(edit);

    QTest::keyClick(target, key.key, key.modifiers);

    const int now = focusedField(edit);
    if (current < 0) {
        // Typed outside the edit: nothing inside changes, though Tab may
        // bring the focus in.
        CHECK(textsOf(edit) == texts, QString());
        CHECK(finished == before, QString());
        return;
    }
    const bool delimiter = key.key == Qt::Key_Period || key.key == Qt::Key_Colon;
    const bool emptyBackspace = key.key == Qt::Key_Backspace && texts.at(current).isEmpty();
    if (delimiter || emptyBackspace) {
        CHECK(textsOf(edit) == texts, textsOf(edit).join(QLatin1Char('|')));
        const bool forward = delimiter && !texts.at(current).isEmpty();
        int expected = current;
        if (forward && current + 1 < fields.size())
            expected = current + 1;
        else if (!forward && current > 0)
            expected = current - 1;
        CHECK(now == expected, QStringLiteral("%1 -> %2, expected %3").arg(current).arg(now).arg(expected));
        if (expected != current)
            CHECK(fields.at(expected)->selectedText() == fields.at(expected)->text(), fields.at(expected)->text());
        CHECK(finished == before, QString());
        return;
    }
    // Any other key edits the focused field at most.
    const QStringList after = textsOf(edit);
    for (int i = 0; i < fields.size(); ++i) {
        if (i != current)
            CHECK(after.at(i) == texts.at(i), QString::number(i));
    }
    const bool returnKey = key.key == Qt::Key_Return || key.key == Qt::Key_Enter;
    const bool left = now < 0;
    const int expected = (returnKey && wasAcceptable ? 1 : 0) + (left && allWereAcceptable ? 1 : 0);
    CHECK(finished - before == expected, QStringLiteral("%1 != %2").arg(finished - before).arg(expected));
}

void run(Input &input)
{
    auto *edit = new QIpAdressEdit(window, (input.byte() & 1) ? QIpAdressEdit::IPv6 : QIpAdressEdit::IPv4);
    window->layout()->addWidget(edit);
    int finished = 0;
    QObject::connect(edit, &QIpAdressEdit::editingFinished, edit, [&finished]() { ++finished; });
    QCoreApplication::processEvents();
    checkShape(*edit);

    for (int step = 0; step < 64 && !input.atEnd(); ++step) {
        const uint8_t op = input.byte();
        // The low six bits pick the operation, the top two are its flags.
        switch ((op & 0x3f) % 9) {
        case 0:
        case 1:
            setAddress(*edit, input.text());
            break;
        case 2:
        case 3:
            pressKey(*edit, keys[input.byte() % (sizeof(keys) / sizeof(keys[0]))], finished);
            break;
        case 4: {
            const bool wasInside = focusedField(*edit) >= 0;
            const QList<QLineEdit *> fields = fieldsOf(*edit);
            QLineEdit *field = fields.at(input.byte() % fields.size());
            const int before = finished;
            if (op & 0x80)
                QTest::mouseClick(field, Qt::LeftButton);
            else
                field->setFocus(Qt::OtherFocusReason);
            CHECK(QApplication::focusWidget() == field, QString());
            CHECK(finished == before, QStringLiteral("moving inside, inside before: %1").arg(wasInside));
            break;
        }
        case 5: {
            const bool wasInside = focusedField(*edit) >= 0;
            const bool allWereAcceptable = allAcceptable(*edit);
            const int before = finished;
            outside->setFocus(Qt::OtherFocusReason);
            CHECK(finished - before == (wasInside && allWereAcceptable ? 1 : 0), QString());
            break;
        }
        case 6: {
            // QTest types printable ASCII only.
            QString text;
            for (const QChar c : input.text()) {
                if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                    text += c;
            }
            if (QWidget *target = QApplication::focusWidget())
                QTest::keyClicks(target, text);
            break;
        }
        case 7: {
            const bool readOnly = op & 0x80;
            if (op & 0x40) {
                edit->clear();
                for (const QString &text : textsOf(*edit))
                    CHECK(text.isEmpty(), text);
            } else {
                edit->setReadOnly(readOnly);
                for (const QLineEdit *field : fieldsOf(*edit))
                    CHECK(field->isReadOnly() == readOnly, QString());
            }
            break;
        }
        case 8: {
            const auto type = (op & 0x80) ? QIpAdressEdit::IPv6 : QIpAdressEdit::IPv4;
            const bool same = type == edit->ipType();
            QList<QPointer<QLineEdit>> old;
            for (QLineEdit *field : fieldsOf(*edit))
                old << field;
            const QStringList texts = textsOf(*edit);
            edit->setIpType(type);
            QCoreApplication::processEvents(); // shows the new fields
            CHECK(edit->ipType() == type, QString());
            if (same) {
                CHECK(textsOf(*edit) == texts, QString());
            } else {
                for (const QPointer<QLineEdit> &field : old)
                    CHECK(field.isNull(), QString());
                for (const QLineEdit *field : fieldsOf(*edit))
                    CHECK(field->text().isEmpty() && !field->hasFrame() && !field->isReadOnly(), QString());
            }
            break;
        }
        }
        checkShape(*edit);
    }
    delete edit;
    QCoreApplication::processEvents();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(collectMessages);
    // Qt keeps a reference to argc, so it must outlive the application.
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    Q_UNUSED(argc);
    app = new QApplication(qtArgc, qtArgv);
    window = new QWidget;
    new QVBoxLayout(window);
    outside = new QLineEdit(window);
    window->layout()->addWidget(outside);
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) {
        fprintf(stderr, "fuzz_ipadressedit: the window did not become active\n");
        abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input input(data, size);
    run(input);
    return 0;
}

// The font stack and the offscreen platform plugin keep a few allocations
// until exit; leaks of the library and of this harness are still reported.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libqoffscreen.so\n";
}
