#pragma once

#include "app/FileUtils.h"
#include "pdf/OutputNaming.h"
#include "pdf/PageRangeOutput.h"
#include "pdf/SyncBatch.h"

#include <QElapsedTimer>
#include <QString>

#include <vector>

// The outputs of a split between being written and being reported. Each is
// written under a hidden temporary name and handed to the batch unsynced;
// settle() syncs the batch, gives each whole output its name and reports
// every range in order. So a file gets its name only once it is on the disk,
// and the disk is waited for once per batch instead of once per file.
// Temporary files of outputs never settled are removed.
class PendingRanges
{
public:
    // Called for each range in order, once its output is named or failed;
    // false stops: the outputs after it are removed, unreported.
    using Deliver = PageRangeOutput::Report;

    explicit PendingRanges(const QString &folder);
    ~PendingRanges();
    PendingRanges(const PendingRanges &) = delete;
    PendingRanges &operator=(const PendingRanges &) = delete;

    // Where the outputs go before they are settled.
    SyncBatch &batch() { return m_batch; }

    // The output of range index is complete at temporary (and in the batch),
    // to be named name.
    void addWritten(int index, const QString &temporary, const QString &name);
    // The output of range index failed with errorCode; nothing is left of it.
    void addFailed(int index, int errorCode);

    // Whether enough is waiting to settle now: a batch of files, or what was
    // written in a moment (so that progress and a request to stop are not
    // held up by large outputs).
    bool wantsSettling() const;

    // Syncs, names and delivers everything added; false when deliver asked
    // to stop. naming hears of each name before the output is moved there.
    bool settle(const Deliver &deliver, const OutputNaming &naming = nullptr);

private:
    struct Pending
    {
        PageRangeOutput::Result result;
        QString temporary;   // empty when the output failed
        QString name;
    };

    void add(const Pending &pending);
    void removeTemporaries(size_t from);

    QString m_folder;
    FileUtils::NextFreeNumbers m_numbers;   // outputs of one name are numbered on, not probed from 1
    SyncBatch m_batch;
    std::vector<Pending> m_pending;
    QElapsedTimer m_sinceFirst;
};
