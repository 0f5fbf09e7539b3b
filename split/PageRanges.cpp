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

void PageRanges::addRange(int from, int to)
{
    if (from < m_minValue || from > m_maxValue)
        return;
    if (to < m_minValue || to > m_maxValue)
        return;
    m_ranges.append(qMakePair(from, to));
    emit added(from, to);
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
    emit cleared();
    emit changed();
}

void PageRanges::setInterval(int minValue, int maxValue)
{
    m_minValue = minValue;
    m_maxValue = maxValue;
}
