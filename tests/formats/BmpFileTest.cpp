#include "formats/BmpFile.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "formats/LittleEndian.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace kvt {
namespace {

std::vector<uint8_t> Encode(int32_t width, int32_t height, const std::vector<uint32_t>& pixels) {
    MemorySink sink;
    EXPECT_TRUE(WriteBmp(sink, width, height, pixels.data(), static_cast<size_t>(width)));
    return sink.bytes;
}

TEST(BmpFile, HeadersDescribeA24BitBottomUpImage) {
    const auto bytes = Encode(1, 1, {0x00123456});
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(le::U32(&bytes[2]), 58u);  // file size
    EXPECT_EQ(le::U32(&bytes[6]), 0u);   // reserved
    EXPECT_EQ(le::U32(&bytes[10]), 54u); // pixels offset
    EXPECT_EQ(le::U32(&bytes[14]), 40u);
    EXPECT_EQ(le::I32(&bytes[18]), 1);
    EXPECT_EQ(le::I32(&bytes[22]), 1);
    EXPECT_EQ(le::U16(&bytes[26]), 1u);
    EXPECT_EQ(le::U16(&bytes[28]), 24u);
    EXPECT_EQ(le::U32(&bytes[30]), 0u);
    EXPECT_EQ(le::U32(&bytes[34]), 4u); // one 3-byte pixel padded to 4
    for (size_t offset = 38; offset < 54; ++offset) {
        EXPECT_EQ(bytes[offset], 0) << offset;
    }
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 54, bytes.end()),
              (std::vector<uint8_t>{0x56, 0x34, 0x12, 0}));
}

TEST(BmpFile, RowsGoBottomUpPaddedToFourBytes) {
    // Two rows of three pixels: stride 12 (9 bytes and 3 of padding).
    const auto bytes = Encode(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x010203, 0x040506, 0x070809});
    ASSERT_EQ(bytes.size(), 54u + 24u);
    EXPECT_EQ(BmpStride(3), 12u);
    const std::vector<uint8_t> expected = {3, 2, 1,   6, 5,   4, 9,   8, 7, 0, 0, 0, // bottom row first
                                           0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 54, bytes.end()), expected);
}

TEST(BmpFile, SizesOfTheDefaultPicture) {
    EXPECT_EQ(BmpStride(1024), 3072u);
    const std::vector<uint32_t> white(1024 * 768, 0xFFFFFFFF);
    const auto bytes = Encode(1024, 768, white);
    EXPECT_EQ(bytes.size(), 2359350u);
    EXPECT_EQ(le::U32(&bytes[34]), 2359296u);
    EXPECT_EQ(le::U32(&bytes[2]), 2359350u);
}

TEST(BmpFile, RowPitchSkipsTheSourcesOwnPadding) {
    MemorySink sink;
    const std::vector<uint32_t> pixels = {0x0A0B0C, 0xDEAD, 0x0D0E0F, 0xBEEF};
    ASSERT_TRUE(WriteBmp(sink, 1, 2, pixels.data(), 2));
    EXPECT_EQ(std::vector<uint8_t>(sink.bytes.begin() + 54, sink.bytes.end()),
              (std::vector<uint8_t>{0x0F, 0x0E, 0x0D, 0, 0x0C, 0x0B, 0x0A, 0}));
}

TEST(BmpFile, ImpossibleSizesAreRefused) {
    MemorySink sink;
    const uint32_t pixel = 0;
    EXPECT_FALSE(WriteBmp(sink, 0, 1, &pixel, 1));
    EXPECT_FALSE(WriteBmp(sink, 1, -1, &pixel, 1));
    EXPECT_FALSE(WriteBmp(sink, 2, 1, &pixel, 1)); // pitch shorter than a row
    // Larger than the 32-bit size field can describe: refused before anything is read.
    EXPECT_FALSE(WriteBmp(sink, 40000, 40000, &pixel, 40000));
    EXPECT_TRUE(sink.bytes.empty());
}

TEST(BmpFile, AFailedWriteKeepsThePreviousFile) {
    test::TempDir dir;
    const std::string path = dir.File("picture.bmp");
    const std::vector<uint32_t> pixels(6, 0x00FFFFFF);
    ASSERT_TRUE(WriteBmpFile(path, 3, 2, pixels.data(), 3));
    EXPECT_EQ(test::ReadBytes(path).size(), 78u);
    EXPECT_FALSE(WriteBmpFile(path, 0, 2, pixels.data(), 3));
    EXPECT_EQ(test::ReadBytes(path).size(), 78u);
    EXPECT_FALSE(WriteBmpFile(dir.File("missing/picture.bmp"), 3, 2, pixels.data(), 3));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

} // namespace
} // namespace kvt
