#include "split/SplitWorker.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "merge/IProgress.h"
#include "pdf/DebenuService.h"
#include "pdf/PdfErrorCode.h"
#include "protocol/WriteError.h"

#include <QCoreApplication>
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
    m_errorCode = NoError;
    emit complete();
    emit finished(m_splitFiles);
}

bool SplitWorker::checkSource()
{
    if (QFileInfo(m_sourceFile).isFile())
        return true;
    Logger::instance().log(QStringLiteral("Split. Source file not found:%1").arg(m_sourceFile), LogDebug);
    m_errorCode = SourceMissing;
    return false;
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
    m_errorCode = PagesOutsideDocument;
    finishEarly();
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
    QCoreApplication::processEvents();
    if (!checkSource()) {
        finishEarly();
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
            noteFailure(result.errorCode);
        } else {
            m_splitFiles.append(result.path);
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

void SplitWorker::finish()
{
    m_errorCode = NoError;
    emit complete();
    emit finished(m_splitFiles);
}

void SplitWorker::noteFailure(int code)
{
    if (m_writeFailure == PdfErrorCode::None && !WriteError::fromPdfErrorCode(code).isEmpty())
        m_writeFailure = code;
}

void SplitWorker::finishEarly()
{
    emit complete();
    emit finished(m_splitFiles);
}
