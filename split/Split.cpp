#include "split/Split.h"

#include "app/AppSettings.h"
#include "app/FileUtils.h"
#include "app/Logger.h"
#include "merge/InformationWorker.h"
#include "pdf/DebenuService.h"
#include "pdf/DocumentRepair.h"
#include "protocol/SessionFolder.h"
#include "split/SplitFactory.h"
#include "protocol/WorkerCode.h"

#include <QFileInfo>

Split::Split(std::shared_ptr<DebenuService> service, QObject *parent)
    : QObject(parent)
    , m_service(std::move(service))
{
    connect(&m_launcher, &SplitLauncher::started, this, &Split::started);
    connect(&m_launcher, &SplitLauncher::progressChanged, this, &Split::progressChanged);
    connect(&m_launcher, &SplitLauncher::finished, this, &Split::onSplitFinished);
}

Split::~Split()
{
    // The repair writes into a folder this object removes.
    m_repairPool.waitForDone();
}

void Split::forgetDocument()
{
    m_password.clear();
    m_title.clear();
    m_pageCount = -1;
    m_thumbnail = QPixmap();
    m_loaded = false;
    m_locked = false;
    m_unreadable = false;
    m_contentCopyPermitted = false;
    m_protected = false;
    m_outline.clear();
    m_outlineRead = false;
    // A level belongs to one outline: the next document starts at its top.
    m_bookmarkLevel = 1;
}

void Split::load(const QString &fileName, const QString &password)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) {
        Logger::instance().log(QStringLiteral("Split. Can not verfify file:%1").arg(fileName), LogError);
        return;
    }
    // Reloading the repaired copy (with a password, say) keeps it; any other
    // file replaces it.
    if (fileName != m_fileName || !m_repairFolder) {
        m_repairFolder.reset();
        m_sourceFileName = fileName;
    }
    readDocument(fileName, password);
}

void Split::readDocument(const QString &fileName, const QString &password)
{
    m_fileName = fileName;
    forgetDocument();

    InformationWorker reader(m_service, fileName, password);
    reader.setPreview(true);
    reader.run();

    if (reader.isDone()) {
        const DocumentInformation info = reader.result();
        m_title = info.title;
        m_password = info.locked ? QString() : info.password;
        m_pageCount = info.pageCount;
        m_contentCopyPermitted = !info.locked && info.contentCopyPermitted;
        m_protected = info.encrypted || info.hasPassword;
        m_locked = info.locked;
        // A damaged file is not a locked one: it must not ask for a password.
        m_unreadable = !info.locked && info.unreadable;
        m_loaded = !info.locked && !m_unreadable;
        if (info.locked)
            m_thumbnail = QPixmap(QStringLiteral(":/style/images/locked.png")).scaled(35, 35);
        else
            m_thumbnail = info.preview;
        m_certainPages.setInterval(1, m_pageCount);
        m_pageRanges.setInterval(1, m_pageCount);
        if (m_unreadable)
            Logger::instance().log(QStringLiteral("Can not read file:%1").arg(fileName), LogError);
    } else {
        m_unreadable = true;
        Logger::instance().log(QStringLiteral("Can not load file:%1").arg(fileName), LogError);
        m_certainPages.setInterval(0, 0);
        m_pageRanges.setInterval(0, 0);
    }
    emit loadFinished();
}

void Split::repair()
{
    if (!m_unreadable || m_repairing || m_fileName.isEmpty())
        return;
    auto folder = std::make_unique<SessionFolder>(FileUtils::cacheDirectory());
    if (!folder->isValid()) {
        emit repairFinished(0);
        return;
    }
    const QString input = m_fileName;
    const QString output = folder->path();
    m_pendingRepairFolder = std::move(folder);
    m_repairing = true;
    // MuPDF reads and writes the whole file: seconds on a large one, never
    // on the interface thread. The answer comes back as an event to this
    // object (dropped if it is gone).
    m_repairPool.start([this, input, output] {
        const DocumentRepair::Result result = DocumentRepair::repairInto(input, QString(), output);
        QMetaObject::invokeMethod(
            this, [this, input, result] { onRepaired(input, result); }, Qt::QueuedConnection);
    });
}

