#include "CSeg2File.h"

#include "SampleScale.h"
#include "SampleWords.h"
#include "TraceBytes.h"
#include "base/AnsiText.h"
#include "base/ByteOrder.h"
#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace kvt {

namespace {

constexpr uint16_t kFileDescId = 0x3A55;
constexpr uint16_t kTraceDescId = 0x4422;
constexpr uint64_t kFileDescSize = 32;
constexpr uint32_t kTraceDescSize = 32;
constexpr uint8_t kFormatInt16 = 1;
constexpr uint8_t kFormatInt32 = 2;
constexpr uint8_t kFormatPacked20 = 3;
constexpr uint8_t kFormatFloat32 = 4;
constexpr uint8_t kFormatFloat64 = 5;
// Format 3 packs four samples into ten bytes: a little-endian word of four 4-bit exponents, the
// first sample's in the low bits, then the four 16-bit mantissas.
constexpr uint64_t kPackedGroupSamples = 4;
constexpr uint64_t kPackedGroupBytes = 10;
// The data size field is a u32 count of bytes.
constexpr int32_t kMaxWrittenSamples = 0x3FFFFFFF;

constexpr const char* kFileStrings[] = {"ACQUISITION_DATE 09/13/2009", "ACQUISITION_TIME 09:34:59",
                                        "TRAVIK_WORKMODE 1",           "INSTRUMENT MORAVENT",
                                        "TRACE_SORT COMMON SOURCE",    "UNITS METERS",
                                        "NOTE -SHOT_INTERVA 10.00"};

// Where one trace's descriptor, strings and samples lie in the file.
struct TraceBlock {
    uint64_t pointer = 0;
    uint32_t blockSize = 0;
    uint32_t sampleCount = 0;
    uint8_t format = 0;
};

// The bytes `count` samples of a format take; 0 for a format the reader does not convert. A last group
// of format 3 that is not full holds the exponent word and only the mantissas it needs.
uint64_t SampleBytes(uint8_t format, uint64_t count) {
    switch (format) {
    case kFormatInt16:
        return 2 * count;
    case kFormatInt32:
    case kFormatFloat32:
        return 4 * count;
    case kFormatFloat64:
        return 8 * count;
    case kFormatPacked20: {
        const uint64_t rest = count % kPackedGroupSamples;
        return count / kPackedGroupSamples * kPackedGroupBytes + (rest != 0 ? 2 + 2 * rest : 0);
    }
    default:
        return 0;
    }
}

bool IsKnownFormat(uint8_t format) {
    return SampleBytes(format, 1) != 0;
}

// The trace pointers up to the first zero slot: instruments reserve room for more traces than they
// record and leave the unused slots zero.
ReadError ReadPointers(const ByteSource& source, size_t slots, std::vector<uint32_t>& pointers) {
    std::vector<uint8_t> table;
    if (!source.ReadVector(kFileDescSize, slots * 4, table)) {
        return ReadError::Truncated;
    }
    for (size_t i = 0; i < slots; ++i) {
        const uint32_t pointer = le::U32(&table[4 * i]);
        if (pointer == 0) {
            break;
        }
        pointers.push_back(pointer);
    }
    return pointers.empty() ? ReadError::CountsExceedFile : ReadError::None;
}

// The trace's descriptor, strings and samples must all lie inside the file and its format must be
// one the reader knows.
ReadError LocateTrace(const ByteSource& source, uint32_t pointer, TraceBlock& block) {
    uint8_t desc[kTraceDescSize];
    if (!source.ReadAt(pointer, desc, sizeof desc)) {
        return ReadError::Truncated;
    }
    block.pointer = pointer;
    block.blockSize = le::U16(desc + 2);
    block.sampleCount = le::U32(desc + 8);
    block.format = desc[12];
    if (!IsKnownFormat(block.format)) {
        return ReadError::UnsupportedSampleFormat;
    }
    if (block.blockSize < kTraceDescSize) {
        return ReadError::Truncated;
    }
    if (block.sampleCount > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()) ||
        !source.Contains(block.pointer + block.blockSize, SampleBytes(block.format, block.sampleCount))) {
        return ReadError::CountsExceedFile;
    }
    return ReadError::None;
}

