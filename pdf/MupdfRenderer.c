/*
 * Every MuPDF call of the program lives in this file (see MupdfRenderer.h).
 * Rules kept here because MuPDF unwinds errors with longjmp: variables that
 * change inside fz_try and are read afterwards are marked with fz_var, and
 * nothing returns from inside fz_try or fz_always.
 */
#include "pdf/MupdfRenderer.h"

#include <mupdf/fitz.h>
#include <mupdf/pdf.h>

#include <stdio.h>
#include <stdlib.h>

struct SwRenderer {
    fz_context *ctx;
    fz_document *doc;
};

/* MuPDF looks at the cookie's abort field while it draws. */
struct SwStop {
    fz_cookie cookie;
};

/* The store keeps decoded fonts and images between pages of one document. */
enum { SW_STORE_BYTES = 64 << 20 };

static void sw_quiet(void *user, const char *message)
{
    (void)user;
    (void)message;
}

static fz_context *sw_new_context(void)
{
    fz_context *ctx = fz_new_context(NULL, NULL, SW_STORE_BYTES);
    if (!ctx)
        return NULL;
    /* Damaged files make MuPDF chatty; the callers report failures themselves. */
    fz_set_error_callback(ctx, sw_quiet, NULL);
    fz_set_warning_callback(ctx, sw_quiet, NULL);
    /* Thin table rules would vanish at 72 dpi without a floor of one pixel. */
    fz_set_graphics_min_line_width(ctx, 1.0f);
    return ctx;
}

SwRenderer *sw_renderer_open(const char *path, const char *password, int *status)
{
    fz_context *ctx;
    fz_document *doc = NULL;
    int result = SW_RENDER_OK;
    SwRenderer *renderer;

    if (!path || !*path) {
        if (status)
            *status = SW_RENDER_BAD_ARGUMENT;
        return NULL;
    }
    ctx = sw_new_context();
    if (!ctx) {
        if (status)
            *status = SW_RENDER_FAILED;
        return NULL;
    }

    fz_var(doc);
    fz_var(result);
    fz_try(ctx) {
        doc = (fz_document *)pdf_open_document(ctx, path);
        if (fz_needs_password(ctx, doc)
            && !fz_authenticate_password(ctx, doc, password ? password : ""))
            result = SW_RENDER_NEEDS_PASSWORD;
    }
    fz_catch(ctx) {
        result = SW_RENDER_FAILED;
    }

    if (result != SW_RENDER_OK) {
        fz_drop_document(ctx, doc);
        fz_drop_context(ctx);
        if (status)
            *status = result;
        return NULL;
    }

    renderer = (SwRenderer *)malloc(sizeof(SwRenderer));
    if (!renderer) {
        fz_drop_document(ctx, doc);
        fz_drop_context(ctx);
        if (status)
            *status = SW_RENDER_FAILED;
        return NULL;
    }
    renderer->ctx = ctx;
    renderer->doc = doc;
    if (status)
        *status = SW_RENDER_OK;
    return renderer;
}

void sw_renderer_close(SwRenderer *renderer)
{
    if (!renderer)
        return;
    fz_drop_document(renderer->ctx, renderer->doc);
    fz_drop_context(renderer->ctx);
    free(renderer);
}

int sw_renderer_page_count(SwRenderer *renderer)
{
    int count = 0;
    if (!renderer)
        return 0;
    fz_var(count);
    fz_try(renderer->ctx) {
        count = fz_count_pages(renderer->ctx, renderer->doc);
    }
    fz_catch(renderer->ctx) {
        count = 0;
    }
    return count;
}

/* The size of one page as drawn; 0 and 0 when its dictionary is damaged.
 * The page tree must be loaded (pdf_load_page_tree): the page object then
 * comes with a reference of its own, dropped here. */
static void sw_page_size(fz_context *ctx, pdf_document *pdf, int pageIndex, float *width, float *height)
{
    pdf_obj *page = NULL;

    *width = 0;
    *height = 0;
    fz_var(page);
    fz_try(ctx) {
        fz_rect box;
        fz_matrix transform;
        fz_rect drawn;
        page = pdf_lookup_page_obj(ctx, pdf, pageIndex);
        pdf_page_obj_transform(ctx, page, &box, &transform);
        drawn = fz_transform_rect(box, transform);
        *width = drawn.x1 - drawn.x0;
        *height = drawn.y1 - drawn.y0;
    }
    fz_always(ctx) {
        pdf_drop_obj(ctx, page);
    }
    fz_catch(ctx) {
        *width = 0;
        *height = 0;
    }
}

int sw_renderer_page_sizes(SwRenderer *renderer, float *sizes, int count)
{
    fz_context *ctx;
    pdf_document *pdf;
    int result = SW_RENDER_OK;
    int i;

    if (!renderer || !sizes || count < 0)
        return SW_RENDER_BAD_ARGUMENT;
    ctx = renderer->ctx;
    pdf = pdf_specifics(ctx, renderer->doc);
    if (!pdf)
        return SW_RENDER_FAILED;

    fz_var(result);
    fz_try(ctx) {
        /* One walk of the page tree instead of one per page. */
        pdf_load_page_tree(ctx, pdf);
    }
    fz_catch(ctx) {
        result = SW_RENDER_FAILED;
    }
    if (result != SW_RENDER_OK)
        return result;
    for (i = 0; i < count; ++i)
        sw_page_size(ctx, pdf, i, &sizes[2 * i], &sizes[2 * i + 1]);
    pdf_drop_page_tree(ctx, pdf);
    return SW_RENDER_OK;
}

