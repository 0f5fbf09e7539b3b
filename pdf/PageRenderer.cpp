#include "pdf/PageRenderer.h"

#include "pdf/MupdfRenderer.h"
#include "pdf/SourceCache.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <vector>

PageRenderer::PageRenderer(int capacity)
    : m_capacity(qMax(1, capacity))
    , m_stop(sw_stop_new())
{
}

PageRenderer::~PageRenderer()
{
    clear();
    sw_stop_free(m_stop);
}

QSizeF PageRenderer::pageSize(const QString &path, const QString &password, int pageNumber)
{
    SwRenderer *renderer = rendererFor(path, password);
    float width = 0;
    float height = 0;
    if (!renderer || sw_renderer_page_size(renderer, pageNumber - 1, &width, &height) != SW_RENDER_OK)
        return QSizeF();
    return QSizeF(width, height);
}

void PageRenderer::stop()
{
    sw_stop_request(m_stop);
}

QVector<QSizeF> PageRenderer::pageSizes(const QString &path, const QString &password)
{
    SwRenderer *renderer = rendererFor(path, password);
    const int count = renderer ? sw_renderer_page_count(renderer) : 0;
    if (count <= 0)
        return {};
    std::vector<float> points(size_t(count) * 2);
    if (sw_renderer_page_sizes(renderer, points.data(), count) != SW_RENDER_OK)
        return {};
    QVector<QSizeF> sizes;
    sizes.reserve(count);
    for (int i = 0; i < count; ++i)
        sizes.append(QSizeF(points[size_t(i) * 2], points[size_t(i) * 2 + 1]));
    return sizes;
}

void PageRenderer::clear()
{
    for (const Entry &entry : qAsConst(m_entries))
        sw_renderer_close(entry.renderer);
    m_entries.clear();
}

SwRenderer *PageRenderer::rendererFor(const QString &path, const QString &password)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QByteArray stamp = SourceCache::fileStamp(absolute);
    const QByteArray digest = QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha256);
    if (stamp.isEmpty())
        return nullptr;
    for (int i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries.at(i);
        if (entry.path != absolute || entry.passwordHash != digest)
            continue;
        if (entry.stamp == stamp) {
            m_entries.move(i, 0);
            return m_entries.first().renderer;
        }
        sw_renderer_close(entry.renderer); // the file changed
        m_entries.removeAt(i);
        break;
    }
    int status = SW_RENDER_FAILED;
    SwRenderer *renderer = sw_renderer_open(QFile::encodeName(absolute).constData(),
                                            password.toUtf8().constData(), &status);
    if (!renderer)
        return nullptr;
    m_entries.prepend(Entry{absolute, stamp, digest, renderer});
    while (m_entries.size() > m_capacity) {
        sw_renderer_close(m_entries.last().renderer);
        m_entries.removeLast();
    }
    return renderer;
}

bool PageRenderer::render(const QString &path, const QString &password, int pageNumber, const PageBitmap &bitmap)
{
    const qint64 maximumPixels = 64 * 1000 * 1000;   // A0 at 72 dpi is 8 million pixels
    if (pageNumber < 1 || !bitmap.isValid() || qint64(bitmap.width) * bitmap.height > maximumPixels)
        return false;
    SwRenderer *renderer = rendererFor(path, password);
    if (!renderer)
        return false;
    return sw_renderer_render(renderer, pageNumber - 1, bitmap.width, bitmap.height, bitmap.pixels, bitmap.stride,
                              m_stop)
           == SW_RENDER_OK;
}
