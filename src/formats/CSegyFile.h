// SEG-Y records (.sgy, .segy) with KVT's 3592-byte file header: 3200-byte text header, 392-byte binary
// header, then a 240-byte header and the samples for every trace. Written little-endian with 32-bit
// integer samples; read in either byte order.
//
// KVT's files differ from the published standard: the file header is 8 bytes shorter, coordinates are
// stored as thousandths with a positive scalar that divides, and the trace spacing and first receiver
// position travel as float32 in two unassigned binary-header words. Reading tells the two layouts apart
// (SegyProbe.h) and reads a standard file through CStandardSegyFile; writing is always KVT's layout.
#pragma once

#include "FormatFile.h"
#include "SegyProbe.h"

#include <array>

namespace kvt {

class CSegyFile : public FormatFile {
public:
    static constexpr uint64_t kFileHeaderSize = 3592;
    static constexpr uint64_t kTraceHeaderSize = 240;

    std::array<uint8_t, 3200> m_abTextHeader{};
    std::array<uint8_t, 392> m_abBinaryHeader{};
    std::array<uint8_t, 240> m_abTraceHeader{};
    // The layout the last read found.
    SegyLayout m_layout = SegyLayout::Kvt;

    using FormatFile::Read;
    // Refuses a file shorter than its header, an unknown sample format, a negative sample count and a
    // trace count the file's length cannot hold.
    ReadError Read(const ByteSource& source) override;
    // Writes m_nTraceCount traces of m_nSampleCount samples. Refuses a record whose traces do not match
    // its header or whose counts or interval do not fit the 16-bit header fields.
    bool WriteTo(ByteSink& sink) const override;

private:
    // A standard file's record, textual header and layout; the binary and trace header areas are left
    // zero, so that a later write carries nothing of the standard file's words into KVT's layout.
    ReadError ReadStandard(const ByteSource& source);
};

} // namespace kvt
