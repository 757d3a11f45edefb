// SEG-Y files built byte by byte in either byte order and any sample format, so the readers can be
// tested on files the writers never produce (big-endian, floats, small integers, odd scalars), in KVT's
// layout and in the standard one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
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

// A standard file (3600-byte header) as other programs write them, in either byte order and any integer
// or IEEE sample format.
struct HandMadeStandardSegy {
    bool bigEndian = true;
    int16_t format = 2;
    uint16_t interval = 1000;                 // microseconds, binary header and every trace header
    uint16_t samples = 3;                     // binary header
    std::vector<uint16_t> traceSamples{};     // per trace header; missing entries: `samples`
    uint16_t revision = 0x0100;               // bytes 3501-3502, in the file's byte order
    int16_t extendedHeaders = 0;              // the count at 3505
    std::vector<std::string> extendedTexts{}; // each written as one 3200-byte ASCII header
    int16_t scalar = -100;
    int32_t sourcePoint = 0;
    int32_t sourceX = 0;
    int32_t sourceY = 0;
    std::vector<int32_t> groupX{};   // per trace; missing entries are 0
    std::vector<int32_t> ensemble{}; // per trace; missing entries are 0
    std::vector<std::vector<double>> traces{};
    // Binary-header words written last, in the file's byte order: 1-based position, size, value.
    std::vector<std::tuple<size_t, size_t, uint64_t>> binaryWords{};
};

// Its bytes, under a textual header of EBCDIC spaces.
std::vector<uint8_t> StandardSegyBytes(const HandMadeStandardSegy& made);

} // namespace kvt::test
