// Split speed and memory through the real pdfworker, against qpdf doing the
// same work on the same generated document. Prints each figure as a ratio
// (ours / qpdf): below 1.0 means faster or smaller than qpdf.
//
//   bench_split [--pages N] [--repeat R] [--worker PATH] [--keep]
//
// The document (N pages, default 2400) is drawn with QPdfWriter, so it carries
// embedded font subsets shared by all pages, as office exports do.

#include "ChildRun.h"
#include "app/FileUtils.h"
#include "split/SplitRequest.h"
#include "protocol/WorkerFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

struct Measure
{
    double seconds = 0;
    long peakKb = 0;
    bool ok = true;
};

// Runs a program to its end; wall time and peak resident memory, measured
// here (wait4).
Measure runProgram(const QStringList &program, bool quiet = true)
{
    const ChildRun child = runChild(program, quiet);
    Measure m;
    m.seconds = child.wall;
    m.peakKb = child.peakKb;
    m.ok = child.exitCode == 0;
    return m;
}

// Several programs one after another: summed time, highest peak.
Measure runSequence(const QList<QStringList> &commands)
{
    Measure total;
    for (const QStringList &command : commands) {
        const Measure m = runProgram(command);
        total.seconds += m.seconds;
        total.peakKb = std::max(total.peakKb, m.peakKb);
        total.ok = total.ok && m.ok;
    }
    return total;
}

void generateDocument(const QString &path, int pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("bench_split"));
    QPainter painter(&writer);
    const QFont sans(QStringLiteral("DejaVu Sans"), 11);
    const QFont serif(QStringLiteral("DejaVu Serif"), 10);
    const QString text = QStringLiteral("The quick brown fox jumps over the lazy dog. 0123456789 \u00e4\u00f6\u00fc\u00df");
    for (int page = 1; page <= pages; ++page) {
        painter.setFont(sans);
        painter.drawText(200, 250, QStringLiteral("Page %1 of %2").arg(page).arg(pages));
        painter.setFont(serif);
        for (int line = 0; line < 40; ++line)
            painter.drawText(200, 400 + line * 70, QStringLiteral("%1 %2").arg(line).arg(text));
        painter.drawRect(150, 150, 2180, 3200);
        if (page < pages)
            writer.newPage();
    }
}

// Writes a split request into a fresh private session folder; returns its path.
QString writeRequest(const QString &root, const QString &source, int pageCount, int mode,
                     const QList<QPair<int, int>> &ranges, const QString &outDir)
{
    SplitRequest request;
    request.mode = mode;
    request.fileName = source;
    request.pageCount = pageCount;
    request.ranges = ranges;
    request.outDirectory = outDir;
    request.author = QStringLiteral("Bench");
    request.title = QStringLiteral("Split benchmark");
    request.creator = QStringLiteral("bench_split");
    request.producer = QStringLiteral("Sheafwright");
    request.sessionId = FileUtils::uniqueId();
    request.sessionPath = root + QStringLiteral("/session-") + request.sessionId;
    FileUtils::ensurePrivateDirectory(request.sessionPath);
    const QString path = request.sessionPath + QLatin1Char('/') + request.sessionId + QStringLiteral(".req");
    WorkerFile::write(path, request.toJson());
    return path;
}

QString freshDir(const QString &root, const QString &name)
{
    const QString path = root + QLatin1Char('/') + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

int fileCount(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("*.pdf")}, QDir::Files).size();
}

struct Row
{
    QString name;
    Measure ours;
    Measure theirs;
};

