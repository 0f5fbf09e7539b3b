#include "split/SplitByCertainPage.h"

#include "app/Logger.h"
#include "merge/IProgress.h"
#include "protocol/OutputName.h"

#include <QFileInfo>
#include <QVector>

SplitByCertainPage::SplitByCertainPage(IProgress *progress, const QList<QPair<int, int>> &ranges,
                                       std::shared_ptr<DebenuService> service, QObject *parent)
    : SplitWorker(progress, std::move(service), parent), m_ranges(ranges)
{
}

QString SplitByCertainPage::keptPageList(const QList<QPair<int, int>> &dropped, int pageCount)
{
    if (pageCount <= 0)
        return QString();
    QVector<bool> keep(pageCount + 1, true);
    for (const auto &range : dropped) {
        const int from = qMax(range.first, 1);
        const int to = qMin(range.second, pageCount);
        for (int page = from; page <= to; ++page)
            keep[page] = false;
    }
    QStringList pages;
    for (int page = 1; page <= pageCount; ++page) {
        if (keep.at(page))
            pages.append(QString::number(page));
    }
    return pages.join(QLatin1Char(','));
}

QString SplitByCertainPage::outputFileName(const QString &sourceFile, const QDateTime &when)
{
    return QStringLiteral("%1_edited_%2.pdf")
        .arg(OutputName::fittingStem(QFileInfo(sourceFile).completeBaseName()),
             when.toString(QStringLiteral("yyyy_MM_dd_hh-mm-ss")));
}

void SplitByCertainPage::run()
{
    if (!beginRun(m_ranges.size()) || !checkRanges(m_ranges))
        return;
    const QString fileName = outputFileName(sourceFile(), QDateTime::currentDateTime());
    const QString pages = keptPageList(m_ranges, pageCount());

    progress()->setMinimum(0);
    progress()->setMaximum(0);
    progress()->setValue(0);

    if (pages.isEmpty())
        Logger::instance().log(QStringLiteral("Split. Every page would be dropped from:%1").arg(sourceFile()), LogError);
    else
        writeRanges({PageRangeOutput{pages, fileName}}, {});
    finish(1 - outcome().written.size());
}
