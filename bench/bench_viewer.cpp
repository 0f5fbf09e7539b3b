// Scrolls the page viewer through a large generated document offscreen and
// reports how long pages take to render and the longest single paint.
//
//   bench_viewer [pages] [work folder]
//
// Prints key=value lines that bench/run.sh turns into a summary.
#include "app/Application.h"
#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"
#include "widgets/Page.h"
#include "widgets/PageView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmapCache>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// A short document with text, lines and filled shapes on every page.
bool writeBaseDocument(const QString &path, int pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    painter.setFont(font);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            writer.newPage();
        painter.drawText(40, 50, QStringLiteral("Generated page %1").arg(page));
        for (int line = 0; line < 50; ++line)
            painter.drawText(40, 80 + line * 14,
                             QStringLiteral("Line %1 of the body text, with enough words to fill a row of the page.")
                                 .arg(line + 1));
        painter.setBrush(QColor(40 * page % 255, 120, 200));
        painter.drawEllipse(QRectF(380, 600, 120, 120));
        painter.drawRect(QRectF(60, 620, 200, 80));
    }
    return true;
}

// Repeats the base document's pages with the qpdf command until count pages.
bool multiplyPages(const QString &base, int basePages, int count, const QString &output)
{
    QStringList arguments{QStringLiteral("--empty"), QStringLiteral("--pages")};
    for (int done = 0; done < count; done += basePages) {
        const int last = std::min(basePages, count - done);
        arguments << base << QStringLiteral("1-%1").arg(last);
    }
    arguments << QStringLiteral("--") << output;
    return QProcess::execute(QStringLiteral("qpdf"), arguments) == 0;
}

// CPU time of this thread in milliseconds: on a shared, loaded machine the
// wall clock also counts the time other processes ran.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Wall and CPU time of one stretch of work.
struct Stopwatch {
    QElapsedTimer wall;
    double cpuStart = 0;
    void start()
    {
        wall.start();
        cpuStart = threadCpuMs();
    }
    double wallMs() const { return wall.nsecsElapsed() / 1e6; }
    double cpuMs() const { return threadCpuMs() - cpuStart; }
};

struct Pass {
    double totalMs = 0;
    double totalCpuMs = 0;
    double longestMs = 0;
    double longestCpuMs = 0;
    int longestPage = 0;
    int paints = 0;
};

// Scrolls page by page to the top of each page and repaints synchronously.
Pass scrollThrough(PageView &view, const QList<Page *> &pages)
{
    Pass pass;
    QScrollBar *bar = view.scrollArea()->verticalScrollBar();
    QWidget *viewport = view.scrollArea()->viewport();
    Stopwatch watch;
    for (Page *page : pages) {
        watch.start();
        bar->setValue(page->y());
        viewport->repaint();
        const double ms = watch.wallMs();
        const double cpuMs = watch.cpuMs();
        pass.totalMs += ms;
        pass.totalCpuMs += cpuMs;
        ++pass.paints;
        pass.longestMs = std::max(pass.longestMs, ms);
        if (cpuMs > pass.longestCpuMs) {
            pass.longestCpuMs = cpuMs;
            pass.longestPage = page->pageNumber();
        }
    }
    return pass;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    QPixmapCache::setCacheLimit(102400);
    const int pageCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();
    QDir().mkpath(folder);

    const QString base = folder + QStringLiteral("/base.pdf");
    const QString big = folder + QStringLiteral("/viewer-%1.pdf").arg(pageCount);
    const int basePages = 10;
    if (!QFileInfo::exists(big)) {
        if (!writeBaseDocument(base, basePages) || !multiplyPages(base, basePages, pageCount, big)) {
            std::fprintf(stderr, "could not generate the document\n");
            return 1;
        }
    }

    PageView view;
    view.resize(qEnvironmentVariableIntValue("VIEW_WIDTH") > 0 ? qEnvironmentVariableIntValue("VIEW_WIDTH") : 660, 560);
    view.show();
    QCoreApplication::processEvents();

    Stopwatch timer;
    timer.start();
    if (!view.open(big, QString())) {
        std::fprintf(stderr, "could not open %s\n", qPrintable(big));
        return 1;
    }
    const double openMs = timer.wallMs();
    const double openCpuMs = timer.cpuMs();
    timer.start();
    QCoreApplication::processEvents(); // first layout of the full column
    const double layoutMs = timer.wallMs();
    const double layoutCpuMs = timer.cpuMs();

    QList<Page *> pages = view.findChildren<Page *>();
    std::sort(pages.begin(), pages.end(), [](Page *a, Page *b) { return a->pageNumber() < b->pageNumber(); });

    const Pass first = scrollThrough(view, pages);
    // Back over the last pages, as many as the cache holds (about 2 MB each
    // at 72 dpi): these are only looked up.
    const int pageBytes = std::max(1, pages.last()->width() * pages.last()->height() * 4);
    const int cachedPages = std::max(1, int(qint64(QPixmapCache::cacheLimit()) * 1024 / pageBytes / 2));
    QList<Page *> tail = pages.mid(std::max(0, pages.size() - cachedPages));
    std::reverse(tail.begin(), tail.end());
    QPixmap probe;
    const bool tailCached = QPixmapCache::find(tail.first()->cacheKey(), &probe);
    const Pass cached = scrollThrough(view, tail);

    // Rendering alone, without the widget: the service's cost per page.
    auto document = std::make_shared<DebenuDocument>(app.pdfService(), big, QString(), false);
    const int sample = std::min(200, pageCount);
    timer.start();
    for (int page = 1; page <= sample; ++page)
        document->pagePixmap(page);
    const double renderOnlyMs = timer.wallMs() / sample;
    const double renderOnlyCpuMs = timer.cpuMs() / sample;

    std::printf("document=%s\n", qPrintable(big));
    std::printf("pages=%d\n", int(pages.size()));
    // *_ms: wall clock; *_cpu_ms: CPU time of the interface thread.
    std::printf("open_ms=%.1f\nopen_cpu_ms=%.1f\n", openMs, openCpuMs);
    std::printf("first_layout_ms=%.1f\nfirst_layout_cpu_ms=%.1f\n", layoutMs, layoutCpuMs);
    std::printf("first_pass_paints=%d\n", first.paints);
    std::printf("first_pass_ms_per_page=%.3f\n", first.totalMs / std::max(1, first.paints));
    std::printf("first_pass_cpu_ms_per_page=%.3f\n", first.totalCpuMs / std::max(1, first.paints));
    std::printf("longest_paint_ms=%.3f\n", first.longestMs);
    std::printf("longest_paint_cpu_ms=%.3f\nlongest_paint_page=%d\n", first.longestCpuMs, first.longestPage);
    std::printf("cached_pass_pages=%d\ncached_pass_first_in_cache=%d\n", cached.paints, int(tailCached));
    std::printf("cached_pass_ms_per_page=%.3f\n", cached.totalMs / std::max(1, cached.paints));
    std::printf("cached_pass_cpu_ms_per_page=%.3f\n", cached.totalCpuMs / std::max(1, cached.paints));
    std::printf("render_only_ms_per_page=%.3f\nrender_only_cpu_ms_per_page=%.3f\n", renderOnlyMs, renderOnlyCpuMs);
    return 0;
}
