#pragma once

#include "pdf/ObjGenHash.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <vector>

class QPDF;

// Makes the indirect objects of an output. For outputs written from the
// source itself, each output's objects take the numbers of the previous
// output's (which nothing reaches any more): qpdf spends time in proportion
// to the whole document on numbering the first new object after a write.
class IndirectObjects
{
public:
    // Objects are made in pdf, which must outlive this. reuse: each output
    // takes the numbers of the previous one's objects (only for outputs
    // written from the source itself, where nothing reaches them any more).
    IndirectObjects(QPDF &pdf, bool reuse);

    // An indirect object holding direct, new or (reusing) the next free one
    // of the previous outputs'. Cost: constant.
    QPDFObjectHandle make(QPDFObjectHandle direct);

    // The objects made so far are free for the next output.
    void startOutput() { m_used = 0; }
    // Whether og is one of the numbers handed out again between outputs.
    bool isReused(QPDFObjGen og) const { return m_numbers.count(og) > 0; }

private:
    QPDF &m_pdf;
    bool m_reuse;
    std::vector<QPDFObjectHandle> m_pool;
    ObjGenSet m_numbers;
    size_t m_used = 0;
};
