#include "TestSupport.h"

namespace {

const QString Header = "== ";

bool updating()
{
    return qEnvironmentVariableIntValue("VELTRIX_UPDATE_BASELINES") != 0;
}

// `actual` against `expected`: the lines both share at the start and at the end as they are ("  "),
// between them the expected ("- ") and the produced ones ("+ ").
QStringList diff(const QStringList &expected, const QStringList &actual)
{
    int head = 0, tail = 0;
    while (head < qMin(expected.size(), actual.size()) && expected[head] == actual[head])
        ++head;
    while (tail < qMin(expected.size(), actual.size()) - head && expected[expected.size() - 1 - tail] == actual[actual.size() - 1 - tail])
        ++tail;
    QStringList out;
    for (const QString &line : expected.mid(0, head))
        out << "  " + line;
    for (const QString &line : expected.mid(head, expected.size() - head - tail))
        out << "- " + line;
    for (const QString &line : actual.mid(head, actual.size() - head - tail))
        out << "+ " + line;
    for (const QString &line : actual.mid(actual.size() - tail))
        out << "  " + line;
    return out;
}

} // namespace

Baseline::Baseline(const QString &path, Majors majors)
{
    read(path);
    if (QT_VERSION_MAJOR == 6 && majors == PerQtMajor) {
        const Baseline shared = *this;
        read(QFileInfo(path).dir().filePath("qt6/" + QFileInfo(path).fileName()));
        m_order = shared.m_order; // the cases stay those of the shared file
        m_preamble = m_preamble.isEmpty() ? shared.m_preamble : m_preamble;
    }
}

void Baseline::read(const QString &path)
{
    m_path = path;
    QFile file(path);
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    const QStringList blocks = ('\n' + text).split('\n' + Header);
    m_preamble = blocks.first().trimmed();
    m_order.clear();
    m_expected.clear();
    for (const QString &block : blocks.mid(1)) {
        const QStringList lines = block.split('\n', Qt::SkipEmptyParts);
        m_order << lines.value(0);
        m_expected[lines.value(0)] = lines.mid(1);
    }
}

void Baseline::check(const QString &name, const QStringList &lines)
{
    m_actual[name] = lines;
    const bool blank = lines.contains(QString()); // which the file could not hold inside a case
    if (!blank && (updating() || (m_expected.contains(name) && m_expected.value(name) == lines)))
        return;
    const QString message = blank ? QString("\"%1\" produced an empty line\n").arg(name)
        : !m_expected.contains(name)
        ? QString("no baseline for \"%1\" in %2; produced:\n%3\n").arg(name, m_path, lines.join('\n'))
        : QString("\"%1\" differs from %2 (- baseline, + now):\n%3\n").arg(name, m_path, diff(m_expected.value(name), lines).join('\n'));
    QTest::qFail(qPrintable(message + "(a change meant to be: rewrite with VELTRIX_UPDATE_BASELINES=1 and review the diff)"),
                 __FILE__, __LINE__);
}

bool Baseline::finish(const QStringList &order)
{
    if (!updating())
        return true;
    QString text = m_preamble.isEmpty() ? QString() : m_preamble + "\n\n";
    for (const QString &name : order) // a case that did not run this time (a partial run) keeps its block
        text += (QStringList(Header + name) + (m_actual.contains(name) ? m_actual : m_expected).value(name)).join('\n') + "\n\n";
    QDir().mkpath(QFileInfo(m_path).path());
    QFile file(m_path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}
