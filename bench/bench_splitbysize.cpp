// What splitting by size costs against one file per page, on a real document
// (the LilyPond notation manual by default: 930 pages, 29 MB). Both write
// through the same extraction, in this process; the figures are CPU time
// (user + system), the number of files written to measure sizes, and how
// full the parts are against the limit (mean over the parts that fit, the
// last one left out).
//
//   bench_splitbysize [--file PATH] [--limits KB,KB,...] [--repeat R]

#include "pdf/DebenuService.h"
#include "pdf/PageExtractor.h"
#include "pdf/PdfOutputOptions.h"
#include "pdf/SizeSplitter.h"
#include "pdf/SourceCache.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <qpdf/QPDF.hh>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

struct Cost
{
    double cpu = 0;
    double wall = 0;
};

Cost measure(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    const double before = cpuSeconds();
    work();
    return Cost{cpuSeconds() - before, timer.nsecsElapsed() / 1e9};
}

Cost medianOf(int repeat, const std::function<Cost()> &run)
{
    std::vector<Cost> costs;
    for (int i = 0; i < repeat; ++i)
        costs.push_back(run());
    std::sort(costs.begin(), costs.end(), [](const Cost &a, const Cost &b) { return a.cpu < b.cpu; });
    return costs.at(costs.size() / 2);
}

QString freshDir(const QString &root, const QString &name)
{
    const QString path = root + QLatin1Char('/') + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QString file = QStringLiteral("/usr/share/doc/lilypond/html/Documentation/notation.pdf");
    QList<qint64> limitsKb{100, 1000, 5000};
    int repeat = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--file"))
            file = args.at(++i);
        else if (args.at(i) == QLatin1String("--repeat"))
            repeat = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == QLatin1String("--limits")) {
            limitsKb.clear();
            for (const QString &value : args.at(++i).split(QLatin1Char(',')))
                limitsKb.append(value.toLongLong());
        }
    }
    int error = 0;
    const std::shared_ptr<QPDF> source = SourceCache::parse(file, QString(), &error);
    if (!source) {
        std::fprintf(stderr, "cannot open %s (error %d)\n", qPrintable(file), error);
        return 1;
    }
    const int pages = int(source->getAllPages().size());
    std::printf("document=%s pages=%d bytes=%lld\n", qPrintable(file), pages, QFileInfo(file).size());
    QTemporaryDir work;
    const PdfOutputOptions options;

    // What the bookmarks page costs the interface when it is first shown:
    // one parse of the file and a walk of its outline.
    {
        DebenuService service;
        OutlineEntries entries;
        const Cost outline = measure([&] { service.outline(file, QString(), &entries); });
        std::printf("outline entries=%d cpu_s=%.3f wall_s=%.3f\n", int(entries.size()), outline.cpu, outline.wall);
    }

    const Cost perPage = medianOf(repeat, [&] {
        const QString out = freshDir(work.path(), QStringLiteral("pages"));
        return measure([&] {
            PageExtractor extractor(source, file, QString());
            for (int page = 1; page <= pages; ++page)
                extractor.extract({page}, out + QStringLiteral("/p%1.pdf").arg(page), options);
        });
    });
    std::printf("one_file_per_page cpu_s=%.2f wall_s=%.2f files=%d\n", perPage.cpu, perPage.wall, pages);

    for (qint64 limitKb : limitsKb) {
        const qint64 limit = limitKb * 1000;
        int parts = 0;
        int writes = 0;
        int oversized = 0;
        int pagesWritten = 0;
        qint64 largestFitting = 0;
        qint64 bytes = 0;
        int filled = 0;
        bool ordered = true;
        const Cost cost = medianOf(repeat, [&] {
            const QString out = freshDir(work.path(), QStringLiteral("size"));
            parts = oversized = pagesWritten = 0;
            largestFitting = bytes = 0;
            filled = 0;
            ordered = true;
            int next = 1;
            return measure([&] {
                SizeSplitter splitter(source, file, QString());
                splitter.run(limit, out, options, [](int from, int to) { return QStringLiteral("p%1-%2.pdf").arg(from).arg(to); },
                             [&](const SizeLimitedPart &part) {
                                 ++parts;
                                 ordered = ordered && part.from == next && !part.path.isEmpty();
                                 next = part.to + 1;
                                 pagesWritten += part.to - part.from + 1;
                                 if (part.oversized) {
                                     ++oversized;
                                 } else {
                                     largestFitting = std::max(largestFitting, part.bytes);
                                     if (part.to < pages) {   // the last part is what is left over
                                         bytes += part.bytes;
                                         ++filled;
                                     }
                                 }
                                 return true;
                             });
                writes = splitter.writes();
            });
        });
        std::printf("by_size limit_kb=%lld parts=%d oversized=%d pages=%d in_order=%s largest_fitting=%lld "
                    "held=%s mean_fill=%.2f writes=%d writes_per_part=%.2f cpu_s=%.2f wall_s=%.2f "
                    "cpu_vs_one_file_per_page=%.2f\n",
                    limitKb, parts, oversized, pagesWritten, ordered ? "yes" : "no", largestFitting,
                    largestFitting <= limit ? "yes" : "NO", filled > 0 ? double(bytes) / filled / double(limit) : 0.0,
                    writes, parts ? double(writes) / parts : 0.0, cost.cpu, cost.wall, cost.cpu / perPage.cpu);
    }
    return 0;
}
