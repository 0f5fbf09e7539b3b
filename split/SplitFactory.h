#pragma once

#include "split/SplitWorker.h"

#include <QList>
#include <QPair>
#include <memory>

// Builds split engines. Every engine returned is owned by the caller.
namespace SplitFactory {

// What every engine needs besides its ranges.
struct Input
{
    std::shared_ptr<DebenuService> service;
    IProgress *progress = nullptr;   // not owned; must outlive the engine
    QString sourceFile;
    QString password;
    int pageCount = 0;
    QString outDirectory;
    DocumentProperties properties;
};

// Groups of g pages from start page s to the last page e: (s, s+g-1), ...,
// the last one shorter; a group size below 1 counts as 1; empty when e < s.
// Pages before s are in no group.
QList<QPair<int, int>> groupRanges(int startPage, int groupSize, int lastPage);

// One range (p, p) per page 1 .. pageCount; none when pageCount <= 0.
std::unique_ptr<SplitWorker> onePagePerFile(const Input &input);
std::unique_ptr<SplitWorker> groups(const Input &input, int startPage, int groupSize);
std::unique_ptr<SplitWorker> pageRanges(const Input &input, const QList<QPair<int, int>> &ranges);
// The same with a name per range ("" for an unnamed one).
std::unique_ptr<SplitWorker> namedRanges(const Input &input, const QList<QPair<int, int>> &ranges,
                                         const QStringList &names);
// Consecutive files of at most maxBytes each.
std::unique_ptr<SplitWorker> bySize(const Input &input, qint64 maxBytes);
std::unique_ptr<SplitWorker> certainPages(const Input &input, const QList<QPair<int, int>> &ranges);

} // namespace SplitFactory
