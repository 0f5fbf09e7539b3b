#include "pdf/DocumentRepair.h"

#include "app/Logger.h"
#include "pdf/MupdfRenderer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

DocumentRepair::Result DocumentRepair::repairInto(const QString &input, const QString &password,
                                                  const QString &folder)
{
    Result result;
    const QString copy = QDir::toNativeSeparators(folder + QLatin1Char('/') + QFileInfo(input).fileName());
    if (QFileInfo(copy).absoluteFilePath() == QFileInfo(input).absoluteFilePath())
        return result;   // never over the original
    QFile::remove(copy);
    int pages = 0;
    const int status = sw_repair_copy(QFile::encodeName(input).constData(), password.toUtf8().constData(),
                                      QFile::encodeName(copy).constData(), &pages);
    result.needsPassword = status == SW_RENDER_NEEDS_PASSWORD;
    if (status != SW_RENDER_OK) {
        Logger::instance().log(QStringLiteral("Repair of %1 failed (status %2)")
                                   .arg(QDir::toNativeSeparators(input))
                                   .arg(status),
                               LogError);
        return result;
    }
    Logger::instance().log(QStringLiteral("Repaired a copy of %1 with %2 page(s): %3")
                               .arg(QDir::toNativeSeparators(input))
                               .arg(pages)
                               .arg(copy),
                           LogWarning);
    result.copy = copy;
    result.pages = pages;
    return result;
}
