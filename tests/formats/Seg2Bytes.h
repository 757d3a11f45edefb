// Hand-built SEG-2 files for reader tests: any strings, format codes, pointer slots and sample bytes.
#pragma once

#include "formats/CSeg2File.h"
#include "formats/LittleEndian.h"

#include <string>
#include <vector>

namespace kvt::test {

struct Seg2Trace {
    std::vector<std::string> strings;
    uint8_t format = 2;
    uint32_t sampleCount = 0;
    std::vector<uint8_t> data;
};

inline Seg2Trace Int32Trace(std::vector<std::string> strings, const std::vector<int32_t>& samples) {
    Seg2Trace t{std::move(strings), 2, static_cast<uint32_t>(samples.size()), {}};
    le::Buffer b;
    for (int32_t v : samples) {
        b.I32(v);
    }
    t.data = b.bytes;
    return t;
}

// slots: pointer slots in the sub-block (0: one per trace); countField: what bytes 6-7 say.
inline std::vector<uint8_t> MakeSeg2(const std::vector<Seg2Trace>& traces, size_t slots = 0,
                                     int countField = -1) {
    if (slots == 0) {
        slots = traces.size();
    }
    le::Buffer f;
    f.U16(0x3A55);
    f.U16(1);
    f.U16(static_cast<uint16_t>(4 * slots));
    f.U16(static_cast<uint16_t>(countField < 0 ? traces.size() : static_cast<size_t>(countField)));
    f.Zeros(24);
    f.Zeros(4 * slots);
    f.Zeros(2); // no file strings: an empty entry ends the list
    f.Zeros((4 - f.Size() % 4) % 4);
    for (size_t i = 0; i < traces.size(); ++i) {
        le::PutU32(&f.bytes[32 + 4 * i], static_cast<uint32_t>(f.Size()));
        le::Buffer strings;
        for (const std::string& s : traces[i].strings) {
            strings.U16(static_cast<uint16_t>(s.size() + 3));
            strings.Raw(s.data(), s.size());
            strings.Zeros(1);
        }
        strings.Zeros(2);
        strings.Zeros((4 - strings.Size() % 4) % 4);
        f.U16(0x4422);
        f.U16(static_cast<uint16_t>(32 + strings.Size()));
        f.U32(static_cast<uint32_t>(traces[i].data.size()));
        f.U32(traces[i].sampleCount);
        f.Raw(&traces[i].format, 1);
        f.Zeros(19);
        f.Raw(strings.bytes.data(), strings.Size());
        f.Raw(traces[i].data.data(), traces[i].data.size());
    }
    return f.bytes;
}

inline bool ReadSeg2(const std::vector<uint8_t>& bytes, CSeg2File& out) {
    MemorySource source(bytes);
    return out.Read(source);
}

} // namespace kvt::test
