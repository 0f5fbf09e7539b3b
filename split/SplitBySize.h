#pragma once

#include "split/SplitWorker.h"

// Splits every page of the source, in order, into consecutive files of at
// most maxBytes each, named like the range split ("<base>_p<from>-<to>.pdf",
// "<base>_p<page>.pdf" for one page). A page larger than the limit on its own
// gets a file of its own, listed in oversizedFiles(). The written sizes
// decide where a part ends (see SizeSplitter). Cancellation is looked at
// between parts.
class SplitBySize : public SplitWorker
{
    Q_OBJECT

public:
    SplitBySize(IProgress *progress, qint64 maxBytes, std::shared_ptr<DebenuService> service,
                QObject *parent = nullptr);

    qint64 maxBytes() const { return m_maxBytes; }
    // The files that hold a single page larger than the limit.
    QStringList oversizedFiles() const { return outcome().oversized; }

public slots:
    // Ends with WorkerCode::Success when every page was written; with
    // Incomplete when a part could not be written after others were (the
    // pages from there on are left out, with the cause), NothingProduced when
    // none was, Canceled when a stop came before the last page.
    void run() override;

private:
    qint64 m_maxBytes;
};