// Sample j of a format-3 block: the mantissa, one's complement when negative (so 0xFFEB is -20), times
// two to the power of its exponent. At most 32767 * 2^15, so every value fits.
int32_t Packed20Sample(const uint8_t* raw, size_t j) {
    const uint8_t* group = raw + j / kPackedGroupSamples * kPackedGroupBytes;
    const size_t k = j % kPackedGroupSamples;
    const int exponent = (le::U16(group) >> (4 * k)) & 0x0F;
    const int32_t mantissa = le::I16(group + 2 + 2 * k);
    return (mantissa < 0 ? mantissa + 1 : mantissa) * (int32_t{1} << exponent);
}

// The samples of one trace into `out`; float formats multiplied by `factor` first.
void DecodeSamples(const uint8_t* raw, const TraceBlock& block, double factor, int32_t* out) {
    const size_t count = block.sampleCount;
    switch (block.format) {
    case kFormatInt16:
        DecodeInt16(raw, count, false, out);
        break;
    case kFormatInt32:
        DecodeInt32(raw, count, false, out);
        break;
    case kFormatPacked20:
        for (size_t j = 0; j < count; ++j) {
            out[j] = Packed20Sample(raw, j);
        }
        break;
    case kFormatFloat32:
        DecodeFloat32(raw, count, false, factor, out);
        break;
    default:
        DecodeFloat64(raw, count, false, factor, out);
        break;
    }
}

// The largest finite magnitude among a float-format trace's samples; 0 for the integer formats.
double FloatPeak(const uint8_t* raw, const TraceBlock& block) {
    switch (block.format) {
    case kFormatFloat32:
        return PeakFloat32(raw, block.sampleCount, false);
    case kFormatFloat64:
        return PeakFloat64(raw, block.sampleCount, false);
    default:
        return 0.0;
    }
}

// printf's "%.Nf" in the C locale, whatever locale the program runs in.
std::string Fixed(double value, int decimals) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

// A u16 offset to the next entry (its own two bytes, the text and the terminator), the text, a zero.
void StringEntry(le::Buffer& out, const std::string& text) {
    out.U16(static_cast<uint16_t>(text.size() + 3));
    out.Raw(text.data(), text.size());
    out.Zeros(1);
}

void U8(le::Buffer& out, uint8_t value) {
    out.Raw(&value, 1);
}

} // namespace

std::vector<std::string> CSeg2File::SplitStrings(std::span<const uint8_t> area) {
    std::vector<std::string> strings;
    size_t i = 0;
    while (i < area.size()) {
        if (area[i] == 0) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < area.size() && area[i] != 0) {
            ++i;
        }
        strings.push_back(
            AnsiToUtf8(std::string_view(reinterpret_cast<const char*>(&area[start]), i - start)));
    }
    return strings;
}

std::string CSeg2File::FindKeywordValue(const std::vector<std::string>& strings, std::string_view keyword) {
    for (const std::string& text : strings) {
        const size_t at = text.find(keyword);
        if (at == std::string::npos) {
            continue;
        }
        const size_t start = text.find_first_not_of(' ', at + keyword.size());
        return start == std::string::npos ? std::string() : text.substr(start);
    }
    return std::string();
}

