#include "CStandardSegyFile.h"

#include "SampleScale.h"
#include "SegySamples.h"
#include "SegyTextHeader.h"
#include "TraceBytes.h"
#include "base/ByteOrder.h"
#include "base/Truncate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kvt {

namespace {

constexpr uint64_t kTextSize = 3200;
constexpr uint64_t kBinarySize = 400;
constexpr uint64_t kTraceHeaderSize = 240;

// Binary-header fields, as offsets into the 400 bytes after the textual header.
constexpr size_t kTracesPerEnsemble = 12;
constexpr size_t kInterval = 16;
constexpr size_t kOriginalInterval = 18;
constexpr size_t kSampleCount = 20;
constexpr size_t kOriginalSampleCount = 22;
constexpr size_t kFormatCode = 24;
constexpr size_t kEnsembleFold = 26;
constexpr size_t kSortingCode = 28;
constexpr size_t kMeasurementSystem = 54;
constexpr size_t kRevision = 300;
constexpr size_t kFixedLength = 302;

// Trace-header fields, as offsets into the 240-byte trace header.
constexpr size_t kLineSequence = 0;
constexpr size_t kFileSequence = 4;
constexpr size_t kFieldRecord = 8;
constexpr size_t kTraceInRecord = 12;
constexpr size_t kSourcePoint = 16;
constexpr size_t kEnsemble = 20;
constexpr size_t kTraceId = 28;
constexpr size_t kVerticalSum = 30;
constexpr size_t kHorizontalStack = 32;
constexpr size_t kDataUse = 34;
constexpr size_t kSourceReceiverOffset = 36;
constexpr size_t kElevationScalar = 68;
constexpr size_t kCoordinateScalar = 70;
constexpr size_t kSourceX = 72;
constexpr size_t kSourceY = 76;
constexpr size_t kGroupX = 80;
constexpr size_t kCoordinateUnits = 88;
constexpr size_t kTraceSamples = 114;
constexpr size_t kTraceInterval = 116;
constexpr size_t kShotPoint = 196;

constexpr int16_t kFormatInt32 = 2;
constexpr int16_t kSortedAsRecorded = 1;
constexpr int16_t kMetres = 1;
constexpr int16_t kLengthUnits = 1;

int32_t I32(const uint8_t* p, bool big) {
    return static_cast<int32_t>(big ? be::U32(p) : le::U32(p));
}

int16_t I16(const uint8_t* p, bool big) {
    return static_cast<int16_t>(big ? be::U16(p) : le::U16(p));
}

// Negative divides, positive multiplies, 0 leaves the value. A magnitude the standard does not allow
// (only 1, 10, 100, 1000 and 10000 are) is ignored rather than trusted.
float Coordinate(int32_t stored, int16_t scalar) {
    const double value = stored;
    switch (scalar) {
    case 10:
    case 100:
    case 1000:
    case 10000:
        return static_cast<float>(value * scalar);
    case -10:
    case -100:
    case -1000:
    case -10000:
        return static_cast<float>(value / -scalar);
    default:
        return static_cast<float>(value);
    }
}

// metres as stored under `scalar` (1, or a negative divisor), rounded to the nearest unit.
int32_t Scaled(float metres, int16_t scalar) {
    const double units = scalar < 0 ? static_cast<double>(metres) * -scalar : static_cast<double>(metres);
    return TruncateToInt32(std::round(units));
}

bool FitsHeaderField(int64_t value) {
    return value >= 0 && value <= std::numeric_limits<int16_t>::max();
}

// "C 1 " to "C40 ": the standard's line labels.
std::string LineLabel(size_t line) {
    char text[8];
    std::snprintf(text, sizeof text, "C%2zu ", line);
    return text;
}

} // namespace

