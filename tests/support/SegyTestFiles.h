// SEG-Y files built byte by byte in either byte order and any sample format, so the reader can be
// tested on files the writer never produces (big-endian, floats, small integers, odd scalars).
#pragma once

#include <cstdint>
#include <vector>

namespace kvt::test {

struct HandMadeSegy {
    bool bigEndian = false;
    int16_t format = 2;          // 1 and 5 float32, 2 int32, 3 int16, 8 int8
    int16_t interval = 250;      // microseconds
    int16_t tracesInHeader = -1; // -1: the number of traces below
    int16_t samples = 3;         // samples per trace, in the header and in the data
    int16_t scalar = 1000;       // coordinate scalar
    int32_t shotNumber = 0;      // energy source point number
    int32_t sourceX = 0;
    int32_t sourceY = 0;
    float spacing = 4.0f; // always little-endian, in the two unassigned binary-header words
    float firstReceiver = 5.0f;
    std::vector<int32_t> groupX{}; // per trace; missing entries are 0
    std::vector<int32_t> cdp{};    // per trace; missing entries are 0
    std::vector<std::vector<double>> traces{};
};

// The bytes of a file with KVT's 3592-byte file header.
std::vector<uint8_t> SegyBytes(const HandMadeSegy& made);

} // namespace kvt::test
