#pragma once

#include "pdf/MergeInput.h"
#include "pdf/MergeLayout.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class SourceCache;
struct PdfOutputOptions;

// Joins PDF documents, or the pages chosen of them, into one file, keeping what a plain page copy
// loses: annotations and internal links (named destinations of every input,
// renamed where two inputs use the same name), form fields (fields of a later
// input whose names are taken get a new name so both forms keep working),
// page labels, and every input's outline under one top-level entry per input
// pointing at that input's first page. Identical streams (raw data and
// dictionary) and identical resource objects are stored once, and the result
// is written with object streams, at a version no lower than any input's.
// Of an input whose pages are chosen, only what those pages use is copied:
// links, bookmarks, named destinations and form fields that lead to pages
// left out are dropped, never left pointing at nothing.
//
// Each input is read, copied and released inside addFile(): no input file
// stays open, and of the inputs only the last one's parse and the data that
// is kept stay in memory.
class DocumentMerger
{
public:
    // Inputs are parsed through sources (the merger's own cache when null),
    // which keeps the last parse: an input that comes twice in a row is
    // parsed once. The parses are normalised (inherited page attributes
    // pushed to the pages), which changes nothing a reader sees.
    explicit DocumentMerger(SourceCache *sources = nullptr);
    ~DocumentMerger();
    DocumentMerger(const DocumentMerger &) = delete;
    DocumentMerger &operator=(const DocumentMerger &) = delete;

    // How the pages of the inputs follow each other in the result; takes
    // effect on the next write(), whatever was added before.
    void setLayout(const MergeLayout &layout);

    // Appends every page of the document. outlineTitle names its top-level
    // outline entry (the file name without ".pdf" when empty). False when the
    // file cannot be opened or its pages cannot be copied; the result is then
    // unchanged and the path is listed by failedFiles(). Costs one parse of
    // the input and one read of each of its streams.
    bool addFile(const QString &path, const QString &password = QString(),
                 const QString &outlineTitle = QString());
    // As above, for the pages input chooses, turned as it says; also false
    // (the input listed by failedFiles()) when it names a page the document
    // does not have. Costs one parse of the input and one read of each
    // stream the pages taken use; the input's outline, named destinations
    // and form are read whole.
    bool addFile(const MergeInput &input, const QString &password = QString(),
                 const QString &outlineTitle = QString());

    // Merges the files in order into output, all of them or nothing: returns
    // the page count of the result, 0 when a file could not be read or the
    // output not written (errorCode() then tells why, as a PdfErrorCode).
    // With options, their information and protection are written with it.
    int merge(const QStringList &files, const QString &output, const PdfOutputOptions *options = nullptr);
    int mergeInputs(const QList<MergeInput> &inputs, const QString &output, const PdfOutputOptions *options = nullptr);
    // Why the last merge(), addFile() or write() failed, as a PdfErrorCode.
    int errorCode() const;

    // Pages added so far.
    int pageCount() const;
    // Inputs that addFile() refused, in the order they were given.
    QStringList failedFiles() const;

    // Writes the merged document to outputPath, replacing it only once the
    // new file is complete; with options, their information and protection
    // go into it in the same pass. False when nothing was added or writing
    // failed (outputPath is then untouched). Cost: one write.
    bool write(const QString &outputPath, const PdfOutputOptions *options = nullptr);

    // Merges the files in order into outputPath; returns the page count of
    // the result, 0 when nothing was written. Unreadable inputs are left out
    // and reported through failedFiles when it is given.
    static int mergeFiles(const QStringList &paths, const QString &outputPath,
                          QStringList *failedFiles = nullptr);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
