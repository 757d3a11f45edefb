// The body of every fuzz harness: read the bytes as one file format from memory and, when the reader
// accepts them, write the result back and read that again. Called by the libFuzzer entry points and
// by the replay program that CTest runs over the committed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kvt::fuzz {

int FuzzNative(const uint8_t* data, size_t size);
int FuzzSeg2(const uint8_t* data, size_t size);
int FuzzSegy(const uint8_t* data, size_t size);
int FuzzPoint(const uint8_t* data, size_t size);

using Target = int (*)(const uint8_t*, size_t);
// The harness of that name ("native", "seg2", "segy", "point"), or null.
Target TargetNamed(std::string_view name);

} // namespace kvt::fuzz
