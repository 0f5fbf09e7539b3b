#pragma once

#include <QHash>
#include <QString>

#include <vector>

// Outputs written one after another and made durable together. A file's
// writeback starts as soon as it is handed over, so the disk works while
// the next output is made; finish() then waits for all of them. Syncing
// each small file on its own waits for one journal commit per file, which
// on a split into thousands of pages costs more than writing them.
//
// On platforms without file descriptors (Windows) nothing is handed over:
// PdfFileWriter writes and closes as before.
class SyncBatch
{
public:
    SyncBatch() = default;
    SyncBatch(const SyncBatch &) = delete;
    SyncBatch &operator=(const SyncBatch &) = delete;
    // Closes what was not finished, unsynced (the files stay where they are).
    ~SyncBatch();

    // Takes over fd, open on the completely written file at path.
    void add(int fd, const QString &path);
    int size() const { return int(m_files.size()); }

    // What became of one file: whole when problem is empty, otherwise what
    // failed, with the errno the system gave.
    struct Outcome
    {
        QString problem;
        int error = 0;
    };

    // Syncs and closes every file handed over; the outcome of each, by path.
    // The batch is empty afterwards.
    QHash<QString, Outcome> finish();

private:
    struct File
    {
        int fd;
        QString path;
    };
    std::vector<File> m_files;
};
