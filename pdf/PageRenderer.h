#pragma once

#include "pdf/PageRendering.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct SwRenderer;
struct SwStop;

// Renders pages with MuPDF (through the C module MupdfRenderer). Open MuPDF
// documents are kept for the files rendered last, keyed by path, file stamp
// and password, so a viewer that paints page after page opens its file once.
// Not thread-safe: the owner serialises calls (stop() excepted).
class PageRenderer : public PageRendering
{
public:
    explicit PageRenderer(int capacity = 3);
    ~PageRenderer() override;
    PageRenderer(const PageRenderer &) = delete;
    PageRenderer &operator=(const PageRenderer &) = delete;

    // Refuses bitmaps above 64 million pixels (a damaged page box must not
    // ask for gigabytes).
    bool render(const QString &path, const QString &password, int pageNumber, const PageBitmap &bitmap) override;

    // Closes every open document (for example before a file is replaced).
    void clear() override;
    QVector<QSizeF> pageSizes(const QString &path, const QString &password) override;
    QSizeF pageSize(const QString &path, const QString &password, int pageNumber) override;
    void stop() override;
    int openDocuments() const { return m_entries.size(); }

private:
    struct Entry
    {
        QString path;
        QByteArray stamp;
        QByteArray passwordHash;
        SwRenderer *renderer = nullptr;
    };
    SwRenderer *rendererFor(const QString &path, const QString &password);

    QList<Entry> m_entries; // most recently used first
    int m_capacity;
    SwStop *m_stop = nullptr; // shared by every render of this renderer
};