void Split::onRepaired(const QString &input, const DocumentRepair::Result &result)
{
    m_repairing = false;
    std::unique_ptr<SessionFolder> folder = std::move(m_pendingRepairFolder);
    if (input != m_fileName)
        return;   // another file was chosen meanwhile
    if (result.copy.isEmpty()) {
        emit repairFinished(0);
        return;
    }
    const QString source = m_sourceFileName;
    m_repairFolder = std::move(folder);
    readDocument(result.copy, QString());
    m_sourceFileName = source;
    emit repairFinished(m_loaded || m_locked ? result.pages : 0);
}

void Split::reset()
{
    m_repairFolder.reset();
    m_sourceFileName.clear();
    m_fileName.clear();
    forgetDocument();
    m_certainPages.clear();
    m_pageRanges.clear();
    emit clean();
}

void Split::addCertainPage(int page)
{
    if (m_loaded)
        m_certainPages.addRange(page, page);
}

PageRanges *Split::certainPages()
{
    return &m_certainPages;
}

PageRanges *Split::pageRanges()
{
    return &m_pageRanges;
}

bool Split::isLoaded() const
{
    return m_loaded;
}

bool Split::isLocked() const
{
    return m_locked;
}

bool Split::isUnreadable() const
{
    return m_unreadable;
}

bool Split::isRunning() const
{
    return m_launcher.isRunning();
}

bool Split::isContentCopyPermitted() const
{
    return m_contentCopyPermitted;
}

void Split::setMode(int mode)
{
    m_mode = mode;
}

void Split::setStartFrom(int page)
{
    m_startFrom = page;
}

void Split::setGroupSize(int size)
{
    m_groupSize = size;
}

void Split::setOutDirectory(const QString &directory)
{
    m_outDirectory = directory;
}

int Split::mode() const
{
    return m_mode;
}

int Split::startFrom() const
{
    return m_startFrom;
}

int Split::groupSize() const
{
    return m_groupSize;
}

QString Split::outDirectory() const
{
    return m_outDirectory;
}

QString Split::password() const
{
    return m_password;
}

int Split::pageCount() const
{
    return m_pageCount;
}

QString Split::fileName() const
{
    return m_fileName;
}

QString Split::sourceFileName() const
{
    return m_sourceFileName;
}

QPixmap Split::thumbnail() const
{
    return m_thumbnail;
}

QString Split::displayName() const
{
    if (!m_title.isEmpty())
        return m_title;
    return QFileInfo(m_fileName).completeBaseName();
}

DocumentProperties Split::documentProperties()
{
    return DocumentProperties::programDefaults(AppSettings::publisher());
}

// The same groups the worker's group factory builds. A start page or group
// size below 1 is refused, not read as 1: the screen says why.
QList<QPair<int, int>> Split::groupRanges(int startPage, int groupSize, int lastPage)
{
    if (startPage < 1 || groupSize < 1)
        return {};
    return SplitFactory::groupRanges(startPage, groupSize, lastPage);
}

QList<QPair<int, int>> Split::requestedRanges() const
{
    switch (m_mode) {
    case OnePagePerFile:
        return groupRanges(1, 1, m_pageCount);
    case GroupsOfPages:
        return groupRanges(m_startFrom, m_groupSize, m_pageCount);
    case WithoutCertainPages:
        return m_certainPages.ranges();
    case ByPageRanges:
        return m_pageRanges.ranges();
    case ByBookmarks: {
        QList<QPair<int, int>> ranges;
        for (const BookmarkParts::Part &part : bookmarkParts())
            ranges.append(qMakePair(part.from, part.to));
        return ranges;
    }
    case BySize:
        if (m_maxSizeKb >= 1 && m_pageCount >= 1)
            return {qMakePair(1, m_pageCount)};
        return {};
    default:
        return {};
    }
}

