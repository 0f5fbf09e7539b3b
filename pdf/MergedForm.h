#pragma once

#include "pdf/ObjGenHash.h"
#include "pdf/UniqueNames.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <vector>

class InputCopier;
class QPDF;

// The interactive form of a merged document: the fields of every input, with
// the form-wide values (default resources and appearance, calculation order,
// flags) gathered from all of them.
class MergedForm
{
public:
    // Adds the top-level fields of in's form (with everything under them).
    // A field whose name an earlier input or an earlier field of in uses is
    // given the first free "name_N" (avoiding every name of in too), so each
    // input keeps its own values; fields keep the appearance and quadding
    // they inherited from in's form. Of the default resources, per category
    // the first input to use a name keeps it. With placedOnly (some pages of
    // in left out, their widgets hidden in copier), a field keeps the
    // widgets that were copied, and a field left with none goes, also from
    // the calculation order. Nothing happens without a form or without a
    // /Fields array. Costs one copy of each field tree. May throw qpdf
    // exceptions (what was added stays).
    void copy(QPDF &in, InputCopier &copier, bool placedOnly = false);

    // Keeps the field names taken so far; rollback() frees those taken since
    // the last commit (an input that failed).
    void commit() { m_fieldNames.commit(); }
    void rollback() { m_fieldNames.rollback(); }

    // Puts the form into catalog as a new object of out; nothing when no
    // field was added.
    void writeTo(QPDF &out, QPDFObjectHandle catalog);

private:
    void mergeResources(QPDFObjectHandle resources);
    // Drops from field (a copy) the kids that were not copied and those
    // left without widgets; false when field had kids and none stays.
    // Fields kept are added to kept.
    static bool keepPlaced(QPDFObjectHandle field, ObjGenSet &kept, int depth = 0);

    std::vector<QPDFObjectHandle> m_fields;
    UniqueNames m_fieldNames{"_"};           // top-level field names taken
    QPDFObjectHandle m_defaultResources = QPDFObjectHandle::newDictionary();
    QPDFObjectHandle m_defaultAppearance;
    QPDFObjectHandle m_calculationOrder = QPDFObjectHandle::newArray();
    bool m_needAppearances = false;
    int m_signatureFlags = 0;
};