ReadError CStandardSegyFile::Read(const ByteSource& source) {
    m_arrTraces.clear();
    m_receivers.clear();
    m_nSampleScalePower = 0;
    if (source.Size() < kTextSize + kBinarySize || !source.ReadAt(0, m_abTextHeader.data(), kTextSize)) {
        return ReadError::Truncated;
    }
    m_probe = ProbeSegy(source);
    std::vector<SegyTraceSpan> spans;
    if (const ReadError error = LocateStandardTraces(source, m_probe, spans); error != ReadError::None) {
        return error;
    }
    uint32_t longest = 0;
    for (const SegyTraceSpan& span : spans) {
        longest = std::max(longest, span.samples);
    }
    // Shorter traces are padded with zeros to the longest; the padded record may hold no more samples
    // than the file has bytes, which every file of equal-length traces satisfies.
    if (static_cast<uint64_t>(spans.size()) * longest > source.Size()) {
        return ReadError::CountsExceedFile;
    }
    m_nTraceCount = static_cast<int32_t>(spans.size());
    m_nSampleCount = static_cast<int32_t>(longest);
    m_fSampleInterval = static_cast<float>(m_probe.sampleInterval);

    // The record, then every trace header and sample in one read.
    const int16_t format = m_probe.formatCode;
    const bool big = m_probe.bigEndian;
    const uint64_t width = SegySampleBytes(format);
    AllocateTraces(spans.size(), longest);
    std::vector<uint8_t> headers(spans.size() * kTraceHeaderSize);
    TraceBytes stored;
    for (size_t i = 0; i < spans.size(); ++i) {
        stored.AddBytes(spans[i].offset, kTraceHeaderSize, &headers[i * kTraceHeaderSize]);
        stored.AddSamples(spans[i].offset + kTraceHeaderSize, static_cast<size_t>(width * spans[i].samples),
                          m_arrTraces[i].data(), width == 4);
    }
    if (!stored.Read(source)) {
        m_arrTraces.clear();
        return ReadError::Truncated;
    }

    // Floats are scaled by the record's peak (SampleScale.h), found in a pass of its own.
    int32_t power = 0;
    if (IsFloatSegyFormat(format)) {
        double peak = 0.0;
        for (size_t i = 0; i < spans.size(); ++i) {
            peak = std::max(peak, SegyTracePeak(stored.Samples(i), spans[i].samples, format, big));
        }
        power = FloatScalePower(peak);
    }
    const double factor = std::pow(10.0, power);
    m_receivers.reserve(spans.size());
    for (size_t i = 0; i < spans.size(); ++i) {
        DecodeSegyTrace(stored.Samples(i), spans[i].samples, format, big, factor, m_arrTraces[i].data());
        TakeTraceHeader(&headers[i * kTraceHeaderSize], static_cast<int32_t>(i));
    }
    m_nSampleScalePower = power;
    SpacingFromReceivers();
    return ReadError::None;
}

void CStandardSegyFile::TakeTraceHeader(const uint8_t* header, int32_t index) {
    const bool big = m_probe.bigEndian;
    const int16_t scalar = I16(header + kCoordinateScalar, big);
    m_shot.fNumber = static_cast<float>(I32(header + kSourcePoint, big));
    m_shot.fX = Coordinate(I32(header + kSourceX, big), scalar);
    m_shot.fY = Coordinate(I32(header + kSourceY, big), scalar);
    m_receivers.push_back({index + 1, Coordinate(I32(header + kGroupX, big), scalar),
                           static_cast<float>(I32(header + kEnsemble, big))});
    // A binary header without an interval leaves it to the trace headers.
    if (index == 0 && m_fSampleInterval == 0.0f) {
        m_fSampleInterval = static_cast<uint16_t>(I16(header + kTraceInterval, big));
    }
}

void CStandardSegyFile::CopyTextsFrom(const ShotHeader& h) {
    m_strProject = h.m_strProject;
    m_strCompany = h.m_strCompany;
    m_strOperator = h.m_strOperator;
    m_strProfile = h.m_strProfile;
    m_strTestDate = h.m_strTestDate;
}

int16_t CStandardSegyFile::CoordinateScalar() const {
    std::vector<float> coordinates = {m_shot.fX, m_shot.fY};
    for (int32_t i = 0; i < m_nTraceCount && static_cast<size_t>(i) < m_receivers.size(); ++i) {
        coordinates.push_back(m_receivers[static_cast<size_t>(i)].fPosition);
    }
    for (int16_t scalar : {int16_t{1}, int16_t{-10}, int16_t{-100}, int16_t{-1000}}) {
        const double divisor = scalar < 0 ? -scalar : 1;
        const bool exact = std::all_of(coordinates.begin(), coordinates.end(), [&](float c) {
            const double units = std::round(static_cast<double>(c) * divisor);
            return std::fabs(units) < 2147483647.0 && static_cast<float>(units / divisor) == c;
        });
        if (exact) {
            return scalar;
        }
    }
    return -1000;
}

std::vector<std::string> CStandardSegyFile::TextLines() const {
    std::vector<std::string> body = {
        "KVT SHOT RECORD",
        "PROJECT: " + m_strProject,
        "COMPANY: " + m_strCompany,
        "OPERATOR: " + m_strOperator,
        "PROFILE: " + m_strProfile,
        "TEST DATE: " + m_strTestDate,
        "TRACES: " + std::to_string(m_nTraceCount) +
            "  SAMPLES PER TRACE: " + std::to_string(m_nSampleCount) +
            "  SAMPLE INTERVAL: " + std::to_string(TruncateToInt32(std::round(m_fSampleInterval))) + " US",
        "SAMPLES: 4-BYTE TWO'S COMPLEMENT INTEGERS (FORMAT 2), BIG-ENDIAN",
        "SHOT POINT " + std::to_string(TruncateToInt32(m_shot.fNumber)) +
            ": SOURCE X, Y IN BYTES 73-80, RECEIVER X IN 81-84, METRES",
        "COORDINATE SCALAR: " + std::to_string(CoordinateScalar()),
    };
    if (m_nSampleScalePower != 0) {
        body.push_back("SAMPLES ARE THE SOURCE FILE'S FLOATS TIMES 10^" +
                       std::to_string(m_nSampleScalePower));
    }
    std::vector<std::string> lines;
    for (size_t i = 0; i < kTextHeaderLines; ++i) {
        const std::string text = i + 2 == kTextHeaderLines   ? "SEG Y REV1"
                                 : i + 1 == kTextHeaderLines ? "END TEXTUAL HEADER"
                                 : i < body.size()           ? body[i]
                                                             : "";
        lines.push_back(LineLabel(i + 1) + text);
    }
    return lines;
}

