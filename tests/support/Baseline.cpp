#include "Baseline.h"

#include <QFile>
#include <QTest>

#include <vector>

namespace {

const QString Header = QStringLiteral("== ");

// Lines of `expected` and `actual` as a diff: "  " common, "- " expected only, "+ " produced only.
QStringList diff(const QStringList &expected, const QStringList &actual)
{
    const int n = expected.size(), m = actual.size();
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (int i = n - 1; i >= 0; --i) {
        for (int j = m - 1; j >= 0; --j)
            common[i][j] = expected[i] == actual[j] ? common[i + 1][j + 1] + 1
                                                    : std::max(common[i + 1][j], common[i][j + 1]);
    }
    QStringList out;
    int i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            out << QStringLiteral("  ") + expected[i++];
            ++j;
        } else if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j])) {
            out << QStringLiteral("+ ") + actual[j++];
        } else {
            out << QStringLiteral("- ") + expected[i++];
        }
    }
    return out;
}

} // namespace

Baseline::Baseline(const QString &path)
    : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QString current;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
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
    if (updating())
        return true;
    if (!m_expected.contains(name)) {
        QTest::qFail(qPrintable(QStringLiteral("no baseline for \"%1\" in %2; produced:\n%3\n(regenerate with "
                                               "VELTRIX_UPDATE_BASELINES=1 and review the diff)")
                                    .arg(name, m_path, lines.join(QLatin1Char('\n')))),
                     __FILE__, __LINE__);
        return false;
    }
    if (m_expected.value(name) == lines)
        return true;
    QTest::qFail(qPrintable(QStringLiteral("\"%1\" differs from %2 (- baseline, + now):\n%3")
                                .arg(name, m_path, diff(m_expected.value(name), lines).join(QLatin1Char('\n')))),
                 __FILE__, __LINE__);
    return false;
}

bool Baseline::finish(const QStringList &order)
{
    if (updating()) {
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            return false;
        QString text = m_preamble.isEmpty() ? QString() : m_preamble.join(QLatin1Char('\n')) + QStringLiteral("\n\n");
        // Cases that did not run this time (a partial run) keep their block.
        for (const QString &name : order) {
            const QStringList lines = m_actual.contains(name) ? m_actual.value(name) : m_expected.value(name);
            text += Header + name + QLatin1Char('\n');
            for (const QString &line : lines)
                text += line + QLatin1Char('\n');
            text += QLatin1Char('\n');
        }
        return file.write(text.toUtf8()) >= 0;
    }
    QStringList stale;
    for (auto it = m_expected.cbegin(); it != m_expected.cend(); ++it) {
        if (!order.contains(it.key()))
            stale << it.key();
    }
    if (!stale.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("%1 holds cases that no longer exist: %2")
                                    .arg(m_path, stale.join(QStringLiteral(", ")))),
                     __FILE__, __LINE__);
    return stale.isEmpty();
}
