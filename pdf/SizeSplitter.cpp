#include "pdf/SizeSplitter.h"

#include "app/FileUtils.h"
#include "pdf/PageExtractor.h"
#include "pdf/PageFootprint.h"
#include "pdf/PdfErrorCode.h"
#include "pdf/PdfOutputOptions.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <vector>

namespace {

void removeScratch(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

// Writes led by the estimate before the rest of a part's search bisects.
constexpr int estimatedAttempts = 4;

// A run of pages written to a scratch file.
struct Trial
{
    int last = -1;       // 0-based last page; -1: none
    QString path;
    qint64 bytes = 0;
};

} // namespace

struct SizeSplitter::Private
{
    std::shared_ptr<QPDF> source;
    PageExtractor extractor;
    PageFootprint footprint;
    int errorCode = PdfErrorCode::None;
    int writes = 0;

    // Estimated sizes of pages first .. first + k, for the part being found.
    int first = 0;
    std::vector<qint64> estimates;

    Private(std::shared_ptr<QPDF> pdf, const QString &path, const QString &password)
        : source(pdf)
        , extractor(pdf, path, password)
        , footprint(*pdf)
    {
    }

    int pageCount() const { return footprint.pageCount(); }

    void startPart(int page)
    {
        first = page;
        estimates.clear();
        footprint.clear();
    }

    qint64 estimateThrough(int last)
    {
        while (first + int(estimates.size()) <= last)
            estimates.push_back(footprint.add(first + int(estimates.size())));
        return estimates[size_t(last - first)];
    }

    // The last page of the longest run from the part's first page that the
    // estimate, scaled by ratio, keeps within limit, searched in [low, high];
    // low - 1 when not even page low fits.
    int longestFitting(int low, int high, double ratio, qint64 limit)
    {
        int last = low - 1;
        while (last + 1 <= high && double(estimateThrough(last + 1)) * ratio <= double(limit))
            ++last;
        return last;
    }

    // Writes pages first .. last into a scratch file in folder.
    bool write(int last, const QString &folder, const PdfOutputOptions &options, Trial &trial)
    {
        QList<int> numbers;
        numbers.reserve(last - first + 1);
        for (int page = first; page <= last; ++page)
            numbers.append(page + 1);
        trial.last = last;
        trial.path = FileUtils::temporaryPathIn(folder);
        ++writes;
        if (extractor.extract(numbers, trial.path, options) != 1) {
            errorCode = extractor.errorCode();
            removeScratch(trial.path);
            return false;
        }
        trial.bytes = QFileInfo(trial.path).size();
        return true;
    }

    bool findPart(qint64 limit, const QString &folder, const PdfOutputOptions &options, double &calibration,
                  SizeLimitedPart &part);
};

// Finds and writes the part that starts at page first. The bracket: runs
// through `fits` are known to fit (first - 1: none known), runs through
// `tooLarge` or further are known not to (pageCount: none known).
bool SizeSplitter::Private::findPart(qint64 limit, const QString &folder, const PdfOutputOptions &options,
                                     double &calibration, SizeLimitedPart &part)
{
    const int lastPage = pageCount() - 1;
    int fits = first - 1;
    int tooLarge = lastPage + 1;
    Trial best;
    double ratio = calibration;
    int last = qMax(first, longestFitting(first, lastPage, ratio, limit));
    for (int attempt = 1;; ++attempt) {
        Trial trial;
        if (!write(last, folder, options, trial)) {
            removeScratch(best.path);
            return false;
        }
        ratio = double(trial.bytes) / double(estimateThrough(last));
        if (trial.bytes <= limit) {
            removeScratch(best.path);
            best = trial;
            fits = last;
        } else if (last == first) {
            best = trial;   // one page larger than the limit on its own: a part of its own
            part.oversized = true;
            break;
        } else {
            removeScratch(trial.path);
            tooLarge = last;
        }
        if (tooLarge == fits + 1)
            break;
        if (attempt < estimatedAttempts) {
            last = longestFitting(fits + 1, tooLarge - 1, ratio, limit);
            if (last <= fits) {
                if (fits >= first)
                    break;   // the estimate says nothing longer fits
                last = first;
            }
        } else {
            last = fits + (tooLarge - fits) / 2;
            if (fits < first)
                last = qMax(first, last);
        }
    }
    if (!best.path.isEmpty() && best.bytes > 0 && !part.oversized)
        calibration = double(best.bytes) / double(estimateThrough(best.last));
    part.from = first + 1;
    part.to = best.last + 1;
    part.path = best.path;
    part.bytes = best.bytes;
    return true;
}

SizeSplitter::SizeSplitter(std::shared_ptr<QPDF> source, const QString &path, const QString &password)
    : d(new Private(std::move(source), path, password))
{
}

SizeSplitter::~SizeSplitter() = default;

int SizeSplitter::errorCode() const
{
    return d->errorCode;
}

int SizeSplitter::writes() const
{
    return d->writes;
}

int SizeSplitter::run(qint64 maxBytes, const QString &folder, const PdfOutputOptions &options,
                      const SizeLimitedPart::Namer &namer, const SizeLimitedPart::Report &report,
                      const OutputNaming &naming)
{
    d->errorCode = PdfErrorCode::None;
    if (maxBytes < 1 || d->pageCount() < 1 || !namer) {
        d->errorCode = PdfErrorCode::InvalidArgument;
        return 0;
    }
    double calibration = 1.0;
    int written = 0;
    FileUtils::NextFreeNumbers numbers;
    for (int page = 0; page < d->pageCount();) {
        d->startPart(page);
        SizeLimitedPart part;
        if (!d->findPart(maxBytes, folder, options, calibration, part)) {
            part.from = page + 1;
            part.errorCode = d->errorCode;
            if (report)
                report(part);
            return written;
        }
        const QString scratch = part.path;
        part.path = FileUtils::commitUnique(scratch, folder, namer(part.from, part.to), FileUtils::AnyMoveMethod,
                                            naming, &numbers);
        if (part.path.isEmpty()) {
            QFile::remove(scratch);
            d->errorCode = part.errorCode = PdfErrorCode::WriteFailed;
            if (report)
                report(part);
            return written;
        }
        ++written;
        page = part.to;
        if (report && !report(part))
            break;
    }
    return written;
}
