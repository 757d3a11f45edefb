#include "processing/BatchTools.h"
#include "BatchTestSupport.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "formats/CSeg2File.h"
#include "formats/CSegyFile.h"
#include "record/CKVTDoc.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kvt {
namespace {

using test::NativeRecord;
using test::NumberedTraces;

std::string Put(const test::TempDir& dir, const std::string& name, const CSrwFile& file) {
    EXPECT_TRUE(file.Write(dir.File(name))) << name;
    return dir.File(name);
}

CSrwFile ReadBack(const std::string& path) {
    CSrwFile file;
    EXPECT_TRUE(file.Read(path)) << path;
    return file;
}

// What the writer makes of an object: the bytes a batch output must match.
std::vector<uint8_t> WrittenBytes(const FormatFile& file) {
    MemorySink sink;
    EXPECT_TRUE(file.WriteTo(sink));
    return sink.bytes;
}

std::string Unreadable(const test::TempDir& dir, const std::string& name) {
    test::WriteBytes(dir.File(name), {'B', 'A', 'D', 0});
    return dir.File(name);
}

const Message kOpenFailed = OpenFailedMessage();
const Message kSaveFailed = SaveFailedMessage();

// --- resample ---

TEST(ResampleFile, WritesTheRsFileWithCutTracesAndEverythingElseAsRead) {
    test::TempDir dir;
    CSrwFile input = NativeRecord(NumberedTraces(3, 600));
    input.m_strCompany = "公司";
    input.m_nWordA = 5;
    input.m_afTableA[3] = 2.5f;
    std::string path = Put(dir, "a.srw", input);
    test::RecordingHost host;

    ASSERT_TRUE(ResampleFile(path, 500.0f, 512, host));
    EXPECT_EQ(path, dir.File("a_rs.srw"));
    EXPECT_TRUE(host.messages.empty());

    CSrwFile expected = ReadBack(dir.File("a.srw"));
    expected.m_nSampleCount = 512;
    expected.m_fSampleInterval = 500.0f;
    for (auto& trace : expected.m_arrTraces) {
        trace.resize(512);
    }
    EXPECT_EQ(test::ReadBytes(path), WrittenBytes(expected));
}

TEST(ResampleFile, PadsWithZerosAndWritesEvenWhenNothingChanges) {
    test::TempDir dir;
    std::string path = Put(dir, "a.srw", NativeRecord(NumberedTraces(2, 600)));
    test::RecordingHost host;
    ASSERT_TRUE(ResampleFile(path, 250.0f, 1024, host));
    const CSrwFile padded = ReadBack(path);
    EXPECT_EQ(padded.m_nSampleCount, 1024);
    EXPECT_EQ(padded.m_arrTraces[1][599], 1000 * (10000 + 599));
    EXPECT_EQ(padded.m_arrTraces[1][600], 0);

    std::string same = dir.File("a.srw");
    ASSERT_TRUE(ResampleFile(same, 250.0f, 600, host));
    EXPECT_EQ(test::ReadBytes(same), test::ReadBytes(dir.File("a.srw")));
}

TEST(ResampleFile, ReportsUnreadableInputsAndFailedWrites) {
    test::TempDir dir;
    std::string bad = Unreadable(dir, "bad.srw");
    test::RecordingHost host;
    EXPECT_FALSE(ResampleFile(bad, 250.0f, 512, host));
    EXPECT_EQ(bad, dir.File("bad.srw"));
    EXPECT_EQ(host.messages, (std::vector<Message>{kOpenFailed}));

    std::string good = Put(dir, "g.srw", NativeRecord(NumberedTraces(1, 600)));
    std::filesystem::create_directory(dir.File("g_rs.srw"));
    host.messages.clear();
    EXPECT_FALSE(ResampleFile(good, 250.0f, 512, host));
    EXPECT_EQ(good, dir.File("g.srw"));
    EXPECT_EQ(host.messages, (std::vector<Message>{kSaveFailed}));
}

TEST(ResampleFiles, GoesOnPastABadFileAndReplacesTheProcessedEntries) {
    test::TempDir dir;
    std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(1, 600))),
                                     Unreadable(dir, "b.srw"),
                                     Put(dir, "c.srw", NativeRecord(NumberedTraces(1, 600)))};
    test::RecordingHost host;
    EXPECT_EQ(ResampleFiles(list, 250.0f, 512, host), 2);
    EXPECT_EQ(host.messages, (std::vector<Message>{kOpenFailed}));
    EXPECT_EQ(list,
              (std::vector<std::string>{dir.File("a_rs.srw"), dir.File("b.srw"), dir.File("c_rs.srw")}));

    EXPECT_EQ(ResampleFiles(list, 250.0f, 512, host), 2);
    EXPECT_EQ(list[0], dir.File("a_rs_rs.srw"));
    EXPECT_TRUE(std::filesystem::exists(list[0]));
}

