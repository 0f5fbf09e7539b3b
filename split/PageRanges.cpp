#include "split/PageRanges.h"

PageRanges::PageRanges(QObject *parent)
    : QObject(parent)
{
}

QList<PageRanges::Range> PageRanges::ranges() const
{
    return m_ranges;
}

bool PageRanges::isEmpty() const
{
    return m_ranges.isEmpty();
}

int PageRanges::minValue() const
{
    return m_minValue;
}

int PageRanges::maxValue() const
{
    return m_maxValue;
}

bool PageRanges::fits(const Range &range) const
{
    return range.first >= m_minValue && range.second <= m_maxValue && range.first <= range.second;
}

QList<PageRanges::Range> PageRanges::outsideRanges() const
{
    QList<Range> outside;
    for (const Range &range : m_ranges) {
        if (!fits(range))
            outside.append(range);
    }
    return outside;
}

bool PageRanges::addRange(int from, int to)
{
    if (from < m_minValue || from > m_maxValue)
        return false;
    if (to < m_minValue || to > m_maxValue)
        return false;
    m_ranges.append(qMakePair(from, to));
    emit added(from, to);
    emit changed();
    return true;
}

QString PageRanges::name(const Range &range) const
{
    return m_names.value(range);
}

void PageRanges::setName(int from, int to, const QString &name)
{
    const Range range(from, to);
    if (!m_ranges.contains(range))
        return;
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        m_names.remove(range);
    else
        m_names.insert(range, trimmed);
    emit named(from, to, trimmed);
    emit changed();
}

bool PageRanges::isInInterval(int from, int to) const
{
    return from >= m_minValue && from <= m_maxValue && to >= m_minValue && to <= m_maxValue;
}

void PageRanges::replace(const QList<Range> &ranges, const QStringList &names)
{
    m_ranges.clear();
    m_names.clear();
    emit cleared();
    for (int i = 0; i < ranges.size(); ++i) {
        const Range &range = ranges.at(i);
        if (!isInInterval(range.first, range.second))
            continue;
        m_ranges.append(range);
        emit added(range.first, range.second);
        const QString name = names.value(i).trimmed();
        if (!name.isEmpty()) {
            m_names.insert(range, name);
            emit named(range.first, range.second, name);
        }
    }
    emit changed();
}

void PageRanges::remove(int from, int to)
{
    remove(qMakePair(from, to));
}

void PageRanges::remove(QPair<int, int> range)
{
    if (m_ranges.removeAll(range) == 0)
        return;
    m_names.remove(range);
    emit changed();
}

void PageRanges::save()
{
    if (m_saved != m_ranges)
        m_saved = m_ranges;
    emit changed();
}

void PageRanges::cancel()
{
    if (m_ranges != m_saved)
        m_ranges = m_saved;
    emit changed();
}

void PageRanges::clear()
{
    m_ranges.clear();
    m_names.clear();
    emit cleared();
    emit changed();
}

void PageRanges::setInterval(int minValue, int maxValue)
{
    if (minValue == m_minValue && maxValue == m_maxValue)
        return;
    m_minValue = minValue;
    m_maxValue = maxValue;
    emit intervalChanged();
}
