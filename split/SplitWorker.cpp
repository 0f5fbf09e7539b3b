#include "split/SplitWorker.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "merge/IProgress.h"
#include "pdf/DebenuService.h"
#include "protocol/WriteError.h"

#include <QDir>
#include <QFileInfo>

SplitWorker::SplitWorker(IProgress *progress, std::shared_ptr<DebenuService> service, QObject *parent)
    : QObject(parent), m_progress(progress), m_service(std::move(service))
{
}

SplitWorker::~SplitWorker() = default;

QString SplitWorker::scratchDirectory() const
{
    return m_scratchDirectory.isEmpty() ? FileUtils::cacheDirectory() : m_scratchDirectory;
}

void SplitWorker::run()
{
    emit started();
    finish(0);
}

bool SplitWorker::isValidRange(const QPair<int, int> &range, int pageCount)
{
    return range.first >= 1 && range.first <= pageCount && range.second >= 1 && range.second <= pageCount
        && range.second >= range.first;
}

bool SplitWorker::checkRanges(const QList<QPair<int, int>> &ranges)
{
    int outside = 0;
    for (const QPair<int, int> &range : ranges) {
        if (isValidRange(range, m_pageCount))
            continue;
        ++outside;
        Logger::instance().log(QStringLiteral("Split. Range outside the document. From:%1 To:%2 Page count:%3")
                                   .arg(range.first).arg(range.second).arg(m_pageCount), LogError);
    }
    if (outside == 0)
        return true;
    finishEarly(WorkerCode::PagesOutsideDocument);
    return false;
}

bool SplitWorker::beginRun(int steps)
{
    m_progress->reset();
    m_progress->setMinimum(0);
    m_progress->setMaximum(steps);
    m_progress->setText(QString());
    m_progress->setValue(0);
    emit started();
    if (!QFileInfo(m_sourceFile).isFile()) {
        Logger::instance().log(QStringLiteral("Split. Source file not found:%1").arg(m_sourceFile), LogError);
        finishEarly(WorkerCode::SourceMissing);
        return false;
    }
    ensureOutDirectory();
    return true;
}

void SplitWorker::ensureOutDirectory() const
{
    if (!QFileInfo(m_outDirectory).isDir())
        QDir().mkdir(m_outDirectory);   // one level only: a missing parent stays missing
}

void SplitWorker::writeRanges(const QList<PageRangeOutput> &ranges, const std::function<void(int)> &afterEach)
{
    if (ranges.isEmpty() || m_progress->isCanceled())
        return;
    const PdfOutputOptions options = m_service->outputOptions(m_properties.author, m_properties.title,
                                                              m_properties.password, m_properties.creator,
                                                              m_properties.producer, m_properties.publisher);
    const auto report = [&](const PageRangeOutput::Result &result) {
        if (result.path.isEmpty()) {
            Logger::instance().log(QStringLiteral("Can not extract range:%1. Error code:%2")
                                       .arg(ranges.at(result.index).pages)
                                       .arg(result.errorCode),
                                   LogDebug);
            addLeftOut(ranges.at(result.index).pages, result.errorCode);
        } else {
            addWritten(result.path, ranges.at(result.index).fileName);
        }
        if (afterEach)
            afterEach(result.index);
        return !m_progress->isCanceled();
    };
    const int written = m_service->extractPageRanges(m_sourceFile, m_password, ranges, m_outDirectory, options, report,
                                                     m_naming);
    if (written == 0)
        Logger::instance().log(QStringLiteral("Split. Nothing written from:%1. Error code:%2")
                                   .arg(QDir::toNativeSeparators(m_sourceFile))
                                   .arg(m_service->lastErrorCode()),
                               LogError);
}

void SplitWorker::addWritten(const QString &path, const QString &askedName, bool oversized)
{
    m_outcome.addWritten(path, askedName);
    if (oversized)
        m_outcome.oversized.append(path);
}

void SplitWorker::addLeftOut(const QString &pages, int pdfErrorCode)
{
    m_outcome.addLeftOut(pages, WorkerOutcome::reasonFor(pdfErrorCode));
    if (m_outcome.writeError.isEmpty())
        m_outcome.writeError = WriteError::fromPdfErrorCode(pdfErrorCode);
}

void SplitWorker::finish(int missing)
{
    if (missing > 0 && m_progress && m_progress->isCanceled()) {
        Logger::instance().log(QStringLiteral("Split. Stopped on request after %1 file(s)").arg(m_outcome.written.size()),
                               LogInfo);
        m_outcome.code = WorkerCode::Canceled;
    } else if (m_outcome.written.isEmpty()) {
        // A run that writes nothing is no success, whatever it was asked.
        Logger::instance().log(QStringLiteral("Split. No output file was produced"), LogError);
        m_outcome.code = WorkerCode::NothingProduced;
    } else if (missing > 0) {
        Logger::instance().log(QStringLiteral("Split. %1 of %2 output file(s) could not be written")
                                   .arg(missing).arg(m_outcome.written.size() + missing), LogError);
        m_outcome.code = WorkerCode::Incomplete;
    } else {
        m_outcome.code = WorkerCode::Success;
    }
    emit complete();
    emit finished(m_outcome.files());
}

void SplitWorker::finishEarly(int code)
{
    m_outcome.code = code;
    emit complete();
    emit finished(m_outcome.files());
}
