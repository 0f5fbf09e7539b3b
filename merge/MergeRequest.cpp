#include "merge/MergeRequest.h"

#include "protocol/RecordReader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

#include <algorithm>

namespace {
const QString keyTasks = QStringLiteral("tasks");
const QString keySaveFileName = QStringLiteral("property_save_file_name");
const QString keyAuthor = QStringLiteral("property_author");
const QString keyTitle = QStringLiteral("property_title");
const QString keyPassword = QStringLiteral("property_password");
const QString keyCreator = QStringLiteral("property_creator");
const QString keyProducer = QStringLiteral("property_producer");
const QString keyPublisher = QStringLiteral("property_publisher");
const QString keyCachePath = QStringLiteral("cache_path");
const QString keySessionId = QStringLiteral("session_id");
const QString keyInterleave = QStringLiteral("interleave");
const QString keyInterleaveReverseLast = QStringLiteral("interleave_reverse_last");
const QString keyBlankAfterOdd = QStringLiteral("blank_after_odd");

// Each of problems, said of the task at index.
QStringList ofTask(const QStringList &problems, int index, const MergeTask &task)
{
    QStringList said;
    for (const QString &problem : problems)
        said << MergeRequest::taskLabel(index, task) + QStringLiteral(": ") + problem;
    return said;
}

} // namespace

QString MergeRequest::taskLabel(int index, const MergeTask &task)
{
    return QStringLiteral("task %1 (%2)").arg(index + 1).arg(QFileInfo(task.fullPath).fileName());
}

DocumentProperties MergeRequest::properties() const
{
    DocumentProperties properties(author, title, password, creator, producer);
    properties.publisher = publisher;
    return properties;
}

MergeLayout MergeRequest::layout() const
{
    MergeLayout layout;
    layout.interleave = interleave;
    layout.reverseLast = interleave && interleaveReverseLast;
    layout.blankAfterOdd = blankAfterOdd;
    return layout;
}

void MergeRequest::setProperties(const DocumentProperties &properties)
{
    author = properties.author;
    title = properties.title;
    password = properties.password;
    creator = properties.creator;
    producer = properties.producer;
    publisher = properties.publisher;
}

QJsonObject MergeRequest::toJson() const
{
    QJsonArray taskArray;
    for (const MergeTask &task : tasks)
        taskArray.append(task.toJson());
    QJsonObject object;
    object.insert(keyTasks, taskArray);
    object.insert(keySaveFileName, saveFileName);
    object.insert(keyAuthor, author);
    object.insert(keyTitle, title);
    object.insert(keyPassword, password);
    object.insert(keyCreator, creator);
    object.insert(keyProducer, producer);
    object.insert(keyPublisher, publisher);
    object.insert(keyCachePath, cachePath);
    object.insert(keySessionId, sessionId);
    if (interleave)
        object.insert(keyInterleave, true);
    if (interleaveReverseLast)
        object.insert(keyInterleaveReverseLast, true);
    if (blankAfterOdd)
        object.insert(keyBlankAfterOdd, true);
    return object;
}

QJsonObject MergeRequest::toRedactedJson() const
{
    MergeRequest blank = *this;
    blank.password.clear();
    for (MergeTask &task : blank.tasks)
        task.password.clear();
    return blank.toJson();
}

MergeRequest MergeRequest::fromJson(const QJsonObject &object, QStringList *problems)
{
    const RecordReader record(object, problems);
    MergeRequest request;
    for (const RecordReader &task : record.records(keyTasks, maxTaskCount))
        request.tasks.append(MergeTask::read(task));
    std::stable_sort(request.tasks.begin(), request.tasks.end(),
                     [](const MergeTask &a, const MergeTask &b) { return a.order < b.order; });
    request.saveFileName = record.text(keySaveFileName);
    request.author = record.text(keyAuthor);
    request.title = record.text(keyTitle);
    request.password = record.text(keyPassword);
    request.creator = record.text(keyCreator);
    request.producer = record.text(keyProducer);
    request.publisher = record.text(keyPublisher);
    request.cachePath = record.text(keyCachePath);
    request.sessionId = record.text(keySessionId);
    request.interleave = record.flag(keyInterleave);
    request.interleaveReverseLast = record.flag(keyInterleaveReverseLast);
    request.blankAfterOdd = record.flag(keyBlankAfterOdd);
    return request;
}

QStringList MergeRequest::sessionProblems() const
{
    static const QRegularExpression plainId(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    QStringList problems;
    if (!plainId.match(sessionId).hasMatch())
        problems << QStringLiteral("session id is not a plain identifier");
    if (cachePath.isEmpty() || QDir::isRelativePath(cachePath))
        problems << QStringLiteral("no absolute session folder");
    return problems;
}

QStringList MergeRequest::validate() const
{
    QStringList problems = sessionProblems();
    for (const MergeTask &task : tasks) {
        if (QDir::isRelativePath(task.fullPath)) {
            problems << QStringLiteral("an input path is not absolute");
            break;
        }
    }
    for (int i = 0; i < tasks.size(); ++i)
        problems += ofTask(tasks.at(i).validate(), i, tasks.at(i));
    // Interleaved, the files share no page boundaries a blank page could
    // keep.
    if (interleave && blankAfterOdd)
        problems << QStringLiteral("\"interleave\" and \"blank_after_odd\" cannot be combined");
    if (saveFileName.isEmpty())
        return problems;
    const QString name = QFileInfo(saveFileName).fileName();
    if (QDir::isRelativePath(saveFileName))
        problems << QStringLiteral("the output path is not absolute");
    else if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
             || saveFileName.endsWith(QLatin1Char('/')) || saveFileName.endsWith(QDir::separator()))
        problems << QStringLiteral("the output path names no file");
    else if (QFileInfo(saveFileName).isDir())
        problems << QStringLiteral("the output path is a folder");
    return problems;
}
