#pragma once

#include <QList>
#include <QString>

#include <memory>

class QPDF;
class SyncBatch;
struct PdfOutputOptions;

// Writes chosen pages of one parsed source PDF into new files, one output
// per call. What is learnt about the source once (page index, outline,
// named destinations, form fields) is kept by the extractor, so writing
// range after range from one source analyses it once: an output costs its
// own pages, not the whole source.
//
// Besides each page's content, annotations and form fields, an output keeps
// what a plain page copy loses: links between kept pages (with the named
// destinations they use), the page labels of the kept pages and the outline
// entries that point into them. Links and outline entries whose target page
// was left out are dropped.
class PageExtractor
{
public:
    // path and password are those source was opened from. A source shared
    // with other readers is only read: an output that keeps most pages is
    // then made by dropping the others from a private parse of that file.
    // With privateSource, the source is this extractor's alone: finished
    // outputs are then written straight from it (no page is copied; the
    // source's objects are changed only while an output is written), except
    // for documents with form fields and for outputs that would lead to a
    // page they leave out, which are copied.
    PageExtractor(std::shared_ptr<QPDF> source, const QString &path, const QString &password,
                  bool privateSource = false);
    ~PageExtractor();
    PageExtractor(const PageExtractor &) = delete;
    PageExtractor &operator=(const PageExtractor &) = delete;

    // The parsed source the extractor was made with.
    const std::shared_ptr<QPDF> &source() const;
    // The source's page count, read when the extractor was made.
    int pageCount() const;

    // Writes pages (1-based source page numbers in output order; a page may
    // come twice) into a new plain file output, which is replaced only once
    // the new file is complete. The output's PDF version is not lower than
    // the source's. Returns 1 on success, 0 on failure (errorCode() tells
    // why, as a PdfErrorCode): InvalidArgument, with nothing written, when
    // pages is empty or names a page outside 1..pageCount(). Cost: a copy of
    // the pages and what they reach, one write; the source's outline and
    // named destinations are read at most once per extractor.
    int extract(const QList<int> &pages, const QString &output);

    // The same, finished in one pass: the information and the protection of
    // options are applied while writing, so no plain intermediate file is
    // written and read back. output is written directly: callers pass a
    // fresh temporary path, move the result into place and remove it on
    // failure.
    int extract(const QList<int> &pages, const QString &output, const PdfOutputOptions &options);

    // Finished outputs are from now on handed to batch, written but not yet
    // synced (see PdfFileWriter::writeWhole): the caller finishes the batch
    // before it moves them into place. nullptr: each is synced as written.
    void setSyncBatch(SyncBatch *batch);

    // Why the last extract() failed, as a PdfErrorCode; None after a success.
    int errorCode() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
