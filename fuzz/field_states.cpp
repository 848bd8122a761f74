// Prints what an address field's validator says about inputs drawn from a
// fuzz corpus, one line each, so that the Qt 5 and the Qt 6 build can be
// compared line by line:
//   field_states DIR...
// Every piece of up to eight bytes of each file (in name order), read through
// the fuzz target's text alphabet and as Latin-1, is validated at every cursor
// position by the validator of an IPv4 field and then by that of an IPv6
// field, each keeping its last state from input to input as a field's does.
// A line: "<type> <input> <cursor>: <state> <cursor after> <reported state>",
// the reported state "-" when the validator emitted none; characters outside
// printable ASCII are written \uXXXX.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTextStream>

#include <QIpAdressEdit.h>

#include "FuzzAlphabet.h"

namespace {

QString escaped(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c.unicode() > 0x20 && c.unicode() < 0x7f ? QString(c) : QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qRegisterMetaType<QValidator::State>(); // for QSignalSpy in Qt 5
    const QMetaEnum names = QMetaEnum::fromType<QValidator::State>();
    const QIpAdressEdit ipv4(nullptr, QIpAdressEdit::IPv4), ipv6(nullptr, QIpAdressEdit::IPv6);
    const QVector<QPair<const char *, const QValidator *>> validators{
        { "IPv4", ipv4.findChild<QLineEdit *>()->validator() }, { "IPv6", ipv6.findChild<QLineEdit *>()->validator() } };
    QTextStream out(stdout);
    int lines = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir dir(QString::fromLocal8Bit(argv[i]));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                return 1;
            const QByteArray data = file.readAll();
            QString alphabet;
            for (const char byte : data)
                alphabet += QChar(FuzzAlphabet[uchar(byte) % (sizeof(FuzzAlphabet) - 1)]);
            for (const QString &text : { alphabet, QString::fromLatin1(data.constData(), data.size()) }) {
                for (int from = 0; from < text.size(); ++from) {
                    for (int length = 0; length <= 8 && from + length <= text.size(); ++length) {
                        for (int cursor = 0; cursor <= length; ++cursor) {
                            for (const auto &[type, validator] : validators) {
                                QSignalSpy spy(validator, SIGNAL(validationStateChanged(QValidator::State)));
                                QString input = text.mid(from, length);
                                int pos = cursor;
                                const QValidator::State state = validator->validate(input, pos);
                                out << type << ' ' << escaped(text.mid(from, length)) << ' ' << cursor << ": "
                                    << names.valueToKey(state) << ' ' << pos << ' '
                                    << (spy.isEmpty() ? "-" : names.valueToKey(spy.at(0).at(0).value<QValidator::State>()))
                                    << '\n';
                                ++lines;
                            }
                        }
                    }
                }
            }
        }
    }
    return lines > 0 ? 0 : 1;
}
