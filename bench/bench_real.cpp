// Merging and splitting real manuals (made by nobody here) through the real
// pdfworker, against qpdf and mutool doing the same jobs in the same run.
// bench/real-documents.sh installs the documents and starts this program.
//
//   bench_real --worker PATH [--work DIR] [--repeat R] [--no-4x]
//
// Cases: the largest manual merged with itself; all the manuals of each
// package merged; thousands of one-page files (LilyPond's examples over and
// over) merged with at most 1024 files open; one file per page of the
// largest manual; the same at 1x, 2x and 4x input, so that growth shows. The 2,400-page manual (three
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
// What each merged file keeps of its inputs' navigation is counted too
// (bookmarks, named destinations, links, and references by name that find
// no destination), by this program started again as
//   bench_real --navigation FILE
// so that reading large outputs never swells the benchmark's own memory.
//
// Targets, checked at the end against the figures of this run: every merge
// and every split at most qpdf's CPU time, every merge at most qpdf's peak
// memory, every output whole, every merge keeping its inputs' bookmarks,
// named destinations and links, and doubling the input at most doubling our
// CPU time, taken over the whole range from 1x to 4x (2.2x per doubling
// allowed for noise). The exit code is 3 when one is missed. One exception is
// settled: where qpdf's output drops named destinations that ours keeps, a
// CPU time above qpdf's is listed as an accepted exception, not a miss.
//
// The jobs of a case run in turn, round after round, and short ones more
// often (see interleaved()), so that the ratios hold on a noisy machine.

#include "ChildRun.h"
#include "app/FileUtils.h"
#include "merge/MergeRequest.h"
#include "split/SplitRequest.h"
#include "protocol/WorkerFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStringList>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

const char *const lilypondDir = "/usr/share/doc/lilypond/html/Documentation";
const char *const asymptoteDir = "/usr/share/doc/asymptote";
const char *const amcDir = "/usr/share/doc/auto-multiple-choice";

// What a file offers to move around in it.
struct Navigation
{
    long bookmarks = 0;
    long names = 0;           // named destinations
    long links = 0;           // link annotations
    long missingTargets = 0;  // links and bookmarks that go to a name the file lacks
    bool read = false;

    Navigation &operator+=(const Navigation &other)
    {
        bookmarks += other.bookmarks;
        names += other.names;
        links += other.links;
        missingTargets += other.missingTargets;
        read = read && other.read;
        return *this;
    }
    QString text() const
    {
        if (!read)
            return QStringLiteral("unreadable");
        return QStringLiteral("%1 bookmarks, %2 named destinations, %3 links, %4 to a missing name")
            .arg(bookmarks).arg(names).arg(links).arg(missingTargets);
    }
};

struct Measure
{
    double wall = 0;
    double cpu = 0;
    long peakKb = 0;
    qint64 outputBytes = 0;
    int outputs = 0;
    bool ok = false;
    bool ran = false;
    Navigation navigation;   // merges only
    int runs = 1;            // the figures are the median of this many runs
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

// Runs the jobs (ours, then the reference tools) in turn, round after round,
// so that a change in the machine's speed touches them alike: at least
// `repeat` rounds, and for short jobs as many as make about 3 s of ours (at
// most 15), since a median of a few runs of 0.2 s is mostly noise; the first
// run of ours sets the number of rounds. prepare() runs before every run;
// finish() reads a job's output right after its run in the last round. Each
// figure is the median run by CPU time, whole only if every run was.
std::vector<Measure> interleaved(int repeat, const std::function<void()> &prepare,
                                 const std::vector<std::function<Measure()>> &jobs,
                                 const std::function<void(Measure &)> &finish)
{
    std::vector<std::vector<Measure>> runs(jobs.size());
    int rounds = repeat;
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < jobs.size(); ++i) {
            prepare();
            runs[i].push_back(jobs[i]());
            if (round == 0 && i == 0)
                rounds = std::clamp(int(3.0 / std::max(runs[0][0].cpu, 0.01)), repeat, std::max(repeat, 15));
            if (round + 1 == rounds)
                finish(runs[i].back());
        }
    }
    std::vector<Measure> medians;
    for (std::vector<Measure> &series : runs) {
        const bool allOk = std::all_of(series.begin(), series.end(), [](const Measure &m) { return m.ok; });
        const Measure last = series.back();
        std::sort(series.begin(), series.end(), [](const Measure &a, const Measure &b) { return a.cpu < b.cpu; });
        Measure median = series[series.size() / 2];
        median.outputBytes = last.outputBytes;
        median.outputs = last.outputs;
        median.navigation = last.navigation;
        median.ok = allOk && last.ok;
        median.runs = int(series.size());
        medians.push_back(median);
    }
    return medians;
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

