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

QList<Document> sweep(const QString &folder)
{
    return {
        {QStringLiteral("xdvipdfmx, DBLaTeX (auto-multiple-choice)"),
         installed(QStringLiteral("/usr/share/doc/auto-multiple-choice/auto-multiple-choice.en.pdf"),
                   QStringLiteral("auto-multiple-choice-doc-pdf"), folder)},
        {QStringLiteral("pdfTeX 1.40.10, DBLaTeX (DocBook XSL reference)"),
         installed(QStringLiteral("/usr/share/doc/docbook-xsl-doc-pdf/doc/reference.pdf.gz"),
                   QStringLiteral("docbook-xsl-doc-pdf"), folder)},
        {QStringLiteral("Ghostscript (SISCone)"), sisconeManual(folder)},
        {QStringLiteral("pdfTeX 1.40.24, Sphinx (Why3)"), why3Manual(folder)},
        {QStringLiteral("pdfTeX, texinfo (Gri)"),
         installed(QStringLiteral("/usr/share/doc/gri/gri.pdf.gz"), QStringLiteral("gri-pdf-doc"), folder)},
        {QStringLiteral("xdvipdfmx, SiSU (Debian Live)"),
         installed(QStringLiteral("/usr/share/doc/live-manual/pdf/live-manual.portrait.en.a4.pdf.gz"),
                   QStringLiteral("live-manual-pdf"), folder)},
        {QStringLiteral("LibreOffice Writer"),
         installed(QStringLiteral(SW_SOURCE_DIR "/tests/documents/fieldnotes.pdf"), QStringLiteral("(in the sources)"),
                   folder)},
    };
}

} // namespace RealDocuments
