// Which SEG-Y layout a file is in, and what a standard file's binary header says about its traces.
//
// KVT's own files have a 3592-byte file header; standard files from every other program 3600 bytes
// plus any extended textual headers. Both keep the sample count and interval in the binary header and
// again in every trace header, so the first trace header decides: the layout whose trace header
// repeats more of the two values wins. When that is even, the file's length decides, since a complete
// file holds a whole number of trace blocks in only one of the layouts. A file that fits neither is
// read as KVT's, whose reader refuses it for its reason as it always has.
#pragma once

#include "ReadError.h"
#include "base/ByteSource.h"

#include <cstdint>
#include <vector>

namespace kvt {

enum class SegyLayout : uint8_t { Kvt, Standard };

inline constexpr uint64_t kStandardSegyHeaderSize = 3600;

// The binary header of a standard file, in its own byte order, with revision 2's extended fields
// applied where the revision 1 ones are zero.
struct SegyProbe {
    SegyLayout layout = SegyLayout::Kvt;
    bool bigEndian = false;
    int16_t formatCode = 0;
    uint8_t revision = 0; // major revision (bytes 3501 and 3502, however the writer put it)
    uint8_t minorRevision = 0;
    uint32_t sampleCount = 0;    // per trace, unless a trace header says otherwise
    double sampleInterval = 0.0; // microseconds
    int32_t extendedHeaders = 0; // 3200-byte textual headers after the binary one; -1: up to the end stanza
    uint64_t firstTrace = 0;     // byte offset of the first trace header; 0 when there is none
    // Why the headers alone rule out reading the standard layout: extended headers or a first trace
    // beyond the end, an impossible count or offset, or revision 2's additional trace headers.
    ReadError problem = ReadError::None;
};

// Where one trace's 240-byte header starts and how many samples follow it.
struct SegyTraceSpan {
    uint64_t offset = 0;
    uint32_t samples = 0;
};

// The probe of a file of at least 3600 bytes; a shorter one is KVT's layout.
SegyProbe ProbeSegy(const ByteSource& source);

// The traces of a standard file: all of the binary header's length when the file holds a whole
// number of them (a trace header's own count is often wrong), otherwise each trace header's count in
// turn, which must end exactly at the end of the file.
ReadError LocateStandardTraces(const ByteSource& source, const SegyProbe& probe,
                               std::vector<SegyTraceSpan>& traces);

} // namespace kvt
