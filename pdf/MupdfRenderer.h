#pragma once

/*
 * Page rendering on MuPDF, kept behind a plain C interface.
 *
 * MuPDF reports errors with setjmp/longjmp; all of its calls live in
 * MupdfRenderer.c so that no C++ object is ever alive inside one of its
 * try blocks. A renderer owns one MuPDF context and one open document.
 * A renderer is not thread-safe: its owner serialises the calls.
 */

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SwRenderer SwRenderer;

enum SwRenderStatus {
    SW_RENDER_OK = 0,
    SW_RENDER_FAILED = 1,          /* not a PDF, damaged beyond repair, no memory */
    SW_RENDER_NEEDS_PASSWORD = 2,  /* encrypted and the password did not open it */
    SW_RENDER_BAD_ARGUMENT = 3     /* page out of range, empty size, no buffer */
};

/* Opens path (UTF-8) with password (UTF-8, may be NULL or empty). Returns a
 * renderer, or NULL with *status telling why. The caller closes it. */
SwRenderer *sw_renderer_open(const char *path, const char *password, int *status);

/* Releases the document and the context; NULL is accepted. */
void sw_renderer_close(SwRenderer *renderer);

/* Number of pages, 0 when unknown. */
int sw_renderer_page_count(SwRenderer *renderer);

/* Draws page pageIndex (0-based) scaled to exactly width x height pixels into
 * buffer, 4 bytes per pixel in memory order B, G, R, 0xff (the layout of a
 * 32-bit RGB image on a little-endian machine), on a white background,
 * with page rotation and annotations applied. stride is the byte length of a
 * row (at least width * 4). Lines thinner than one pixel are drawn one pixel
 * wide. Returns a SwRenderStatus. */
int sw_renderer_render(SwRenderer *renderer, int pageIndex, int width, int height,
                       unsigned char *buffer, int stride);

#ifdef __cplusplus
}
#endif
