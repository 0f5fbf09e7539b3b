#include "app/OutputFolder.h"

#include "app/Logger.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool fail(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
    Logger::instance().log(QStringLiteral("Output folder: %1").arg(text), LogError);
    return false;
}

// The nearest part of path that exists on disk (path itself, a parent, or
// the root).
QString nearestExisting(const QString &path)
{
    QString current = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo::exists(current)) {
        const QString parent = QFileInfo(current).absolutePath();
        if (parent == current)
            break;
        current = parent;
    }
    return current;
}

} // namespace

bool OutputFolder::ensure(const QString &path, QString *problem)
{
    if (path.trimmed().isEmpty())
        return fail(problem, tr("No folder is chosen to save into."));
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    const QString shown = QDir::toNativeSeparators(folder);
    const QString existing = nearestExisting(folder);
    const QFileInfo existingInfo(existing);
    const QString existingShown = QDir::toNativeSeparators(existing);
    if (!existingInfo.isDir())
        return fail(problem, tr("%1 is a file, not a folder, so %2 cannot be created.").arg(existingShown, shown));
    if (existing == folder) {
        if (!existingInfo.isWritable())
            return fail(problem, tr("You do not have permission to save files in %1.").arg(shown));
        return true;
    }
    if (!existingInfo.isWritable())
        return fail(problem, tr("The folder %1 does not exist and cannot be created: you do not have permission "
                                "to create folders in %2.").arg(shown, existingShown));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return fail(problem, tr("The folder %1 does not exist and could not be created.").arg(shown));
    Logger::instance().log(QStringLiteral("Output folder created: %1").arg(shown), LogInfo);
    return true;
}
