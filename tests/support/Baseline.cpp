#include "Baseline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <vector>

namespace {

const QString Header = "== ";

// `expected` against `actual` as a diff: "  " in both, "- " expected only, "+ " produced only.
QStringList diff(const QStringList &expected, const QStringList &actual)
{
    const int n = expected.size(), m = actual.size();
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0)); // longest common tails
    for (int i = n - 1; i >= 0; --i) {
        for (int j = m - 1; j >= 0; --j)
            common[i][j] = expected[i] == actual[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    }
    QStringList out;
    for (int i = 0, j = 0; i < n || j < m;) {
        if (i < n && j < m && expected[i] == actual[j]) {
            out << "  " + actual[j];
            ++i;
            ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            out << "- " + expected[i++];
        } else {
            out << "+ " + actual[j++];
        }
    }
    return out;
}

} // namespace

Baseline::Baseline(const QString &path, Majors majors)
    : m_path(path)
{
    read();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    if (majors == PerQtMajor) {
        const QStringList order = m_order, preamble = m_preamble;
        m_path = QFileInfo(path).dir().filePath("qt6/" + QFileInfo(path).fileName());
        read();
        m_order = order; // the cases stay those of the shared file
        if (m_preamble.isEmpty())
            m_preamble = preamble;
    }
#else
    Q_UNUSED(majors);
#endif
}

void Baseline::read()
{
    m_preamble.clear();
    m_order.clear();
    m_expected.clear();
    QFile file(m_path);
    QString current;
    for (const QString &line : file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList()) {
        if (line.startsWith(Header)) {
            current = line.mid(Header.size());
            m_order << current;
            m_expected[current];
        } else if (current.isNull()) {
            m_preamble << line;
        } else if (!line.isEmpty()) {
            m_expected[current] << line;
        }
    }
    while (!m_preamble.isEmpty() && m_preamble.last().isEmpty())
        m_preamble.removeLast();
}

bool Baseline::updating()
{
    return qEnvironmentVariableIntValue("VELTRIX_UPDATE_BASELINES") != 0;
}

bool Baseline::check(const QString &name, const QStringList &lines)
{
    m_actual[name] = lines;
    if (updating() || (m_expected.contains(name) && m_expected.value(name) == lines))
        return true;
    const QString message = !m_expected.contains(name)
        ? QString("no baseline for \"%1\" in %2; produced:\n%3\n").arg(name, m_path, lines.join('\n'))
        : QString("\"%1\" differs from %2 (- baseline, + now):\n%3\n").arg(name, m_path, diff(m_expected.value(name), lines).join('\n'));
    QTest::qFail(qPrintable(message + "(a change meant to be: rewrite with VELTRIX_UPDATE_BASELINES=1 and review the diff)"),
                 __FILE__, __LINE__);
    return false;
}

bool Baseline::finish(const QStringList &order)
{
    if (updating()) {
        QFile file(m_path);
        QDir().mkpath(QFileInfo(m_path).path());
        QString text = m_preamble.isEmpty() ? QString() : m_preamble.join('\n') + "\n\n";
        for (const QString &name : order) { // a case that did not run this time (a partial run) keeps its block
            text += Header + name + '\n';
            for (const QString &line : (m_actual.contains(name) ? m_actual : m_expected).value(name))
                text += line + '\n';
            text += '\n';
        }
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
    }
    QStringList stale;
    for (auto it = m_expected.cbegin(); it != m_expected.cend(); ++it) {
        if (!order.contains(it.key()))
            stale << it.key();
    }
    if (!stale.isEmpty())
        QTest::qFail(qPrintable(m_path + " holds cases that no longer exist: " + stale.join(", ")), __FILE__, __LINE__);
    return stale.isEmpty();
}
