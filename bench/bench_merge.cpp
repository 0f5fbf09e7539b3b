// Measures merging through the real pdfworker against the qpdf command, in
// one run, on generated documents:
//  - four large documents (3,000 pages in all) against
//    `qpdf --empty --pages ... --`;
//  - two 1,000-page documents (the front and back sides of a scan) merged
//    interleaved, the second from its end, against the same two merged
//    whole by pdfworker: interleaving must cost no more than a whole merge;
//  - the one-file-per-page split of a 2,000-page document whose pages share
//    their fonts (as a split's outputs do) against the same qpdf command and
//    `mutool merge`: time, peak memory and output size against the document
//    they were split from.
// Usage: bench_merge [single files] [pages of the large documents in all]
// [pages of each scan] (defaults 2000, 3000 and 1000). Times and peak memory of the children are
// measured here (wait4), against qpdf and mutool started the same way.

#ifndef POINTERHOLDER_TRANSITION
#define POINTERHOLDER_TRANSITION 4
#endif

#include "ChildRun.h"
#include "app/FileUtils.h"
#include "merge/MergeLauncher.h"
#include "merge/MergeRequest.h"
#include "protocol/WorkerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <string>

#include <unistd.h>

namespace {

struct Measure
{
    double seconds = -1;
    double cpuSeconds = -1;   // user + system: what the shared machine's load does not inflate
    long peakKb = -1;
    bool ok = false;
};

// A text page like a manual's, with a table of rules, using two fonts.
std::string pageContent(int number)
{
    std::string content = "BT /F1 20 Tf 50 772 Td (Chapter " + std::to_string(number) + ") Tj ET\n";
    content += "BT /F2 9 Tf 11 TL 50 740 Td\n";
    for (int line = 0; line < 30; ++line)
        content += "(Line " + std::to_string(line) + " of page " + std::to_string(number)
                   + ": the quick brown fox jumps over the lazy dog.) '\n";
    content += "ET\n0.2 w\n";
    for (int row = 0; row <= 10; ++row)
        content += "50 " + std::to_string(60 + row * 20) + " m 545 " + std::to_string(60 + row * 20) + " l S\n";
    return content;
}

// An embedded font program of the given size (reproducible bytes, as
// incompressible as a real compressed font).
QPDFObjectHandle embeddedFont(QPDF &pdf, const char *name, int bytes, unsigned seed)
{
    std::string data(static_cast<size_t>(bytes), ' ');
    for (char &c : data) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    QPDFObjectHandle file = QPDFObjectHandle::newStream(&pdf, data);
    QPDFObjectHandle descriptor = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        std::string("<< /Type /FontDescriptor /FontName /") + name
        + " /Flags 32 /ItalicAngle 0 /Ascent 700 /Descent -200 /CapHeight 700 /StemV 80"
          " /FontBBox [0 -200 1000 700] >>"));
    descriptor.replaceKey("/FontFile2", file);
    QPDFObjectHandle font = QPDFObjectHandle::parse(std::string("<< /Type /Font /Subtype /TrueType /BaseFont /")
                                                    + name + " /FirstChar 32 /LastChar 126 >>");
    QPDFObjectHandle widths = QPDFObjectHandle::newArray();
    for (int i = 32; i <= 126; ++i)
        widths.appendItem(QPDFObjectHandle::newInteger(500 + i));
    font.replaceKey("/Widths", widths);
    font.replaceKey("/FontDescriptor", descriptor);
    return pdf.makeIndirectObject(font);
}

bool writeDocument(const QString &path, int pages, unsigned seed)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle resources = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Font << >> >>"));
        resources.getKey("/Font").replaceKey("/F1", embeddedFont(pdf, "HeadingFont", 70000, seed));
        resources.getKey("/Font").replaceKey("/F2", embeddedFont(pdf, "BodyFont", 50000, seed + 1));
        QPDFPageDocumentHelper helper(pdf);
        for (int number = 1; number <= pages; ++number) {
            QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 595 842] >>");
            page.replaceKey("/Resources", resources);
            page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, pageContent(number)));
            helper.addPage(pdf.makeIndirectObject(page), false);
        }
        const QByteArray encodedName = QFile::encodeName(path); // must outlive the writer
        QPDFWriter writer(pdf, encodedName.constData());
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.write();
        return true;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), e.what());
        return false;
    }
}

// Runs the command; its times and peak memory measured here.
Measure measure(const QString &program, const QStringList &arguments)
{
    const ChildRun child = runChild(QStringList{program} + arguments);
    Measure result;
    result.seconds = child.wall;
    result.cpuSeconds = child.cpu;
    result.peakKb = child.peakKb;
    // qpdf exits 3 after warnings; the output is still complete.
    result.ok = child.exitCode == 0 || child.exitCode == 3;
    return result;
}

