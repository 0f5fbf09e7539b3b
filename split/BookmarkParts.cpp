#include "split/BookmarkParts.h"

#include "protocol/OutputName.h"

#include <QMap>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace {

bool goesToPage(const OutlineEntry &entry, int pageCount)
{
    return entry.page >= 1 && entry.page <= pageCount;
}

QString pagesText(int from, int to)
{
    return from == to ? QStringLiteral("p%1").arg(from) : QStringLiteral("p%1-%2").arg(from).arg(to);
}

} // namespace

QList<int> BookmarkParts::levels(const OutlineEntries &entries)
{
    QSet<int> found;
    for (const OutlineEntry &entry : entries) {
        if (entry.page >= 1)
            found.insert(entry.level);
    }
    QList<int> sorted = found.values();
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QList<BookmarkParts::Part> BookmarkParts::parts(const OutlineEntries &entries, int level, int pageCount)
{
    // Start page -> title of the first entry (in reading order) starting there.
    QMap<int, QString> starts;
    for (const OutlineEntry &entry : entries) {
        if (entry.level <= level && goesToPage(entry, pageCount) && !starts.contains(entry.page))
            starts.insert(entry.page, entry.title);
    }
    QList<Part> parts;
    if (starts.isEmpty())
        return parts;
    if (starts.firstKey() > 1)
        parts.append(Part{1, starts.firstKey() - 1, QString(), QString()});
    for (auto it = starts.cbegin(); it != starts.cend(); ++it) {
        const auto next = std::next(it);
        parts.append(Part{it.key(), next == starts.cend() ? pageCount : next.key() - 1, it.value(), QString()});
    }
    for (int i = 0; i < parts.size(); ++i) {
        Part &part = parts[i];
        part.name = OutputName::numbered(i + 1, parts.size(), part.title, pagesText(part.from, part.to));
    }
    return parts;
}
