#include "CSegyFile.h"

#include "CStandardSegyFile.h"
#include "SampleWords.h"
#include "TraceBytes.h"
#include "base/ByteOrder.h"
#include "base/Truncate.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kvt {

namespace {

constexpr uint64_t kTextHeaderSize = 3200;

// Binary-header fields, as offsets into the 392 bytes that follow the text header.
constexpr size_t kLineNumber = 4;
constexpr size_t kReelNumber = 8;
constexpr size_t kTracesPerEnsemble = 12;
constexpr size_t kInterval = 16;
constexpr size_t kSampleCount = 20;
constexpr size_t kFormatCode = 24;
constexpr size_t kEnsembleFold = 26;
constexpr size_t kSortingCode = 28;
constexpr size_t kMeasurementSystem = 54;
constexpr size_t kTraceSpacing = 60;
constexpr size_t kFirstReceiver = 64;

// Trace-header fields, as offsets into the 240-byte trace header.
constexpr size_t kTraceSequence = 0;
constexpr size_t kFieldRecord = 8;
constexpr size_t kTraceInRecord = 12;
constexpr size_t kSourcePoint = 16;
constexpr size_t kCdp = 20;
constexpr size_t kTraceId = 28;
constexpr size_t kSourceOffset = 36;
constexpr size_t kElevationScalar = 68;
constexpr size_t kCoordinateScalar = 70;
constexpr size_t kSourceX = 72;
constexpr size_t kSourceY = 76;
constexpr size_t kGroupX = 80;
constexpr size_t kWeatheringVelocity = 90;
constexpr size_t kTraceSamples = 114;
constexpr size_t kTraceInterval = 116;
constexpr size_t kHighCut = 150;

constexpr int16_t kFormatIeeeFloat = 1; // IEEE float32 in KVT's files, not the standard's IBM float
constexpr int16_t kFormatInt32 = 2;
constexpr int16_t kFormatInt16 = 3;
constexpr int16_t kFormatFloat32 = 5;
constexpr int16_t kFormatInt8 = 8;

constexpr int16_t kCoordinateScale = 1000;

void Swap2(uint8_t* p) {
    std::swap(p[0], p[1]);
}
void Swap4(uint8_t* p) {
    std::reverse(p, p + 4);
}

// Every code the published standard assigns, whether or not this reader converts it.
bool IsSegyFormatCode(int16_t code) {
    return (code >= 1 && code <= 12) || code == 15 || code == 16;
}

// A negative interval read little-endian marks a big-endian file. Big-endian files whose
// interval has a low byte below 128 (125, 100, 50 us) slip past that test; their format code, which
// is a standard code only when read the right way round, gives them away.
bool IsBigEndian(const uint8_t* binary) {
    if (le::I16(binary + kInterval) < 0) {
        return true;
    }
    return !IsSegyFormatCode(le::I16(binary + kFormatCode)) &&
           IsSegyFormatCode(static_cast<int16_t>(be::U16(binary + kFormatCode)));
}

// Bytes per sample of the formats this reader converts; 0 for any other code.
uint64_t BytesPerSample(int16_t code) {
    switch (code) {
    case kFormatIeeeFloat:
    case kFormatInt32:
    case kFormatFloat32:
        return 4;
    case kFormatInt16:
        return 2;
    case kFormatInt8:
        return 1;
    default:
        return 0;
    }
}

// A trace's samples; both float codes hold IEEE floats here, truncated unscaled.
void DecodeSamples(const uint8_t* raw, size_t count, int16_t code, bool big, int32_t* out) {
    switch (code) {
    case kFormatInt32:
        DecodeInt32(raw, count, big, out);
        break;
    case kFormatInt16:
        DecodeInt16(raw, count, big, out);
        break;
    case kFormatInt8:
        DecodeInt8(raw, count, out);
        break;
    default:
        DecodeFloat32(raw, count, big, 1.0, out);
        break;
    }
}

// A stored coordinate in metres. KVT writes a positive scalar of 1000 that divides; the standard's
// negative scalar divides as well; 0 leaves the value unscaled.
float Coordinate(int32_t stored, int16_t scalar) {
    if (scalar == 0) {
        return static_cast<float>(stored);
    }
    const double divisor = scalar > 0 ? scalar : -static_cast<double>(scalar);
    return static_cast<float>(static_cast<double>(stored) / divisor);
}

int32_t Thousandths(float metres) {
    return TruncateToInt32(metres * static_cast<float>(kCoordinateScale));
}

// The header's 16-bit counts and interval cannot hold more; a larger value would be written wrapped
// and read back as something else.
bool FitsHeaderField(int32_t value) {
    return value >= 0 && value <= std::numeric_limits<int16_t>::max();
}

} // namespace

