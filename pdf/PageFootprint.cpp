#include "pdf/PageFootprint.h"

#include "pdf/ObjGenHash.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <unordered_map>
#include <unordered_set>

namespace {

// What every file has besides its pages' objects: header, catalog, page
// tree, information dictionary, trailer.
constexpr qint64 fileOverhead = 1200;
// Per page: its entry in the page tree.
constexpr qint64 pageOverhead = 12;
// Per object: "n 0 obj", "endobj" and its cross-reference entry.
constexpr qint64 objectOverhead = 40;
// Per stream besides its data: "stream", "endstream".
constexpr qint64 streamOverhead = 20;

using ObjectSet = ObjGenSet;

} // namespace

struct PageFootprint::Private
{
    QPDF &source;
    std::vector<QPDFObjectHandle> pages;
    // Objects each page reaches (gathered when the page is first added).
    std::vector<std::vector<QPDFObjGen>> reached;
    std::vector<bool> gathered;
    std::unordered_map<QPDFObjGen, qint64, ObjGenHash> objectSizes;

    ObjectSet inFile;
    qint64 fileSize = 0;

    explicit Private(QPDF &pdf)
        : source(pdf)
        , pages(pdf.getAllPages())
        , reached(pages.size())
        , gathered(pages.size(), false)
    {
    }

    qint64 sizeOf(QPDFObjGen og, QPDFObjectHandle object)
    {
        const auto known = objectSizes.find(og);
        if (known != objectSizes.end())
            return known->second;
        qint64 size = objectOverhead;
        if (object.isStream()) {
            QPDFObjectHandle dictionary = object.getDict();
            QPDFObjectHandle length = dictionary.getKey("/Length");
            size += qint64(dictionary.unparse().size()) + streamOverhead;
            if (length.isInteger() && length.getIntValue() > 0)
                size += length.getIntValue();
        } else {
            size += qint64(object.unparse().size());
        }
        objectSizes.emplace(og, size);
        return size;
    }

    // The indirect objects a copy of the page takes along: everything it
    // reaches, except its place in the page tree and other pages (a copy
    // stops at those, as qpdf's page copy does).
    void gather(int page)
    {
        ObjectSet seen;
        std::vector<QPDFObjectHandle> pending{pages[size_t(page)]};
        const QPDFObjGen self = pages[size_t(page)].getObjGen();
        while (!pending.empty()) {
            QPDFObjectHandle object = pending.back();
            pending.pop_back();
            if (object.isIndirect()) {
                const QPDFObjGen og = object.getObjGen();
                if (!seen.insert(og).second)
                    continue;
                if (og != self && (object.isPageObject() || object.isPagesObject()))
                    continue;
                sizeOf(og, object);
                reached[size_t(page)].push_back(og);
            }
            if (object.isArray()) {
                for (QPDFObjectHandle &item : object.getArrayAsVector())
                    pending.push_back(item);
            } else if (object.isDictionary() || object.isStream()) {
                QPDFObjectHandle dictionary = object.isStream() ? object.getDict() : object;
                const bool isSelf = object.isIndirect() && object.getObjGen() == self;
                for (auto &entry : dictionary.ditems()) {
                    if (isSelf && entry.first == "/Parent")
                        continue;
                    pending.push_back(entry.second);
                }
            }
        }
        gathered[size_t(page)] = true;
    }
};

PageFootprint::PageFootprint(QPDF &source)
    : d(new Private(source))
{
    clear();
}

PageFootprint::~PageFootprint() = default;

int PageFootprint::pageCount() const
{
    return int(d->pages.size());
}

void PageFootprint::clear()
{
    d->inFile.clear();
    d->fileSize = fileOverhead;
}

qint64 PageFootprint::add(int page)
{
    if (page < 0 || size_t(page) >= d->pages.size())
        return d->fileSize;
    if (!d->gathered[size_t(page)])
        d->gather(page);
    d->fileSize += pageOverhead;
    for (const QPDFObjGen &og : d->reached[size_t(page)]) {
        if (d->inFile.insert(og).second)
            d->fileSize += d->objectSizes.at(og);
    }
    return d->fileSize;
}

qint64 PageFootprint::size() const
{
    return d->fileSize;
}
