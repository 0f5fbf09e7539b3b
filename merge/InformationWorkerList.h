#pragma once

#include "merge/MergeItem.h"
#include "merge/NullProgress.h"

#include <QObject>
#include <QStringList>

#include <memory>

class DebenuService;
class IProgress;

// Reads a list of files on a thread of its own and hands back one MergeItem
// per existing ".pdf" file (also for files that cannot be opened: 0 pages).
// Move it to a new thread and start run() from the thread's started();
// results arrive through the queued finished() signal.
class InformationWorkerList : public QObject
{
    Q_OBJECT
public:
    // progress is not owned and may be null (a NullProgress is used then).
    InformationWorkerList(std::shared_ptr<DebenuService> service, const QStringList &paths,
                          IProgress *progress, QObject *parent = nullptr);

signals:
    // successed false (and no items) when cancelled.
    void finished(bool successed, MergeItemList items);
    void complete();
    void started();

public slots:
    void run();

private:
    MergeItem readItem(const QString &path);

    std::shared_ptr<DebenuService> m_service;
    QStringList m_paths;
    IProgress *m_progress = nullptr;
    NullProgress m_nullProgress;
    MergeItemList m_items;
};