float CSeg2File::ValueNumber(std::string_view value) {
    const double number = ParseLeadingFloat(value);
    // Beyond float range the conversion itself would be undefined; such a value is infinite here.
    if (std::fabs(number) > static_cast<double>(std::numeric_limits<float>::max()) && std::isfinite(number)) {
        return number > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(number);
}

ReadError CSeg2File::Read(const ByteSource& source) {
    m_arrTraces.clear();
    m_receivers.clear();
    m_nSampleScalePower = 0;
    if (!source.ReadAt(0, m_abFileDesc.data(), m_abFileDesc.size())) {
        return ReadError::Truncated;
    }
    m_fTraceSpacing = le::F32(&m_abFileDesc[16]);
    m_fOffset = le::F32(&m_abFileDesc[20]);

    std::vector<uint32_t> pointers;
    if (const ReadError error = ReadPointers(source, le::U16(&m_abFileDesc[4]) / 4, pointers);
        error != ReadError::None) {
        return error;
    }
    // Every block is located and checked before anything is interpreted or allocated.
    std::vector<TraceBlock> blocks(pointers.size());
    uint32_t longest = 0;
    uint64_t blockBytes = 0;
    for (size_t i = 0; i < pointers.size(); ++i) {
        if (const ReadError error = LocateTrace(source, pointers[i], blocks[i]); error != ReadError::None) {
            return error;
        }
        longest = std::max(longest, blocks[i].sampleCount);
        blockBytes += blocks[i].blockSize;
    }
    // Shorter traces are padded with zeros to the longest, so no sample is lost; the padded record may
    // hold no more samples than the file has bytes, which every file of equal-length traces satisfies.
    if (static_cast<uint64_t>(blocks.size()) * longest > source.Size()) {
        return ReadError::CountsExceedFile;
    }
    m_nTraceCount = static_cast<int32_t>(blocks.size());
    m_nSampleCount = static_cast<int32_t>(longest);

    // The record, then every descriptor, string area and sample block in one read. Blocks that share
    // bytes (pointers to one block) could claim more than the file holds; their descriptors are then
    // read one at a time.
    const bool descriptorsTogether = blockBytes <= source.Size();
    std::vector<uint8_t> descriptors(descriptorsTogether ? blockBytes : 0);
    std::vector<size_t> descriptorAt(blocks.size(), 0);
    AllocateTraces(blocks.size(), longest);
    TraceBytes stored;
    for (size_t i = 0, at = 0; i < blocks.size(); ++i) {
        const TraceBlock& block = blocks[i];
        if (descriptorsTogether) {
            descriptorAt[i] = at;
            stored.AddBytes(block.pointer, block.blockSize, &descriptors[at]);
            at += block.blockSize;
        }
        const bool fourBytes = block.format == kFormatInt32 || block.format == kFormatFloat32;
        stored.AddSamples(block.pointer + block.blockSize,
                          static_cast<size_t>(SampleBytes(block.format, block.sampleCount)),
                          m_arrTraces[i].data(), fourBytes);
    }
    if (!stored.Read(source)) {
        m_arrTraces.clear();
        return ReadError::Truncated;
    }

    // Float traces are scaled by their peak over the record (SampleScale.h), found in a pass of its own.
    double peak = 0.0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        peak = std::max(peak, FloatPeak(stored.Samples(i), blocks[i]));
    }
    const int32_t power = FloatScalePower(peak);
    const double factor = std::pow(10.0, power);
    m_receivers.reserve(blocks.size());
    std::vector<uint8_t> alone;
    for (size_t i = 0; i < blocks.size(); ++i) {
        const TraceBlock& block = blocks[i];
        const uint8_t* descriptor = descriptors.data() + descriptorAt[i];
        if (!descriptorsTogether) {
            if (!source.ReadVector(block.pointer, block.blockSize, alone)) {
                m_arrTraces.clear();
                m_receivers.clear();
                return ReadError::Truncated;
            }
            descriptor = alone.data();
        }
        std::copy_n(descriptor, m_abTraceDesc.size(), m_abTraceDesc.begin());
        TakeKeywords(SplitStrings(std::span(descriptor + kTraceDescSize, block.blockSize - kTraceDescSize)),
                     static_cast<int32_t>(i) + 1);
        DecodeSamples(stored.Samples(i), block, factor, m_arrTraces[i].data());
    }
    m_nSampleScalePower = power;
    SpacingFromReceivers();
    return ReadError::None;
}

void CSeg2File::TakeKeywords(const std::vector<std::string>& strings, int32_t channel) {
    const std::string interval = FindKeywordValue(strings, "SAMPLE_INTERVAL");
    if (!interval.empty()) {
        // Seconds as float32 first, then microseconds: 0.000125 s becomes 125.0000076 µs.
        m_fSampleInterval = ValueNumber(interval) * 1000000.0f;
    }
    m_receivers.push_back({channel, ValueNumber(FindKeywordValue(strings, "RECEIVER_LOCATION")),
                           ValueNumber(FindKeywordValue(strings, "CDP_NUMBER"))});
    m_shot.fNumber = ValueNumber(FindKeywordValue(strings, "SHOT_SEQUENCE_NUMBER"));
    // "X" alone, or "X Y Z": the leading number of what follows the first space is Y.
    const std::string location = FindKeywordValue(strings, "SOURCE_LOCATION");
    const size_t space = location.find(' ');
    m_shot.fX = ValueNumber(std::string_view(location).substr(0, space));
    if (space != std::string::npos) {
        m_shot.fY = ValueNumber(std::string_view(location).substr(space));
    }
}

