#include "SegyProbe.h"

#include "SegySamples.h"
#include "SegyTextHeader.h"
#include "base/ByteOrder.h"

#include <array>
#include <bit>

namespace kvt {

namespace {

constexpr uint64_t kTextSize = 3200;
constexpr uint64_t kBinarySize = 400;
constexpr uint64_t kKvtHeaderSize = 3592;
constexpr uint64_t kTraceHeaderSize = 240;

// Binary-header fields, as offsets into the 400 bytes after the textual header.
constexpr size_t kInterval = 16;
constexpr size_t kSampleCount = 20;
constexpr size_t kFormatCode = 24;
constexpr size_t kExtendedSampleCount = 68;
constexpr size_t kExtendedInterval = 72;
constexpr size_t kByteOrderWord = 96;
constexpr size_t kRevision = 300;
constexpr size_t kExtendedHeaders = 304;
constexpr size_t kAdditionalTraceHeaders = 306;
constexpr size_t kFirstTraceOffset = 320;
constexpr uint32_t kByteOrderConstant = 0x01020304;

// Trace-header fields.
constexpr size_t kTraceSamples = 114;
constexpr size_t kTraceInterval = 116;

// Every code the published standard assigns, whether or not the reader converts it.
bool IsSegyFormatCode(int16_t code) {
    return (code >= 1 && code <= 12) || code == 15 || code == 16;
}

// Revision 2 says so in a constant word. Older files: a negative interval read little-endian marks a
// big-endian file; an interval whose low byte is below 128 (125, 100, 50 us) slips past that test, and
// the format code, a standard code only when read the right way round, gives it away.
bool IsBigEndian(const uint8_t* binary) {
    if (be::U32(binary + kByteOrderWord) == kByteOrderConstant) {
        return true;
    }
    if (le::U32(binary + kByteOrderWord) == kByteOrderConstant) {
        return false;
    }
    if (le::I16(binary + kInterval) < 0) {
        return true;
    }
    return !IsSegyFormatCode(le::I16(binary + kFormatCode)) &&
           IsSegyFormatCode(static_cast<int16_t>(be::U16(binary + kFormatCode)));
}

uint16_t U16(const uint8_t* p, bool big) {
    return big ? be::U16(p) : le::U16(p);
}

uint32_t U32(const uint8_t* p, bool big) {
    return big ? be::U32(p) : le::U32(p);
}

uint64_t U64(const uint8_t* p, bool big) {
    return big ? be::U64(p) : le::U64(p);
}

// Bytes 3501 and 3502 hold the major and minor revision (a 16-bit 0x0100 read big-endian). Some
// programs write that word little-endian, others the plain integer 1 or 2 in the file's byte order.
void ReadRevision(const uint8_t* binary, SegyProbe& probe) {
    const uint8_t major = binary[kRevision];
    const uint16_t word = U16(binary + kRevision, probe.bigEndian);
    if (major == 1 || major == 2) {
        probe.revision = major;
        probe.minorRevision = binary[kRevision + 1];
    } else if (word == 0x0100 || word == 0x0200) {
        probe.revision = static_cast<uint8_t>(word >> 8);
    } else if (word == 1 || word == 2) {
        probe.revision = static_cast<uint8_t>(word);
    } else {
        probe.revision = major;
        probe.minorRevision = binary[kRevision + 1];
    }
}

// Where the first trace of a standard file starts: revision 2 may say so; otherwise after the stated
// number of extended textual headers (revisions 1 and 2 only: revision 0 left those bytes unassigned),
// or after the one that holds the end stanza.
void LocateFirstTrace(const ByteSource& source, const uint8_t* binary, SegyProbe& probe) {
    const bool big = probe.bigEndian;
    probe.firstTrace = kStandardSegyHeaderSize;
    if (probe.revision == 2) {
        if (static_cast<int32_t>(U32(binary + kAdditionalTraceHeaders, big)) != 0) {
            probe.problem = ReadError::UnsupportedLayout;
        }
        const uint64_t offset = U64(binary + kFirstTraceOffset, big);
        if (offset != 0) {
            probe.firstTrace = offset;
            probe.problem = offset < kStandardSegyHeaderSize ? ReadError::InconsistentHeaders
                            : offset > source.Size()         ? ReadError::Truncated
                                                             : probe.problem;
            return;
        }
    }
    if (probe.revision == 1 || probe.revision == 2) {
        probe.extendedHeaders = static_cast<int16_t>(U16(binary + kExtendedHeaders, big));
    }
    if (probe.extendedHeaders >= 0) {
        probe.firstTrace += kTextSize * static_cast<uint64_t>(probe.extendedHeaders);
        if (probe.firstTrace > source.Size()) {
            probe.problem = ReadError::Truncated;
        }
        return;
    }
    if (probe.extendedHeaders < -1) {
        probe.problem = ReadError::InconsistentHeaders;
        return;
    }
    std::vector<uint8_t> record;
    for (uint64_t at = kStandardSegyHeaderSize; source.ReadVector(at, kTextSize, record); at += kTextSize) {
        if (HoldsEndTextStanza(record)) {
            probe.firstTrace = at + kTextSize;
            return;
        }
    }
    probe.problem = ReadError::Truncated;
}

// How many of the binary header's sample count and interval the trace header at `at` repeats.
int Agreement(const ByteSource& source, uint64_t at, const uint8_t* binary, bool big) {
    std::array<uint8_t, kTraceHeaderSize> header{};
    if (!source.ReadAt(at, header.data(), header.size())) {
        return 0;
    }
    int agreed = 0;
    for (size_t field : {kSampleCount, kInterval}) {
        const size_t traceField = field == kSampleCount ? kTraceSamples : kTraceInterval;
        const uint16_t value = U16(binary + field, big);
        agreed += value != 0 && U16(&header[traceField], big) == value ? 1 : 0;
    }
    return agreed;
}

// Whether KVT's layout holds a whole number, at least one, of its trace blocks.
bool KvtLayoutFits(const ByteSource& source, const uint8_t* binary, bool big) {
    const auto format = static_cast<int16_t>(U16(binary + kFormatCode, big));
    const auto samples = static_cast<int16_t>(U16(binary + kSampleCount, big));
    const uint64_t width = format == 1 || format == 2 || format == 5 ? 4
                           : format == 3                             ? 2
                           : format == 8                             ? 1
                                                                     : 0;
    if (width == 0 || samples < 0 || source.Size() <= kKvtHeaderSize) {
        return false;
    }
    return (source.Size() - kKvtHeaderSize) % (kTraceHeaderSize + width * static_cast<uint64_t>(samples)) ==
           0;
}

} // namespace

SegyProbe ProbeSegy(const ByteSource& source) {
    SegyProbe probe;
    std::array<uint8_t, kBinarySize> bytes{};
    if (!source.ReadAt(kTextSize, bytes.data(), bytes.size())) {
        return probe;
    }
    const uint8_t* binary = bytes.data();
    const bool big = IsBigEndian(binary);
    probe.bigEndian = big;
    probe.formatCode = static_cast<int16_t>(U16(binary + kFormatCode, big));
    ReadRevision(binary, probe);
    probe.sampleCount = U16(binary + kSampleCount, big);
    probe.sampleInterval = U16(binary + kInterval, big);
    if (probe.revision == 2) {
        const auto extendedCount = static_cast<int32_t>(U32(binary + kExtendedSampleCount, big));
        if (probe.sampleCount == 0 && extendedCount > 0) {
            probe.sampleCount = static_cast<uint32_t>(extendedCount);
        }
        const double extendedInterval = std::bit_cast<double>(U64(binary + kExtendedInterval, big));
        if (probe.sampleInterval == 0.0 && extendedInterval > 0.0 && extendedInterval < 1e9) {
            probe.sampleInterval = extendedInterval;
        }
    }
    LocateFirstTrace(source, binary, probe);

    // A standard file whose headers rule it out is still told by its first trace header, at 3600
    // when the stated one is unusable, so that it is refused for its reason rather than misread.
    const int kvt = Agreement(source, kKvtHeaderSize, binary, big);
    const uint64_t first = probe.problem == ReadError::None ? probe.firstTrace : kStandardSegyHeaderSize;
    const int standard = Agreement(source, first, binary, big);
    if (kvt != standard) {
        probe.layout = standard > kvt ? SegyLayout::Standard : SegyLayout::Kvt;
        return probe;
    }
    std::vector<SegyTraceSpan> traces;
    const bool standardFits =
        LocateStandardTraces(source, probe, traces) == ReadError::None && !traces.empty();
    probe.layout =
        standardFits && !KvtLayoutFits(source, binary, big) ? SegyLayout::Standard : SegyLayout::Kvt;
    return probe;
}

ReadError LocateStandardTraces(const ByteSource& source, const SegyProbe& probe,
                               std::vector<SegyTraceSpan>& traces) {
    traces.clear();
    if (probe.problem != ReadError::None) {
        return probe.problem;
    }
    const uint64_t width = SegySampleBytes(probe.formatCode);
    if (width == 0) {
        return ReadError::UnsupportedSampleFormat;
    }
    const uint64_t size = source.Size();
    if (probe.firstTrace < kStandardSegyHeaderSize || probe.firstTrace > size) {
        return ReadError::Truncated;
    }
    const uint64_t fixed = kTraceHeaderSize + width * probe.sampleCount;
    if (probe.sampleCount > 0 && (size - probe.firstTrace) % fixed == 0) {
        for (uint64_t at = probe.firstTrace; at < size; at += fixed) {
            traces.push_back({at, probe.sampleCount});
        }
        return ReadError::None;
    }
    std::array<uint8_t, kTraceHeaderSize> header{};
    for (uint64_t at = probe.firstTrace; at < size;) {
        if (!source.ReadAt(at, header.data(), header.size())) {
            return ReadError::Truncated;
        }
        const uint16_t own = U16(&header[kTraceSamples], probe.bigEndian);
        const uint32_t samples = own != 0 ? own : probe.sampleCount;
        if (!source.Contains(at + kTraceHeaderSize, width * samples)) {
            return ReadError::Truncated;
        }
        traces.push_back({at, samples});
        at += kTraceHeaderSize + width * samples;
    }
    return ReadError::None;
}

} // namespace kvt