bool CStandardSegyFile::WriteTo(ByteSink& sink) const {
    const double interval = std::round(static_cast<double>(m_fSampleInterval));
    if (!TracesMatchHeader() || !FitsHeaderField(m_nTraceCount) || !FitsHeaderField(m_nSampleCount) ||
        !(interval >= 0.0 && interval <= std::numeric_limits<int16_t>::max())) {
        return false;
    }
    const auto traceCount = static_cast<int16_t>(m_nTraceCount);
    const auto sampleCount = static_cast<int16_t>(m_nSampleCount);
    const auto interval16 = static_cast<int16_t>(interval);

    std::array<uint8_t, kBinarySize> binary{};
    uint8_t* b = binary.data();
    be::PutI16(b + kTracesPerEnsemble, traceCount);
    be::PutI16(b + kInterval, interval16);
    be::PutI16(b + kOriginalInterval, interval16);
    be::PutI16(b + kSampleCount, sampleCount);
    be::PutI16(b + kOriginalSampleCount, sampleCount);
    be::PutI16(b + kFormatCode, kFormatInt32);
    be::PutI16(b + kEnsembleFold, 1);
    be::PutI16(b + kSortingCode, kSortedAsRecorded);
    be::PutI16(b + kMeasurementSystem, kMetres);
    b[kRevision] = 1;
    be::PutI16(b + kFixedLength, 1);
    const std::array<uint8_t, kTextSize> text = EbcdicTextHeader(TextLines());
    if (!sink.Write(text.data(), text.size()) || !sink.Write(binary.data(), binary.size())) {
        return false;
    }

    const int16_t scalar = CoordinateScalar();
    const int32_t shotNumber = TruncateToInt32(m_shot.fNumber);
    std::vector<uint8_t> block(kTraceHeaderSize + 4 * static_cast<size_t>(m_nSampleCount));
    for (int32_t i = 0; i < m_nTraceCount; ++i) {
        std::fill(block.begin(), block.begin() + kTraceHeaderSize, uint8_t{0});
        uint8_t* h = block.data();
        const ReceiverPoint* receiver =
            static_cast<size_t>(i) < m_receivers.size() ? &m_receivers[static_cast<size_t>(i)] : nullptr;
        const float receiverX = receiver != nullptr ? receiver->fPosition : 0.0f;
        be::PutI32(h + kLineSequence, i + 1);
        be::PutI32(h + kFileSequence, i + 1);
        be::PutI32(h + kFieldRecord, shotNumber);
        be::PutI32(h + kTraceInRecord, receiver != nullptr ? receiver->nChannel : i + 1);
        be::PutI32(h + kSourcePoint, shotNumber);
        be::PutI32(h + kEnsemble, receiver != nullptr ? TruncateToInt32(receiver->fCdp) : 0);
        be::PutI16(h + kTraceId, 1); // seismic data
        be::PutI16(h + kVerticalSum, 1);
        be::PutI16(h + kHorizontalStack, 1);
        be::PutI16(h + kDataUse, 1); // production
        be::PutI32(h + kSourceReceiverOffset, Scaled(receiverX - m_shot.fX, 1));
        be::PutI16(h + kElevationScalar, 1);
        be::PutI16(h + kCoordinateScalar, scalar);
        be::PutI32(h + kSourceX, Scaled(m_shot.fX, scalar));
        be::PutI32(h + kSourceY, Scaled(m_shot.fY, scalar));
        be::PutI32(h + kGroupX, Scaled(receiverX, scalar));
        be::PutI16(h + kCoordinateUnits, kLengthUnits);
        be::PutI16(h + kTraceSamples, sampleCount);
        be::PutI16(h + kTraceInterval, interval16);
        be::PutI32(h + kShotPoint, shotNumber);

        const auto& samples = m_arrTraces[static_cast<size_t>(i)];
        uint8_t* out = h + kTraceHeaderSize;
        for (size_t j = 0; j < static_cast<size_t>(m_nSampleCount); ++j) {
            be::PutI32(out + 4 * j, samples[j]);
        }
        if (!sink.Write(block)) {
            return false;
        }
    }
    return true;
}

} // namespace kvt
