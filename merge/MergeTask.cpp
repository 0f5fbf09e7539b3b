#include "merge/MergeTask.h"

#include "protocol/RecordReader.h"

namespace {
const QString keyFullPath = QStringLiteral("task_full_path");
const QString keyHasPassword = QStringLiteral("task_has_password");
const QString keyPassword = QStringLiteral("task_password");
const QString keyHasSecurity = QStringLiteral("task_has_security");
const QString keyPageCount = QStringLiteral("task_page_count");
const QString keyOrder = QStringLiteral("order");
const QString keyPages = QStringLiteral("pages");
const QString keyRotate = QStringLiteral("rotate");
} // namespace

QJsonObject MergeTask::toJson() const
{
    QJsonObject object;
    object.insert(keyFullPath, fullPath);
    object.insert(keyHasPassword, hasPassword);
    object.insert(keyPassword, password);
    object.insert(keyHasSecurity, hasSecurity);
    object.insert(keyPageCount, pageCount);
    object.insert(keyOrder, order);
    if (!pages.trimmed().isEmpty())
        object.insert(keyPages, pages);
    if (rotation != 0)
        object.insert(keyRotate, rotation);
    return object;
}

MergeTask MergeTask::fromJson(const QJsonObject &object, QStringList *problems)
{
    return read(RecordReader(object, problems));
}

MergeTask MergeTask::read(const RecordReader &record)
{
    MergeTask task;
    task.fullPath = record.text(keyFullPath);
    task.hasPassword = record.flag(keyHasPassword);
    task.password = record.text(keyPassword);
    task.hasSecurity = record.flag(keyHasSecurity);
    task.pageCount = record.number(keyPageCount);
    task.order = record.number(keyOrder);
    task.pages = record.text(keyPages);
    task.rotation = record.number(keyRotate);
    return task;
}

QStringList MergeTask::validate() const
{
    if (rotation % 90 != 0)
        return {QStringLiteral("\"rotate\" is %1 degrees, not a multiple of 90").arg(rotation)};
    return {};
}

bool MergeTask::operator==(const MergeTask &other) const
{
    return fullPath == other.fullPath && hasPassword == other.hasPassword
           && password == other.password && hasSecurity == other.hasSecurity
           && pageCount == other.pageCount && order == other.order && pages == other.pages
           && rotation == other.rotation;
}