TEST(ResampleFiles, CancelStopsBeforeTheNextFile) {
    test::TempDir dir;
    std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(1, 600))),
                                     Put(dir, "b.srw", NativeRecord(NumberedTraces(1, 600)))};
    test::RecordingHost host;
    std::vector<int> seen;
    const int n = ResampleFiles(list, 250.0f, 512, host, [&](int done, int total, const std::string& file) {
        EXPECT_EQ(total, 2);
        EXPECT_EQ(file, dir.File(done == 0 ? "a.srw" : "b.srw"));
        seen.push_back(done);
        return done < 1;
    });
    EXPECT_EQ(n, 1);
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    EXPECT_EQ(list[1], dir.File("b.srw"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("b_rs.srw")));
}

// --- combine ---

class CombineTest : public ::testing::TestWithParam<const char*> {};

TEST_P(CombineTest, AppendsMatchingFilesEachTraceWithItsOwnReceiver) {
    test::TempDir dir;
    CSrwFile c = NativeRecord(NumberedTraces(12, 8, 7));
    c.m_fTraceSpacing = 3.0f;
    c.m_fOffset = 11.0f;
    c.m_nAux1 = 99; // only the first file's numeric fields reach the output
    const std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(12, 8))),
                                           Put(dir, "b.srw", NativeRecord(NumberedTraces(12, 8), 125.0f)),
                                           Put(dir, "c.srw", c)};
    const std::string out = dir.File(std::string("all") + GetParam());
    test::RecordingHost host;
    ASSERT_EQ(CombineFiles(list, out, host), 2);
    EXPECT_TRUE(host.messages.empty());

    const bool seg2 = FileTypeOfPath(out) == kFileSeg2;
    CSeg2File seg2Expected;
    CSegyFile segyExpected;
    FormatFile& expected = seg2 ? static_cast<FormatFile&>(seg2Expected) : segyExpected;
    expected.CopyNumericFrom(ReadBack(list[0]));
    expected.m_nTraceCount = 24;
    expected.m_arrTraces = NumberedTraces(12, 8);
    for (auto& trace : NumberedTraces(12, 8, 7)) {
        expected.m_arrTraces.push_back(trace);
    }
    for (int32_t k = 0; k < 12; ++k) {
        expected.m_receivers.push_back({k + 1, 7.0f + 2.0f * static_cast<float>(k), 0.0f});
    }
    for (int32_t k = 0; k < 12; ++k) {
        expected.m_receivers.push_back({k + 1, 11.0f + 3.0f * static_cast<float>(k), 0.0f});
    }
    EXPECT_EQ(test::ReadBytes(out), WrittenBytes(expected));
}

INSTANTIATE_TEST_SUITE_P(Formats, CombineTest, ::testing::Values(".sg2", ".SEG2", ".sgy", ".segy"));

