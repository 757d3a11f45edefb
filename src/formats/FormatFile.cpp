#include "FormatFile.h"

namespace kvt {

ReadError FormatFile::Read(const std::string& path) {
    FileSource source(path);
    return source.IsOpen() ? Read(static_cast<const ByteSource&>(source)) : ReadError::CannotOpen;
}

bool FormatFile::Write(const std::string& path) const {
    AtomicFileSink sink(path);
    if (!sink.IsOpen()) {
        return false;
    }
    if (!WriteTo(sink)) {
        return false;
    }
    return sink.Finish();
}

bool FormatFile::TracesMatchHeader() const {
    if (m_nTraceCount < 0 || m_nSampleCount < 0 || m_arrTraces.size() < static_cast<size_t>(m_nTraceCount)) {
        return false;
    }
    for (int32_t i = 0; i < m_nTraceCount; ++i) {
        if (m_arrTraces[static_cast<size_t>(i)].size() < static_cast<size_t>(m_nSampleCount)) {
            return false;
        }
    }
    return true;
}

void FormatFile::AllocateTraces(size_t count, size_t samples) {
    m_arrTraces.clear();
    m_arrTraces.resize(count);
    for (std::vector<int32_t>& trace : m_arrTraces) {
        trace.resize(samples);
    }
}

void FormatFile::SpacingFromReceivers() {
    if (m_receivers.size() >= 2) {
        m_fTraceSpacing = m_receivers[1].fPosition - m_receivers[0].fPosition;
        m_fOffset = m_receivers[0].fPosition;
    } else if (m_receivers.size() == 1) {
        m_fTraceSpacing = m_receivers[0].fPosition;
        m_fOffset = m_receivers[0].fPosition;
    }
}

} // namespace kvt
