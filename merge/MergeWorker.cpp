#include "merge/MergeWorker.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "merge/IProgress.h"
#include "merge/MergeRequest.h"
#include "pdf/DebenuService.h"
#include "pdf/PdfErrorCode.h"
#include "protocol/WriteError.h"
#include "protocol/PageEntry.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString scratchPath(const QString &folder)
{
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + FileUtils::uniqueId());
}

} // namespace

MergeWorker::MergeWorker(std::shared_ptr<DebenuService> service, const MergeTaskList &tasks,
                         const QString &outputPath, const DocumentProperties &properties, IProgress *progress,
                         QObject *parent)
    : QObject(parent)
    , m_service(std::move(service))
    , m_tasks(tasks)
    , m_outputPath(outputPath)
    , m_progress(progress)
    , m_properties(properties)
{
}

void MergeWorker::run()
{
    if (m_ran)
        return;
    m_ran = true;
    const int total = m_tasks.size();
    m_progress->reset();
    m_progress->setMinimum(1);
    m_progress->setMaximum(total);
    m_progress->setText(QString());
    m_progress->setValue(1);
    emit started();
    if (m_tasks.isEmpty() || m_outputPath.isEmpty()) {
        m_outcome.code = WorkerCode::RequestInvalid;
        m_outcome.problems << (m_tasks.isEmpty() ? QStringLiteral("no inputs") : QStringLiteral("no output path"));
        finish(0);
        return;
    }
    const QString scratch = prepareScratch();
    if (scratch.isEmpty()) {
        Logger::instance().log(QStringLiteral("Merge: no private scratch folder"), LogError);
        m_outcome.code = WorkerCode::NothingProduced;
        finish(0);
        return;
    }
    const QString listName = FileUtils::uniqueId();
    addTasks(listName, scratch);
    if (m_outcome.code == WorkerCode::RequestInvalid || stopRequested()) {
        finish(0);
        return;
    }

    m_progress->setText(tr("Merging files.."));
    m_progress->setMinimum(0);
    m_progress->setMaximum(0);
    m_progress->setValue(0);
    // Merged, described and protected in one write, staged in the output
    // folder so that the final move is a rename.
    const QString staged = FileUtils::temporaryPathIn(QFileInfo(m_outputPath).absolutePath());
    m_cleanup << staged;
    const PdfOutputOptions options = m_service->outputOptions(m_properties.author, m_properties.title,
                                                              m_properties.password, m_properties.creator,
                                                              m_properties.producer, m_properties.publisher);
    const int mergeFileCount = m_service->mergeFileList(listName, staged, options, m_layout);
    const int error = m_service->lastErrorCode();
    if (mergeFileCount == 0) {
        Logger::instance().log(QStringLiteral("Merge error code:%1").arg(error), LogError);
        if (!stopRequested()) {
            // A write that failed (memory included) left nothing behind; any
            // other failure means no input could be merged.
            const bool notWritten = PdfErrorCode::isWriteFailure(error) || error == PdfErrorCode::OutOfMemory;
            m_outcome.code = notWritten ? WorkerCode::Incomplete : WorkerCode::NothingProduced;
            m_outcome.writeError = WriteError::fromPdfErrorCode(error);
        }
    } else if (stopRequested()) {
        // Written, but no longer wanted: the staged file goes with the clean-up.
    } else {
        Logger::instance().log(QStringLiteral("Merge successed."), LogDebug);
        commit(staged);
    }
    finish(mergeFileCount);
}

// The scratch folder given, or a fresh private one that goes with the run.
QString MergeWorker::prepareScratch()
{
    if (!m_scratchDirectory.isEmpty() && FileUtils::ensurePrivateDirectory(m_scratchDirectory))
        return m_scratchDirectory;
    const QString cache = FileUtils::cacheDirectory();
    if (cache.isEmpty())
        return QString();
    const QString own = scratchPath(cache);
    if (!FileUtils::ensurePrivateDirectory(own))
        return QString();
    m_cleanup << own;
    return own;
}

