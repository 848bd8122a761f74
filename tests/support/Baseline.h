#ifndef VELTRIX_BASELINE_H
#define VELTRIX_BASELINE_H

#include <QMap>
#include <QStringList>

// Expected text kept in a reviewed file under tests/: blocks of lines, each
// under a "== <case name>" header, after a preamble that explains the file. A test hands in what it produced for a
// case; a difference fails the test with the case name and a line diff.
//
// With VELTRIX_UPDATE_BASELINES=1 in the environment (or the CMake target
// update-baselines) nothing fails: the file is written anew from what the
// cases produce, in case order, so regenerating twice gives the same file.
// Change a baseline only together with the code change that explains it,
// and read the diff.
//
// Text metrics are Qt's own: Qt 6 keeps ascents and descents in fractions
// of a pixel where Qt 5 rounds them up, so heights that follow from a font
// and the baselines of text lines differ by up to a pixel. A file holding
// such values is PerQtMajor: the Qt 6 build compares with, and rewrites,
// qt6/<name> beside it, for the cases that the file itself lists.
class Baseline
{
public:
    enum Majors { SharedByQtMajors, PerQtMajor };
    explicit Baseline(const QString &path, Majors majors = SharedByQtMajors);

    // The case names of the file, in its order.
    QStringList cases() const { return m_order; }

    // Compares (or, when updating, records) one case. Returns false and
    // reports through QTest on a mismatch.
    bool check(const QString &name, const QStringList &lines);
    // After every case: fails on blocks of the file that no case produced
    // any more; when updating, writes the file with `order`'s cases.
    bool finish(const QStringList &order);

    static bool updating();

private:
    void read();

    QString m_path;
    QStringList m_preamble; // lines before the first case, kept as they are
    QStringList m_order;
    QMap<QString, QStringList> m_expected;
    QMap<QString, QStringList> m_actual;
};

#endif // VELTRIX_BASELINE_H
