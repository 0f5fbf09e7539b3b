#pragma once

#include "split/SplitWorker.h"

// Writes one output file per range, named "<base>_p<range>.pdf" after the
// source's base name (up to the first dot) and the range ("7" or "3-6"), or
// "<name>.pdf" for a range given a name (made safe: OutputName).
// A range outside 1 .. pageCount or reversed refuses the whole run before
// any file is written (PagesOutsideDocument). Cancellation is looked at
// between ranges.
class SplitByPageRange : public SplitWorker
{
    Q_OBJECT

public:
    SplitByPageRange(IProgress *progress, const QList<QPair<int, int>> &ranges,
                     std::shared_ptr<DebenuService> service, QObject *parent = nullptr);

    QList<QPair<int, int>> ranges() const { return m_ranges; }
    // One name per range ("" for an unnamed one); names beyond the ranges
    // are ignored.
    void setRangeNames(const QStringList &names) { m_names = names; }
    QStringList rangeNames() const { return m_names; }

    // The library's range text: "7" for (7, 7), else "3-6".
    static QString rangeText(const QPair<int, int> &range);

public slots:
    void run() override;

private:
    QList<QPair<int, int>> m_ranges;
    QStringList m_names;
};
