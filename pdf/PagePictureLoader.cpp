#include "pdf/PagePictureLoader.h"

#include "pdf/PageRendering.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QThreadPool>

#include <cmath>
#include <deque>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

// Drawing runs on threads of its own that the scheduler serves after the
// interface thread: on a machine with few cores the interface gets a core
// first when both want one, and scrolling stays smooth while pages are drawn.
Q_GLOBAL_STATIC(QThreadPool, drawingPool)

// A nice value of 5 for the calling thread (Linux keeps one per thread).
// Raising it needs no privilege; lowering it again would, which is why the
// drawing threads are a pool of their own.
void yieldToInterface()
{
#ifdef Q_OS_LINUX
    const int drawingNice = 5;
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), drawingNice);
#endif
}

// One thread more than there are cores: the page sizes are read beside the
// drawing of the first pages, not before it.
QThreadPool *drawingThreads()
{
    static const bool sized = [] {
        drawingPool()->setMaxThreadCount(QThread::idealThreadCount() + 1);
        return true;
    }();
    Q_UNUSED(sized)
    return drawingPool();
}

// Starts work on a drawing thread.
template <typename Work>
void startDrawingThread(Work work, int priority = 0)
{
    drawingThreads()->start(
        [work]() {
            yieldToInterface();
            work();
        },
        priority);
}

} // namespace

// What the loader and its drawing threads share. The threads hold it by a
// shared pointer, so it outlives a loader that is deleted while they draw;
// receiver is cleared then, and nothing is delivered any more.
struct PagePictureLoader::Shared
{
    using Pointer = std::shared_ptr<Shared>;
    using Renderers = std::vector<std::unique_ptr<PageRendering>>;

    QMutex mutex;
    RendererFactory factory;
    LabelReader labels;
    int maxThreads = 1;
    PagePictureLoader *receiver = nullptr;

    // Everything below belongs to one generation: open() and stop() start
    // the next, and threads of an older one stop taking work and deliver
    // nothing.
    quint64 generation = 0;
    QString path;
    QString password;
    bool sizesKnown = false;
    QVector<QSizeF> sizes;
    std::deque<int> waiting;
    QSize box;
    int runningNow = 0;               // threads of this generation
    int runningAll = 0;               // threads of any generation
    QList<PageRendering *> drawing;   // renderers inside render() now
    Renderers idle;                   // kept open for the next pages

    // Posts call to the receiver's thread when it still exists and gen is
    // still the current generation, checked again on arrival. Lock held.
    template <typename Call>
    void deliver(quint64 gen, Call call)
    {
        if (!receiver || gen != generation)
            return;
        PagePictureLoader *target = receiver;
        QMetaObject::invokeMethod(
            target,
            [target, gen, call]() {
                if (target->m_shared->currentGeneration() == gen)
                    call(target);
            },
            Qt::QueuedConnection);
    }

    quint64 currentGeneration()
    {
        QMutexLocker lock(&mutex);
        return generation;
    }

    // Hands renderers to a pool thread to be closed: closing a document frees
    // its memory, which the interface thread should not spend its time on.
    static void closeElsewhere(Renderers renderers)
    {
        if (renderers.empty())
            return;
        auto doomed = std::make_shared<Renderers>(std::move(renderers));
        startDrawingThread([doomed]() { doomed->clear(); });
    }

    // A renderer for a drawing thread: one kept open from earlier pages of
    // this generation, or a new one. Lock not held.
    std::unique_ptr<PageRendering> takeRenderer()
    {
        {
            QMutexLocker lock(&mutex);
            if (!idle.empty()) {
                std::unique_ptr<PageRendering> renderer = std::move(idle.back());
                idle.pop_back();
                return renderer;
            }
        }
        return factory ? factory() : nullptr;
    }

    // Ends a drawing thread: its renderer is kept for later pages when its
    // generation is still current, else closed here, on this thread.
    void endThread(quint64 gen, std::unique_ptr<PageRendering> renderer)
    {
        QMutexLocker lock(&mutex);
        --runningAll;
        if (gen != generation)
            return; // the renderer closes when this returns, after the unlock
        --runningNow;
        if (renderer && int(idle.size()) < maxThreads)
            idle.push_back(std::move(renderer));
    }

    // Draws waiting pages one after another until none is left or the
    // generation ends.
    static void drawPages(const Pointer &shared, quint64 gen)
    {
        std::unique_ptr<PageRendering> renderer = shared->takeRenderer();
        while (renderer) {
            int page = 0;
            QSizeF pageSize;
            QSize box;
            QString file;
            QString secret;
            {
                QMutexLocker lock(&shared->mutex);
                if (gen != shared->generation || shared->waiting.empty())
                    break;
                page = shared->waiting.front();
                shared->waiting.pop_front();
                pageSize = shared->sizes.value(page - 1);
                box = shared->box;
                file = shared->path;
                secret = shared->password;
                shared->drawing.append(renderer.get());
            }
            // The first pages are drawn while the sizes of all are still being read.
            if (pageSize.isEmpty())
                pageSize = renderer->pageSize(file, secret, page);
            QImage picture(fittedSize(pageSize, box), QImage::Format_RGB32);
            const PageBitmap bitmap{picture.width(), picture.height(), int(picture.bytesPerLine()), picture.bits()};
            const bool drawn = !picture.isNull() && renderer->render(file, secret, page, bitmap);
            QMutexLocker lock(&shared->mutex);
            shared->drawing.removeOne(renderer.get());
            if (drawn)
                shared->deliver(gen, [page, picture](PagePictureLoader *loader) { emit loader->pictureReady(page, picture); });
            else
                shared->deliver(gen, [page](PagePictureLoader *loader) { emit loader->pictureFailed(page); });
        }
        shared->endThread(gen, std::move(renderer));
    }

