// Merging and splitting real manuals (made by nobody here) through the real
// pdfworker, against qpdf and mutool doing the same jobs in the same run.
// bench/real-documents.sh installs the documents and starts this program.
//
//   bench_real --worker PATH [--work DIR] [--repeat R] [--no-4x]
//
// Cases: the largest manual merged with itself; all the manuals of each
// package merged; one file per page of the largest manual; the same at 1x,
// 2x and 4x input, so that growth shows. The 2,400-page manual (three
// LilyPond manuals with their outlines and named destinations) and the 2x
// and 4x manuals are made first by pdfworker itself (and rewritten by qpdf
// without object streams, like the originals); the 2x and 4x package cases
// merge copies of the files under names of their own.
//
// For every run: wall time, CPU time (user + system, what the load of a
// shared machine inflates least) and peak memory of the child process,
// measured here with wait4(). Ratios below 1.0 mean faster or smaller than
// the reference tool.
//
// The reference jobs:
//   merge: qpdf --empty --pages IN... -- OUT;  mutool merge -o OUT IN...
//   one file per page: qpdf --split-pages IN OUT;  mutool run (a script
//   grafting each page into a new document; MuPDF keeps no links, outline
//   or labels there, so its job is lighter than ours and qpdf's).
//
// Targets, checked at the end against the figures of this run: every merge
// and every split at most qpdf's CPU time, every merge at most qpdf's peak
// memory, every output whole, and doubling the input at most doubling our
// CPU time (2.2x allowed for noise). The exit code is 3 when one is missed.

#include "ChildRun.h"
#include "app/FileUtils.h"
#include "merge/MergeRequest.h"
#include "split/SplitRequest.h"
#include "split/WorkerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const char *const lilypondDir = "/usr/share/doc/lilypond/html/Documentation";
const char *const asymptoteDir = "/usr/share/doc/asymptote";
const char *const amcDir = "/usr/share/doc/auto-multiple-choice";

struct Measure
{
    double wall = 0;
    double cpu = 0;
    long peakKb = 0;
    qint64 outputBytes = 0;
    int outputs = 0;
    bool ok = false;
    bool ran = false;
};

Measure run(const QStringList &command)
{
    const ChildRun child = runChild(command);
    Measure m;
    m.ran = child.ran;
    m.wall = child.wall;
    m.cpu = child.cpu;
    m.peakKb = child.peakKb;
    m.ok = child.exitCode == 0;
    return m;
}

// The median run by CPU time of `repeat` runs; prepare() runs before each.
Measure median(int repeat, const std::function<void()> &prepare, const std::function<Measure()> &job)
{
    std::vector<Measure> runs;
    for (int i = 0; i < repeat; ++i) {
        prepare();
        runs.push_back(job());
    }
    std::sort(runs.begin(), runs.end(), [](const Measure &a, const Measure &b) { return a.cpu < b.cpu; });
    return runs[runs.size() / 2];
}

// Page count as qpdf reads it; -1 when it cannot.
int pageCount(const QString &path)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--show-npages"), path});
    if (!qpdf.waitForFinished(600000) || qpdf.exitStatus() != QProcess::NormalExit || qpdf.exitCode() != 0)
        return -1;
    return qpdf.readAllStandardOutput().trimmed().toInt();
}

