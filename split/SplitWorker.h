#pragma once

#include "merge/DocumentProperties.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>

class DebenuService;
class IProgress;
class SourceCache;

// Base of the split engines. An engine is built for one request, run once on
// the worker's main thread, read (splitFiles, errorCode) and deleted.
// The source is parsed once per run; each output is extracted and finished
// (information, protection) in one pass, without a plain intermediate copy.
// Outputs are written under a temporary name in the output folder and moved
// into place without ever replacing an existing file, so a killed run leaves
// no complete-looking partial output. Scratch files (decrypted copies,
// extracted pages) go into the scratch folder and are removed at the end.
class SplitWorker : public QObject
{
    Q_OBJECT

public:
    // errorCode values set by run().
    enum { NoError = 0, SourceMissing = 1 };

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

    // Folder for scratch files; the worker passes its owner-only session
    // folder. Default: FileUtils::cacheDirectory().
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
    std::shared_ptr<DebenuService> service() const { return m_service; }

    // Logs and records a missing source; true when the source exists.
    bool checkSource();
    // The file to extract from: a decrypted scratch copy when a password was
    // given and decryption succeeded, else the source itself.
    QString prepareWorkingFile();
    // Creates the output folder when missing (one level only).
    void ensureOutDirectory() const;
    // A new scratch path (nothing is created); remembered for cleanup.
    QString newScratchPath();
    // Extracts pages (library range syntax; pageCount of them) from
    // workingFile, writes the properties and commits the result as
    // outDirectory/fileName, or the next free "(n)fileName". Appends the final
    // path to splitFiles and returns true on success; on failure nothing is
    // left in the output folder.
    bool produce(const QString &workingFile, const QString &pages, int pageCount, const QString &fileName);
    // Removes scratch files, sets errorCode 0 and emits complete(), finished().
    void finish();
    // Emits complete() and finished() for a run that ended early.
    void finishEarly();

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
    QString m_scratchDirectory;
    QStringList m_scratchFiles;
    std::unique_ptr<SourceCache> m_sources;
    int m_pagesSinceParse = 0;
    static constexpr int pagesPerParse = 800;
};