// The worker beside the program (build/bin), seen from build/bench.
QString workerPath()
{
    const QString besideBench = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin")).filePath(QStringLiteral("pdfworker"));
    return QFileInfo(besideBench).isExecutable() ? besideBench : MergeLauncher::workerExecutable();
}

// One merge through the worker, as the launcher starts it; interleaved
// (the last file from its end) when asked.
Measure measureWorker(const QStringList &files, const QString &output, const QString &sessionRoot,
                      bool interleave = false)
{
    const QString id = FileUtils::uniqueId();
    const QString session = sessionRoot + QLatin1Char('/') + id;
    FileUtils::ensurePrivateDirectory(session);
    MergeRequest request;
    for (int i = 0; i < files.size(); ++i) {
        MergeTask task;
        task.fullPath = files.at(i);
        task.order = i;
        task.pageCount = 1;
        request.tasks << task;
    }
    request.saveFileName = output;
    request.interleave = interleave;
    request.interleaveReverseLast = interleave;
    request.setProperties(DocumentProperties(QStringLiteral("Bench"), QString(), QString(), QStringLiteral("Bench"),
                                             QStringLiteral("Bench")));
    request.cachePath = session;
    request.sessionId = id;
    const QString requestPath = session + QLatin1Char('/') + id + QStringLiteral(".req");
    if (!WorkerFile::write(requestPath, request.toJson()))
        return Measure();
    Measure result = measure(workerPath(), {QStringLiteral("--merge"), requestPath});
    QJsonObject response;
    result.ok = result.ok && WorkerFile::read(session + QLatin1Char('/') + id + QStringLiteral(".resp"), response)
                && response.value(QStringLiteral("error_code")).toInt() == 0
                && QFileInfo(response.value(QStringLiteral("merged_file_name")).toString()) == QFileInfo(output);
    return result;
}

QString seconds(const Measure &m)
{
    return m.ok ? QString::number(m.seconds, 'f', 2) + QStringLiteral(" s") : QStringLiteral("failed");
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / 1048576.0, 'f', 1) + QStringLiteral(" MB");
}

QString ratio(double ours, double theirs)
{
    return theirs > 0 && ours >= 0 ? QString::number(ours / theirs, 'f', 2) + QLatin1Char('x') : QStringLiteral("n/a");
}

