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
    // errorCode of a run that wrote some parts, then failed to write one:
    // the pages from there on are in no file.
    enum { Incomplete = 1 };

    SplitBySize(IProgress *progress, qint64 maxBytes, std::shared_ptr<DebenuService> service,
                QObject *parent = nullptr);

    qint64 maxBytes() const { return m_maxBytes; }
    // The files that hold a single page larger than the limit.
    QStringList oversizedFiles() const { return m_oversized; }

public slots:
    // errorCode: 0 when every page was written (or the run was cancelled:
    // the files so far are listed), SourceMissing, or Incomplete.
    void run() override;

private:
    qint64 m_maxBytes;
    QStringList m_oversized;
};