ReadError CSegyFile::Read(const ByteSource& source) {
    m_nSampleScalePower = 0;
    m_layout = ProbeSegy(source).layout;
    if (m_layout == SegyLayout::Standard) {
        return ReadStandard(source);
    }
    if (!source.ReadAt(0, m_abTextHeader.data(), m_abTextHeader.size()) ||
        !source.ReadAt(kTextHeaderSize, m_abBinaryHeader.data(), m_abBinaryHeader.size())) {
        return ReadError::Truncated;
    }
    uint8_t* binary = m_abBinaryHeader.data();
    const bool big = IsBigEndian(binary);
    if (big) {
        for (size_t at : {kTracesPerEnsemble, kInterval, kSampleCount, kFormatCode, kSortingCode}) {
            Swap2(binary + at);
        }
    }
    m_nTraceCount = le::I16(binary + kTracesPerEnsemble);
    m_fSampleInterval = static_cast<float>(le::I16(binary + kInterval));
    m_nSampleCount = le::I16(binary + kSampleCount);
    // KVT stores these two little-endian whatever the byte order of the rest.
    m_fTraceSpacing = le::F32(binary + kTraceSpacing);
    m_fOffset = le::F32(binary + kFirstReceiver);

    const int16_t format = le::I16(binary + kFormatCode);
    const uint64_t bytesPerSample = BytesPerSample(format);
    if (bytesPerSample == 0) {
        return ReadError::UnsupportedSampleFormat;
    }
    if (m_nSampleCount < 0) {
        return ReadError::CountsExceedFile;
    }
    // Every count is checked against the file's length before anything is allocated.
    const uint64_t traceBytes = kTraceHeaderSize + bytesPerSample * static_cast<uint64_t>(m_nSampleCount);
    const uint64_t dataBytes = source.Size() - kFileHeaderSize;
    if (m_nTraceCount <= 0) {
        m_nTraceCount = static_cast<int32_t>(
            std::min<uint64_t>(dataBytes / traceBytes, std::numeric_limits<int32_t>::max()));
    } else if (static_cast<uint64_t>(m_nTraceCount) * traceBytes > dataBytes) {
        return ReadError::CountsExceedFile;
    }

    // The record, then every trace header and sample in one read.
    const auto count = static_cast<size_t>(m_nTraceCount);
    AllocateTraces(count, static_cast<size_t>(m_nSampleCount));
    std::vector<uint8_t> headers(count * kTraceHeaderSize);
    TraceBytes stored;
    for (size_t i = 0; i < count; ++i) {
        const uint64_t at = kFileHeaderSize + traceBytes * i;
        stored.AddBytes(at, kTraceHeaderSize, &headers[i * kTraceHeaderSize]);
        stored.AddSamples(at + kTraceHeaderSize, static_cast<size_t>(traceBytes - kTraceHeaderSize),
                          m_arrTraces[i].data(), bytesPerSample == 4);
    }
    if (!stored.Read(source)) {
        m_arrTraces.clear();
        return ReadError::Truncated;
    }

    m_receivers.clear();
    m_receivers.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        std::vector<int32_t>& samples = m_arrTraces[i];
        DecodeSamples(stored.Samples(i), samples.size(), format, big, samples.data());
        std::copy_n(&headers[i * kTraceHeaderSize], m_abTraceHeader.size(), m_abTraceHeader.begin());
        uint8_t* header = m_abTraceHeader.data();
        if (big) {
            for (size_t at : {kFieldRecord, kTraceInRecord, kSourcePoint, kCdp, kSourceOffset, kSourceX,
                              kSourceY, kGroupX}) {
                Swap4(header + at);
            }
            for (size_t at : {kElevationScalar, kCoordinateScalar, kWeatheringVelocity, kTraceSamples,
                              kTraceInterval, kHighCut}) {
                Swap2(header + at);
            }
        }
        const int16_t scalar = le::I16(header + kCoordinateScalar);
        m_shot.fNumber = static_cast<float>(le::I32(header + kSourcePoint));
        m_shot.fX = Coordinate(le::I32(header + kSourceX), scalar);
        m_shot.fY = Coordinate(le::I32(header + kSourceY), scalar);
        m_receivers.push_back({static_cast<int32_t>(i) + 1, Coordinate(le::I32(header + kGroupX), scalar),
                               static_cast<float>(le::I32(header + kCdp))});
    }
    return ReadError::None;
}

