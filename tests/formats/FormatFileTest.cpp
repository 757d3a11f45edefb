// Saving through a path and opening by path for every format: the three record formats, the point
// file and BMP pictures; and the point file's and the pictures' byte layouts.
#include "FileBytes.h"
#include "FormatTestFiles.h"
#include "TempDir.h"
#include "formats/BmpFile.h"
#include "formats/CPointFile.h"
#include "formats/CSegyFile.h"
#include "formats/CSrwFile.h"

#include <cstring>
#include <filesystem>
#include <functional>

namespace kvt {
namespace {

using namespace test;

template <class File> class RecordFormat : public ::testing::Test {};
using Formats = ::testing::Types<CSrwFile, CSeg2File, CSegyFile>;
TYPED_TEST_SUITE(RecordFormat, Formats);

TYPED_TEST(RecordFormat, SavesWholeOrNotAtAllAndReadsBackThroughThePath) {
    TempDir dir;
    const std::string path = dir.File("record");
    WriteBytes(path, {'o', 'l', 'd'});
    // Records whose traces do not match their header write nothing, and leave the old file.
    const std::function<void(TypeParam&)> mismatches[] = {
        [](TypeParam& f) { f.m_nTraceCount = 3; }, [](TypeParam& f) { f.m_arrTraces[1].pop_back(); },
        [](TypeParam& f) { f.m_nTraceCount = -1; }, [](TypeParam& f) { f.m_nSampleCount = -1; }};
    for (const auto& mismatch : mismatches) {
        TypeParam file = Record<TypeParam>(2, 4);
        mismatch(file);
        MemorySink sink;
        EXPECT_FALSE(file.WriteTo(sink));
        EXPECT_TRUE(sink.bytes.empty());
        EXPECT_FALSE(file.Write(path));
        EXPECT_EQ(ReadBytes(path), (Bytes{'o', 'l', 'd'}));
    }
    const TypeParam file = Record<TypeParam>(2, 3);
    ASSERT_TRUE(file.Write(path));
    EXPECT_EQ(ReadBytes(path), Written(file));
    TypeParam back;
    ASSERT_EQ(back.Read(path), ReadError::None);
    EXPECT_EQ(back.m_arrTraces, file.m_arrTraces);
    EXPECT_FALSE(file.Write(dir.File("missing/record")));
    EXPECT_EQ(TypeParam().Read(dir.File("missing.file")), ReadError::CannotOpen);
    EXPECT_EQ(TypeParam().Read(dir.Path().string()), ReadError::CannotOpen) << "a folder is not a record";
}

TEST(PointFile, LayoutIsSignatureOffsetsParametersSamplesAndReadsBackExactly) {
    le::Buffer e;
    e.Field("DLQ_POINT-2.1.0-20130618", 40); // written as "BAD-POINT..." and patched when complete
    for (int32_t v : {64, 72, 0, 0, 0, 0}) {
        e.I32(v);
    }
    e.F32(125.0000076f);
    for (int32_t v : {3, 7, -8, INT32_MIN}) {
        e.I32(v);
    }
    const CPointFile file{
        .m_fSampleInterval = 125.0000076f, .m_nSampleCount = 3, .m_samples = {7, -8, INT32_MIN}};
    EXPECT_EQ(Written(file), e.bytes);

    TempDir dir;
    ASSERT_TRUE(file.Write(dir.File("t.point")));
    CPointFile back;
    ASSERT_EQ(back.Read(dir.File("t.point")), ReadError::None);
    EXPECT_EQ(std::pair(back.m_fSampleInterval, back.m_samples), std::pair(125.0000076f, file.m_samples));
    EXPECT_EQ(back.Read(dir.File("missing.point")), ReadError::CannotOpen);
    EXPECT_FALSE(file.Write(dir.File("missing/t.point")));
}

TEST(PointFile, DamagedFilesAreRefusedForTheirReason) {
    const Bytes good = Written(CPointFile{.m_nSampleCount = 3, .m_samples = {1, 2, 3}});
    for (const char* tag : {"dlq_point", "BAD-POINT", "OLD_POINT", "DLQ_POINX"}) {
        Bytes bytes = good;
        std::memcpy(bytes.data(), tag, 9);
        CPointFile file;
        EXPECT_EQ(ReadFrom(bytes, file),
                  std::string_view(tag) == "dlq_point" ? ReadError::None : ReadError::WrongSignature)
            << tag;
    }
    // Where, what value, and why: the sample count, then the two offsets.
    const std::tuple<size_t, int32_t, ReadError> damages[] = {
        {68, -1, ReadError::CountsExceedFile}, {68, 0x7fffffff, ReadError::CountsExceedFile},
        {68, 4, ReadError::CountsExceedFile},  {40, 5000, ReadError::Truncated},
        {40, -64, ReadError::Truncated},       {44, -72, ReadError::Truncated}};
    for (const auto& [at, value, reason] : damages) {
        Bytes bytes = good;
        le::PutI32(&bytes[at], value);
        CPointFile file;
        EXPECT_EQ(ReadFrom(bytes, file), reason) << at << " " << value;
    }
    ExpectPrefixesRefused<CPointFile>(
        good, [](size_t n) { return n < 72 ? ReadError::Truncated : ReadError::CountsExceedFile; });
}

Bytes Encode(int32_t width, int32_t height, const std::vector<uint32_t>& pixels, size_t pitch) {
    MemorySink sink;
    EXPECT_TRUE(WriteBmp(sink, width, height, pixels.data(), pitch));
    return sink.bytes;
}

// The 54-byte headers of a 24-bit uncompressed image (one plane, 24 bits a pixel), then `pixels`.
Bytes Bmp(int32_t width, int32_t height, const Bytes& pixels) {
    le::Buffer h;
    h.Raw("BM", 2);
    const auto size = static_cast<uint32_t>(pixels.size());
    for (uint32_t v : {54 + size, 0u, 54u, 40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                       0x180001u, 0u, size}) {
        h.U32(v);
    }
    h.Zeros(16);
    h.Raw(pixels.data(), pixels.size());
    return h.bytes;
}

TEST(BmpFile, RowsAreStoredBottomUpAsBlueGreenRedPaddedToFourBytes) {
    EXPECT_EQ(Encode(1, 1, {0xAB123456}, 1), Bmp(1, 1, {0x56, 0x34, 0x12, 0})) << "the top byte is ignored";
    EXPECT_EQ(Encode(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x010203, 0x040506, 0x070809}, 3),
              Bmp(3, 2, {3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}));
    // The row pitch skips what the source holds beyond each row.
    EXPECT_EQ(Encode(1, 2, {0x0A0B0C, 0xDEAD, 0x0D0E0F, 0xBEEF}, 2),
              Bmp(1, 2, {0x0F, 0x0E, 0x0D, 0, 0x0C, 0x0B, 0x0A, 0}));
}

TEST(BmpFile, ImpossibleSizesAreRefusedAndAFailedSaveKeepsThePreviousFile) {
    MemorySink sink;
    const uint32_t pixel = 0;
    EXPECT_FALSE(WriteBmp(sink, 0, 1, &pixel, 1));
    EXPECT_FALSE(WriteBmp(sink, 1, -1, &pixel, 1));
    EXPECT_FALSE(WriteBmp(sink, 2, 1, &pixel, 1)); // pitch shorter than a row
    // Larger than the 32-bit size field can describe: refused before anything is read.
    EXPECT_FALSE(WriteBmp(sink, 40000, 40000, &pixel, 40000));
    EXPECT_TRUE(sink.bytes.empty());

    TempDir dir;
    const std::string path = dir.File("picture.bmp");
    const std::vector<uint32_t> pixels(6, 0x00FFFFFF);
    ASSERT_TRUE(WriteBmpFile(path, 3, 2, pixels.data(), 3));
    EXPECT_FALSE(WriteBmpFile(path, 0, 2, pixels.data(), 3));
    EXPECT_EQ(ReadBytes(path), Encode(3, 2, pixels, 3));
    EXPECT_FALSE(WriteBmpFile(dir.File("missing/picture.bmp"), 3, 2, pixels.data(), 3));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

} // namespace
} // namespace kvt
