#include "SegyTestFiles.h"

#include <bit>
#include <cstddef>

namespace kvt::test {

namespace {

class Writer {
public:
    Writer(std::vector<uint8_t>& bytes, bool big) : m_bytes(bytes), m_big(big) {}

    void Put16(size_t at, int32_t value) { Put(at, static_cast<uint32_t>(value) & 0xFFFF, 2); }
    void Put32(size_t at, uint32_t value) { Put(at, value, 4); }
    void PutLe32(size_t at, uint32_t value) {
        for (size_t k = 0; k < 4; ++k) {
            m_bytes[at + k] = static_cast<uint8_t>(value >> (8 * k));
        }
    }

private:
    void Put(size_t at, uint32_t value, size_t width) {
        for (size_t k = 0; k < width; ++k) {
            const size_t shift = m_big ? width - 1 - k : k;
            m_bytes[at + k] = static_cast<uint8_t>(value >> (8 * shift));
        }
    }

    std::vector<uint8_t>& m_bytes;
    bool m_big;
};

size_t SampleBytes(int16_t format) {
    switch (format) {
    case 3:
        return 2;
    case 8:
        return 1;
    default:
        return 4;
    }
}

} // namespace

std::vector<uint8_t> SegyBytes(const HandMadeSegy& made) {
    const size_t width = SampleBytes(made.format);
    const size_t traceBytes = 240 + width * static_cast<size_t>(made.samples);
    std::vector<uint8_t> bytes(3592 + made.traces.size() * traceBytes, 0);
    Writer w(bytes, made.bigEndian);
    // Positions are the 1-based byte numbers of the SEG-Y tables, minus one.
    const int32_t traceCount =
        made.tracesInHeader >= 0 ? made.tracesInHeader : static_cast<int32_t>(made.traces.size());
    w.Put16(3212, traceCount);
    w.Put16(3216, made.interval);
    w.Put16(3220, made.samples);
    w.Put16(3224, made.format);
    w.PutLe32(3260, std::bit_cast<uint32_t>(made.spacing));
    w.PutLe32(3264, std::bit_cast<uint32_t>(made.firstReceiver));
    for (size_t i = 0; i < made.traces.size(); ++i) {
        const size_t base = 3592 + i * traceBytes;
        w.Put32(base + 0, static_cast<uint32_t>(i + 1));
        w.Put32(base + 16, static_cast<uint32_t>(made.shotNumber));
        w.Put32(base + 20, static_cast<uint32_t>(i < made.cdp.size() ? made.cdp[i] : 0));
        w.Put16(base + 70, made.scalar);
        w.Put32(base + 72, static_cast<uint32_t>(made.sourceX));
        w.Put32(base + 76, static_cast<uint32_t>(made.sourceY));
        w.Put32(base + 80, static_cast<uint32_t>(i < made.groupX.size() ? made.groupX[i] : 0));
        w.Put16(base + 114, made.samples);
        w.Put16(base + 116, made.interval);
        for (size_t j = 0; j < made.traces[i].size() && j < static_cast<size_t>(made.samples); ++j) {
            const size_t at = base + 240 + j * width;
            const double v = made.traces[i][j];
            switch (made.format) {
            case 3:
                w.Put16(at, static_cast<int16_t>(v));
                break;
            case 8:
                bytes[at] = static_cast<uint8_t>(static_cast<int8_t>(v));
                break;
            case 1:
            case 5:
                w.Put32(at, std::bit_cast<uint32_t>(static_cast<float>(v)));
                break;
            default:
                w.Put32(at, static_cast<uint32_t>(static_cast<int32_t>(v)));
                break;
            }
        }
    }
    return bytes;
}

} // namespace kvt::test
