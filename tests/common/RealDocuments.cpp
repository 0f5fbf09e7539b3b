#include "RealDocuments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace RealDocuments {

QString installed(const QString &path, const QString &package, const QString &folder)
{
    if (!QFileInfo::exists(path))
        qFatal("missing %s: install the package %s (scripts/packages.txt)", qPrintable(path), qPrintable(package));
    if (!path.endsWith(QLatin1String(".gz")))
        return path;
    const QString unpacked = QDir(folder).filePath(QFileInfo(path).completeBaseName());
    if (QFileInfo::exists(unpacked))
        return unpacked;
    QProcess gzip;
    gzip.setStandardOutputFile(unpacked);
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    if (!gzip.waitForFinished(60000) || gzip.exitStatus() != QProcess::NormalExit || gzip.exitCode() != 0) {
        QFile::remove(unpacked);
        qFatal("gzip could not unpack %s", qPrintable(path));
    }
    return unpacked;
}

QString sisconeManual(const QString &folder)
{
    return installed(QStringLiteral("/usr/share/doc/siscone-doc-pdf/pdf/refman.pdf.gz"),
                     QStringLiteral("siscone-doc-pdf"), folder);
}

QString why3Manual(const QString &folder)
{
    return installed(QStringLiteral("/usr/share/doc/why3-doc-pdf/manual.pdf"), QStringLiteral("why3-doc-pdf"),
                     folder);
}

} // namespace RealDocuments
