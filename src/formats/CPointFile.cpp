#include "CPointFile.h"

#include "base/ByteOrder.h"

#include <cstring>

namespace kvt {

namespace {
constexpr uint64_t kParameterOffset = 64;
constexpr uint64_t kSampleOffset = 72;
} // namespace

ReadError CPointFile::Read(const std::string& path) {
    FileSource source(path);
    return source.IsOpen() ? Read(static_cast<const ByteSource&>(source)) : ReadError::CannotOpen;
}

bool CPointFile::Write(const std::string& path) const {
    AtomicFileSink sink(path);
    return sink.IsOpen() && WriteTo(sink) && sink.Finish();
}

ReadError CPointFile::Read(const ByteSource& source) {
    uint8_t head[48];
    if (!source.ReadAt(0, head, sizeof head)) {
        return ReadError::Truncated;
    }
    const std::string_view tag(reinterpret_cast<const char*>(head), 9);
    if (tag.substr(0, 3) == "OLD" || (tag != "DLQ_POINT" && tag != "dlq_point")) {
        return ReadError::WrongSignature;
    }
    const int64_t parameters = le::I32(head + 40);
    const int64_t samples = le::I32(head + 44);
    uint8_t values[8];
    if (parameters < 0 || samples < 0 || !source.ReadAt(static_cast<uint64_t>(parameters), values, 8)) {
        return ReadError::Truncated;
    }
    m_fSampleInterval = le::F32(values);
    m_nSampleCount = le::I32(values + 4);
    // The count must fit the bytes that follow before anything is allocated.
    std::vector<uint8_t> raw;
    if (m_nSampleCount < 0 ||
        !source.ReadVector(static_cast<uint64_t>(samples), 4 * static_cast<size_t>(m_nSampleCount), raw)) {
        return ReadError::CountsExceedFile;
    }
    m_samples.resize(static_cast<size_t>(m_nSampleCount));
    for (size_t i = 0; i < m_samples.size(); ++i) {
        m_samples[i] = le::I32(&raw[4 * i]);
    }
    return ReadError::None;
}

bool CPointFile::WriteTo(ByteSink& sink) const {
    if (m_nSampleCount < 0 || m_samples.size() < static_cast<size_t>(m_nSampleCount)) {
        return false;
    }
    le::Buffer out;
    out.Field("BAD-POINT-2.1.0-20130618", 40);
    out.Zeros(kParameterOffset - 40);
    out.F32(m_fSampleInterval);
    out.I32(m_nSampleCount);
    for (int32_t i = 0; i < m_nSampleCount; ++i) {
        out.I32(m_samples[static_cast<size_t>(i)]);
    }
    uint8_t offsets[8];
    le::PutI32(offsets, static_cast<int32_t>(kParameterOffset));
    le::PutI32(offsets + 4, static_cast<int32_t>(kSampleOffset));
    return sink.Write(out.bytes) && sink.WriteAt(40, offsets, 8) && sink.WriteAt(0, "DLQ_POINT", 9);
}

} // namespace kvt
