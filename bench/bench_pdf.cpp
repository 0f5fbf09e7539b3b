// Measures the PDF operations against the reference tools on one generated
// document: open + page count + rendering of every page at 72 dpi against
// `mutool draw -r 72` and `pdftoppm -r 72`, and single-page extraction of
// every page (one call per page, as a one-file-per-page split does) against
// `qpdf --split-pages`. Usage: bench_pdf [pages] (default 400).

#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"
#include "pdf/PageRenderer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <string>

namespace {

// A text-heavy page with a table of thin rules, like a manual's page.
std::string pageContent(int number)
{
    std::string content = "0.9 0.9 0.95 rg 40 760 515 40 re f 0 0 0 rg BT /F1 20 Tf 50 772 Td (Chapter "
                          + std::to_string(number) + ") Tj ET\n";
    content += "BT /F1 9 Tf 11 TL 50 740 Td\n";
    for (int line = 0; line < 38; ++line)
        content += "(Line " + std::to_string(line) + " of page " + std::to_string(number)
                   + ": the quick brown fox jumps over the lazy dog, again and again.) '\n";
    content += "ET\n0.2 w\n";
    for (int row = 0; row <= 12; ++row)
        content += "50 " + std::to_string(60 + row * 20) + " m 545 " + std::to_string(60 + row * 20) + " l S\n";
    for (int column = 0; column <= 5; ++column)
        content += std::to_string(50 + column * 99) + " 60 m " + std::to_string(50 + column * 99) + " 300 l S\n";
    return content;
}

bool writeDocument(const QString &path, int pages)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle font = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
        QPDFObjectHandle resources = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Font << >> >>"));
        resources.getKey("/Font").replaceKey("/F1", font);
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
        std::fprintf(stderr, "cannot write the document: %s\n", e.what());
        return false;
    }
}

// Seconds a command takes, or -1 when it is missing or fails.
double timeCommand(const QString &program, const QStringList &arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return -1;
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    // qpdf answers 3 for success with warnings.
    if (process.exitCode() != 0 && process.exitCode() != 3)
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

void printRatio(const char *what, double ours, double theirs)
{
    if (theirs < 0)
        std::printf("  %-38s not available\n", what);
    else
        std::printf("  %-38s %8.3f s   ratio (theirs / ours) %6.2f\n", what, theirs, theirs / ours);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int pages = argc > 1 ? qMax(1, atoi(argv[1])) : 400;
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("large.pdf"));
    QElapsedTimer timer;
    timer.start();
    if (!writeDocument(source, pages))
        return 1;
    std::printf("document: %d pages, %.1f MB, generated in %.2f s\n", pages,
                QFile(source).size() / 1e6, timer.nsecsElapsed() / 1e9);

    auto service = std::make_shared<DebenuService>();
    service->installRenderer(std::make_shared<PageRenderer>());

    // Open + page count + every page rendered at 72 dpi, images kept in memory.
    timer.restart();
    qint64 pixels = 0;
    {
        DebenuDocument document(service, source, QString(), false);
        const int count = document.pageCount();
        if (count != pages) {
            std::fprintf(stderr, "page count %d, expected %d\n", count, pages);
            return 1;
        }
        for (int page = 1; page <= count; ++page) {
            const QImage image = document.pageImage(page);
            if (image.isNull()) {
                std::fprintf(stderr, "page %d did not render\n", page);
                return 1;
            }
            pixels += qint64(image.width()) * image.height();
        }
    }
    const double oursRender = timer.nsecsElapsed() / 1e9;
    std::printf("render every page at 72 dpi (%lld Mpixel):\n", pixels / 1000000);
    std::printf("  %-38s %8.3f s   %.2f ms/page\n", "ours (qpdf open + MuPDF render)", oursRender,
                oursRender * 1000 / pages);
    // mutool streams every page into one output: /dev/null keeps disk writes
    // out of its figure. pdftoppm writes one file per page; it writes them in
    // batches into memory-backed scratch space that is emptied between batches
    // (untimed), so it too is measured mostly on rendering.
    printRatio("mutool draw -r 72 (ppm to /dev/null)", oursRender,
               timeCommand(QStringLiteral("mutool"),
                           {QStringLiteral("draw"), QStringLiteral("-q"), QStringLiteral("-r"), QStringLiteral("72"),
                            QStringLiteral("-F"), QStringLiteral("ppm"), QStringLiteral("-o"), QProcess::nullDevice(),
                            source}));
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir scratch(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/bench-XXXXXX") : QString());
    double pdftoppm = 0;
    const int batch = 50;
    for (int first = 1; first <= pages && pdftoppm >= 0; first += batch) {
        const double seconds = timeCommand(
            QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"), QString::number(first),
             QStringLiteral("-l"), QString::number(qMin(pages, first + batch - 1)), source,
             scratch.filePath(QStringLiteral("p"))});
        pdftoppm = seconds < 0 ? -1 : pdftoppm + seconds;
        for (const QString &name : QDir(scratch.path()).entryList(QDir::Files))
            QFile::remove(scratch.filePath(name));
    }
    printRatio("pdftoppm -r 72 (ppm, batches of 50)", oursRender, pdftoppm);

    // One extraction call per page on the same source.
    QDir().mkpath(dir.filePath(QStringLiteral("ours")));
    QDir().mkpath(dir.filePath(QStringLiteral("qpdf")));
    timer.restart();
    for (int page = 1; page <= pages; ++page) {
        const QString output = dir.filePath(QStringLiteral("ours/p%1.pdf").arg(page));
        if (service->extractFilePages(source, QString(), output, QString::number(page)) != 1) {
            std::fprintf(stderr, "extraction of page %d failed: %d\n", page, service->lastErrorCode());
            return 1;
        }
    }
    const double oursExtract = timer.nsecsElapsed() / 1e9;
    std::printf("single-page extraction of every page:\n");
    std::printf("  %-38s %8.3f s   %.2f ms/page, %d parse(s) of the source\n", "ours (one call per page)",
                oursExtract, oursExtract * 1000 / pages, service->cachedSourceParses());
    printRatio("qpdf --split-pages (one run)", oursExtract,
               timeCommand(QStringLiteral("qpdf"), {QStringLiteral("--split-pages"), source,
                                                    dir.filePath(QStringLiteral("qpdf/p-%d.pdf"))}));
    return 0;
}
