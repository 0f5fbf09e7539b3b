#include "pdf/DocumentMerger.h"

#include "pdf/PdfErrorCode.h"
#include "pdf/PdfFileWriter.h"
#include "pdf/SourceCache.h"

#include <qpdf/PDFVersion.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <memory>
#include <vector>

DocumentMerger::DocumentMerger(SourceCache &cache)
    : m_cache(cache)
{
}

int DocumentMerger::merge(const QStringList &files, const QString &output)
{
    m_errorCode = PdfErrorCode::None;
    if (files.isEmpty() || output.isEmpty()) {
        m_errorCode = PdfErrorCode::InvalidArgument;
        return 0;
    }
    // The sources stay alive until the output is written: page streams are
    // copied from them only then.
    std::vector<std::shared_ptr<QPDF>> sources;
    try {
        QPDF target;
        target.setSuppressWarnings(true);
        target.emptyPDF();
        QPDFPageDocumentHelper targetPages(target);
        PDFVersion version(1, 3);
        int pageCount = 0;
        for (const QString &file : files) {
            int openError = PdfErrorCode::None;
            std::shared_ptr<QPDF> source = m_cache.open(file, QString(), &openError);
            if (!source) {
                m_errorCode = openError;
                return 0;
            }
            sources.push_back(source);
            version.updateIfGreater(source->getVersionAsPDFVersion());
            for (const QPDFPageObjectHelper &page : QPDFPageDocumentHelper(*source).getAllPages()) {
                targetPages.addPage(page, false);
                ++pageCount;
            }
        }
        PdfFileWriter::Options options;
        std::string versionText;
        int extensionLevel = 0;
        version.getVersion(versionText, extensionLevel);
        options.minimumVersion = QString::fromStdString(versionText);
        options.minimumExtensionLevel = extensionLevel;
        int writeError = PdfErrorCode::None;
        if (pageCount == 0 || !PdfFileWriter::write(target, output, options, &writeError)) {
            m_errorCode = pageCount == 0 ? PdfErrorCode::InvalidArgument : writeError;
            return 0;
        }
        return pageCount;
    } catch (const std::exception &) {
        m_errorCode = PdfErrorCode::Internal;
        return 0;
    }
}
