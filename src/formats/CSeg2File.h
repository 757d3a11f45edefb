// SEG-2 records (.sg2, .seg2): file descriptor, trace pointers, keyword strings, one descriptor block
// and sample block per trace. Read as 16/32-bit integers or float32; written as 32-bit integers with a
// fixed keyword set. Receiver spacing and first position travel in two reserved descriptor words.
#pragma once

#include "FormatFile.h"

#include <array>

namespace kvt {

class CSeg2File : public FormatFile {
public:
    std::array<uint8_t, 36> m_abFileDesc{};
    std::array<uint8_t, 32> m_abTraceDesc{};

    using FormatFile::Read;
    bool Read(const ByteSource& source) override;
    bool WriteTo(ByteSink& sink) const override;
};

} // namespace kvt
