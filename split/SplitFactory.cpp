#include "split/SplitFactory.h"

#include "split/SplitByCertainPage.h"
#include "split/SplitByPageRange.h"
#include "split/SplitBySize.h"

namespace SplitFactory {

namespace {
void configure(SplitWorker &engine, const Input &input)
{
    engine.setSourceFile(input.sourceFile);
    engine.setPassword(input.password);
    engine.setPageCount(input.pageCount);
    engine.setOutDirectory(input.outDirectory);
    engine.setDocumentProperties(input.properties);
}
} // namespace

QList<QPair<int, int>> groupRanges(int startPage, int groupSize, int lastPage)
{
    QList<QPair<int, int>> ranges;
    const qint64 size = qMax(1, groupSize);
    for (qint64 s = startPage; s <= lastPage;) {
        const qint64 end = qMin<qint64>(s + size - 1, lastPage);
        ranges.append(qMakePair(int(s), int(end)));
        s = end + 1;
    }
    return ranges;
}

std::unique_ptr<SplitWorker> onePagePerFile(const Input &input)
{
    QList<QPair<int, int>> ranges;
    for (int page = 1; page <= input.pageCount; ++page)
        ranges.append(qMakePair(page, page));
    return pageRanges(input, ranges);
}

std::unique_ptr<SplitWorker> groups(const Input &input, int startPage, int groupSize)
{
    return pageRanges(input, groupRanges(startPage, groupSize, input.pageCount));
}

std::unique_ptr<SplitWorker> pageRanges(const Input &input, const QList<QPair<int, int>> &ranges)
{
    auto engine = std::make_unique<SplitByPageRange>(input.progress, ranges, input.service);
    configure(*engine, input);
    return engine;
}

std::unique_ptr<SplitWorker> namedRanges(const Input &input, const QList<QPair<int, int>> &ranges,
                                         const QStringList &names)
{
    auto engine = std::make_unique<SplitByPageRange>(input.progress, ranges, input.service);
    engine->setRangeNames(names);
    configure(*engine, input);
    return engine;
}

std::unique_ptr<SplitWorker> bySize(const Input &input, qint64 maxBytes)
{
    auto engine = std::make_unique<SplitBySize>(input.progress, maxBytes, input.service);
    configure(*engine, input);
    return engine;
}

std::unique_ptr<SplitWorker> certainPages(const Input &input, const QList<QPair<int, int>> &ranges)
{
    auto engine = std::make_unique<SplitByCertainPage>(input.progress, ranges, input.service);
    configure(*engine, input);
    return engine;
}

} // namespace SplitFactory
