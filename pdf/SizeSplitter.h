#pragma once

#include "pdf/OutputNaming.h"
#include "pdf/SizeLimitedPart.h"

#include <QString>

#include <memory>

class QPDF;
struct PdfOutputOptions;

// Splits every page of a source, in order, into consecutive files each at
// most a given size. Sizes do not add up page by page (pages share fonts and
// images), so the size of a file is only known once it is written:
//
// 1. PageFootprint estimates the size of a growing run of pages; the run
//    grows while the estimate, scaled by what the previous part's real
//    write showed (written / estimated), stays within the limit.
// 2. That run is written for real. The written size rescales the estimate
//    for this very run, which proposes the next length to try: longer when
//    the file fits, shorter when it does not. The lengths that fit and
//    that do not bracket the answer; each write narrows the bracket, and
//    after a few estimate-led writes the rest is bisection.
// 3. The longest run that fitted is kept (its file is already written);
//    a page that alone is larger than the limit becomes a part of its own.
//
// So a part is mostly written once or twice, and the pages are never
// rewritten from the start of the document: the cost grows with the page
// count, not with its square.
class SizeSplitter
{
public:
    // source is only read; path and password are those it was opened from.
    SizeSplitter(std::shared_ptr<QPDF> source, const QString &path, const QString &password);
    ~SizeSplitter();
    SizeSplitter(const SizeSplitter &) = delete;
    SizeSplitter &operator=(const SizeSplitter &) = delete;

    // Writes the parts into folder, each finished with options and named by
    // namer (a taken name gets the first free "(n)" prefix; a file reaches
    // its name only once complete; naming hears of the name just before).
    // Calls report after each part; a false answer stops before the next
    // one. A part that cannot be written is reported with its error code and
    // ends the run. Returns how many files were written.
    int run(qint64 maxBytes, const QString &folder, const PdfOutputOptions &options,
            const SizeLimitedPart::Namer &namer, const SizeLimitedPart::Report &report,
            const OutputNaming &naming = nullptr);

    // The PdfErrorCode of the failure that ended the run; 0 when none did.
    int errorCode() const;
    // Files written to measure sizes, kept or not (for measurements).
    int writes() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
