#pragma once

#include "merge/DocumentProperties.h"
#include "merge/MergeTask.h"
#include "protocol/WorkerOutcome.h"
#include "pdf/MergeLayout.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class DebenuService;
class IProgress;

// Joins the documents of one merge request into one PDF file, writes the
// document properties into it and, for a non-blank password, protects it
// with AES-256. Runs once, in the worker process.
//
// The output never replaces an existing file: it is written whole under a
// scratch name in the output folder and then moved to the requested name, or
// to the first free "(n)name" when that name has been taken meanwhile.
// Decrypted copies and intermediate files live in the scratch folder (the
// run's session folder) and are removed before finished() is emitted.
class MergeWorker : public QObject
{
    Q_OBJECT
public:
    // progress is not owned and must outlive run().
    MergeWorker(std::shared_ptr<DebenuService> service, const MergeTaskList &tasks, const QString &outputPath,
                const DocumentProperties &properties, IProgress *progress, QObject *parent = nullptr);

    bool isEmpty() const { return m_tasks.isEmpty(); }
    IProgress *progress() const { return m_progress; }
    QString outputPath() const { return m_outputPath; }

    // Where decrypted copies and intermediate files go (an owner-only folder
    // that the caller removes later). Without one, run() makes a private
    // folder in the cache folder and removes it when done.
    void setScratchDirectory(const QString &path) { m_scratchDirectory = path; }
    // How the tasks' pages follow each other in the merged file.
    void setLayout(const MergeLayout &layout) { m_layout = layout; }

    // How run() ended: WorkerCode::Success with the merged file written
    // (renamed when its name was taken), the inputs left out with why;
    // RequestInvalid without inputs or output path; Canceled (nothing
    // written); Incomplete when the merged file could not be written (with
    // the cause when the system or the memory said); NothingProduced when no
    // input could be merged.
    const WorkerOutcome &outcome() const { return m_outcome; }
    // The merged file (empty when none), the inputs left out.
    QString mergedFile() const { return m_outcome.files().value(0); }
    QStringList errorFiles() const { return m_outcome.leftOutItems(); }

signals:
    void started();
    void complete();
    // errorCode: the outcome's WorkerCode.
    void finished(QString mergedFile, int mergeFileCount, QStringList errorFiles, int errorCode);

public slots:
    // Performs the merge; a second call does nothing. Cost: one decryption
    // per protected input, one check and one read of every input, one write
    // of the result (properties and protection included). The progress
    // sink's cancel mark is looked at between the inputs and after the
    // merge: a stopped merge leaves nothing behind. Inputs without pages are
    // left out like unreadable ones. A task's page choice is read against
    // its file's page count as the file is opened; one that names pages the
    // file lacks refuses the whole run (PagesRefused) before anything is
    // written.
    void run();

private:
    QString prepareScratch();
    int addTasks(const QString &listName, const QString &scratch);
    bool decryptedCopy(const MergeTask &task, const QString &scratch, QString *copy);
    void leaveOut(const MergeTask &task, int pdfErrorCode);
    // Chooses the task's pages and turn for the file just listed; false,
    // with the problem kept, when its pages are not pages of the file.
    bool choosePages(const QString &listName, int index, const MergeTask &task, int pageCount);
    void refusePages(const QString &problem);
    // True when the progress sink asks to stop; the result code becomes Canceled.
    bool stopRequested();
    void commit(const QString &staged);
    void finish(int mergeFileCount);

    std::shared_ptr<DebenuService> m_service;
    MergeTaskList m_tasks;
    QString m_outputPath;
    IProgress *m_progress;
    DocumentProperties m_properties;
    QString m_scratchDirectory;
    QStringList m_cleanup;        // files and folders removed when the run ends
    WorkerOutcome m_outcome;
    MergeLayout m_layout;
    bool m_ran = false;
};