void print(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

void report(const QString &what, const Measure &ours, const Measure &theirs, const QString &tool)
{
    print(QStringLiteral("  %1: pdfworker %2 (cpu %3 s), %4 KB peak | %5 %6 (cpu %7 s), %8 KB peak")
              .arg(what, seconds(ours))
              .arg(ours.cpuSeconds, 0, 'f', 2)
              .arg(ours.peakKb)
              .arg(tool, seconds(theirs))
              .arg(theirs.cpuSeconds, 0, 'f', 2)
              .arg(theirs.peakKb));
    print(QStringLiteral("  ratio wall time %1, cpu time %2, peak memory %3 (pdfworker / %4)")
              .arg(ratio(ours.seconds, theirs.seconds), ratio(ours.cpuSeconds, theirs.cpuSeconds),
                   ratio(ours.peakKb, theirs.peakKb), tool));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int singles = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int largePages = argc > 2 ? std::atoi(argv[2]) : 3000;
    const int scanPages = argc > 3 ? std::atoi(argv[3]) : 1000;
    // SW_BENCH_DIR keeps the generated files there for a closer look.
    QTemporaryDir dir;
    const QString kept = qEnvironmentVariable("SW_BENCH_DIR");
    if (!kept.isEmpty())
        QDir().mkpath(kept);
    if (kept.isEmpty() && !dir.isValid())
        return 1;
    const QString work = kept.isEmpty() ? dir.path() : kept;
    const QString qpdf = QStandardPaths::findExecutable(QStringLiteral("qpdf"));
    const QString mutool = QStandardPaths::findExecutable(QStringLiteral("mutool"));
    if (qpdf.isEmpty()) {
        print(QStringLiteral("qpdf is missing"));
        return 1;
    }

    // Four large documents.
    QStringList large;
    for (int i = 0; i < 4; ++i) {
        large << work + QStringLiteral("/large%1.pdf").arg(i + 1);
        if (!writeDocument(large.last(), largePages / 4, 1000u + 17u * unsigned(i)))
            return 1;
    }
    ::sync();
    print(QStringLiteral("four documents of %1 pages each (%2 in all)").arg(largePages / 4).arg(largePages));
    const Measure oursLarge = measureWorker(large, work + QStringLiteral("/large-ours.pdf"), work);
    const Measure qpdfLarge = measure(qpdf, QStringList{QStringLiteral("--empty"), QStringLiteral("--pages")} + large
                                                + QStringList{QStringLiteral("--"), work + QStringLiteral("/large-qpdf.pdf")});
    report(QStringLiteral("merge"), oursLarge, qpdfLarge, QStringLiteral("qpdf"));
    print(QStringLiteral("  output size: pdfworker %1, qpdf %2")
              .arg(megabytes(QFileInfo(work + QStringLiteral("/large-ours.pdf")).size()),
                   megabytes(QFileInfo(work + QStringLiteral("/large-qpdf.pdf")).size())));

    // Two scans, interleaved against merged whole.
    const QStringList scans{work + QStringLiteral("/fronts.pdf"), work + QStringLiteral("/backs.pdf")};
    if (!writeDocument(scans.first(), scanPages, 77u) || !writeDocument(scans.last(), scanPages, 78u))
        return 1;
    ::sync();
    print(QStringLiteral("two scans of %1 pages each").arg(scanPages));
    const Measure wholeScans = measureWorker(scans, work + QStringLiteral("/scans-whole.pdf"), work);
    const Measure interleavedScans = measureWorker(scans, work + QStringLiteral("/scans-interleaved.pdf"), work, true);
    print(QStringLiteral("  interleaved: %1 (cpu %2 s) | whole: %3 (cpu %4 s)")
              .arg(seconds(interleavedScans))
              .arg(interleavedScans.cpuSeconds, 0, 'f', 2)
              .arg(seconds(wholeScans))
              .arg(wholeScans.cpuSeconds, 0, 'f', 2));
    print(QStringLiteral("  ratio wall time %1, cpu time %2, peak memory %3 (interleaved / whole)")
              .arg(ratio(interleavedScans.seconds, wholeScans.seconds),
                   ratio(interleavedScans.cpuSeconds, wholeScans.cpuSeconds),
                   ratio(interleavedScans.peakKb, wholeScans.peakKb)));

    // The one-file-per-page split of one document.
    const QString source = work + QStringLiteral("/source.pdf");
    if (!writeDocument(source, singles, 4242u))
        return 1;
    QDir().mkpath(work + QStringLiteral("/pages"));
    if (!measure(qpdf, {QStringLiteral("--split-pages"), source, work + QStringLiteral("/pages/page-%d.pdf")}).ok)
        return 1;
    QStringList pages;
    const int digits = QString::number(singles).size();
    for (int i = 1; i <= singles; ++i)
        pages << work + QStringLiteral("/pages/page-%1.pdf").arg(i, digits, 10, QLatin1Char('0'));
    qint64 pagesBytes = 0;
    for (const QString &page : qAsConst(pages))
        pagesBytes += QFileInfo(page).size();
    print(QStringLiteral("%1 single-page files split from one document of %2 (%3 in all)")
              .arg(singles)
              .arg(megabytes(QFileInfo(source).size()), megabytes(pagesBytes)));
    ::sync();
    const QString oursOut = work + QStringLiteral("/singles-ours.pdf");
    const QString qpdfOut = work + QStringLiteral("/singles-qpdf.pdf");
    const Measure oursSingles = measureWorker(pages, oursOut, work);
    const Measure qpdfSingles = measure(qpdf, QStringList{QStringLiteral("--empty"), QStringLiteral("--pages")} + pages
                                                  + QStringList{QStringLiteral("--"), qpdfOut});
    report(QStringLiteral("merge"), oursSingles, qpdfSingles, QStringLiteral("qpdf"));
    const double sourceSize = double(QFileInfo(source).size());
    print(QStringLiteral("  output size: pdfworker %1 (%2 of the source), qpdf %3 (%4 of the source)")
              .arg(megabytes(QFileInfo(oursOut).size()), ratio(QFileInfo(oursOut).size(), sourceSize),
                   megabytes(QFileInfo(qpdfOut).size()), ratio(QFileInfo(qpdfOut).size(), sourceSize)));
    if (!mutool.isEmpty()) {
        const QString mutoolOut = work + QStringLiteral("/singles-mutool.pdf");
        const Measure mutoolSingles = measure(mutool, QStringList{QStringLiteral("merge"), QStringLiteral("-o"), mutoolOut}
                                                          + pages);
        report(QStringLiteral("merge"), oursSingles, mutoolSingles, QStringLiteral("mutool merge"));
        print(QStringLiteral("  output size: mutool %1").arg(megabytes(QFileInfo(mutoolOut).size())));
    }
    return oursLarge.ok && oursSingles.ok && wholeScans.ok && interleavedScans.ok ? 0 : 1;
}
