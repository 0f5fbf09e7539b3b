#pragma once

#include "merge/DocumentProperties.h"
#include "pdf/OutputNaming.h"
#include "pdf/PageRangeOutput.h"
#include "protocol/WorkerCode.h"

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
// the worker's main thread, read (splitFiles, errorCode) and deleted.
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
    // errorCode values set by run(); the worker answers with them as they are.
    enum { NoError = 0, SourceMissing = 1, PagesOutsideDocument = WorkerCode::PagesOutsideDocument };

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
    QStringList splitFiles() const { return m_splitFiles; }
    void setSplitFiles(const QStringList &files) { m_splitFiles = files; }
    int errorCode() const { return m_errorCode; }
    void setErrorCode(int code) { m_errorCode = code; }
    // The PdfErrorCode of the first output that failed for a reason the
    // system gave (a full disk, a read-only drive, ...); None when none did.
    int writeFailure() const { return m_writeFailure; }

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
    // sets errorCode 0, emits complete() and finished() with the list.
    virtual void run();

protected:
    IProgress *progress() const { return m_progress; }
    const OutputNaming &naming() const { return m_naming; }
    std::shared_ptr<DebenuService> service() const { return m_service; }

    // The common opening of a run: the progress reset to steps, started()
    // emitted, the source checked and the output folder made. False when the
    // source is missing: the run has then been finished early.
    bool beginRun(int steps);
    // Refuses the whole run when any range does not fit the page count:
    // every such range is logged, errorCode becomes PagesOutsideDocument and
    // the run is finished early, before any file is written. A range is
    // never left out of a run that goes on. True when every range fits.
    bool checkRanges(const QList<QPair<int, int>> &ranges);
    // Logs and records a missing source; true when the source exists.
    bool checkSource();
    // Creates the output folder when missing (one level only).
    void ensureOutDirectory() const;
    // Writes each range of the source into outDirectory (a taken name gets
    // the next free "(n)" prefix) with the document properties, through the
    // service. Appends each file written to splitFiles and calls afterEach
    // with the range's index; a cancelled progress stops before the next
    // range. Failed ranges are logged and leave nothing behind.
    void writeRanges(const QList<PageRangeOutput> &ranges, const std::function<void(int)> &afterEach);
    // Sets errorCode 0 and emits complete(), finished().
    void finish();
    // Emits complete() and finished() for a run that ended early.
    void finishEarly();
    // Keeps code as the run's write failure when it is the first one with
    // a cause.
    void noteFailure(int code);

private:
    IProgress *m_progress;
    std::shared_ptr<DebenuService> m_service;
    QString m_sourceFile;
    QString m_password;
    QString m_outDirectory;
    int m_pageCount = 0;
    DocumentProperties m_properties;
    QStringList m_splitFiles;
    int m_errorCode = NoError;
    int m_writeFailure = 0;
    QString m_scratchDirectory;
    OutputNaming m_naming;
};
