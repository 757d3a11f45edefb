// The header of a shot record: the file it came from, five descriptive texts and eleven numeric fields.
#pragma once

#include <cstdint>
#include <string>

namespace kvt {

// The eleven numeric fields that the record and every format object carry, with their defaults.
struct NumericHeader {
    int32_t m_nAux1 = 1;
    int32_t m_nTraceCount = 12;
    float m_fSampleInterval = 10.0f; // microseconds
    int32_t m_nSampleCount = 1024;
    int32_t m_nAux2 = 1;
    float m_fTraceSpacing = 4.0f; // metres
    float m_fOffset = 5.0f;       // metres, position of the first receiver
    float m_fAux3 = 0.0f;
    float m_fAux4 = 512.0f;
    int32_t m_nAux5 = 1;
    int32_t m_nAux6 = 1;

    void CopyNumericFrom(const NumericHeader& h) { *this = h; }
    void CopyNumericTo(NumericHeader& h) const { h = *this; }
};

struct ShotHeader : NumericHeader {
    std::string m_strPathName;
    std::string m_strProject = "MORAVENT";
    std::string m_strCompany = "MORAVENT";
    std::string m_strOperator = "MORAVENT";
    std::string m_strProfile = "001";
    std::string m_strTestDate = "2013-8-15";

    void ResetHeader() { *this = ShotHeader(); }
};

} // namespace kvt
