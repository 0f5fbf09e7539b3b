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

/* A request to stop, shared by the renders it is passed to. */
typedef struct SwStop SwStop;

enum SwRenderStatus {
    SW_RENDER_OK = 0,
    SW_RENDER_FAILED = 1,          /* not a PDF, damaged beyond repair, no memory */
    SW_RENDER_NEEDS_PASSWORD = 2,  /* encrypted and the password did not open it */
    SW_RENDER_BAD_ARGUMENT = 3,    /* page out of range, empty size, no buffer */
    SW_RENDER_STOPPED = 4          /* given up on request (see sw_stop_request) */
};

/* Opens path (UTF-8) with password (UTF-8, may be NULL or empty). Returns a
 * renderer, or NULL with *status telling why. The caller closes it. */
SwRenderer *sw_renderer_open(const char *path, const char *password, int *status);

/* Releases the document and the context; NULL is accepted. */
void sw_renderer_close(SwRenderer *renderer);

/* Number of pages, 0 when unknown. */
int sw_renderer_page_count(SwRenderer *renderer);

/* Writes the size in points of the first count pages, as sw_renderer_render
 * draws them (crop box, rotation applied), into sizes: width and height of
 * page i at sizes[2 * i] and sizes[2 * i + 1]; 0 and 0 for a page whose size
 * cannot be read. Reads the page dictionaries only, never their content.
 * Returns a SwRenderStatus. */
int sw_renderer_page_sizes(SwRenderer *renderer, float *sizes, int count);

/* The size in points of page pageIndex (0-based) as sw_renderer_render draws
 * it, into *width and *height. Loads that page only (not its content).
 * Returns a SwRenderStatus. */
int sw_renderer_page_size(SwRenderer *renderer, int pageIndex, float *width, float *height);

/* A fresh request to stop, not yet made; NULL when out of memory. */
SwStop *sw_stop_new(void);
/* NULL is accepted. No render may still use it. */
void sw_stop_free(SwStop *stop);
/* Makes the request: renders given stop give up as soon as MuPDF looks at it
 * and answer SW_RENDER_STOPPED, and later ones refuse at once. The one call
 * that may come from another thread than the render's. */
void sw_stop_request(SwStop *stop);

/* Draws page pageIndex (0-based) scaled to exactly width x height pixels into
 * buffer, 4 bytes per pixel in memory order B, G, R, 0xff (the layout of a
 * 32-bit RGB image on a little-endian machine), on a white background,
 * with page rotation and annotations applied. stride is the byte length of a
 * row (at least width * 4). Lines thinner than one pixel are drawn one pixel
 * wide. stop (may be NULL) ends the render early when requested. Returns a
 * SwRenderStatus. */
int sw_renderer_render(SwRenderer *renderer, int pageIndex, int width, int height,
                       unsigned char *buffer, int stride, SwStop *stop);

/* Writes a repaired copy of input (UTF-8 path) to output: MuPDF rebuilds a
 * damaged cross-reference table while it opens the file, and the copy is
 * written whole (never incrementally) with unused objects dropped and the
 * rest renumbered; an encrypted input stays encrypted as it was. input is
 * only read. *pages (may be NULL) receives the number of pages the copy has.
 * Returns a SwRenderStatus: SW_RENDER_FAILED also when nothing of a page
 * could be found, or the copy could not be written (it is then removed).
 * Cost: reads and writes every object of the file once; own context, so it
 * may run on any thread. */
int sw_repair_copy(const char *input, const char *password, const char *output, int *pages);

#ifdef __cplusplus
}
#endif
