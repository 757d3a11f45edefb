// What every record format object shares: the eleven numeric header fields, the samples, the receiver
// table and the shot point, and the path-level Read/Write around the byte-level ones.
#pragma once

#include "ReadError.h"
#include "base/ByteSink.h"
#include "base/ByteSource.h"
#include "record/GeometryPoints.h"
#include "record/ShotHeader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvt {

class FormatFile : public NumericHeader {
public:
    std::vector<std::vector<int32_t>> m_arrTraces;
    std::vector<ReceiverPoint> m_receivers;
    ShotPoint m_shot;
    // The power of ten the reader multiplied floating-point samples by before they became integers
    // (SampleScale.h); 0 when the samples are as stored.
    int32_t m_nSampleScalePower = 0;

    FormatFile() = default;
    virtual ~FormatFile() = default;
    // Declared, since the virtual destructor would otherwise leave only copying: moving a record
    // between owners must not copy its samples.
    FormatFile(const FormatFile&) = default;
    FormatFile(FormatFile&&) noexcept = default;
    FormatFile& operator=(const FormatFile&) = default;
    FormatFile& operator=(FormatFile&&) noexcept = default;

    // Reads the file at path; the reason when it cannot be opened or the reader refuses it.
    ReadError Read(const std::string& path);
    // Writes a temporary file beside path and renames it over path when complete. False when the
    // file cannot be created or any write fails; the previous file at path is then untouched.
    bool Write(const std::string& path) const;

    virtual ReadError Read(const ByteSource& source) = 0;
    virtual bool WriteTo(ByteSink& sink) const = 0;

protected:
    // True when m_arrTraces holds m_nTraceCount traces of at least m_nSampleCount samples, so a
    // writer may index them directly.
    bool TracesMatchHeader() const;
    // m_arrTraces becomes `count` zero-filled traces of `samples` samples, each filled in place rather
    // than copied from a first one.
    void AllocateTraces(size_t count, size_t samples);
    // The trace spacing and first receiver position of a file that has only a receiver table: the
    // first two receivers' distance and the first one's position (one receiver: its position for both).
    void SpacingFromReceivers();
};

} // namespace kvt
