#include "split/SplitWorker.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "pdf/DebenuService.h"
#include "pdf/PageExtractor.h"
#include "pdf/SourceCache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SplitWorker::SplitWorker(IProgress *progress, std::shared_ptr<DebenuService> service, QObject *parent)
    : QObject(parent), m_progress(progress), m_service(std::move(service)),
      m_sources(std::make_unique<SourceCache>(1))
{
}

SplitWorker::~SplitWorker()
{
    FileUtils::removeFiles(m_scratchFiles);
}

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

QString SplitWorker::prepareWorkingFile()
{
    if (m_password.isEmpty())
        return m_sourceFile;
    const QString scratch = newScratchPath();
    const int result = m_service->decryptFile(m_sourceFile, scratch, m_password);
    Logger::instance().log(QStringLiteral("Decrypt result:%1").arg(result), LogDebug);
    return result == 1 ? scratch : m_sourceFile;
}

void SplitWorker::ensureOutDirectory() const
{
    if (!QFileInfo(m_outDirectory).isDir())
        QDir().mkdir(m_outDirectory);   // one level only: a missing parent stays missing
}

QString SplitWorker::newScratchPath()
{
    const QString path = QDir::toNativeSeparators(scratchDirectory() + QLatin1Char('/') + FileUtils::uniqueId());
    m_scratchFiles.append(path);
    return path;
}

bool SplitWorker::produce(const QString &workingFile, const QString &pages, int pageCount,
                          const QString &fileName)
{
    // Written under a hidden temporary name first: a run killed while writing
    // leaves no file that looks like a finished output.
    const QString temporary = FileUtils::temporaryPathIn(m_outDirectory);
    PageExtractor::OutputOptions options;
    options.author = m_properties.author;
    options.title = m_properties.title;
    options.creator = m_properties.creator;
    options.producer = m_properties.producer;
    options.password = m_properties.password;
    // The parsed source keeps every object it has handed out; parsing it again
    // now and then bounds the memory of long runs (one file per page of a
    // large document) at the cost of a few re-reads of the page tree.
    if (m_pagesSinceParse >= pagesPerParse) {
        m_sources = std::make_unique<SourceCache>(1);
        m_pagesSinceParse = 0;
    }
    m_pagesSinceParse += pageCount;
    PageExtractor extractor(*m_sources);
    if (extractor.extract(workingFile, QString(), temporary, pages, options) != 1) {
        Logger::instance().log(QStringLiteral("Can not extract range:%1. Error code:%2")
                                   .arg(pages).arg(extractor.errorCode()), LogDebug);
        QFile::remove(temporary);
        return false;
    }
    const QString finalPath = FileUtils::commitUnique(temporary, m_outDirectory, fileName);
    if (finalPath.isEmpty()) {
        Logger::instance().log(QStringLiteral("Can not move the output into place:%1")
                                   .arg(QDir::toNativeSeparators(m_outDirectory + QLatin1Char('/') + fileName)),
                               LogError);
        QFile::remove(temporary);
        return false;
    }
    m_splitFiles.append(finalPath);
    return true;
}

void SplitWorker::finish()
{
    FileUtils::removeFiles(m_scratchFiles);
    m_scratchFiles.clear();
    m_errorCode = NoError;
    emit complete();
    emit finished(m_splitFiles);
}

void SplitWorker::finishEarly()
{
    FileUtils::removeFiles(m_scratchFiles);
    m_scratchFiles.clear();
    emit complete();
    emit finished(m_splitFiles);
}
