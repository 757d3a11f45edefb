#include "FileBytes.h"
#include "Seg2Bytes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

CSeg2File Record(int32_t traces, int32_t samples) {
    CSeg2File file;
    file.m_nTraceCount = traces;
    file.m_nSampleCount = samples;
    for (int32_t i = 0; i < traces; ++i) {
        std::vector<int32_t> t;
        for (int32_t j = 0; j < samples; ++j) {
            t.push_back((i + 1) * 100000 + j * (j % 2 ? -7 : 7));
        }
        file.m_arrTraces.push_back(t);
    }
    return file;
}

std::vector<uint8_t> Written(const CSeg2File& file) {
    MemorySink sink;
    EXPECT_TRUE(file.WriteTo(sink));
    return sink.bytes;
}

std::string Entries(const std::vector<std::string>& texts) {
    std::string out;
    for (const auto& t : texts) {
        out += static_cast<char>(t.size() + 3);
        out += '\0';
        out += t;
        out += '\0';
    }
    return out;
}

std::string Text(const std::vector<uint8_t>& bytes, size_t from, size_t to) {
    return std::string(reinterpret_cast<const char*>(&bytes[from]), to - from);
}

TEST(Seg2Write, BytesFollowTheLayout) {
    CSeg2File file = Record(2, 3);
    file.m_fSampleInterval = 250.0f;
    file.m_fTraceSpacing = 2.0f;
    file.m_fOffset = 2.5f;
    file.m_receivers = {{1, 2.5f, 0.0f}}; // trace 2 has no entry: written as 0.00
    const auto b = Written(file);

    const std::vector<uint8_t> desc = {0x55, 0x3A, 1, 0, 8, 0, 2, 0, 1, 0, 0, 1, 0x0A, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 16), desc);
    EXPECT_EQ(le::F32(&b[16]), 2.0f);
    EXPECT_EQ(le::F32(&b[20]), 2.5f);
    EXPECT_EQ(le::U32(&b[24]) | le::U32(&b[28]), 0u);

    // File strings after the two pointers, five zeros, then padding to the first block at 216.
    const std::string fileStrings =
        Entries({"ACQUISITION_DATE 09/13/2009", "ACQUISITION_TIME 09:34:59", "TRAVIK_WORKMODE 1",
                 "INSTRUMENT MORAVENT", "TRACE_SORT COMMON SOURCE", "UNITS METERS",
                 "NOTE -SHOT_INTERVA 10.00"}) +
        std::string(5 + 2, '\0');
    EXPECT_EQ(Text(b, 40, 216), fileStrings);
    ASSERT_EQ(le::U32(&b[32]), 216u);

    auto traceStrings = [](int channel, const std::string& receiver) {
        return Entries({"CHANNEL_NUMBER " + std::to_string(channel), "DELAY 0.000",
                        "DIGITAL_HIGH_CUT_FILTER 4000.0", "DIGITAL_LOW_CUT_FILTER 0.1",
                        "HIGH_CUT_FILTER 4000.0", "LINE_ID M4", "LOW_CUT_FILTER 0.1",
                        "RECEIVER_LOCATION " + receiver, "SAMPLE_INTERVAL 0.000250", "SOURCE_LOCATION 0.00",
                        "STACK 18", "TRACE_TYPE SEISMIC_DATA", "NOTE -DISPLAY_SCALE 36"});
    };
    // 32 + 291 bytes of strings end at 3 modulo 4: five zeros follow, the block is 328 bytes.
    const uint32_t p0 = 216;
    const uint32_t p1 = p0 + 328 + 12;
    EXPECT_EQ(le::U32(&b[36]), p1);
    ASSERT_EQ(b.size(), p1 + 328 + 12);
    for (uint32_t p : {p0, p1}) {
        const int channel = p == p0 ? 1 : 2;
        const std::vector<uint8_t> head = {0x22, 0x44, 0x48, 0x01, 12, 0, 0, 0, 3, 0, 0, 0, 2};
        EXPECT_EQ(std::vector<uint8_t>(b.begin() + p, b.begin() + p + 13), head);
        EXPECT_EQ(Text(b, p + 13, p + 32), std::string(19, '\0'));
        EXPECT_EQ(Text(b, p + 32, p + 328),
                  traceStrings(channel, p == p0 ? "2.50" : "0.00") + std::string(5, '\0'));
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(le::I32(&b[p + 328 + 4 * j]), file.m_arrTraces[channel - 1][j]);
        }
    }
}

