#include "split/SplitByPageRange.h"

#include "merge/IProgress.h"
#include "protocol/OutputName.h"

#include <QFileInfo>

SplitByPageRange::SplitByPageRange(IProgress *progress, const QList<QPair<int, int>> &ranges,
                                   std::shared_ptr<DebenuService> service, QObject *parent)
    : SplitWorker(progress, std::move(service), parent), m_ranges(ranges)
{
}

QString SplitByPageRange::rangeText(const QPair<int, int> &range)
{
    if (range.first == range.second)
        return QString::number(range.first);
    return QStringLiteral("%1-%2").arg(range.first).arg(range.second);
}

void SplitByPageRange::run()
{
    if (!beginRun(m_ranges.size()) || !checkRanges(m_ranges))
        return;
    const QString baseName = OutputName::fittingStem(QFileInfo(sourceFile()).baseName());

    QList<PageRangeOutput> outputs;
    for (int k = 0; k < m_ranges.size(); ++k) {
        const QString text = rangeText(m_ranges.at(k));
        const QString name = OutputName::makeSafe(m_names.value(k));
        outputs.append(PageRangeOutput{text, name.isEmpty() ? QStringLiteral("%1_p%2.pdf").arg(baseName, text)
                                                            : name + QStringLiteral(".pdf")});
    }
    // Progress moves range by range as long as the run is not cancelled.
    int next = 0;
    const auto advanceTo = [&](int end) {
        for (; next < end && !progress()->isCanceled(); ++next)
            progress()->setValue(next);
    };
    writeRanges(outputs, [&](int index) { advanceTo(index + 1); });
    advanceTo(m_ranges.size());
    finish(m_ranges.size() - outcome().written.size());
}
