#include "BmpFile.h"

#include "base/ByteOrder.h"

#include <vector>

namespace kvt {

uint64_t BmpStride(int32_t width) {
    return ((static_cast<uint64_t>(width) * 24 + 31) / 32) * 4;
}

bool WriteBmp(ByteSink& sink, int32_t width, int32_t height, const uint32_t* pixels, size_t rowPitch) {
    if (width <= 0 || height <= 0 || pixels == nullptr || rowPitch < static_cast<size_t>(width)) {
        return false;
    }
    const uint64_t stride = BmpStride(width);
    const uint64_t imageSize = stride * static_cast<uint64_t>(height);
    if (imageSize + kBmpHeaderBytes > UINT32_MAX) {
        return false;
    }

    le::Buffer header;
    header.U16(0x4D42); // "BM"
    header.U32(static_cast<uint32_t>(kBmpHeaderBytes + imageSize));
    header.U16(0);
    header.U16(0);
    header.U32(kBmpHeaderBytes);
    header.U32(40);
    header.I32(width);
    header.I32(height);
    header.U16(1);
    header.U16(24);
    header.U32(0);
    header.U32(static_cast<uint32_t>(imageSize));
    header.Zeros(16); // resolutions, colours used, important colours
    if (!sink.Write(header.bytes)) {
        return false;
    }

    std::vector<uint8_t> row(static_cast<size_t>(stride), 0);
    for (int32_t y = height - 1; y >= 0; --y) {
        const uint32_t* source = pixels + static_cast<size_t>(y) * rowPitch;
        uint8_t* out = row.data();
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t rgb = source[x];
            *out++ = static_cast<uint8_t>(rgb);
            *out++ = static_cast<uint8_t>(rgb >> 8);
            *out++ = static_cast<uint8_t>(rgb >> 16);
        }
        if (!sink.Write(row)) {
            return false;
        }
    }
    return true;
}

bool WriteBmpFile(const std::string& path, int32_t width, int32_t height, const uint32_t* pixels,
                  size_t rowPitch) {
    AtomicFileSink sink(path);
    if (!sink.IsOpen() || !WriteBmp(sink, width, height, pixels, rowPitch)) {
        return false;
    }
    return sink.Finish();
}

} // namespace kvt
