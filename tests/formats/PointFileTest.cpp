#include "TempDir.h"
#include "formats/CPointFile.h"
#include "formats/LittleEndian.h"

#include <cstring>
#include <gtest/gtest.h>

namespace kvt {
namespace {

std::vector<uint8_t> Written(const CPointFile& file) {
    MemorySink sink;
    EXPECT_TRUE(file.WriteTo(sink));
    return sink.bytes;
}

CPointFile Trace(std::vector<int32_t> samples, float interval = 125.0f) {
    CPointFile file;
    file.m_fSampleInterval = interval;
    file.m_nSampleCount = static_cast<int32_t>(samples.size());
    file.m_samples = std::move(samples);
    return file;
}

TEST(PointFile, LayoutIsSignatureOffsetsParametersSamples) {
    const auto bytes = Written(Trace({7, -8, 2147483647}));
    ASSERT_EQ(bytes.size(), 72u + 12);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()), 24), "DLQ_POINT-2.1.0-20130618");
    for (size_t i = 24; i < 40; ++i) {
        EXPECT_EQ(bytes[i], 0);
    }
    EXPECT_EQ(le::I32(&bytes[40]), 64);
    EXPECT_EQ(le::I32(&bytes[44]), 72);
    for (size_t i = 48; i < 64; ++i) {
        EXPECT_EQ(bytes[i], 0);
    }
    EXPECT_EQ(le::F32(&bytes[64]), 125.0f);
    EXPECT_EQ(le::I32(&bytes[68]), 3);
    EXPECT_EQ(le::I32(&bytes[72]), 7);
    EXPECT_EQ(le::I32(&bytes[76]), -8);
    EXPECT_EQ(le::I32(&bytes[80]), 2147483647);
}

TEST(PointFile, RoundTripKeepsSamplesExactly) {
    test::TempDir dir;
    CPointFile file = Trace({1, 2, 3, -2147483647 - 1}, 125.0000076f);
    ASSERT_TRUE(file.Write(dir.File("t.point")));
    CPointFile back;
    ASSERT_TRUE(back.Read(dir.File("t.point")));
    EXPECT_EQ(back.m_fSampleInterval, 125.0000076f);
    EXPECT_EQ(back.m_samples, file.m_samples);
}

TEST(PointFile, SignaturesDecide) {
    const auto good = Written(Trace({1}));
    auto lower = good;
    std::memcpy(lower.data(), "dlq_point", 9);
    CPointFile a;
    MemorySource lowerSource(lower);
    EXPECT_TRUE(a.Read(lowerSource));
    for (const char* tag : {"BAD-POINT", "OLD_POINT", "DLQ_POINX"}) {
        auto bytes = good;
        std::memcpy(bytes.data(), tag, 9);
        CPointFile f;
        MemorySource source(bytes);
        EXPECT_FALSE(f.Read(source)) << tag;
    }
}

TEST(PointFile, DamagedFilesAreRefused) {
    const auto good = Written(Trace({1, 2, 3}));
    for (auto [at, value] :
         {std::pair<size_t, int32_t>{68, -1}, {68, 0x7fffffff}, {68, 4}, {40, 5000}, {44, -72}}) {
        auto bytes = good;
        le::PutI32(&bytes[at], value);
        CPointFile f;
        MemorySource source(bytes);
        EXPECT_FALSE(f.Read(source)) << at << " " << value;
    }
    for (size_t n = 0; n < good.size(); ++n) {
        std::vector<uint8_t> prefix(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        CPointFile f;
        MemorySource source(prefix);
        EXPECT_FALSE(f.Read(source)) << n;
    }
}

} // namespace
} // namespace kvt