ReadError CSegyFile::ReadStandard(const ByteSource& source) {
    CStandardSegyFile file;
    const ReadError error = file.Read(source);
    CopyNumericFrom(file);
    m_arrTraces = std::move(file.m_arrTraces);
    m_receivers = std::move(file.m_receivers);
    m_shot = file.m_shot;
    m_nSampleScalePower = file.m_nSampleScalePower;
    m_abTextHeader = file.m_abTextHeader;
    m_abBinaryHeader.fill(0);
    m_abTraceHeader.fill(0);
    return error;
}

bool CSegyFile::WriteTo(ByteSink& sink) const {
    const int32_t interval = TruncateToInt32(m_fSampleInterval);
    if (!TracesMatchHeader() || !FitsHeaderField(m_nTraceCount) || !FitsHeaderField(m_nSampleCount) ||
        !FitsHeaderField(interval)) {
        return false;
    }
    const auto traceCount = static_cast<int16_t>(m_nTraceCount);
    const auto sampleCount = static_cast<int16_t>(m_nSampleCount);
    const auto interval16 = static_cast<int16_t>(interval);

    // Whatever else the header areas hold (zero for a new object) is written as it stands.
    std::array<uint8_t, 392> binary = m_abBinaryHeader;
    uint8_t* b = binary.data();
    le::PutI32(b + kLineNumber, 0);
    le::PutI32(b + kReelNumber, 0);
    le::PutI16(b + kTracesPerEnsemble, traceCount);
    le::PutI16(b + kInterval, interval16);
    le::PutI16(b + kSampleCount, sampleCount);
    le::PutI16(b + kFormatCode, kFormatInt32);
    le::PutI16(b + kEnsembleFold, traceCount);
    le::PutI16(b + kMeasurementSystem, 1); // metres
    le::PutF32(b + kTraceSpacing, m_fTraceSpacing);
    le::PutF32(b + kFirstReceiver, m_fOffset);
    if (!sink.Write(m_abTextHeader.data(), m_abTextHeader.size()) ||
        !sink.Write(binary.data(), binary.size())) {
        return false;
    }

    const int32_t shotNumber = TruncateToInt32(m_shot.fNumber);
    const int32_t sourceX = Thousandths(m_shot.fX);
    const int32_t sourceY = Thousandths(m_shot.fY);
    const size_t sampleBytes = 4 * static_cast<size_t>(m_nSampleCount);
    std::vector<uint8_t> block(kTraceHeaderSize + sampleBytes);
    for (int32_t i = 0; i < m_nTraceCount; ++i) {
        std::fill(block.begin(), block.begin() + kTraceHeaderSize, uint8_t{0});
        uint8_t* h = block.data();
        const ReceiverPoint* receiver =
            static_cast<size_t>(i) < m_receivers.size() ? &m_receivers[static_cast<size_t>(i)] : nullptr;
        le::PutI32(h + kTraceSequence, i + 1);
        le::PutI32(h + kFieldRecord, shotNumber);
        le::PutI32(h + kTraceInRecord, i + 1);
        le::PutI32(h + kSourcePoint, shotNumber);
        le::PutI32(h + kCdp, receiver != nullptr ? TruncateToInt32(receiver->fCdp) : 0);
        le::PutI16(h + kTraceId, 1); // seismic data
        le::PutI16(h + kElevationScalar, kCoordinateScale);
        le::PutI16(h + kCoordinateScalar, kCoordinateScale);
        le::PutI32(h + kSourceX, sourceX);
        le::PutI32(h + kSourceY, sourceY);
        le::PutI32(h + kGroupX, receiver != nullptr ? Thousandths(receiver->fPosition) : 0);
        le::PutI16(h + kWeatheringVelocity, 1000);
        le::PutI16(h + kTraceSamples, sampleCount);
        le::PutI16(h + kTraceInterval, interval16);
        le::PutI16(h + kHighCut, 4000);

        const auto& samples = m_arrTraces[static_cast<size_t>(i)];
        uint8_t* out = h + kTraceHeaderSize;
        for (size_t j = 0; j < static_cast<size_t>(m_nSampleCount); ++j) {
            le::PutI32(out + 4 * j, samples[j]);
        }
        if (!sink.Write(block)) {
            return false;
        }
    }
    return true;
}

} // namespace kvt
