#include "pdf/PageRangeList.h"

#include <QStringList>

QList<int> PageRangeList::pages(const QString &rangeList, int pageCount)
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
