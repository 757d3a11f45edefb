#include "ShotHeader.h"

namespace kvt {

void NumericHeader::CopyNumericFrom(const ShotHeader& h) {
    m_nAux1 = h.m_nAux1;
    m_nTraceCount = h.m_nTraceCount;
    m_fSampleInterval = h.m_fSampleInterval;
    m_nSampleCount = h.m_nSampleCount;
    m_nAux2 = h.m_nAux2;
    m_fTraceSpacing = h.m_fTraceSpacing;
    m_fOffset = h.m_fOffset;
    m_fAux3 = h.m_fAux3;
    m_fAux4 = h.m_fAux4;
    m_nAux5 = h.m_nAux5;
    m_nAux6 = h.m_nAux6;
}

void NumericHeader::CopyNumericTo(ShotHeader& h) const {
    h.m_nAux1 = m_nAux1;
    h.m_nTraceCount = m_nTraceCount;
    h.m_fSampleInterval = m_fSampleInterval;
    h.m_nSampleCount = m_nSampleCount;
    h.m_nAux2 = m_nAux2;
    h.m_fTraceSpacing = m_fTraceSpacing;
    h.m_fOffset = m_fOffset;
    h.m_fAux3 = m_fAux3;
    h.m_fAux4 = m_fAux4;
    h.m_nAux5 = m_nAux5;
    h.m_nAux6 = m_nAux6;
}

} // namespace kvt
