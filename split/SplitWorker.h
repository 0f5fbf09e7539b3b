#pragma once

#include "merge/DocumentProperties.h"
#include "pdf/OutputNaming.h"
#include "pdf/PageRangeOutput.h"
#include "protocol/WorkerOutcome.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class DebenuService;
class IProgress;

// Base of the split engines. An engine is built for one request, run once on
// the worker's main thread, read (outcome) and deleted.
// Every engine writes through the PDF service's range extraction: the source
// is opened once per run (with its password; no decrypted copy is made) and
// each output is extracted and finished (information, protection) in one
// pass. Outputs are written under a temporary name in the output folder and
// moved into place without ever replacing an existing file, so a killed run
// leaves no complete-looking partial output.
class SplitWorker : public QObject
{
    Q_OBJECT

public:
    // progress is not owned and must outlive the engine; service may be null
    // only for the base class, whose run() does no PDF work.
    explicit SplitWorker(IProgress *progress, std::shared_ptr<DebenuService> service = nullptr,
                         QObject *parent = nullptr);
    ~SplitWorker() override;

    QString sourceFile() const { return m_sourceFile; }
    void setSourceFile(const QString &path) { m_sourceFile = path; }
    QString password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }
    QString outDirectory() const { return m_outDirectory; }
    void setOutDirectory(const QString &folder) { m_outDirectory = folder; }
    int pageCount() const { return m_pageCount; }
    void setPageCount(int count) { m_pageCount = count; }
    DocumentProperties documentProperties() const { return m_properties; }
    void setDocumentProperties(const DocumentProperties &properties) { m_properties = properties; }
    // How the run ended: its WorkerCode (Success only when every output
    // asked for was written; Canceled when a stop left some out), the files
    // written whole, the outputs left out with why, and the cause of the
    // first write failure the system explained. Complete once finished()
    // has been emitted.
    const WorkerOutcome &outcome() const { return m_outcome; }
    // The files written whole so far, in order (also while the run goes on).
    QStringList splitFiles() const { return m_outcome.files(); }

    // Told each output's final path just before the output is moved there
    // (the worker records it, so that a run killed right after the move
    // still leaves word of the file).
    void setNaming(OutputNaming naming) { m_naming = std::move(naming); }

    // True when both ends lie in 1 .. pageCount and from <= to.
    static bool isValidRange(const QPair<int, int> &range, int pageCount);

    // Folder for scratch files of engines that need them; the worker passes
    // its owner-only session folder. Default: FileUtils::cacheDirectory().
    QString scratchDirectory() const;
    void setScratchDirectory(const QString &folder) { m_scratchDirectory = folder; }

signals:
    void finished(QStringList splitedFiles);
    void complete();
    void started();

public slots:
    // Performs the split. The base version does no work: it emits started(),
    // ends with WorkerCode::NothingProduced and emits complete() and
    // finished() with the empty list.
    virtual void run();

protected:
    IProgress *progress() const { return m_progress; }
    const OutputNaming &naming() const { return m_naming; }
    std::shared_ptr<DebenuService> service() const { return m_service; }

    // The common opening of a run: the progress reset to steps, started()
    // emitted, the source checked and the output folder made. False when the
    // source is missing: the run has then ended (WorkerCode::SourceMissing).
    bool beginRun(int steps);
    // Refuses the whole run when any range does not fit the page count:
    // every such range is logged and the run ends with
    // WorkerCode::PagesOutsideDocument, before any file is written. A range
    // is never left out of a run that goes on. True when every range fits.
    bool checkRanges(const QList<QPair<int, int>> &ranges);
    // Creates the output folder when missing (one level only).
    void ensureOutDirectory() const;
    // Writes each range of the source into outDirectory (a taken name gets
    // the next free "(n)" prefix) with the document properties, through the
    // service. Adds each file written to the outcome, each range that failed
    // to its left-out entries, and calls afterEach with the range's index; a
    // cancelled progress stops before the next range. Failed ranges are
    // logged and leave nothing behind.
    void writeRanges(const QList<PageRangeOutput> &ranges, const std::function<void(int)> &afterEach);
    // Records a file written whole (askedName: the file name it was to have;
    // oversized: a part larger than a size limit allowed) or pages left out of every file because their output failed with a
    // PdfErrorCode (the first failure the system explained is the outcome's
    // cause).
    void addWritten(const QString &path, const QString &askedName, bool oversized = false);
    void addLeftOut(const QString &pages, int pdfErrorCode);
    // Ends the run with its code decided from what was written: missing is
    // how many outputs asked for were not written (a run that wrote nothing
    // is NothingProduced). Emits complete(), finished().
    void finish(int missing);
    // Ends a run that wrote nothing with code. Emits complete(), finished().
    void finishEarly(int code);

private:
    IProgress *m_progress;
    std::shared_ptr<DebenuService> m_service;
    QString m_sourceFile;
    QString m_password;
    QString m_outDirectory;
    int m_pageCount = 0;
    DocumentProperties m_properties;
    WorkerOutcome m_outcome;
    QString m_scratchDirectory;
    OutputNaming m_naming;
};
