#include "split/SplitBySize.h"

#include "app/Logger.h"
#include "merge/IProgress.h"
#include "pdf/DebenuService.h"
#include "protocol/OutputName.h"
#include "split/SplitByPageRange.h"

#include <QDir>
#include <QFileInfo>

SplitBySize::SplitBySize(IProgress *progress, qint64 maxBytes, std::shared_ptr<DebenuService> service,
                         QObject *parent)
    : SplitWorker(progress, std::move(service), parent), m_maxBytes(maxBytes)
{
}

void SplitBySize::run()
{
    if (!beginRun(qMax(1, pageCount())))
        return;
    const QString baseName = OutputName::fittingStem(QFileInfo(sourceFile()).baseName());
    const auto namer = [&baseName](int from, int to) {
        return QStringLiteral("%1_p%2.pdf").arg(baseName, SplitByPageRange::rangeText(qMakePair(from, to)));
    };
    bool failed = false;
    int lastPageWritten = 0;
    const auto report = [&](const SizeLimitedPart &part) {
        if (part.path.isEmpty()) {
            failed = true;
            Logger::instance().log(QStringLiteral("Split. Can not write the part from page %1 of:%2. Error code:%3")
                                       .arg(part.from)
                                       .arg(QDir::toNativeSeparators(sourceFile()))
                                       .arg(part.errorCode),
                                   LogError);
            // The pages from there on are in no file.
            addLeftOut(SplitByPageRange::rangeText(qMakePair(part.from, qMax(part.from, pageCount()))),
                       part.errorCode);
            return false;
        }
        addWritten(part.path, namer(part.from, part.to), part.oversized);
        lastPageWritten = part.to;
        progress()->setValue(part.to);
        return !progress()->isCanceled();
    };
    const DocumentProperties p = documentProperties();
    const PdfOutputOptions options = service()->outputOptions(p.author, p.title, p.password, p.creator, p.producer,
                                                              p.publisher);
    const int written = service()->extractPagesBySize(sourceFile(), password(), m_maxBytes, outDirectory(), options,
                                                      namer, report, naming());
    if (written == 0 && !failed)
        Logger::instance().log(QStringLiteral("Split. Nothing written from:%1. Error code:%2")
                                   .arg(QDir::toNativeSeparators(sourceFile()))
                                   .arg(service()->lastErrorCode()),
                               LogError);
    // One more part was due when a failure or a stop came before the last page.
    finish(failed || lastPageWritten < pageCount() ? 1 : 0);
}