int sw_renderer_page_size(SwRenderer *renderer, int pageIndex, float *width, float *height)
{
    fz_context *ctx;
    fz_page *page = NULL;
    int result = SW_RENDER_OK;

    if (!renderer || !width || !height || pageIndex < 0 || pageIndex >= sw_renderer_page_count(renderer))
        return SW_RENDER_BAD_ARGUMENT;
    *width = 0;
    *height = 0;
    ctx = renderer->ctx;
    fz_var(page);
    fz_var(result);
    fz_try(ctx) {
        fz_rect bounds;
        page = fz_load_page(ctx, renderer->doc, pageIndex);
        bounds = fz_bound_page(ctx, page);
        *width = bounds.x1 - bounds.x0;
        *height = bounds.y1 - bounds.y0;
    }
    fz_always(ctx) {
        fz_drop_page(ctx, page);
    }
    fz_catch(ctx) {
        result = SW_RENDER_FAILED;
    }
    return result;
}

SwStop *sw_stop_new(void)
{
    return (SwStop *)calloc(1, sizeof(SwStop));
}

void sw_stop_free(SwStop *stop)
{
    free(stop);
}

void sw_stop_request(SwStop *stop)
{
    if (stop)
        __atomic_store_n(&stop->cookie.abort, 1, __ATOMIC_RELAXED);
}

static int sw_stop_requested(SwStop *stop)
{
    return stop && __atomic_load_n(&stop->cookie.abort, __ATOMIC_RELAXED);
}

int sw_renderer_render(SwRenderer *renderer, int pageIndex, int width, int height,
                       unsigned char *buffer, int stride, SwStop *stop)
{
    fz_context *ctx;
    fz_page *page = NULL;
    fz_pixmap *pixmap = NULL;
    fz_device *device = NULL;
    int result = SW_RENDER_OK;

    if (!renderer || !buffer || width <= 0 || height <= 0 || pageIndex < 0
        || stride < width * 4)
        return SW_RENDER_BAD_ARGUMENT;
    if (pageIndex >= sw_renderer_page_count(renderer))
        return SW_RENDER_BAD_ARGUMENT;
    if (sw_stop_requested(stop))
        return SW_RENDER_STOPPED;

    ctx = renderer->ctx;
    fz_var(page);
    fz_var(pixmap);
    fz_var(device);
    fz_var(result);
    fz_try(ctx) {
        fz_rect bounds;
        float boundsWidth;
        float boundsHeight;
        fz_matrix transform;

        page = fz_load_page(ctx, renderer->doc, pageIndex);
        bounds = fz_bound_page(ctx, page);
        boundsWidth = bounds.x1 - bounds.x0;
        boundsHeight = bounds.y1 - bounds.y0;
        if (boundsWidth <= 0 || boundsHeight <= 0)
            fz_throw(ctx, FZ_ERROR_GENERIC, "empty page");
        /* Exactly the requested size: the caller measured the page in whole points. */
        transform = fz_concat(fz_translate(-bounds.x0, -bounds.y0),
                              fz_scale(width / boundsWidth, height / boundsHeight));
        pixmap = fz_new_pixmap_with_data(ctx, fz_device_bgr(ctx), width, height, NULL, 1,
                                         stride, buffer);
        fz_clear_pixmap_with_value(ctx, pixmap, 0xff);
        device = fz_new_draw_device(ctx, fz_identity, pixmap);
        fz_run_page(ctx, page, device, transform, stop ? &stop->cookie : NULL);
        fz_close_device(ctx, device);
    }
    fz_always(ctx) {
        fz_drop_device(ctx, device);
        fz_drop_pixmap(ctx, pixmap);
        fz_drop_page(ctx, page);
    }
    fz_catch(ctx) {
        result = SW_RENDER_FAILED;
    }
    /* A stopped render leaves a half-drawn page: it must not pass for one. */
    if (result == SW_RENDER_OK && sw_stop_requested(stop))
        result = SW_RENDER_STOPPED;
    return result;
}

/* Saves the open document whole to output; SW_RENDER_FAILED when it could
 * not be written. */
static int sw_save_whole(fz_context *ctx, pdf_document *pdf, const char *output)
{
    int result = SW_RENDER_OK;
    pdf_write_options options = pdf_default_write_options;

    /* Unused objects go and the rest are numbered anew: the repaired table
     * keeps no gaps, nor objects only the damaged one pointed at. */
    options.do_garbage = 2;
    options.do_incremental = 0;
    options.do_encrypt = PDF_ENCRYPT_KEEP;
    fz_var(result);
    fz_try(ctx) {
        pdf_save_document(ctx, pdf, output, &options);
    }
    fz_catch(ctx) {
        result = SW_RENDER_FAILED;
    }
    return result;
}

int sw_repair_copy(const char *input, const char *password, const char *output, int *pages)
{
    int status = SW_RENDER_OK;
    int count;
    SwRenderer *renderer;

    if (pages)
        *pages = 0;
    if (!output || !*output)
        return SW_RENDER_BAD_ARGUMENT;
    renderer = sw_renderer_open(input, password, &status);
    if (!renderer)
        return status;
    count = sw_renderer_page_count(renderer);
    if (count <= 0)
        status = SW_RENDER_FAILED;
    else
        status = sw_save_whole(renderer->ctx, (pdf_document *)renderer->doc, output);
    sw_renderer_close(renderer);
    if (status != SW_RENDER_OK)
        remove(output);
    else if (pages)
        *pages = count;
    return status;
}