TEST(CombineFiles, TraceCountsMayDifferAndUnreadableFilesAreReportedAndSkipped) {
    test::TempDir dir;
    const std::vector<std::string> list = {
        Unreadable(dir, "x.srw"), Put(dir, "a.srw", NativeRecord(NumberedTraces(2, 8))),
        Unreadable(dir, "y.srw"), Put(dir, "b.srw", NativeRecord(NumberedTraces(3, 8)))};
    test::RecordingHost host;
    ASSERT_EQ(CombineFiles(list, dir.File("o.sgy"), host), 2);
    EXPECT_EQ(host.messages, (std::vector<Message>{kOpenFailed, kOpenFailed}));
    CSegyFile combined;
    ASSERT_TRUE(combined.Read(dir.File("o.sgy")));
    EXPECT_EQ(combined.m_nTraceCount, 5);
}

TEST(CombineFiles, NativeOrUnknownOutputsFailWithoutReadingAnything) {
    test::TempDir dir;
    const std::vector<std::string> list = {Unreadable(dir, "x.srw"), Unreadable(dir, "y.srw")};
    test::RecordingHost host;
    for (const char* name : {"o.srw", "o.SRW.sg2", "o.dat", "o"}) {
        EXPECT_EQ(CombineFiles(list, dir.File(name), host), 0) << name;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(CombineFiles, NothingUsableOrAFailedWriteGivesZero) {
    test::TempDir dir;
    test::RecordingHost host;
    EXPECT_EQ(CombineFiles({Unreadable(dir, "x.srw"), Unreadable(dir, "y.srw")}, dir.File("o.sg2"), host), 0);
    EXPECT_EQ(host.messages, (std::vector<Message>{kOpenFailed, kOpenFailed}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.sg2")));

    host.messages.clear();
    const std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(2, 8))),
                                           Put(dir, "b.srw", NativeRecord(NumberedTraces(2, 8)))};
    EXPECT_EQ(CombineFiles(list, dir.File("missing/o.sg2"), host), 0);
    EXPECT_EQ(host.messages, (std::vector<Message>{kSaveFailed}));
}

TEST(CombineFiles, CancelWritesNothing) {
    test::TempDir dir;
    const std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(2, 8))),
                                           Put(dir, "b.srw", NativeRecord(NumberedTraces(2, 8)))};
    test::RecordingHost host;
    EXPECT_EQ(CombineFiles(list, dir.File("o.sg2"), host,
                           [](int done, int, const std::string&) { return done < 1; }),
              0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.sg2")));
    EXPECT_TRUE(host.messages.empty());
}

// --- extract ---

TEST(ExtractChannels, OneSeg2FilePerChannelWithEachRecordsTraceInListOrder) {
    test::TempDir dir;
    const std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(24, 4, 1))),
                                           Put(dir, "b.srw", NativeRecord(NumberedTraces(24, 4, 2))),
                                           Put(dir, "c.srw", NativeRecord(NumberedTraces(24, 4, 3)))};
    test::RecordingHost host;
    ASSERT_EQ(ExtractChannels(list, dir.File("line.sg2"), host), 3);
    EXPECT_TRUE(host.messages.empty());

    const CSrwFile first = ReadBack(list[0]);
    for (int32_t c = 1; c <= 24; ++c) {
        CSeg2File expected;
        expected.CopyNumericFrom(first);
        expected.m_nTraceCount = 3;
        for (int32_t base = 1; base <= 3; ++base) {
            expected.m_arrTraces.push_back(NumberedTraces(24, 4, base)[static_cast<size_t>(c - 1)]);
        }
        const std::string name = dir.File("line_CH" + std::to_string(c) + ".sg2");
        EXPECT_EQ(test::ReadBytes(name), WrittenBytes(expected)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("line_CH25.sg2")));
}

