#include "split/PageParts.h"

#include <algorithm>

PageParts::PageParts(int pageCount)
    : m_pageCount(qMax(0, pageCount))
    , m_marked(m_pageCount + 1, false)
{
    setRanges({});
}

void PageParts::setRanges(const QList<Range> &ranges, const QStringList &names)
{
    m_parts.clear();
    for (int i = 0; i < ranges.size(); ++i)
        m_parts.append(Part{ranges.at(i).first, ranges.at(i).second, names.value(i).trimmed()});
    if (m_parts.isEmpty() && m_pageCount > 0)
        m_parts.append(Part{1, m_pageCount, QString()});
    indexParts();
}

QList<PageParts::Range> PageParts::ranges() const
{
    QList<Range> result;
    for (const Part &part : m_parts)
        result.append(qMakePair(part.from, part.to));
    return result;
}

QStringList PageParts::names() const
{
    QStringList result;
    bool named = false;
    for (const Part &part : m_parts) {
        result.append(part.name);
        named = named || !part.name.isEmpty();
    }
    return named ? result : QStringList();
}

void PageParts::indexParts()
{
    m_partOfPage.fill(-1, m_pageCount + 1);
    m_overlapping = false;
    for (int index = 0; index < m_parts.size(); ++index) {
        const Part &part = m_parts.at(index);
        for (int page = qMax(1, part.from); page <= qMin(part.to, m_pageCount); ++page) {
            if (m_partOfPage.at(page) < 0)
                m_partOfPage[page] = index;
            else
                m_overlapping = true;
        }
    }
}

int PageParts::partAt(int page) const
{
    return isPage(page) ? m_partOfPage.at(page) : -1;
}

QList<int> PageParts::partsAt(int page) const
{
    if (!m_overlapping) {
        const int part = partAt(page);
        return part < 0 ? QList<int>() : QList<int>{part};
    }
    QList<int> result;
    for (int index = 0; index < m_parts.size(); ++index) {
        if (m_parts.at(index).from <= page && page <= m_parts.at(index).to)
            result.append(index);
    }
    return result;
}

bool PageParts::hasCut(int page) const
{
    if (!isPage(page) || !isPage(page + 1))
        return false;
    bool endsHere = false;
    bool startsAfter = false;
    for (const Part &part : m_parts) {
        if (part.from <= page && page + 1 <= part.to)
            return false;
        endsHere = endsHere || part.to == page;
        startsAfter = startsAfter || part.from == page + 1;
    }
    return endsHere && startsAfter;
}

bool PageParts::canToggleCut(int page) const
{
    if (!isPage(page) || !isPage(page + 1))
        return false;
    const auto holdsBoth = [page](const Part &part) { return part.from <= page && page + 1 <= part.to; };
    return std::any_of(m_parts.cbegin(), m_parts.cend(), holdsBoth) || hasCut(page);
}

bool PageParts::toggleCut(int page)
{
    if (!canToggleCut(page))
        return false;
    if (hasCut(page)) {
        const auto endsHere = [page](const Part &part) { return part.to == page; };
        const auto startsAfter = [page](const Part &part) { return part.from == page + 1; };
        const int first = int(std::find_if(m_parts.cbegin(), m_parts.cend(), endsHere) - m_parts.cbegin());
        const int second = int(std::find_if(m_parts.cbegin(), m_parts.cend(), startsAfter) - m_parts.cbegin());
        Part &kept = m_parts[first];
        kept.to = m_parts.at(second).to;
        if (kept.name.isEmpty())
            kept.name = m_parts.at(second).name;
        m_parts.removeAt(second);
    } else {
        for (int index = 0; index < m_parts.size(); ++index) {
            Part &part = m_parts[index];
            if (part.from <= page && page + 1 <= part.to) {
                const Part after{page + 1, part.to, QString()};
                part.to = page;
                m_parts.insert(++index, after);
            }
        }
    }
    indexParts();
    return true;
}

void PageParts::setName(int part, const QString &name)
{
    if (part >= 0 && part < m_parts.size())
        m_parts[part].name = name.trimmed();
}

void PageParts::setMarks(const QList<Range> &ranges)
{
    m_marked.fill(false, m_pageCount + 1);
    for (const Range &range : ranges)
        setMarked(range.first, range.second, true);
}

bool PageParts::isMarked(int page) const
{
    return isPage(page) && m_marked.at(page);
}

void PageParts::setMarked(int from, int to, bool marked)
{
    const int first = qMax(1, qMin(from, to));
    const int last = qMin(m_pageCount, qMax(from, to));
    for (int page = first; page <= last; ++page)
        m_marked[page] = marked;
}

QList<PageParts::Range> PageParts::marks() const
{
    QList<Range> result;
    for (int page = 1; page <= m_pageCount; ++page) {
        if (m_marked.at(page))
            result.append(qMakePair(page, page));
    }
    return result;
}

int PageParts::markCount() const
{
    return int(std::count(m_marked.cbegin() + 1, m_marked.cend(), true));
}