// The --navigation mode: counts what file offers and prints it on one line.
int printNavigation(const QString &file)
{
    using Handle = QPDFObjectHandle;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(file).constData());
        Handle root = pdf.getRoot();
        std::set<std::string> strings;   // the name tree's keys
        std::set<std::string> names;     // the catalog's /Dests keys
        Handle tree = root.getKey("/Names").getKey("/Dests");
        if (tree.isDictionary()) {
            for (const auto &entry : QPDFNameTreeObjectHelper(tree, pdf))
                strings.insert(entry.first);
        }
        if (root.getKey("/Dests").isDictionary())
            names = root.getKey("/Dests").getKeys();
        Navigation counted;
        const auto checkTarget = [&](Handle item) {
            Handle dest = item.getKey("/Dest");
            Handle action = item.getKey("/A");
            if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
                dest = action.getKey("/D");
            if ((dest.isString() && !strings.count(dest.getStringValue())) || (dest.isName() && !names.count(dest.getName())))
                ++counted.missingTargets;
        };
        std::set<QPDFObjGen> seen;
        std::function<void(QPDFOutlineObjectHelper &)> walk = [&](QPDFOutlineObjectHelper &entry) {
            Handle item = entry.getObjectHandle();
            if (item.isIndirect() && !seen.insert(item.getObjGen()).second)
                return;
            ++counted.bookmarks;
            checkTarget(item);
            for (QPDFOutlineObjectHelper &kid : entry.getKids())
                walk(kid);
        };
        QPDFOutlineDocumentHelper outline(pdf);
        for (QPDFOutlineObjectHelper &entry : outline.getTopLevelOutlines())
            walk(entry);
        for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            Handle annotations = page.getObjectHandle().getKey("/Annots");
            if (!annotations.isArray())
                continue;
            for (Handle annotation : annotations.aitems()) {
                if (annotation.isDictionary() && annotation.getKey("/Subtype").isNameAndEquals("/Link")) {
                    ++counted.links;
                    checkTarget(annotation);
                }
            }
        }
        counted.names = long(strings.size() + names.size());
        std::printf("%ld %ld %ld %ld\n", counted.bookmarks, counted.names, counted.links, counted.missingTargets);
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
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
        int inputCount = 0;
        Navigation inputs;   // summed over the inputs of a merge
    };

    Row merge(const QString &name, const QStringList &inputs, int pages)
    {
        Row row{name, pages, {}, {}, {}, int(inputs.size()), inputNavigation(inputs)};
        const QString out = m_work + QStringLiteral("/merged.pdf");
        const auto clean = [&] { QFile::remove(out); };
        const auto finish = [&](Measure &m) {
            m.outputBytes = QFileInfo(out).size();
            m.outputs = 1;
            m.ok = m.ok && pageCount(out) == pages;
            m.navigation = navigation(out);
        };
        const std::vector<Measure> figures = interleaved(m_repeat, clean, {
            [&] { return oursMerge(inputs, out); },
            [&] {
                return run(QStringList{QStringLiteral("qpdf"), QStringLiteral("--empty"), QStringLiteral("--pages")}
                           + inputs + QStringList{QStringLiteral("--"), out});
            },
            [&] {
                return run(QStringList{QStringLiteral("mutool"), QStringLiteral("merge"), QStringLiteral("-o"), out}
                           + inputs);
            }}, finish);
        row.ours = figures[0];
        row.qpdf = figures[1];
        row.mutool = figures[2];
        clean();
        report(row);
        return row;
    }

    Row splitPages(const QString &name, const QString &source, int pages)
    {
        Row row{name, pages, {}, {}, {}, 0, {}};
        const QString folder = m_work + QStringLiteral("/pages");
        const auto clean = [&] { freshDir(folder); };
        const auto finish = [&](Measure &m) {
            const Output out = folderOutput(folder);
            m.outputBytes = out.bytes;
            m.outputs = out.files;
            m.ok = m.ok && out.files == pages;
        };
        const std::vector<Measure> figures = interleaved(m_repeat, clean, {
            [&] { return oursSplit(source, pages, folder); },
            [&] {
                return run({QStringLiteral("qpdf"), QStringLiteral("--split-pages"), source,
                            folder + QStringLiteral("/p.pdf")});
            },
            [&] {
                return run({QStringLiteral("mutool"), QStringLiteral("run"), m_work + QStringLiteral("/split-pages.js"),
                            source, folder});
            }}, finish);
        row.ours = figures[0];
        row.qpdf = figures[1];
        row.mutool = figures[2];
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

    // What file offers, counted by this program in its --navigation mode.
    static Navigation navigation(const QString &file)
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--navigation"), file});
        Navigation counted;
        if (!child.waitForFinished(600000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            return counted;
        const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
        if (fields.size() != 4)
            return counted;
        counted.bookmarks = fields[0].toLong();
        counted.names = fields[1].toLong();
        counted.links = fields[2].toLong();
        counted.missingTargets = fields[3].toLong();
        counted.read = true;
        return counted;
    }

    // The inputs' navigation summed; each distinct file content is read once.
    Navigation inputNavigation(const QStringList &inputs)
    {
        Navigation sum;
        sum.read = true;
        for (const QString &input : inputs) {
            QFile file(input);
            QCryptographicHash hash(QCryptographicHash::Sha1);
            if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
                return Navigation();
            const QByteArray key = hash.result();
            if (!m_inputNavigation.contains(key))
                m_inputNavigation.insert(key, navigation(input));
            sum += m_inputNavigation.value(key);
        }
        return sum;
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

    // count inputs made of documents over and over, each under a name of
    // its own: hard links to one copy of each document in the work folder,
    // so that thousands of inputs take no more disk than one round.
    QStringList manyFiles(const QStringList &documents, int count)
    {
        const QString originals = m_work + QStringLiteral("/one-page");
        const QString dir = m_work + QStringLiteral("/many-%1").arg(count);
        QDir().mkpath(originals);
        QDir().mkpath(dir);
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            const QString name = QFileInfo(documents.at(i % documents.size())).fileName();
            const QString original = originals + QLatin1Char('/') + name;
            if (!QFileInfo::exists(original))
                QFile::copy(documents.at(i % documents.size()), original);
            const QString path = dir + QStringLiteral("/%1-%2").arg(i + 1, 5, 10, QLatin1Char('0')).arg(name);
            if (!QFileInfo::exists(path)
                && ::link(QFile::encodeName(original).constData(), QFile::encodeName(path).constData()) != 0)
                QFile::copy(original, path);
            paths << path;
        }
        return paths;
    }

    static void report(const Row &row)
    {
        std::printf("%s (%d pages; medians of %d runs, in turn with the other tools)\n", qPrintable(row.name), row.pages,
                    row.ours.runs);
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
        if (row.inputCount > 0) {
            std::printf("  navigation of the inputs: %s\n", qPrintable(row.inputs.text()));
            const auto kept = [](const char *tool, const Measure &m) {
                if (m.ran)
                    std::printf("    kept by %-9s %s\n", tool, qPrintable(m.navigation.text()));
            };
            kept("pdfworker", row.ours);
            kept("qpdf", row.qpdf);
            kept("mutool", row.mutool);
        }
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
    QHash<QByteArray, Navigation> m_inputNavigation;
};

QStringList pdfsIn(const QString &dir)
{
    QStringList paths;
    for (const QFileInfo &info : QDir(dir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        paths << info.absoluteFilePath();
    return paths;
}

// The soft limit on open files lowered to limit while this lives (not above
// the hard limit), as on desktops that keep the usual 1024.
class OpenFileLimit
{
public:
    explicit OpenFileLimit(rlim_t limit)
    {
        m_set = ::getrlimit(RLIMIT_NOFILE, &m_saved) == 0;
        rlimit lowered = m_saved;
        lowered.rlim_cur = std::min(limit, m_saved.rlim_max);
        m_set = m_set && ::setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~OpenFileLimit()
    {
        if (m_set)
            ::setrlimit(RLIMIT_NOFILE, &m_saved);
    }
    OpenFileLimit(const OpenFileLimit &) = delete;
    OpenFileLimit &operator=(const OpenFileLimit &) = delete;

private:
    rlimit m_saved{};
    bool m_set = false;
};

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
        // One bookmark more per input: the entry that opens it.
        const Navigation &in = row.inputs;
        const Navigation &out = row.ours.navigation;
        record(row.name + QStringLiteral(": every bookmark, named destination and link kept (%1)").arg(out.text()),
               in.read && out.read && out.bookmarks == in.bookmarks + row.inputCount && out.names == in.names
                   && out.links == in.links && out.missingTargets <= in.missingTargets);
        // Settled: a merge keeps the named destinations (in object streams)
        // that qpdf's output drops, even where writing them costs more CPU
        // than qpdf spends on its lighter file. A CPU miss on such a case is
        // listed as an accepted exception, never as met.
        const bool qpdfDropsNames = row.qpdf.navigation.read && row.qpdf.navigation.names < in.names;
        atMost(row.name + QStringLiteral(": CPU time"), row.ours.cpu, row.qpdf.cpu,
               qpdfDropsNames ? QStringLiteral("qpdf's output drops %1 of %2 named destinations, ours keeps them")
                                    .arg(in.names - row.qpdf.navigation.names).arg(in.names)
                              : QString());
        atMost(row.name + QStringLiteral(": peak memory"), double(row.ours.peakKb), double(row.qpdf.peakKb));
    }
    void split(const Bench::Row &row)
    {
        whole(row);
        atMost(row.name + QStringLiteral(": CPU time"), row.ours.cpu, row.qpdf.cpu);
    }
    // Over the whole range (1x to 4x): the middle figure's noise would
    // otherwise count twice, once in each step.
    void growth(const QString &what, const QList<Bench::Row> &rows)
    {
        const int doublings = int(rows.size()) - 1;
        if (doublings < 1)
            return;
        const double first = rows.front().ours.cpu;
        const double factor = first > 0 ? std::pow(rows.back().ours.cpu / first, 1.0 / doublings) : 0;
        record(QStringLiteral("%1, 1x->%2x: CPU time %3x per doubling (at most 2.2x)")
                   .arg(what).arg(1 << doublings).arg(factor, 0, 'f', 2),
               factor > 0 && factor <= 2.2);
    }
    // Prints every check; true when all were met.
    bool report() const
    {
        std::printf("== Targets\n");
        for (const QString &line : m_lines)
            std::printf("  %s\n", qPrintable(line));
        std::printf("  %d of %d met", m_met, int(m_lines.size()));
        if (m_accepted > 0)
            std::printf(", %d accepted exception(s)", m_accepted);
        std::printf("\n");
        return m_met + m_accepted == m_lines.size();
    }

private:
    void whole(const Bench::Row &row) { record(row.name + QStringLiteral(": every output whole"), row.ours.ok); }
    // acceptedBecause: why a miss here is an accepted exception ("" when
    // a miss is a miss).
    void atMost(const QString &what, double ours, double qpdf, const QString &acceptedBecause = QString())
    {
        const QString line =
            QStringLiteral("%1 %2x qpdf's (at most 1.00x)").arg(what).arg(qpdf > 0 ? ours / qpdf : 0, 0, 'f', 2);
        const bool met = qpdf > 0 && ours <= qpdf;
        if (!met && qpdf > 0 && !acceptedBecause.isEmpty()) {
            m_lines << QStringLiteral("ACCEPTED ") + line + QStringLiteral(": ") + acceptedBecause;
            ++m_accepted;
            return;
        }
        record(line, met);
    }
    void record(const QString &line, bool met)
    {
        m_lines << (met ? QStringLiteral("met     ") : QStringLiteral("MISSED  ")) + line;
        m_met += met ? 1 : 0;
    }

    QStringList m_lines;
    int m_met = 0;
    int m_accepted = 0;
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
    if (argc == 3 && QByteArray(argv[1]) == "--navigation")
        return printNavigation(QString::fromLocal8Bit(argv[2]));
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
    const QStringList lilypond = pdfsIn(QString::fromLatin1(lilypondDir));
    const QStringList asymptote = pdfsIn(QString::fromLatin1(asymptoteDir));
    const QStringList amc = pdfsIn(QString::fromLatin1(amcDir));
    if (lilypond.isEmpty() || asymptote.isEmpty() || amc.isEmpty()) {
        std::fprintf(stderr, "missing documents: install lilypond-doc-pdf, asymptote-doc and "
                             "auto-multiple-choice-doc-pdf (bench/real-documents.sh does)\n");
        return 2;
    }
    QDir().mkpath(work);
    Bench bench(worker, work, repeat);
    std::printf("bench_real: at least %d run(s) per figure, more for short jobs, median by cpu time; work folder %s\n\n",
                repeat, qPrintable(work));

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

    std::printf("== Merging thousands of one-page files, with at most 1024 files open (as on most desktops)\n");
    QStringList onePage;
    for (const QString &example : pdfsIn(QString::fromLatin1(lilypondDir) + QStringLiteral("/ly-examples"))) {
        if (pageCount(example) == 1)
            onePage << example;
    }
    QList<Bench::Row> many;
    {
        const OpenFileLimit desktopLimit(1024);
        for (int count : {1000, 2000, 4000}) {
            if (count == 4000 && !fourTimes)
                break;
            many << merged(bench.merge(QStringLiteral("%1 one-page LilyPond examples, %2x").arg(count).arg(count / 1000),
                                       bench.manyFiles(onePage, count), count));
        }
    }
    grown("merging thousands of files", many);

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
