#include "pdf/PageExtractor.h"

#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/SourceCache.h"

#include <QStringList>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <memory>

PageExtractor::PageExtractor(SourceCache &cache)
    : m_cache(cache)
{
}

QList<int> PageExtractor::parseRangeList(const QString &rangeList, int pageCount)
{
    QList<int> pages;
    const QStringList parts = rangeList.split(QLatin1Char(','));
    for (const QString &rawPart : parts) {
        const QString part = rawPart.trimmed();
        const QStringList ends = part.split(QLatin1Char('-'));
        if (ends.size() > 2)
            return {};
        bool fromOk = false;
        bool toOk = false;
        const int from = ends.first().trimmed().toInt(&fromOk);
        const int to = ends.size() == 2 ? ends.last().trimmed().toInt(&toOk) : from;
        if (ends.size() == 1)
            toOk = fromOk;
        if (!fromOk || !toOk || from < 1 || to < 1 || from > pageCount || to > pageCount)
            return {};
        const int step = from <= to ? 1 : -1;
        for (int page = from;; page += step) {
            pages.append(page);
            if (page == to)
                break;
        }
    }
    return pages;
}

int PageExtractor::extract(const QString &input, const QString &password, const QString &output,
                           const QString &rangeList)
{
    m_errorCode = PdfErrorCode::None;
    int openError = PdfErrorCode::None;
    const std::shared_ptr<QPDF> source = m_cache.open(input, password, &openError);
    if (!source) {
        m_errorCode = openError;
        return 0;
    }
    try {
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(*source).getAllPages();
        const QList<int> numbers = parseRangeList(rangeList, int(pages.size()));
        if (numbers.isEmpty()) {
            m_errorCode = PdfErrorCode::InvalidArgument;
            return 0;
        }
        QPDF target;
        target.setSuppressWarnings(true);
        target.emptyPDF();
        QPDFPageDocumentHelper targetPages(target);
        for (int number : numbers)
            targetPages.addPage(pages.at(size_t(number - 1)), false);

        PdfFileWriter::Options options;
        options.minimumVersion = QString::fromStdString(source->getPDFVersion());
        options.minimumExtensionLevel = source->getExtensionLevel();
        int writeError = PdfErrorCode::None;
        if (!PdfFileWriter::write(target, output, options, &writeError)) {
            m_errorCode = writeError;
            return 0;
        }
        return 1;
    } catch (const std::exception &) {
        m_errorCode = PdfErrorCode::Internal;
        return 0;
    }
}
