#include "pdf/DebenuDocument.h"

#include "pdf/DebenuService.h"
#include "pdf/PageRendering.h"

#include <QGuiApplication>
#include <QThread>

DebenuDocument::DebenuDocument(std::shared_ptr<DebenuService> service, const QString &path,
                               const QString &password, bool bigData, QObject *parent)
    : QObject(parent)
    , m_service(std::move(service))
    , m_bigData(bigData)
{
    if (m_service)
        m_loaded = m_service->loadFile(path, password, &m_documentId, &m_needsPassword, m_bigData);
}

DebenuDocument::~DebenuDocument()
{
    if (m_service)
        m_service->closeDocument(m_documentId, m_bigData);
    m_documentId = 0;
    m_service.reset();
}

bool DebenuDocument::isEncrypted() const
{
    return m_service && m_service->isEncrypted(m_documentId, m_bigData);
}

bool DebenuDocument::contentCopyPermitted() const
{
    return m_service && m_service->contentCopyPermitted(m_documentId);
}

int DebenuDocument::pageCount() const
{
    return m_service ? m_service->pageCount(m_documentId, m_bigData) : 0;
}

QSize DebenuDocument::pageSize(int page) const
{
    return m_service ? m_service->pageSize(m_documentId, page, m_bigData) : QSize();
}

QString DebenuDocument::documentTitle() const
{
    return m_service ? m_service->documentTitle(m_documentId, m_bigData) : QString();
}

bool DebenuDocument::saveDocument(const QString &path) const
{
    return m_service && m_service->saveDocument(m_documentId, path, m_bigData);
}

bool DebenuDocument::setDocumentProperties(const QString &author, const QString &title,
                                           const QString &password, const QString &creator,
                                           const QString &producer) const
{
    return m_service
           && m_service->setDocumentProperties(m_documentId, author, title, password, creator, producer,
                                               m_bigData);
}

QImage DebenuDocument::pageImage(int page) const
{
    return drawPage(page, false);
}

QPixmap DebenuDocument::pagePixmap(int page) const
{
    const bool guiThread = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                           && QThread::currentThread() == QCoreApplication::instance()->thread();
    if (!guiThread)
        return QPixmap();
    return QPixmap::fromImage(pageImage(page));
}

QImage DebenuDocument::firstPageImage() const
{
    return drawPage(1, m_bigData);
}

QImage DebenuDocument::drawPage(int page, bool bigData) const
{
    if (!m_service)
        return QImage();
    const QSize size = m_service->pageSize(m_documentId, page, bigData);
    if (size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();   // too large to allocate
    const PageBitmap bitmap{image.width(), image.height(), int(image.bytesPerLine()), image.bits()};
    return m_service->renderPage(m_documentId, page, bigData, bitmap) ? image : QImage();
}