QList<QPair<int, int>> Split::rangesOutsideDocument() const
{
    switch (m_mode) {
    case WithoutCertainPages:
        return m_certainPages.outsideRanges();
    case ByPageRanges:
        return m_pageRanges.outsideRanges();
    default:
        return {};
    }
}

const OutlineEntries &Split::outline() const
{
    if (!m_outlineRead && m_loaded && m_service) {
        m_outlineRead = true;
        m_service->outline(m_fileName, m_password, &m_outline);
    }
    return m_outline;
}

void Split::setBookmarkLevel(int level)
{
    m_bookmarkLevel = level;
}

int Split::bookmarkLevel() const
{
    return m_bookmarkLevel;
}

QList<int> Split::bookmarkLevels() const
{
    return BookmarkParts::levels(outline());
}

QList<BookmarkParts::Part> Split::bookmarkParts() const
{
    return BookmarkParts::parts(outline(), m_bookmarkLevel, m_pageCount);
}

void Split::setMaxSizeKb(int kilobytes)
{
    m_maxSizeKb = kilobytes;
}

int Split::maxSizeKb() const
{
    return m_maxSizeKb;
}

void Split::run()
{
    if (m_launcher.isRunning() || m_fileName.isEmpty() || m_pageCount < 2 || !m_loaded)
        return;
    if (!m_contentCopyPermitted) {
        emit contentCopyDisabled();
        return;
    }
    const QList<QPair<int, int>> ranges = requestedRanges();
    if (ranges.isEmpty())
        return;
    if (!rangesOutsideDocument().isEmpty()) {
        Logger::instance().log(QStringLiteral("Split. %1 range(s) outside the %2 pages of:%3")
                                   .arg(rangesOutsideDocument().size()).arg(m_pageCount).arg(m_fileName),
                               LogError);
        m_outcome = WorkerOutcome::ended(WorkerCode::PagesOutsideDocument);
        emit splitFailed(m_outcome.code);
        return;
    }

    SplitRequest request;
    request.mode = m_mode == WithoutCertainPages ? SplitRequest::ModeWithoutPages : SplitRequest::ModeRanges;
    request.fileName = m_fileName;
    request.filePassword = m_password;
    request.pageCount = m_pageCount;
    request.ranges = ranges;
    if (m_mode == ByBookmarks) {
        for (const BookmarkParts::Part &part : bookmarkParts())
            request.rangeNames.append(part.name);
    } else if (m_mode == ByPageRanges) {
        request.rangeNames = rangeNames(ranges);
    } else if (m_mode == BySize) {
        request.mode = SplitRequest::ModeBySize;
        request.ranges.clear();
        request.maxSizeKb = m_maxSizeKb;
    }
    request.outDirectory = m_outDirectory;
    const DocumentProperties properties = documentProperties();
    request.author = properties.author;
    request.title = properties.title;
    request.password = properties.password;
    request.creator = properties.creator;
    request.producer = properties.producer;
    request.publisher = properties.publisher;
    m_launcher.setRequest(request);
    m_cancelRequested = false;
    m_launcher.run();
}

QStringList Split::rangeNames(const QList<QPair<int, int>> &ranges) const
{
    QStringList names;
    bool named = false;
    for (const auto &range : ranges) {
        names.append(m_pageRanges.name(range));
        named = named || !names.last().isEmpty();
    }
    return named ? names : QStringList();
}

void Split::cancel()
{
    if (m_launcher.isRunning())
        m_cancelRequested = true;
    m_launcher.cancel();
}

void Split::onSplitFinished(const WorkerOutcome &outcome)
{
    m_outcome = outcome;
    // Whatever ended a run the user stopped, the stop is what they see.
    if (!m_outcome.succeeded() && m_cancelRequested)
        m_outcome.code = WorkerCode::Canceled;
    emit complete();
    if (m_outcome.succeeded())
        emit finished(m_outcome.files());
    else
        emit splitFailed(m_outcome.code);
}
