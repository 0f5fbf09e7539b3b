#include "merge/MergeTask.h"

#include "protocol/WorkerFile.h"

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
    MergeTask task;
    task.fullPath = object.value(keyFullPath).toString();
    task.hasPassword = object.value(keyHasPassword).toBool();
    task.password = object.value(keyPassword).toString();
    task.hasSecurity = object.value(keyHasSecurity).toBool();
    task.pageCount = object.value(keyPageCount).toInt();
    task.order = object.value(keyOrder).toInt();
    task.pages = WorkerFile::stringField(object, keyPages, problems);
    task.rotation = WorkerFile::intField(object, keyRotate, problems);
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