// Median by time of `repeat` runs of `run`.
Measure median(int repeat, const std::function<Measure()> &run)
{
    std::vector<Measure> runs;
    for (int i = 0; i < repeat; ++i)
        runs.push_back(run());
    std::sort(runs.begin(), runs.end(), [](const Measure &a, const Measure &b) { return a.seconds < b.seconds; });
    Measure m = runs.at(runs.size() / 2);
    for (const Measure &r : runs)
        m.ok = m.ok && r.ok;
    return m;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int pages = 2400;
    int repeat = 3;
    bool keep = false;
    QString worker = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/pdfworker"));
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--pages") && i + 1 < args.size())
            pages = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == QLatin1String("--repeat") && i + 1 < args.size())
            repeat = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == QLatin1String("--worker") && i + 1 < args.size())
            worker = args.at(++i);
        else if (args.at(i) == QLatin1String("--keep"))
            keep = true;
    }
    QTextStream out(stdout);
    QTemporaryDir tmp;
    tmp.setAutoRemove(!keep);
    const QString root = tmp.path();
    const QString source = root + QStringLiteral("/bench.pdf");
    QElapsedTimer timer;
    timer.start();
    generateDocument(source, pages);
    out << "document: " << pages << " pages, " << QFileInfo(source).size() / 1024 << " KiB, generated in "
        << timer.elapsed() << " ms (" << root << ")\n";
    out.flush();

    QList<Row> rows;

    // 1. One file per page.
    {
        QList<QPair<int, int>> ranges;
        for (int p = 1; p <= pages; ++p)
            ranges.append({p, p});
        Row row{QStringLiteral("one file per page"), {}, {}};
        int ourFiles = 0;
        int theirFiles = 0;
        row.ours = median(repeat, [&] {
            const QString outDir = freshDir(root, QStringLiteral("ours-pages"));
            const Measure m = runProgram({worker, QStringLiteral("--split"),
                                          writeRequest(root, source, pages, 0, ranges, outDir)});
            ourFiles = fileCount(outDir);
            return m;
        });
        row.theirs = median(repeat, [&] {
            const QString outDir = freshDir(root, QStringLiteral("qpdf-pages"));
            const Measure m = runProgram({QStringLiteral("qpdf"), QStringLiteral("--split-pages"), source,
                                          outDir + QStringLiteral("/page-%d.pdf")});
            theirFiles = fileCount(outDir);
            return m;
        });
        out << "  files: ours " << ourFiles << ", qpdf " << theirFiles << "\n";
        row.ours.ok = row.ours.ok && ourFiles == pages;
        rows << row;
    }

    // 2. Twenty ranges of 100 pages.
    {
        QList<QPair<int, int>> ranges;
        QList<QStringList> qpdfCommands;
        const QString qpdfDir = root + QStringLiteral("/qpdf-ranges");
        for (int i = 0; i < 20; ++i) {
            const int from = (i * 100) % std::max(1, pages - 99) + 1;
            const int to = std::min(pages, from + 99);
            ranges.append({from, to});
            qpdfCommands << QStringList{QStringLiteral("qpdf"), source, QStringLiteral("--pages"), QStringLiteral("."),
                                        QStringLiteral("%1-%2").arg(from).arg(to), QStringLiteral("--"),
                                        qpdfDir + QStringLiteral("/range-%1.pdf").arg(i)};
        }
        Row row{QStringLiteral("20 ranges of 100 pages"), {}, {}};
        int ourFiles = 0;
        row.ours = median(repeat, [&] {
            const QString outDir = freshDir(root, QStringLiteral("ours-ranges"));
            const Measure m = runProgram({worker, QStringLiteral("--split"),
                                          writeRequest(root, source, pages, 0, ranges, outDir)});
            ourFiles = fileCount(outDir);
            return m;
        });
        row.theirs = median(repeat, [&] {
            freshDir(root, QStringLiteral("qpdf-ranges"));
            return runSequence(qpdfCommands);
        });
        out << "  files: ours " << ourFiles << ", qpdf 20\n";
        row.ours.ok = row.ours.ok && ourFiles == 20;
        rows << row;
    }

    // 3. Drop every tenth page.
    {
        QList<QPair<int, int>> dropped;
        QStringList kept;
        for (int p = 1; p <= pages; ++p) {
            if (p % 10 == 0)
                dropped.append({p, p});
            else
                kept << QString::number(p);
        }
        Row row{QStringLiteral("drop every tenth page"), {}, {}};
        int ourFiles = 0;
        row.ours = median(repeat, [&] {
            const QString outDir = freshDir(root, QStringLiteral("ours-drop"));
            const Measure m = runProgram({worker, QStringLiteral("--split"),
                                          writeRequest(root, source, pages, 1, dropped, outDir)});
            ourFiles = fileCount(outDir);
            return m;
        });
        row.theirs = median(repeat, [&] {
            const QString outDir = freshDir(root, QStringLiteral("qpdf-drop"));
            return runProgram({QStringLiteral("qpdf"), source, QStringLiteral("--pages"), QStringLiteral("."),
                               kept.join(QLatin1Char(',')), QStringLiteral("--"),
                               outDir + QStringLiteral("/kept.pdf")});
        });
        row.ours.ok = row.ours.ok && ourFiles == 1;
        rows << row;
    }

    out << QStringLiteral("\n%1 %2 %3 %4 %5 %6 %7\n")
               .arg(QStringLiteral("case"), -24)
               .arg(QStringLiteral("ours s"), 8)
               .arg(QStringLiteral("qpdf s"), 8)
               .arg(QStringLiteral("time x"), 7)
               .arg(QStringLiteral("ours MiB"), 9)
               .arg(QStringLiteral("qpdf MiB"), 9)
               .arg(QStringLiteral("mem x"), 6);
    bool allOk = true;
    for (const Row &row : rows) {
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7%8\n")
                   .arg(row.name, -24)
                   .arg(row.ours.seconds, 8, 'f', 3)
                   .arg(row.theirs.seconds, 8, 'f', 3)
                   .arg(row.ours.seconds / row.theirs.seconds, 7, 'f', 2)
                   .arg(row.ours.peakKb / 1024.0, 9, 'f', 1)
                   .arg(row.theirs.peakKb / 1024.0, 9, 'f', 1)
                   .arg(double(row.ours.peakKb) / row.theirs.peakKb, 6, 'f', 2)
                   .arg(row.ours.ok && row.theirs.ok ? QString() : QStringLiteral("  (a run failed)"));
        allOk = allOk && row.ours.ok && row.theirs.ok;
    }
    return allOk ? 0 : 1;
}
