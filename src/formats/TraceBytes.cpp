#include "TraceBytes.h"

namespace kvt {

void TraceBytes::AddSamples(uint64_t offset, size_t bytes, int32_t* trace, bool inPlace) {
    m_samples.push_back(m_ranges.size());
    if (!inPlace) {
        m_staged.push_back(m_ranges.size());
    }
    m_ranges.push_back({offset, inPlace ? trace : nullptr, bytes});
}

void TraceBytes::AddBytes(uint64_t offset, size_t count, uint8_t* out) {
    m_ranges.push_back({offset, out, count});
}

bool TraceBytes::Read(const ByteSource& source) {
    size_t staging = 0;
    for (const ByteRange& range : m_ranges) {
        if (!source.Contains(range.offset, range.count)) {
            return false;
        }
    }
    for (size_t index : m_staged) {
        staging += m_ranges[index].count;
    }
    if (staging > 0) {
        m_staging = std::make_unique_for_overwrite<uint8_t[]>(staging);
        uint8_t* next = m_staging.get();
        for (size_t index : m_staged) {
            m_ranges[index].out = next;
            next += m_ranges[index].count;
        }
    }
    return source.ReadRanges(m_ranges);
}

} // namespace kvt