bool CSeg2File::WriteTo(ByteSink& sink) const {
    if (!TracesMatchHeader() || m_nTraceCount > kMaxTraces || m_nSampleCount > kMaxWrittenSamples) {
        return false;
    }
    const auto traces = static_cast<uint16_t>(m_nTraceCount);
    const auto samples = static_cast<uint32_t>(m_nSampleCount);

    le::Buffer head;
    head.U16(kFileDescId);
    head.U16(1);
    head.U16(static_cast<uint16_t>(4 * traces));
    head.U16(traces);
    U8(head, 1);
    head.Zeros(2);
    U8(head, 1);
    U8(head, 0x0A);
    U8(head, 0);
    head.Zeros(2); // reserved
    head.F32(m_fTraceSpacing);
    head.F32(m_fOffset);
    head.Zeros(8);
    head.Zeros(4 * static_cast<size_t>(traces)); // the pointer table, written last
    for (const char* text : kFileStrings) {
        StringEntry(head, text);
    }
    head.Zeros(5);
    head.Zeros((4 - head.Size() % 4) % 4);
    if (!sink.Write(head.bytes)) {
        return false;
    }

    uint64_t position = head.Size();
    le::Buffer pointers;
    le::Buffer block;
    for (size_t i = 0; i < traces; ++i) {
        if (position > std::numeric_limits<uint32_t>::max()) {
            return false;
        }
        pointers.U32(static_cast<uint32_t>(position));
        block.bytes.clear();
        block.U16(kTraceDescId);
        block.U16(0); // the block size, known once the strings are in
        block.U32(4 * samples);
        block.U32(samples);
        U8(block, kFormatInt32);
        block.Zeros(19);
        const float receiver = i < m_receivers.size() ? m_receivers[i].fPosition : 0.0f;
        StringEntry(block, "CHANNEL_NUMBER " + std::to_string(i + 1));
        StringEntry(block, "DELAY " + Fixed(0.0, 3));
        StringEntry(block, "DIGITAL_HIGH_CUT_FILTER " + Fixed(4000.0, 1));
        StringEntry(block, "DIGITAL_LOW_CUT_FILTER " + Fixed(0.1, 1));
        StringEntry(block, "HIGH_CUT_FILTER 4000.0");
        StringEntry(block, "LINE_ID M4");
        StringEntry(block, "LOW_CUT_FILTER 0.1");
        StringEntry(block, "RECEIVER_LOCATION " + Fixed(static_cast<double>(receiver), 2));
        StringEntry(block, "SAMPLE_INTERVAL " + Fixed(static_cast<double>(m_fSampleInterval) / 1000000.0, 6));
        StringEntry(block, "SOURCE_LOCATION " + Fixed(0.0, 2));
        StringEntry(block, "STACK 18");
        StringEntry(block, "TRACE_TYPE SEISMIC_DATA");
        StringEntry(block, "NOTE -DISPLAY_SCALE 36");
        // At least two zeros after the last terminator (an empty entry ends the list), data on a
        // multiple of 4; the block starts on one, so its own size decides.
        static constexpr size_t kPadding[] = {4, 3, 2, 5};
        block.Zeros(kPadding[block.Size() % 4]);
        le::PutU16(&block.bytes[2], static_cast<uint16_t>(block.Size()));
        for (int32_t v : std::span(m_arrTraces[i]).first(samples)) {
            block.I32(v);
        }
        if (!sink.Write(block.bytes)) {
            return false;
        }
        position += block.Size();
    }
    return sink.WriteAt(kFileDescSize, pointers.bytes.data(), pointers.Size());
}

} // namespace kvt