TEST(ExtractChannels, SkipsRecordsThatDifferInChannelsIntervalOrLength) {
    test::TempDir dir;
    const std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(4, 4, 1))),
                                           Put(dir, "b.srw", NativeRecord(NumberedTraces(3, 4))),
                                           Put(dir, "c.srw", NativeRecord(NumberedTraces(4, 4), 125.0f)),
                                           Put(dir, "d.srw", NativeRecord(NumberedTraces(4, 5))),
                                           Unreadable(dir, "e.srw"),
                                           Put(dir, "f.srw", NativeRecord(NumberedTraces(4, 4, 6)))};
    test::RecordingHost host;
    // Whatever extension the chosen path has, the outputs are SEG-2 files.
    ASSERT_EQ(ExtractChannels(list, dir.File("out.d/line"), host), 0) << "no such folder";
    EXPECT_EQ(host.messages, (std::vector<Message>{kOpenFailed, kSaveFailed}));

    std::filesystem::create_directory(dir.File("out.d"));
    host.messages.clear();
    ASSERT_EQ(ExtractChannels(list, dir.File("out.d/line"), host), 2);
    EXPECT_EQ(host.messages, (std::vector<Message>{kOpenFailed}));
    CSeg2File channel4;
    ASSERT_TRUE(channel4.Read(dir.File("out.d/line_CH4")));
    ASSERT_EQ(channel4.m_arrTraces.size(), 2u);
    EXPECT_EQ(channel4.m_arrTraces[1], NumberedTraces(4, 4, 6)[3]);
}

TEST(ExtractChannels, AFirstRecordWithoutTracesExtractsNothing) {
    test::TempDir dir;
    const std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord({})),
                                           Put(dir, "b.srw", NativeRecord({}))};
    test::RecordingHost host;
    EXPECT_EQ(ExtractChannels(list, dir.File("line.sg2"), host), 0);
    EXPECT_TRUE(host.messages.empty());
}

// --- stack ---

TEST(StackFiles, MeanTruncatesTowardsZeroAndSumsWide) {
    test::TempDir dir;
    const int32_t big = 2000000000;
    const std::vector<std::string> list = {
        Put(dir, "a.srw", NativeRecord({{3, -3, big, -big}, {0, 1, 2, 3}})),
        Put(dir, "b.srw", NativeRecord({{4, -4, big, -big}, {0, 0, 0, 0}})),
        Put(dir, "c.srw", NativeRecord({{4, -4, big, -big}})), Unreadable(dir, "d.srw")};
    test::RecordingHost host;
    ASSERT_EQ(StackFiles(list, dir.File("mean.srw"), host), 2);
    EXPECT_EQ(host.messages, (std::vector<Message>{kOpenFailed}));

    const CSrwFile a = ReadBack(list[0]);
    CSrwFile expected; // texts and carried tables keep the native defaults
    expected.CopyNumericFrom(a);
    expected.m_arrTraces = {{3, -3, big, -big}, {0, 0, 1, 1}};
    EXPECT_EQ(test::ReadBytes(dir.File("mean.srw")), WrittenBytes(expected));
}

TEST(StackFiles, OneUsableRecordIsCopied) {
    test::TempDir dir;
    const std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(2, 8))),
                                           Put(dir, "b.srw", NativeRecord(NumberedTraces(2, 8), 500.0f))};
    test::RecordingHost host;
    ASSERT_EQ(StackFiles(list, dir.File("m.SRW"), host), 1);
    EXPECT_EQ(ReadBack(dir.File("m.SRW")).m_arrTraces, NumberedTraces(2, 8));
}

TEST(StackFiles, OutputMustBeNativeAndWriteFailuresAreReported) {
    test::TempDir dir;
    test::RecordingHost host;
    const std::vector<std::string> bad = {Unreadable(dir, "x.srw"), Unreadable(dir, "y.srw")};
    EXPECT_EQ(StackFiles(bad, dir.File("m.sg2"), host), 0);
    EXPECT_TRUE(host.messages.empty()) << "nothing is read";

    const std::vector<std::string> list = {Put(dir, "a.srw", NativeRecord(NumberedTraces(2, 8))),
                                           Put(dir, "b.srw", NativeRecord(NumberedTraces(2, 8)))};
    EXPECT_EQ(StackFiles(list, dir.File("no/m.srw"), host), 0);
    EXPECT_EQ(host.messages, (std::vector<Message>{kSaveFailed}));

    host.messages.clear();
    int calls = 0;
    EXPECT_EQ(
        StackFiles(list, dir.File("m.srw"), host, [&](int, int, const std::string&) { return ++calls < 2; }),
        0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("m.srw")));
}

} // namespace
} // namespace kvt
