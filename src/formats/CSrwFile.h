// The native record file (.srw): header texts and numbers, two carried tables, samples as float32
// thousandths. Written under a "BAD" signature that becomes "DLQ" only when everything else is in.
#pragma once

#include "FormatFile.h"

#include <array>

namespace kvt {

class CSrwFile : public FormatFile {
public:
    static constexpr uint64_t kSection1Offset = 56;
    static constexpr uint64_t kSection2Offset = 442;
    static constexpr uint64_t kSection3Offset = 646;

    std::string m_strProject = "MORAVENT";
    std::string m_strCompany = "MORAVENT";
    std::string m_strOperator = "MORAVENT";
    std::string m_strProfile = "001";
    std::string m_strTestDate = "2013-08-15";
    int32_t m_nWordA = 1;
    int32_t m_nWordB = 1;
    int32_t m_nWordC = 0; // kept in memory only
    std::array<float, 24> m_afTableA{};
    std::array<int32_t, 24> m_anTableB{};

    using FormatFile::Read;
    ReadError Read(const ByteSource& source) override;
    bool WriteTo(ByteSink& sink) const override;

    // The five texts to and from a record header.
    void CopyTextsFrom(const ShotHeader& h);
    void CopyTextsTo(ShotHeader& h) const;
};

} // namespace kvt
