// 24-bit uncompressed BMP images: the section written as a picture file. Rows are stored bottom-up,
// each as blue, green, red bytes padded with zeros to a multiple of four bytes.
#pragma once

#include "base/ByteSink.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace kvt {

inline constexpr uint32_t kBmpHeaderBytes = 54;

// Bytes of one stored row: three per pixel, rounded up to a multiple of four.
uint64_t BmpStride(int32_t width);

// Encodes the picture: `height` rows of `width` pixels, each pixel a 0xRRGGBB word (the top byte is
// ignored), the top row first and consecutive rows `rowPitch` words apart. False when the size is not
// positive or the file would not fit the format's 32-bit size field, or when the sink fails.
bool WriteBmp(ByteSink& sink, int32_t width, int32_t height, const uint32_t* pixels, size_t rowPitch);

// WriteBmp into a file that replaces `path` only when it is complete.
bool WriteBmpFile(const std::string& path, int32_t width, int32_t height, const uint32_t* pixels,
                  size_t rowPitch);

} // namespace kvt
