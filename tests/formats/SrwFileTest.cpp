#include "FormatTestFiles.h"
#include "formats/CSrwFile.h"

#include <cstring>

namespace kvt {
namespace {

using namespace test;

TEST(SrwFile, WrittenBytesFollowTheLayoutAndReadBack) {
    CSrwFile file = Record<CSrwFile>(2, 3);
    file.m_arrTraces[0] = {9, -9, 1234567}; // thousandths, read back truncated towards zero
    file.m_strProject = "工程";
    file.m_strCompany = std::string(90, 'c'); // cut to its field, which then has no terminator
    file.m_strTestDate = "2026-12-06-extra";
    file.m_nAux1 = -11;
    file.m_fSampleInterval = 250.0f;
    file.m_fOffset = -1.0f;
    file.m_nWordA = 5;
    file.m_afTableA[0] = 1.5f;
    file.m_anTableB[23] = -3;

    le::Buffer e;
    e.Field("DLQ-KVT-2.1.0-20130618", 40); // written as "BAD..." and patched when complete
    for (int32_t v : {0, 56, 442, 646}) {
        e.I32(v);
    }
    const std::string texts[] = {"\xB9\xA4\xB3\xCC", std::string(80, 'c'), "MORAVENT", "001"};
    for (const std::string& text : texts) {
        e.Field(text, 80);
    }
    e.I32(-11);
    e.I32(2);
    e.F32(250.0f);
    e.I32(3);
    e.I32(1);
    for (float v : {4.0f, -1.0f, 0.0f, 512.0f}) {
        e.F32(v);
    }
    e.I32(1);
    e.I32(1);
    e.Field("2026-12-06", 10 + 12); // the date, then 12 zero bytes
    e.I32(5);
    e.I32(1);
    e.F32(1.5f);
    e.Zeros(4 * 23 + 4 + 4 * 23); // the rest of table A, a zero word, table B up to its last entry
    e.I32(-3);
    for (const auto& trace : file.m_arrTraces) {
        for (int32_t v : trace) {
            e.F32(static_cast<float>(v / 1000.0));
        }
    }
    const Bytes bytes = Written(file);
    EXPECT_EQ(bytes, e.bytes);

    CSrwFile back;
    ASSERT_EQ(ReadFrom(bytes, back), ReadError::None);
    EXPECT_EQ(back.m_arrTraces, (Traces{{8, -8, 1234567}, file.m_arrTraces[1]}));
    EXPECT_EQ(std::tuple(back.m_strProject, back.m_strTestDate, back.m_nAux1),
              std::tuple("工程", "2026-12-06", -11));
    EXPECT_EQ(std::tuple(back.m_nWordA, back.m_afTableA[0], back.m_anTableB[23]), std::tuple(5, 1.5f, -3));
    // The receivers are rebuilt from spacing and offset; the file has no shot point.
    EXPECT_EQ(back.m_receivers, (std::vector<ReceiverPoint>{{1, -1.0f, 0.0f}, {2, 3.0f, 0.0f}}));
    EXPECT_EQ(back.m_shot, ShotPoint{});
    ASSERT_EQ(ReadFrom(Written(Record<CSrwFile>(0, 3)), back), ReadError::None);
    EXPECT_TRUE(back.m_arrTraces.empty());
}

TEST(SrwFile, ReadingToleratesWhatOlderFilesHold) {
    for (auto [stored, read] : {std::pair{9.0f, 10.0f}, {0.0f, 10.0f}, {-5.0f, 10.0f}, {9.5f, 9.5f}}) {
        CSrwFile file = Record<CSrwFile>(1, 1);
        file.m_fSampleInterval = stored;
        CSrwFile back;
        ASSERT_EQ(ReadFrom(Written(file), back), ReadError::None);
        EXPECT_EQ(back.m_fSampleInterval, read) << "an interval of 9 or less reads as 10";
    }
    // Space-padded texts, a full text, a zero-padded text with spaces; section 3 directly after the
    // first 108 bytes of section 2, which then has no second table.
    CSrwFile file = Record<CSrwFile>(1, 2);
    file.m_anTableB[0] = 99;
    Bytes bytes = Written(file);
    std::memset(&bytes[56], ' ', 80);
    std::memcpy(&bytes[56], "ABC", 3);
    std::memset(&bytes[136], 'x', 80);
    std::memcpy(&bytes[216], "a b  \0\0\0", 8);
    bytes.erase(bytes.begin() + 442 + 108, bytes.begin() + 646);
    le::PutI32(&bytes[52], 442 + 108);
    CSrwFile back;
    ASSERT_EQ(ReadFrom(bytes, back), ReadError::None);
    EXPECT_EQ(std::tuple(back.m_strProject, back.m_strCompany, back.m_strOperator, back.m_anTableB[0]),
              std::tuple("ABC", std::string(80, 'x'), "a b  ", 0));
    EXPECT_EQ(back.m_arrTraces, file.m_arrTraces);
}

TEST(SrwFile, DamagedFilesAreRefusedForTheirReasonBeforeAnythingIsAllocated) {
    const Bytes good = Written(Record<CSrwFile>(2, 4));
    const std::tuple<size_t, int32_t, ReadError> damages[] = {
        {40, 1, ReadError::WrongSignature},     // the layout word
        {380, -1, ReadError::CountsExceedFile}, // traces
        {380, 0x7fffffff, ReadError::CountsExceedFile},
        {388, -4, ReadError::CountsExceedFile}, // samples
        {388, 0x40000000, ReadError::CountsExceedFile},
        {44, 100000, ReadError::Truncated}, // section offsets
        {44, -56, ReadError::Truncated},
        {48, 0x7ffffff0, ReadError::Truncated},
        {52, 2000, ReadError::CountsExceedFile}};
    for (const auto& [at, value, reason] : damages) {
        Bytes bytes = good;
        le::PutI32(&bytes[at], value);
        CSrwFile file;
        EXPECT_EQ(ReadFrom(bytes, file), reason) << at << ": " << value;
    }
    Bytes emptyTraces = good;
    le::PutI32(&emptyTraces[388], 0);
    le::PutI32(&emptyTraces[380], 0x7fffffff);
    CSrwFile file;
    EXPECT_EQ(ReadFrom(emptyTraces, file), ReadError::CountsExceedFile) << "billions of empty traces";

    for (const char* tag : {"dlq", "BAD", "OLD", "DLX", "dlQ"}) {
        Bytes bytes = good;
        std::memcpy(bytes.data(), tag, 3);
        EXPECT_EQ(ReadFrom(bytes, file),
                  std::string_view(tag) == "dlq" ? ReadError::None : ReadError::WrongSignature)
            << tag;
    }
    // Headers and tables end at 646; the samples follow.
    ExpectPrefixesRefused<CSrwFile>(
        good, [](size_t n) { return n < 646 ? ReadError::Truncated : ReadError::CountsExceedFile; });
}

} // namespace
} // namespace kvt