TEST(Seg2Write, PaddingPutsEveryDataBlockOnAMultipleOfFour) {
    // Receiver texts one character longer each time walk the string area through all four residues.
    CSeg2File file = Record(5, 1);
    file.m_receivers = {{1, 0.0f, 0}, {2, 10.0f, 0}, {3, 100.0f, 0}, {4, 1000.0f, 0}, {5, 10000.0f, 0}};
    const auto b = Written(file);
    const uint32_t sizes[] = {328, 328, 328, 328, 332};
    const size_t zeros[] = {5, 4, 3, 2, 5};
    for (size_t i = 0; i < 5; ++i) {
        const uint32_t p = le::U32(&b[32 + 4 * i]);
        EXPECT_EQ(p % 4, 0u);
        EXPECT_EQ(le::U16(&b[p + 2]), sizes[i]) << i;
        // The last text, its terminator, then the padding zeros.
        EXPECT_EQ(Text(b, p + sizes[i] - zeros[i] - 3, p + sizes[i]), "36" + std::string(1 + zeros[i], '\0'))
            << i;
    }
}

TEST(Seg2Write, SixtyFourOrMoreTracesReadBackWhole) {
    CSeg2File file = Record(70, 5);
    file.m_fSampleInterval = 125.0000076f;
    for (int32_t i = 0; i < 70; ++i) {
        file.m_receivers.push_back({i + 1, 3.0f + 1.5f * static_cast<float>(i), 0.0f});
    }
    const auto b = Written(file);
    EXPECT_EQ(le::U16(&b[4]), 280);
    EXPECT_EQ(le::U16(&b[6]), 70);

    CSeg2File back;
    ASSERT_TRUE(test::ReadSeg2(b, back));
    EXPECT_EQ(back.m_nTraceCount, 70);
    EXPECT_EQ(back.m_nSampleCount, 5);
    EXPECT_EQ(back.m_arrTraces, file.m_arrTraces);
    EXPECT_EQ(back.m_fSampleInterval, 125.0000076f);
    EXPECT_EQ(back.m_fTraceSpacing, 1.5f);
    EXPECT_EQ(back.m_fOffset, 3.0f);
    EXPECT_EQ(back.m_receivers, file.m_receivers);
}

TEST(Seg2Write, RefusesRecordsItCannotStore) {
    MemorySink sink;
    CSeg2File shortList = Record(3, 4);
    shortList.m_arrTraces.pop_back();
    EXPECT_FALSE(shortList.WriteTo(sink));
    CSeg2File shortTrace = Record(3, 4);
    shortTrace.m_arrTraces[1].resize(3);
    EXPECT_FALSE(shortTrace.WriteTo(sink));
    CSeg2File negative = Record(0, 0);
    negative.m_nSampleCount = -1;
    EXPECT_FALSE(negative.WriteTo(sink));

    // Four bytes per pointer in a u16 size: 16383 traces fit, 16384 do not.
    CSeg2File most = Record(CSeg2File::kMaxTraces, 1);
    const auto b = Written(most);
    EXPECT_EQ(le::U16(&b[4]), 65532);
    CSeg2File back;
    ASSERT_TRUE(test::ReadSeg2(b, back));
    EXPECT_EQ(back.m_nTraceCount, CSeg2File::kMaxTraces);
    CSeg2File tooMany = Record(CSeg2File::kMaxTraces + 1, 1);
    MemorySink other;
    EXPECT_FALSE(tooMany.WriteTo(other));
}

TEST(Seg2Write, SavesThroughATemporaryFile) {
    test::TempDir dir;
    const std::string path = dir.File("r.sg2");
    test::WriteBytes(path, {'o', 'l', 'd'});
    CSeg2File bad = Record(2, 2);
    bad.m_arrTraces.clear();
    EXPECT_FALSE(bad.Write(path));
    EXPECT_EQ(test::ReadBytes(path), (std::vector<uint8_t>{'o', 'l', 'd'}));

    const CSeg2File file = Record(2, 2);
    ASSERT_TRUE(file.Write(path));
    EXPECT_EQ(test::ReadBytes(path), Written(file));
    CSeg2File back;
    ASSERT_TRUE(back.Read(path));
    EXPECT_EQ(back.m_arrTraces, file.m_arrTraces);
    EXPECT_FALSE(file.Write(dir.File("missing/r.sg2")));
}

} // namespace
} // namespace kvt
