#pragma once

#include "split/SplitWorker.h"

#include <QDateTime>

// Writes one output file holding every page of the source except the listed
// ones (only the first number of each pair counts), named
// "<complete base name>_edited_<yyyy_MM_dd_hh-mm-ss>.pdf"; a taken name gets
// the next "(n)" prefix instead of being replaced.
class SplitByCertainPage : public SplitWorker
{
    Q_OBJECT

public:
    SplitByCertainPage(IProgress *progress, const QList<QPair<int, int>> &ranges,
                       std::shared_ptr<DebenuService> service, QObject *parent = nullptr);

    QList<QPair<int, int>> ranges() const { return m_ranges; }

    // Pages 1 .. pageCount without the dropped ones, ascending, as "1,2,5,6".
    // Costs O(pageCount).
    static QString keptPageList(const QList<QPair<int, int>> &dropped, int pageCount);
    static QString outputFileName(const QString &sourceFile, const QDateTime &when);

public slots:
    void run() override;

private:
    QList<QPair<int, int>> m_ranges;
};
