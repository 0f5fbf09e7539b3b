#include "pdf/IndirectObjects.h"

#include <qpdf/QPDF.hh>

IndirectObjects::IndirectObjects(QPDF &pdf, bool reuse)
    : m_pdf(pdf), m_reuse(reuse)
{
}

QPDFObjectHandle IndirectObjects::make(QPDFObjectHandle direct)
{
    if (!m_reuse)
        return m_pdf.makeIndirectObject(direct);
    if (m_used < m_pool.size()) {
        m_pdf.replaceObject(m_pool[m_used].getObjGen(), direct);
        return m_pool[m_used++];
    }
    m_pool.push_back(m_pdf.makeIndirectObject(direct));
    m_numbers.insert(m_pool.back().getObjGen());
    ++m_used;
    return m_pool.back();
}