// Puts every usable input on the named list; protected ones as decrypted
// copies. Returns how many were listed.
int MergeWorker::addTasks(const QString &listName, const QString &scratch)
{
    const int total = m_tasks.size();
    int n = 1;
    int listed = 0;
    for (int index = 0; index < total; ++index) {
        const MergeTask &task = m_tasks.at(index);
        if (m_progress->isCanceled())
            break;
        QString working = task.fullPath;
        m_progress->setText(tr("%1 out of %2. Add for merge %3").arg(n).arg(total).arg(QFileInfo(working).fileName()));
        if (task.needsDecryption() && !decryptedCopy(task, scratch, &working)) {
            // A stop that cut the decryption short is no fault of the file.
            if (stopRequested())
                break;
            leaveOut(task, m_service->lastErrorCode());
            continue;
        }
        int pageCount = 0;
        if (m_service->addToFileList(listName, working, &pageCount) == 1) {
            if (!choosePages(listName, index, task, pageCount))
                break;
            ++listed;
        } else if (stopRequested()) {
            break;
        } else {
            Logger::instance().log(QStringLiteral("Add to merge list error. file: %1. Error code:%2")
                                       .arg(QDir::toNativeSeparators(task.fullPath))
                                       .arg(m_service->lastErrorCode()),
                                   LogError);
            leaveOut(task, m_service->lastErrorCode());
        }
        m_progress->setValue(n);
        ++n;
    }
    return listed;
}

bool MergeWorker::choosePages(const QString &listName, int index, const MergeTask &task, int pageCount)
{
    if (task.pages.trimmed().isEmpty() && task.rotation == 0)
        return true;
    QList<int> pages;
    if (!task.pages.trimmed().isEmpty()) {
        const PageEntry::Result choice = PageEntry::parseList(task.pages, pageCount);
        if (!choice.isAccepted()) {
            refusePages(MergeRequest::taskLabel(index, task) + QStringLiteral(": \"pages\" ")
                        + PageEntry::message(choice));
            return false;
        }
        for (const PageEntry::Range &range : choice.ranges) {
            for (int page = range.first; page <= range.second; ++page)
                pages << page;
        }
    }
    if (m_service->chooseListedPages(listName, pages, task.rotation) != 1) {
        refusePages(MergeRequest::taskLabel(index, task) + QStringLiteral(": its pages cannot be chosen"));
        return false;
    }
    return true;
}

// A task's pages are not pages of its file: the request is refused, naming
// the task, and nothing is written.
void MergeWorker::refusePages(const QString &problem)
{
    m_outcome.code = WorkerCode::RequestInvalid;
    m_outcome.problems << problem;
}

// Decrypts the task's file into its own folder under the scratch folder,
// keeping the file name: the merged outline names each input after its file.
bool MergeWorker::decryptedCopy(const MergeTask &task, const QString &scratch, QString *copy)
{
    const QString folder = scratchPath(scratch);
    if (!FileUtils::ensurePrivateDirectory(folder))
        return false;
    m_cleanup << folder;
    const QString path = QDir::toNativeSeparators(folder + QLatin1Char('/') + QFileInfo(task.fullPath).fileName());
    if (m_service->decryptFile(task.fullPath, path, task.password) != 1) {
        Logger::instance().log(QStringLiteral("Decrypt error. file: %1. Error code:%2")
                                   .arg(QDir::toNativeSeparators(task.fullPath))
                                   .arg(m_service->lastErrorCode()),
                               LogError);
        return false;
    }
    *copy = path;
    return true;
}

void MergeWorker::leaveOut(const MergeTask &task, int pdfErrorCode)
{
    m_outcome.addLeftOut(task.fullPath, WorkerOutcome::reasonFor(pdfErrorCode));
}

bool MergeWorker::stopRequested()
{
    if (!m_progress->isCanceled())
        return false;
    Logger::instance().log(QStringLiteral("Merge stopped on request"), LogInfo);
    m_outcome.code = WorkerCode::Canceled;
    return true;
}

// Moves the finished file to the output name without ever replacing a file.
void MergeWorker::commit(const QString &staged)
{
    const QFileInfo output(m_outputPath);
    const QString committed = FileUtils::commitUnique(staged, output.absolutePath(), output.fileName());
    if (committed.isEmpty()) {
        Logger::instance().log(QStringLiteral("Can not create merged file: %1").arg(QDir::toNativeSeparators(m_outputPath)),
                               LogError);
        m_outcome.code = WorkerCode::Incomplete;
        return;
    }
    m_outcome.addWritten(committed, output.fileName());
}

void MergeWorker::finish(int mergeFileCount)
{
    for (const QString &path : qAsConst(m_cleanup)) {
        if (QFileInfo(path).isDir())
            FileUtils::removeDirectory(path);
        else
            QFile::remove(path);
    }
    m_cleanup.clear();
    emit complete();
    emit finished(mergedFile(), mergeFileCount, errorFiles(), m_outcome.code);
}
