#pragma once

#include <QString>

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
// it carries no rendering code. Calls are serialised by the service.
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
};
