#include "SegyTestFiles.h"

#include "formats/SegyTextHeader.h"

#include <bit>
#include <cstddef>

namespace kvt::test {

std::vector<uint8_t> SegyBytes(const HandMadeSegy& made) {
    const size_t width = made.format == 3 ? 2 : made.format == 8 ? 1 : 4;
    const size_t traceBytes = 240 + width * static_cast<size_t>(made.samples);
    std::vector<uint8_t> bytes(3592 + made.traces.size() * traceBytes, 0);
    // `size` bytes of `value` at `at`, in the file's byte order unless `little` insists.
    auto put = [&](size_t at, uint32_t value, size_t size, bool little = false) {
        for (size_t k = 0; k < size; ++k) {
            bytes[at + k] =
                static_cast<uint8_t>(value >> (8 * (made.bigEndian && !little ? size - 1 - k : k)));
        }
    };
    // Positions are the 1-based byte numbers of the SEG-Y tables, minus one.
    put(3212, made.tracesInHeader >= 0 ? made.tracesInHeader : static_cast<int32_t>(made.traces.size()), 2);
    put(3216, made.interval, 2);
    put(3220, made.samples, 2);
    put(3224, made.format, 2);
    put(3260, std::bit_cast<uint32_t>(made.spacing), 4, true);
    put(3264, std::bit_cast<uint32_t>(made.firstReceiver), 4, true);
    for (size_t i = 0; i < made.traces.size(); ++i) {
        const size_t base = 3592 + i * traceBytes;
        put(base + 0, static_cast<uint32_t>(i + 1), 4);
        put(base + 16, made.shotNumber, 4);
        put(base + 20, i < made.cdp.size() ? made.cdp[i] : 0, 4);
        put(base + 70, made.scalar, 2);
        put(base + 72, made.sourceX, 4);
        put(base + 76, made.sourceY, 4);
        put(base + 80, i < made.groupX.size() ? made.groupX[i] : 0, 4);
        put(base + 114, made.samples, 2);
        put(base + 116, made.interval, 2);
        for (size_t j = 0; j < made.traces[i].size() && j < static_cast<size_t>(made.samples); ++j) {
            const double v = made.traces[i][j];
            const bool isFloat = made.format == 1 || made.format == 5;
            put(base + 240 + j * width,
                isFloat ? std::bit_cast<uint32_t>(static_cast<float>(v))
                        : static_cast<uint32_t>(static_cast<int32_t>(v)),
                width);
        }
    }
    return bytes;
}

namespace {

uint64_t SampleBits(int16_t format, double v) {
    switch (format) {
    case 5:
        return std::bit_cast<uint32_t>(static_cast<float>(v));
    case 6:
        return std::bit_cast<uint64_t>(v);
    default:
        return static_cast<uint64_t>(static_cast<int64_t>(v));
    }
}

// Bytes per sample of a standard format code; 4 for codes the reader refuses.
size_t StandardSampleBytes(int16_t format) {
    switch (format) {
    case 3:
    case 11:
        return 2;
    case 6:
    case 9:
    case 12:
        return 8;
    case 7:
    case 15:
        return 3;
    case 8:
    case 16:
        return 1;
    default:
        return 4;
    }
}

} // namespace

std::vector<uint8_t> StandardSegyBytes(const HandMadeStandardSegy& made) {
    std::vector<uint8_t> bytes(3600, 0);
    auto put = [&](size_t at, uint64_t value, size_t size) {
        for (size_t k = 0; k < size; ++k) {
            bytes[at + k] = static_cast<uint8_t>(value >> (8 * (made.bigEndian ? size - 1 - k : k)));
        }
    };
    const auto text = EbcdicTextHeader({});
    std::copy(text.begin(), text.end(), bytes.begin());
    // Positions are the 1-based byte numbers of the SEG-Y tables, minus one.
    put(3216, made.interval, 2);
    put(3220, made.samples, 2);
    put(3224, static_cast<uint16_t>(made.format), 2);
    put(3500, made.revision, 2);
    put(3504, static_cast<uint16_t>(made.extendedHeaders), 2);
    for (const auto& [position, size, value] : made.binaryWords) {
        put(position - 1, value, size);
    }
    for (const std::string& extended : made.extendedTexts) {
        std::string record = extended;
        record.resize(3200, ' ');
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    const size_t width = StandardSampleBytes(made.format);
    for (size_t i = 0; i < made.traces.size(); ++i) {
        const uint16_t count = i < made.traceSamples.size() ? made.traceSamples[i] : made.samples;
        const size_t base = bytes.size();
        bytes.resize(base + 240 + width * count, 0);
        put(base + 16, static_cast<uint32_t>(made.sourcePoint), 4);
        put(base + 20, static_cast<uint32_t>(i < made.ensemble.size() ? made.ensemble[i] : 0), 4);
        put(base + 70, static_cast<uint16_t>(made.scalar), 2);
        put(base + 72, static_cast<uint32_t>(made.sourceX), 4);
        put(base + 76, static_cast<uint32_t>(made.sourceY), 4);
        put(base + 80, static_cast<uint32_t>(i < made.groupX.size() ? made.groupX[i] : 0), 4);
        put(base + 114, count, 2);
        put(base + 116, made.interval, 2);
        for (size_t j = 0; j < made.traces[i].size() && j < count; ++j) {
            put(base + 240 + j * width, SampleBits(made.format, made.traces[i][j]), width);
        }
    }
    return bytes;
}

} // namespace kvt::test
