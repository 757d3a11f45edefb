// SEG-Y records (.sgy, .segy) with KVT's 3592-byte file header: 3200-byte text header, 392-byte binary
// header, then a 240-byte header and the samples for every trace. Written little-endian with 32-bit
// integer samples; read in either byte order.
#pragma once

#include "FormatFile.h"

#include <array>

namespace kvt {

class CSegyFile : public FormatFile {
public:
    static constexpr uint64_t kFileHeaderSize = 3592;

    std::array<uint8_t, 3200> m_abTextHeader{};
    std::array<uint8_t, 392> m_abBinaryHeader{};
    std::array<uint8_t, 240> m_abTraceHeader{};

    using FormatFile::Read;
    bool Read(const ByteSource& source) override;
    bool WriteTo(ByteSink& sink) const override;
};

} // namespace kvt
