#include "split/SplitByPageRange.h"

#include "app/Logger.h"
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

bool SplitByPageRange::isValidRange(const QPair<int, int> &range, int pageCount)
{
    return range.first >= 1 && range.first <= pageCount && range.second >= 1 && range.second <= pageCount
        && range.second >= range.first;
}

void SplitByPageRange::run()
{
    if (!beginRun(m_ranges.size()))
        return;
    const QString baseName = OutputName::fittingStem(QFileInfo(sourceFile()).baseName());

    QList<PageRangeOutput> outputs;
    QList<int> positions;   // of each output in m_ranges
    for (int k = 0; k < m_ranges.size(); ++k) {
        const QPair<int, int> &range = m_ranges.at(k);
        if (!isValidRange(range, pageCount())) {
            Logger::instance().log(QStringLiteral("Invalid range. From:%1 To:%2 Page count:%3")
                                       .arg(range.first).arg(range.second).arg(pageCount()), LogError);
            continue;
        }
        const QString text = rangeText(range);
        const QString name = OutputName::makeSafe(m_names.value(k));
        outputs.append(PageRangeOutput{text, name.isEmpty() ? QStringLiteral("%1_p%2.pdf").arg(baseName, text)
                                                            : name + QStringLiteral(".pdf")});
        positions.append(k);
    }
    // Progress moves range by range, skipped ranges included, as long as the
    // run is not cancelled.
    int next = 0;
    const auto advanceTo = [&](int end) {
        for (; next < end && !progress()->isCanceled(); ++next)
            progress()->setValue(next);
    };
    writeRanges(outputs, [&](int index) { advanceTo(positions.at(index) + 1); });
    advanceTo(m_ranges.size());
    finish();
}