    // Reads the page sizes, beside the drawing of the first pages; its
    // renderer is then kept for the drawing.
    static void readSizes(const Pointer &shared, quint64 gen)
    {
        std::unique_ptr<PageRendering> renderer = shared->takeRenderer();
        QString file;
        QString secret;
        {
            QMutexLocker lock(&shared->mutex);
            file = shared->path;
            secret = shared->password;
        }
        const QVector<QSizeF> read = renderer ? renderer->pageSizes(file, secret) : QVector<QSizeF>();
        {
            QMutexLocker lock(&shared->mutex);
            --shared->runningAll;
            if (gen != shared->generation)
                return; // the renderer closes when this returns, after the unlock
            shared->sizes = read;
            shared->sizesKnown = true;
            if (read.isEmpty())
                shared->deliver(gen, [](PagePictureLoader *loader) { emit loader->openFailed(); });
            else
                shared->deliver(gen, [read](PagePictureLoader *loader) { emit loader->sizesRead(read); });
            if (renderer && int(shared->idle.size()) < shared->maxThreads)
                shared->idle.push_back(std::move(renderer));
        }
        startLabels(shared, gen);
    }

    // Labels are a nicety: read after the first pictures, by a thread that
    // the drawing threads are served before.
    static void startLabels(const Pointer &shared, quint64 gen)
    {
        if (!shared->labels)
            return;
        {
            QMutexLocker lock(&shared->mutex);
            if (gen != shared->generation || shared->sizes.isEmpty())
                return;
            ++shared->runningAll;
        }
        const int afterDrawing = -1;
        startDrawingThread([shared, gen]() { readLabels(shared, gen); }, afterDrawing);
    }

    static void readLabels(const Pointer &shared, quint64 gen)
    {
        QString file;
        QString secret;
        {
            QMutexLocker lock(&shared->mutex);
            file = shared->path;
            secret = shared->password;
        }
        const QStringList read = gen == shared->currentGeneration() ? shared->labels(file, secret) : QStringList();
        QMutexLocker lock(&shared->mutex);
        --shared->runningAll;
        shared->deliver(gen, [read](PagePictureLoader *loader) { emit loader->labelsRead(read); });
    }

    // Starts drawing threads while pages wait and fewer than the most
    // allowed run, unless the file turned out to be unreadable.
    static void startDrawing(const Pointer &shared)
    {
        QMutexLocker lock(&shared->mutex);
        if (shared->sizesKnown && shared->sizes.isEmpty())
            return;
        const quint64 gen = shared->generation;
        while (shared->runningNow < shared->maxThreads && int(shared->waiting.size()) > shared->runningNow) {
            ++shared->runningNow;
            ++shared->runningAll;
            startDrawingThread([shared, gen]() { drawPages(shared, gen); });
        }
    }
};

PagePictureLoader::PagePictureLoader(RendererFactory factory, int threads, LabelReader labels, QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    m_shared->factory = std::move(factory);
    m_shared->labels = std::move(labels);
    m_shared->maxThreads = qMax(1, threads);
    m_shared->receiver = this;
    qRegisterMetaType<QVector<QSizeF>>();
}

PagePictureLoader::~PagePictureLoader()
{
    stop();
    QMutexLocker lock(&m_shared->mutex);
    m_shared->receiver = nullptr;
}

void PagePictureLoader::open(const QString &path, const QString &password)
{
    stop();
    quint64 gen = 0;
    {
        QMutexLocker lock(&m_shared->mutex);
        gen = m_shared->generation;
        m_shared->path = path;
        m_shared->password = password;
        ++m_shared->runningAll;
    }
    const Shared::Pointer shared = m_shared;
    startDrawingThread([shared, gen]() { Shared::readSizes(shared, gen); });
}

void PagePictureLoader::request(const QVector<int> &pages, const QSize &box)
{
    {
        QMutexLocker lock(&m_shared->mutex);
        m_shared->waiting.assign(pages.cbegin(), pages.cend());
        m_shared->box = box;
    }
    startThreads();
}

void PagePictureLoader::startThreads()
{
    Shared::startDrawing(m_shared);
}

void PagePictureLoader::stop()
{
    Shared::Renderers idle;
    {
        QMutexLocker lock(&m_shared->mutex);
        ++m_shared->generation;
        m_shared->path.clear();
        m_shared->password.clear();
        m_shared->sizesKnown = false;
        m_shared->sizes.clear();
        m_shared->waiting.clear();
        m_shared->runningNow = 0;
        for (PageRendering *renderer : qAsConst(m_shared->drawing))
            renderer->stop();
        m_shared->drawing.clear();
        idle.swap(m_shared->idle);
    }
    Shared::closeElsewhere(std::move(idle));
}

int PagePictureLoader::busyDrawingThreads()
{
    return drawingPool()->activeThreadCount();
}

int PagePictureLoader::runningThreads() const
{
    QMutexLocker lock(&m_shared->mutex);
    return m_shared->runningAll;
}

QSize PagePictureLoader::fittedSize(const QSizeF &pageSize, const QSize &box)
{
    // A page without a readable size is drawn in the shape of A4.
    const QSizeF page = pageSize.isEmpty() ? QSizeF(595, 842) : pageSize;
    const QSizeF fitted = page.scaled(QSizeF(qMax(1, box.width()), qMax(1, box.height())), Qt::KeepAspectRatio);
    return QSize(qMax(1, int(std::lround(fitted.width()))), qMax(1, int(std::lround(fitted.height()))));
}
