#pragma once

#include "split/SplitWorker.h"

#include <QDateTime>

// Writes one output file holding every page of the source except those of
// the listed ranges ((p, p) for a single page), named
// "<complete base name>_edited_<yyyy_MM_dd_hh-mm-ss>.pdf"; a taken name gets
// the next "(n)" prefix instead of being replaced. A listed range outside
// 1 .. pageCount or reversed refuses the whole run (PagesOutsideDocument):
// the output would otherwise keep a page the person asked to remove.
class SplitByCertainPage : public SplitWorker
{
    Q_OBJECT

public:
    SplitByCertainPage(IProgress *progress, const QList<QPair<int, int>> &ranges,
                       std::shared_ptr<DebenuService> service, QObject *parent = nullptr);

    QList<QPair<int, int>> ranges() const { return m_ranges; }

    // Pages 1 .. pageCount without those of the dropped ranges, ascending, as
    // "1,2,5,6"; pages of a range outside 1 .. pageCount count only where
    // they lie inside. Costs O(pageCount + pages dropped).
    static QString keptPageList(const QList<QPair<int, int>> &dropped, int pageCount);
    static QString outputFileName(const QString &sourceFile, const QDateTime &when);

public slots:
    void run() override;

private:
    QList<QPair<int, int>> m_ranges;
};