QString freshDir(const QString &path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

struct Output
{
    qint64 bytes = 0;
    int files = 0;
};

Output folderOutput(const QString &dir)
{
    Output out;
    for (const QFileInfo &info : QDir(dir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
        out.bytes += info.size();
        ++out.files;
    }
    return out;
}

class Bench
{
public:
    Bench(const QString &worker, const QString &work, int repeat)
        : m_worker(worker), m_work(work), m_repeat(repeat)
    {
        QFile script(m_work + QStringLiteral("/split-pages.js"));
        if (script.open(QIODevice::WriteOnly | QIODevice::Truncate))
            script.write("var src = new PDFDocument(scriptArgs[0]);\n"
                         "var n = src.countPages();\n"
                         "for (var i = 0; i < n; ++i) {\n"
                         "    var out = new PDFDocument();\n"
                         "    out.graftPage(-1, src, i);\n"
                         "    out.save(scriptArgs[1] + '/p' + (i + 1) + '.pdf', 'compress');\n"
                         "}\n");
    }

    // pdfworker --merge: the files merged in order into output.
    Measure oursMerge(const QStringList &inputs, const QString &output)
    {
        MergeRequest request;
        for (int i = 0; i < inputs.size(); ++i) {
            MergeTask task;
            task.fullPath = inputs.at(i);
            task.order = i;
            request.tasks.append(task);
        }
        request.saveFileName = output;
        request.author = QStringLiteral("Bench");
        request.creator = QStringLiteral("bench_real");
        request.producer = QStringLiteral("Sheafwright");
        request.sessionId = FileUtils::uniqueId();
        request.cachePath = freshDir(m_work + QStringLiteral("/session"));
        const QString requestPath = request.cachePath + QStringLiteral("/merge.req");
        WorkerFile::write(requestPath, request.toJson());
        Measure m = run({m_worker, QStringLiteral("--merge"), requestPath});
        QJsonObject response;
        m.ok = m.ok && WorkerFile::read(request.cachePath + QLatin1Char('/') + request.sessionId + QStringLiteral(".resp"), response)
               && response.value(QStringLiteral("error_code")).toInt() == 0 && QFileInfo::exists(output);
        return m;
    }

    // pdfworker --split: one file per page of source into folder.
    Measure oursSplit(const QString &source, int pages, const QString &folder)
    {
        SplitRequest request;
        request.mode = 0;
        request.fileName = source;
        request.pageCount = pages;
        for (int page = 1; page <= pages; ++page)
            request.ranges.append(qMakePair(page, page));
        request.outDirectory = folder;
        request.author = QStringLiteral("Bench");
        request.creator = QStringLiteral("bench_real");
        request.producer = QStringLiteral("Sheafwright");
        request.sessionId = FileUtils::uniqueId();
        request.sessionPath = freshDir(m_work + QStringLiteral("/session"));
        const QString requestPath = request.sessionPath + QStringLiteral("/split.req");
        WorkerFile::write(requestPath, request.toJson());
        return run({m_worker, QStringLiteral("--split"), requestPath});
    }

    struct Row
    {
        QString name;
        int pages = 0;
        Measure ours, qpdf, mutool;
    };

    Row merge(const QString &name, const QStringList &inputs, int pages)
    {
        Row row{name, pages, {}, {}, {}};
        const QString out = m_work + QStringLiteral("/merged.pdf");
        const auto clean = [&] { QFile::remove(out); };
        const auto finish = [&](Measure &m) {
            m.outputBytes = QFileInfo(out).size();
            m.outputs = 1;
            m.ok = m.ok && pageCount(out) == pages;
        };
        row.ours = median(m_repeat, clean, [&] { return oursMerge(inputs, out); });
        finish(row.ours);
        row.qpdf = median(m_repeat, clean, [&] {
            return run(QStringList{QStringLiteral("qpdf"), QStringLiteral("--empty"), QStringLiteral("--pages")} + inputs
                       + QStringList{QStringLiteral("--"), out});
        });
        finish(row.qpdf);
        row.mutool = median(m_repeat, clean, [&] {
            return run(QStringList{QStringLiteral("mutool"), QStringLiteral("merge"), QStringLiteral("-o"), out} + inputs);
        });
        finish(row.mutool);
        clean();
        report(row);
        return row;
    }

    Row splitPages(const QString &name, const QString &source, int pages)
    {
        Row row{name, pages, {}, {}, {}};
        const QString folder = m_work + QStringLiteral("/pages");
        const auto clean = [&] { freshDir(folder); };
        const auto finish = [&](Measure &m) {
            const Output out = folderOutput(folder);
            m.outputBytes = out.bytes;
            m.outputs = out.files;
            m.ok = m.ok && out.files == pages;
        };
        row.ours = median(m_repeat, clean, [&] { return oursSplit(source, pages, folder); });
        finish(row.ours);
        row.qpdf = median(m_repeat, clean, [&] {
            return run({QStringLiteral("qpdf"), QStringLiteral("--split-pages"), source, folder + QStringLiteral("/p.pdf")});
        });
        finish(row.qpdf);
        row.mutool = median(m_repeat, clean, [&] {
            return run({QStringLiteral("mutool"), QStringLiteral("run"), m_work + QStringLiteral("/split-pages.js"), source, folder});
        });
        finish(row.mutool);
        freshDir(folder);
        report(row);
        return row;
    }

    // A document made by pdfworker from inputs (outlines, destinations and
    // labels kept), for the larger cases; rewritten by qpdf without object
    // streams, so that it is read like the manuals it is made of.
    QString make(const QString &name, const QStringList &inputs)
    {
        const QString path = m_work + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            return path;
        const QString merged = path + QStringLiteral(".merged.pdf");
        if (!oursMerge(inputs, merged).ok)
            return QString();
        const Measure plain = run({QStringLiteral("qpdf"), QStringLiteral("--object-streams=disable"), merged, path});
        QFile::remove(merged);
        return plain.ok ? path : QString();
    }

    // times copies of each input under names of their own, so that every
    // tool reads each copy as a file of its own.
    QStringList copies(const QStringList &inputs, int times)
    {
        const QString dir = m_work + QStringLiteral("/copies-%1").arg(times);
        QDir().mkpath(dir);
        QStringList paths;
        for (int copy = 1; copy <= times; ++copy) {
            for (const QString &input : inputs) {
                const QString path = dir + QStringLiteral("/%1-%2.pdf").arg(QFileInfo(input).completeBaseName()).arg(copy);
                if (!QFileInfo::exists(path))
                    QFile::copy(input, path);
                paths << path;
            }
        }
        return paths;
    }

    static void report(const Row &row)
    {
        std::printf("%s (%d pages)\n", qPrintable(row.name), row.pages);
        const auto line = [](const char *tool, const Measure &m) {
            if (!m.ran)
                return;
            std::printf("  %-9s wall %7.2f s  cpu %7.2f s  peak %6.0f MB  output %7.1f MB in %d file(s)%s\n", tool,
                        m.wall, m.cpu, m.peakKb / 1024.0, m.outputBytes / 1048576.0, m.outputs,
                        m.ok ? "" : "  FAILED");
        };
        line("pdfworker", row.ours);
        line("qpdf", row.qpdf);
        line("mutool", row.mutool);
        std::printf("  ratio     cpu %s  wall %s  peak memory %s  size %s\n",
                    qPrintable(ratios(row, [](const Measure &m) { return m.cpu; })),
                    qPrintable(ratios(row, [](const Measure &m) { return m.wall; })),
                    qPrintable(ratios(row, [](const Measure &m) { return double(m.peakKb); })),
                    qPrintable(ratios(row, [](const Measure &m) { return double(m.outputBytes); })));
        std::fflush(stdout);
    }

    static QString ratio(double ours, double theirs)
    {
        return theirs > 0 ? QString::number(ours / theirs, 'f', 2) + QLatin1Char('x') : QStringLiteral("-");
    }

    static QString ratios(const Row &row, const std::function<double(const Measure &)> &value)
    {
        return QStringLiteral("%1 qpdf, %2 mutool")
            .arg(ratio(value(row.ours), value(row.qpdf)), ratio(value(row.ours), value(row.mutool)));
    }

private:
    QString m_worker;
    QString m_work;
    int m_repeat;
};

QStringList pdfsIn(const char *dir)
{
    QStringList paths;
    for (const QFileInfo &info : QDir(QString::fromLatin1(dir)).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        paths << info.absoluteFilePath();
    return paths;
}

int pagesOf(const QStringList &paths)
{
    int total = 0;
    for (const QString &path : paths)
        total += pageCount(path);
    return total;
}

// The targets of this benchmark, each checked as the figures come and
// listed at the end as met or missed.
class Targets
{
public:
    void merge(const Bench::Row &row)
    {
        whole(row);
        atMost(row.name + QStringLiteral(": CPU time"), row.ours.cpu, row.qpdf.cpu);
        atMost(row.name + QStringLiteral(": peak memory"), double(row.ours.peakKb), double(row.qpdf.peakKb));
    }
    void split(const Bench::Row &row)
    {
        whole(row);
        atMost(row.name + QStringLiteral(": CPU time"), row.ours.cpu, row.qpdf.cpu);
    }
    void growth(const QString &what, const QList<Bench::Row> &rows)
    {
        for (int i = 1; i < rows.size(); ++i) {
            const double factor = rows[i - 1].ours.cpu > 0 ? rows[i].ours.cpu / rows[i - 1].ours.cpu : 0;
            record(QStringLiteral("%1, %2x->%3x: CPU time %4x per doubling (at most 2.2x)")
                       .arg(what).arg(1 << (i - 1)).arg(1 << i).arg(factor, 0, 'f', 2),
                   factor > 0 && factor <= 2.2);
        }
    }
    // Prints every check; true when all were met.
    bool report() const
    {
        std::printf("== Targets\n");
        for (const QString &line : m_lines)
            std::printf("  %s\n", qPrintable(line));
        std::printf("  %d of %d met\n", m_met, int(m_lines.size()));
        return m_met == m_lines.size();
    }

private:
    void whole(const Bench::Row &row) { record(row.name + QStringLiteral(": every output whole"), row.ours.ok); }
    void atMost(const QString &what, double ours, double qpdf)
    {
        record(QStringLiteral("%1 %2x qpdf's (at most 1.00x)").arg(what).arg(qpdf > 0 ? ours / qpdf : 0, 0, 'f', 2),
               qpdf > 0 && ours <= qpdf);
    }
    void record(const QString &line, bool met)
    {
        m_lines << (met ? QStringLiteral("met     ") : QStringLiteral("MISSED  ")) + line;
        m_met += met ? 1 : 0;
    }

    QStringList m_lines;
    int m_met = 0;
};

void growth(const char *what, const QList<Bench::Row> &rows)
{
    if (rows.size() < 2)
        return;
    std::printf("  growth of %s, cpu time per doubling of the input:", what);
    for (int i = 1; i < rows.size(); ++i) {
        std::printf("  %dx->%dx: pdfworker %s, qpdf %s, mutool %s", 1 << (i - 1), 1 << i,
                    qPrintable(Bench::ratio(rows[i].ours.cpu, rows[i - 1].ours.cpu)),
                    qPrintable(Bench::ratio(rows[i].qpdf.cpu, rows[i - 1].qpdf.cpu)),
                    qPrintable(Bench::ratio(rows[i].mutool.cpu, rows[i - 1].mutool.cpu)));
    }
    std::printf("\n\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QString worker;
    QString work = QDir::temp().filePath(QStringLiteral("bench_real"));
    int repeat = 1;
    bool fourTimes = true;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--worker") && i + 1 < args.size())
            worker = args.at(++i);
        else if (args.at(i) == QLatin1String("--work") && i + 1 < args.size())
            work = args.at(++i);
        else if (args.at(i) == QLatin1String("--repeat") && i + 1 < args.size())
            repeat = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == QLatin1String("--no-4x"))
            fourTimes = false;
    }
    if (!QFileInfo(worker).isExecutable()) {
        std::fprintf(stderr, "usage: bench_real --worker PATH [--work DIR] [--repeat R] [--no-4x]\n");
        return 2;
    }
    const QStringList lilypond = pdfsIn(lilypondDir);
    const QStringList asymptote = pdfsIn(asymptoteDir);
    const QStringList amc = pdfsIn(amcDir);
    if (lilypond.isEmpty() || asymptote.isEmpty() || amc.isEmpty()) {
        std::fprintf(stderr, "missing documents: install lilypond-doc-pdf, asymptote-doc and "
                             "auto-multiple-choice-doc-pdf (bench/real-documents.sh does)\n");
        return 2;
    }
    QDir().mkpath(work);
    Bench bench(worker, work, repeat);
    std::printf("bench_real: %d run(s) per figure, median by cpu time; work folder %s\n\n", repeat, qPrintable(work));

    const QString notation = QString::fromLatin1(lilypondDir) + QStringLiteral("/notation.pdf");
    const int notationPages = pageCount(notation);
    const QString lily = QString::fromLatin1(lilypondDir);
    const QString manual = bench.make(QStringLiteral("manual-2400.pdf"),
                                      {lily + QStringLiteral("/internals.pdf"), notation, lily + QStringLiteral("/snippets.pdf")});
    const QString notation2 = bench.make(QStringLiteral("notation-2x.pdf"), {notation, notation});
    const QString notation4 = fourTimes ? bench.make(QStringLiteral("notation-4x.pdf"), {notation2, notation2}) : QString();
    if (manual.isEmpty() || notation2.isEmpty() || (fourTimes && notation4.isEmpty())) {
        std::fprintf(stderr, "pdfworker could not make the larger inputs\n");
        return 1;
    }
    const int manualPages = pageCount(manual);

    Targets targets;
    const auto merged = [&](const Bench::Row &row) { targets.merge(row); return row; };
    const auto split = [&](const Bench::Row &row) { targets.split(row); return row; };
    const auto grown = [&](const char *what, const QList<Bench::Row> &rows) {
        growth(what, rows);
        targets.growth(QString::fromLatin1(what), rows);
    };

    std::printf("== Merging a manual with itself\n");
    merged(bench.merge(QStringLiteral("2,400-page manual (internals+notation+snippets) with itself"), {manual, manual},
                       2 * manualPages));
    QList<Bench::Row> self;
    self << merged(bench.merge(QStringLiteral("notation.pdf with itself, 1x"), {notation, notation}, 2 * notationPages));
    self << merged(bench.merge(QStringLiteral("notation.pdf with itself, 2x"), {notation2, notation2}, 4 * notationPages));
    if (fourTimes)
        self << merged(bench.merge(QStringLiteral("notation.pdf with itself, 4x"), {notation4, notation4}, 8 * notationPages));
    grown("merging a manual with itself", self);

    std::printf("== Merging all the manuals of a package\n");
    merged(bench.merge(QStringLiteral("asymptote-doc, all manuals"), asymptote, pagesOf(asymptote)));
    merged(bench.merge(QStringLiteral("auto-multiple-choice-doc-pdf, all manuals"), amc, pagesOf(amc)));
    QList<Bench::Row> package;
    const int lilypondPages = pagesOf(lilypond);
    package << merged(bench.merge(QStringLiteral("lilypond-doc-pdf, all manuals, 1x"), lilypond, lilypondPages));
    package << merged(bench.merge(QStringLiteral("lilypond-doc-pdf, all manuals, 2x (two copies of each)"),
                                  bench.copies(lilypond, 2), 2 * lilypondPages));
    if (fourTimes)
        package << merged(bench.merge(QStringLiteral("lilypond-doc-pdf, all manuals, 4x (four copies of each)"),
                                      bench.copies(lilypond, 4), 4 * lilypondPages));
    grown("merging a package's manuals", package);

    std::printf("== One file per page\n");
    split(bench.splitPages(QStringLiteral("2,400-page manual, one file per page"), manual, manualPages));
    QList<Bench::Row> pages;
    pages << split(bench.splitPages(QStringLiteral("notation.pdf, one file per page, 1x"), notation, notationPages));
    pages << split(bench.splitPages(QStringLiteral("notation.pdf, one file per page, 2x"), notation2, 2 * notationPages));
    if (fourTimes)
        pages << split(bench.splitPages(QStringLiteral("notation.pdf, one file per page, 4x"), notation4, 4 * notationPages));
    grown("one file per page", pages);

    std::printf("(bench_real itself peaked at %.0f MB: no child's peak can read lower)\n\n", ownPeakKb() / 1024.0);
    return targets.report() ? 0 : 3;
}
