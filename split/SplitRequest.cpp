#include "split/SplitRequest.h"

#include "protocol/RecordReader.h"

#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString keyMode = QStringLiteral("mode");
const QString keyFileName = QStringLiteral("file_name");
const QString keyFilePassword = QStringLiteral("file_password");
const QString keyPageCount = QStringLiteral("page_coount");   // spelled so in the file format
const QString keyRanges = QStringLiteral("ranges");
const QString keyFrom = QStringLiteral("from");
const QString keyTo = QStringLiteral("to");
const QString keyName = QStringLiteral("name");
const QString keyMaxSizeKb = QStringLiteral("max_size_kb");
const QString keyOutDirectory = QStringLiteral("out_directory");
const QString keyAuthor = QStringLiteral("property_author");
const QString keyTitle = QStringLiteral("property_title");
const QString keyPassword = QStringLiteral("property_password");
const QString keyCreator = QStringLiteral("property_creator");
const QString keyProducer = QStringLiteral("property_producer");
const QString keyPublisher = QStringLiteral("property_publisher");
const QString keySessionPath = QStringLiteral("session_path");
const QString keySessionId = QStringLiteral("session_id");

QList<QPair<int, int>> rangesFromJson(const RecordReader &record, QStringList *names)
{
    QList<QPair<int, int>> ranges;
    for (const RecordReader &range : record.records(keyRanges, SplitRequest::maxPageCount)) {
        ranges.append(qMakePair(range.number(keyFrom), range.number(keyTo)));
        names->append(range.text(keyName));
    }
    // Unnamed ranges only: no names at all, as requests without them read.
    if (std::all_of(names->cbegin(), names->cend(), [](const QString &name) { return name.isEmpty(); }))
        names->clear();
    return ranges;
}

} // namespace

QJsonObject SplitRequest::toJson() const
{
    QJsonArray rangeArray;
    for (int i = 0; i < ranges.size(); ++i) {
        QJsonObject range{{keyFrom, ranges.at(i).first}, {keyTo, ranges.at(i).second}};
        if (!rangeNames.value(i).isEmpty())
            range.insert(keyName, rangeNames.at(i));
        rangeArray.append(range);
    }
    QJsonObject object{
        {keyMode, mode},
        {keyFileName, QDir::toNativeSeparators(fileName)},
        {keyFilePassword, filePassword},
        {keyPageCount, pageCount},
        {keyRanges, rangeArray},
        {keyOutDirectory, QDir::toNativeSeparators(outDirectory)},
        {keyAuthor, author},
        {keyTitle, title},
        {keyPassword, password},
        {keyCreator, creator},
        {keyProducer, producer},
        {keyPublisher, publisher},
        {keySessionPath, QDir::toNativeSeparators(sessionPath)},
        {keySessionId, sessionId},
    };
    if (mode == ModeBySize)
        object.insert(keyMaxSizeKb, maxSizeKb);
    return object;
}

SplitRequest SplitRequest::fromJson(const QJsonObject &object, QStringList *problems)
{
    const RecordReader record(object, problems);
    SplitRequest request;
    request.mode = record.number(keyMode);
    request.fileName = record.text(keyFileName);
    request.filePassword = record.text(keyFilePassword);
    request.pageCount = record.number(keyPageCount);
    request.ranges = rangesFromJson(record, &request.rangeNames);
    request.maxSizeKb = record.number(keyMaxSizeKb);
    request.outDirectory = record.text(keyOutDirectory);
    request.author = record.text(keyAuthor);
    request.title = record.text(keyTitle);
    request.password = record.text(keyPassword);
    request.creator = record.text(keyCreator);
    request.producer = record.text(keyProducer);
    request.publisher = record.text(keyPublisher);
    request.sessionPath = record.text(keySessionPath);
    request.sessionId = record.text(keySessionId);
    return request;
}

QStringList SplitRequest::validate() const
{
    QStringList problems;
    if (mode != ModeRanges && mode != ModeWithoutPages && mode != ModeBySize)
        problems << QStringLiteral("unknown mode %1").arg(mode);
    if (mode == ModeBySize && maxSizeKb < 1)
        problems << QStringLiteral("size limit %1 kB").arg(maxSizeKb);
    if (!rangeNames.isEmpty() && rangeNames.size() != ranges.size())
        problems << QStringLiteral("%1 names for %2 ranges").arg(rangeNames.size()).arg(ranges.size());
    if (pageCount < 0 || pageCount > maxPageCount)
        problems << QStringLiteral("page count %1 out of bounds").arg(pageCount);
    if (ranges.size() > maxPageCount)
        problems << QStringLiteral("%1 ranges").arg(ranges.size());
    // Relative paths would be taken from wherever the worker happens to run.
    if (fileName.isEmpty())
        problems << QStringLiteral("no source file");
    else if (QDir::isRelativePath(fileName))
        problems << QStringLiteral("the source path is not absolute");
    if (outDirectory.isEmpty())
        problems << QStringLiteral("no output folder");
    else if (QDir::isRelativePath(outDirectory))
        problems << QStringLiteral("the output folder is not absolute");
    return problems + sessionProblems();
}

QStringList SplitRequest::sessionProblems() const
{
    static const QRegularExpression plainId(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    QStringList problems;
    if (sessionPath.isEmpty())
        problems << QStringLiteral("no session folder");
    else if (QDir::isRelativePath(sessionPath))
        problems << QStringLiteral("the session folder is not absolute");
    if (!plainId.match(sessionId).hasMatch())
        problems << QStringLiteral("session id is not a plain identifier");
    return problems;
}

bool SplitRequest::operator==(const SplitRequest &other) const
{
    return mode == other.mode && fileName == other.fileName && filePassword == other.filePassword
        && pageCount == other.pageCount && ranges == other.ranges && rangeNames == other.rangeNames
        && maxSizeKb == other.maxSizeKb && outDirectory == other.outDirectory
        && author == other.author && title == other.title && password == other.password
        && creator == other.creator && producer == other.producer && publisher == other.publisher && sessionPath == other.sessionPath
        && sessionId == other.sessionId;
}
