#pragma once

#include <QSizeF>
#include <QString>
#include <QVector>

// Memory a page is drawn into: width x height pixels of 4 bytes each, in
// memory order B, G, R, 0xff (a 32-bit RGB image on a little-endian
// machine), rows of stride bytes. The memory belongs to the caller.
struct PageBitmap
{
    int width = 0;
    int height = 0;
    int stride = 0;
    unsigned char *pixels = nullptr;

    bool isValid() const { return width > 0 && height > 0 && stride >= width * 4 && pixels; }
};

// What draws pages for the PDF service. The program installs one at
// start-up (DebenuService::installRenderer); the worker installs none, so
// it carries no rendering code. Calls are serialised by the service. The
// page grid gives each of its drawing threads a renderer of its own: one
// renderer is used by one thread at a time, stop() excepted.
class PageRendering
{
public:
    virtual ~PageRendering() = default;

    // Draws page pageNumber (1-based) of the file at path, opened with
    // password, scaled to exactly the bitmap's size, on a white background
    // with the page's rotation applied. False when the file, the password or
    // the page is refused (the bitmap's content is then unspecified).
    virtual bool render(const QString &path, const QString &password, int pageNumber,
                        const PageBitmap &bitmap) = 0;

    // Closes whatever is kept open between calls (before files change).
    virtual void clear() = 0;

    // The size in points of every page of the file, as render() draws it
    // (crop box, rotation applied), in page order: cheap, no page content is
    // read. A page whose size cannot be read has an empty size. Empty when
    // the file or the password is refused.
    virtual QVector<QSizeF> pageSizes(const QString &path, const QString &password) = 0;
    // The size of page pageNumber (1-based) alone, as pageSizes() gives it:
    // for a page wanted before all sizes are read. Empty on failure.
    virtual QSizeF pageSize(const QString &path, const QString &password, int pageNumber) = 0;

    // Makes a render() running on another thread give up soon and answer
    // false, and every later render() refuse at once: a stopped renderer
    // stays stopped. The one call that may come from another thread.
    virtual void stop() = 0;
};
