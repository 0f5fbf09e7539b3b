#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

class QPDF;

// Estimates, without writing anything, how many bytes a file holding some
// pages of a source takes: each page brings the objects it reaches (content,
// resources, annotations), and objects several pages share (fonts, images)
// count once per file. The estimate follows the source's stored sizes
// (streams as stored, other objects as written out); a real write differs by
// what this leaves out (outline, labels, cross-reference compression), so
// callers calibrate it against the sizes they write.
//
// Cost: each page's objects are gathered once, each object sized once;
// adding a page costs the objects it reaches.
class PageFootprint
{
public:
    // source is only read and must outlive this object.
    explicit PageFootprint(QPDF &source);
    ~PageFootprint();
    PageFootprint(const PageFootprint &) = delete;
    PageFootprint &operator=(const PageFootprint &) = delete;

    int pageCount() const;

    // Starts a new, empty file.
    void clear();
    // Adds the 0-based source page to the file; the estimated size of the
    // file with every page added since clear().
    qint64 add(int page);
    qint64 size() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
