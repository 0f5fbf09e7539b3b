#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class PageRendering;

// Draws small pictures of one document's pages on background threads, for
// the page grid: first the page sizes, then the pages asked for, in the
// order asked. Each drawing thread has a renderer of its own (MuPDF keeps
// its state per context and per document, so renderers that share nothing
// draw side by side without a lock, and without the PDF service's lock that
// the interface thread may be waiting on); the drawing threads yield to the
// interface thread when both want a core. Nothing here ever waits for a
// drawing thread: results come back as queued signals, and stop() or the
// destructor return at once, leaving the threads to end on their own.
// Interface thread only.
class PagePictureLoader : public QObject
{
    Q_OBJECT
public:
    using RendererFactory = std::function<std::unique_ptr<PageRendering>()>;
    using LabelReader = std::function<QStringList(const QString &path, const QString &password)>;

    // factory: makes a renderer for a drawing thread (called on that thread).
    // threads: how many pages are drawn at once, at least 1. labels: reads
    // the page labels (may be empty: no labels are read); it runs on a
    // drawing thread, beside the pictures.
    PagePictureLoader(RendererFactory factory, int threads, LabelReader labels = {}, QObject *parent = nullptr);
    // Stops (see stop()); never waits for a drawing thread.
    ~PagePictureLoader() override;

    // Forgets the previous file and starts reading the page sizes of path,
    // opened with password: sizesRead() or openFailed() follows, and
    // labelsRead() when a label reader was given. Pages asked for before the
    // sizes arrive are drawn meanwhile, each measured on its own.
    void open(const QString &path, const QString &password);

    // Replaces the pages waiting to be drawn by pages (1-based), drawn in
    // this order, each as large as fits into box (device pixels) with the
    // page's shape. Pages being drawn now are finished first.
    void request(const QVector<int> &pages, const QSize &box);

    // Stops at once: forgets the waiting pages, tells the renderers drawing
    // now to give up, and drops every result not yet delivered, so no
    // picture arrives after this. open() starts afresh.
    void stop();

    // How many drawing threads still run for this loader, including those
    // stopped and not yet ended (for tests and measurements).
    int runningThreads() const;
    // Threads of every loader at work now, the stopped ones that have not
    // ended yet included.
    static int busyDrawingThreads();

    // The size of the picture request() draws of a page of pageSize (points)
    // for box: the page scaled to fit, at least one pixel each way.
    static QSize fittedSize(const QSizeF &pageSize, const QSize &box);

signals:
    // Every page's size in points, in page order (empty sizes for pages
    // whose size could not be read).
    void sizesRead(QVector<QSizeF> sizes);
    // The file could not be opened with the password given.
    void openFailed();
    // Every page's label, "" where the document gives none.
    void labelsRead(QStringList labels);
    void pictureReady(int page, QImage picture);
    // The page could not be drawn (damaged); the other pages go on.
    void pictureFailed(int page);

private:
    struct Shared;
    void startThreads();

    std::shared_ptr<Shared> m_shared;
};
