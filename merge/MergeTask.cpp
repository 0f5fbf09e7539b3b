#include "merge/MergeTask.h"

namespace {
const QString keyFullPath = QStringLiteral("task_full_path");
const QString keyHasPassword = QStringLiteral("task_has_password");
const QString keyPassword = QStringLiteral("task_password");
const QString keyHasSecurity = QStringLiteral("task_has_security");
const QString keyPageCount = QStringLiteral("task_page_count");
const QString keyOrder = QStringLiteral("order");
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
    return object;
}

MergeTask MergeTask::fromJson(const QJsonObject &object)
{
    MergeTask task;
    task.fullPath = object.value(keyFullPath).toString();
    task.hasPassword = object.value(keyHasPassword).toBool();
    task.password = object.value(keyPassword).toString();
    task.hasSecurity = object.value(keyHasSecurity).toBool();
    task.pageCount = object.value(keyPageCount).toInt();
    task.order = object.value(keyOrder).toInt();
    return task;
}

bool MergeTask::operator==(const MergeTask &other) const
{
    return fullPath == other.fullPath && hasPassword == other.hasPassword
           && password == other.password && hasSecurity == other.hasSecurity
           && pageCount == other.pageCount && order == other.order;
}
