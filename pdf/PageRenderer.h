#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

struct SwRenderer;

// Renders pages with MuPDF (through the C module MupdfRenderer). Open MuPDF
// documents are kept for the files rendered last, keyed by path, file stamp
// and password, so a viewer that paints page after page opens its file once.
// Not thread-safe: the owner serialises calls.
class PageRenderer
{
public:
    explicit PageRenderer(int capacity = 3);
    ~PageRenderer();
    PageRenderer(const PageRenderer &) = delete;
    PageRenderer &operator=(const PageRenderer &) = delete;

    // Page pageNumber (1-based) of the file at path, opened with password,
    // drawn to exactly size (RGB32, white background, rotation applied). A
    // null image when the file, the password or the page is refused.
    QImage render(const QString &path, const QString &password, int pageNumber, const QSize &size);

    // Closes every open document (for example before a file is replaced).
    void clear();
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
};
