// The stored samples of a record's traces, read from the source in one go. Four-byte samples go
// straight into their own trace of the record and are decoded there in place, so a record of them
// takes no memory beyond itself; other widths go to one staging buffer for the whole record. Small
// ranges such as trace headers may join the same read.
#pragma once

#include "base/ByteSource.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kvt {

class TraceBytes {
public:
    // `bytes` stored sample bytes at `offset`. In place: read into `trace`, which must hold at least
    // `bytes` bytes; otherwise staged.
    void AddSamples(uint64_t offset, size_t bytes, int32_t* trace, bool inPlace);
    // Bytes read along with the samples into `out`.
    void AddBytes(uint64_t offset, size_t count, uint8_t* out);
    // Reads every range added; false when one lies outside the source or a read fails. The staging
    // buffer is allocated only after every range has been checked against the source's length.
    bool Read(const ByteSource& source);
    // The stored samples of the i-th AddSamples, after Read.
    const uint8_t* Samples(size_t i) const { return static_cast<const uint8_t*>(m_ranges[m_samples[i]].out); }

private:
    std::vector<ByteRange> m_ranges;
    std::vector<size_t> m_samples; // index into m_ranges of each AddSamples
    std::vector<size_t> m_staged;  // index into m_ranges of each staged one
    std::unique_ptr<uint8_t[]> m_staging;
};

} // namespace kvt
