// The batch tools on small native files: the bytes they write, what they report, and how they go on
// past bad inputs.
#include "batch/BatchTools.h"
#include "FileBytes.h"
#include "RecordingHost.h"
#include "TempDir.h"
#include "document/Messages.h"
#include "formats/CSeg2File.h"
#include "formats/CSegyFile.h"
#include "formats/CSrwFile.h"
#include "formats/FileType.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

namespace kvt {
namespace {

using Traces = std::vector<std::vector<int32_t>>;
using Files = std::vector<std::string>;

// `count` traces of `samples` samples whose values name the trace and the sample, shifted by `base`.
// Whole thousands, so they survive the native file's float thousandths exactly.
Traces Numbered(int32_t count, int32_t samples, int32_t base = 0) {
    Traces traces(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        for (int32_t j = 0; j < samples; ++j) {
            traces[static_cast<size_t>(i)].push_back(1000 * (base + 10000 * i + j));
        }
    }
    return traces;
}

// A native file object with a recognisable header.
CSrwFile Native(const Traces& traces, float interval = 250.0f) {
    CSrwFile file;
    file.m_nTraceCount = static_cast<int32_t>(traces.size());
    file.m_nSampleCount = traces.empty() ? 0 : static_cast<int32_t>(traces.front().size());
    file.m_fSampleInterval = interval;
    file.m_fTraceSpacing = 2.0f;
    file.m_fOffset = 7.0f;
    file.m_strProject = "工程";
    file.m_arrTraces = traces;
    return file;
}

std::string Put(const test::TempDir& dir, const std::string& name, const CSrwFile& file) {
    EXPECT_TRUE(file.Write(dir.File(name))) << name;
    return dir.File(name);
}

std::string Put(const test::TempDir& dir, const std::string& name, const Traces& traces,
                float interval = 250.0f) {
    return Put(dir, name, Native(traces, interval));
}

// Three bytes under a native name: too short for the file header.
std::string Unreadable(const test::TempDir& dir, const std::string& name) {
    test::WriteBytes(dir.File(name), {'B', 'A', 'D'});
    return dir.File(name);
}

// What the writer makes of an object: the bytes a batch output must match.
std::vector<uint8_t> WrittenBytes(const FormatFile& file) {
    MemorySink sink;
    EXPECT_TRUE(file.WriteTo(sink));
    return sink.bytes;
}

size_t EntriesIn(const test::TempDir& dir) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
}

using Tool = int (*)(Files, const std::string&, DocumentHost&, const BatchProgress&, int);

const Message kTruncated = OpenFailedMessage(ReadError::Truncated);
const Message kSaveFailed = SaveFailedMessage();

TEST(ResampleFile, WritesTheRsFileWithCutTracesAndEverythingElseAsRead) {
    test::TempDir dir;
    CSrwFile input = Native(Numbered(3, 600));
    input.m_strCompany = "公司";
    input.m_nWordA = 5;
    input.m_afTableA[3] = 2.5f;
    std::string path = Put(dir, "a.srw", input);
    test::RecordingHost host;
    ASSERT_TRUE(ResampleFile(path, 500.0f, 512, host));
    EXPECT_EQ(path, dir.File("a_rs.srw"));
    EXPECT_TRUE(host.messages.empty());

    CSrwFile expected = input;
    expected.m_nSampleCount = 512;
    expected.m_fSampleInterval = 500.0f;
    for (auto& trace : expected.m_arrTraces) {
        trace.resize(512);
    }
    EXPECT_EQ(test::ReadBytes(path), WrittenBytes(expected));

    // Every listed file gets its copy, even when the settings change nothing.
    std::string same = dir.File("a.srw");
    ASSERT_TRUE(ResampleFile(same, 250.0f, 600, host));
    EXPECT_EQ(test::ReadBytes(same), test::ReadBytes(dir.File("a.srw")));
}

TEST(ResampleFiles, GoesOnInOrderPastBadFilesAndFailedWritesUntilCancelled) {
    for (const int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        test::TempDir dir;
        Files list = {Put(dir, "a.srw", Numbered(1, 600)), Unreadable(dir, "b.srw"),
                      Put(dir, "c.srw", Numbered(1, 600)), Put(dir, "d.srw", Numbered(1, 600)),
                      Put(dir, "e.srw", Numbered(1, 600)), Put(dir, "f.srw", Numbered(1, 600))};
        std::filesystem::create_directory(dir.File("d_rs.srw"));
        const Files inputs = list;
        test::RecordingHost host;
        const auto progress = [&](int done, int total, const std::string& file) {
            EXPECT_EQ(total, 6);
            EXPECT_EQ(file, inputs[static_cast<size_t>(done)]);
            return done < 4;
        };
        EXPECT_EQ(ResampleFiles(list, 250.0f, 512, host, progress, threads), 2);
        EXPECT_EQ(host.messages, (std::vector<Message>{kTruncated, kSaveFailed}));
        // Written entries become their outputs; the bad, the failed and the cancelled ones stay, and
        // nothing is written past the cancel, however far the workers had read.
        EXPECT_EQ(list, (Files{dir.File("a_rs.srw"), inputs[1], dir.File("c_rs.srw"), inputs[3], inputs[4],
                               inputs[5]}));
        EXPECT_FALSE(std::filesystem::exists(dir.File("e_rs.srw")));
        EXPECT_FALSE(std::filesystem::exists(dir.File("f_rs.srw")));
    }
}

class CombineTest : public ::testing::TestWithParam<const char*> {};

TEST_P(CombineTest, AppendsMatchingFilesEachTraceWithItsOwnReceiver) {
    test::TempDir dir;
    // Trace counts may differ; only the first usable file's numeric fields reach the output.
    CSrwFile c = Native(Numbered(5, 8, 7));
    c.m_fTraceSpacing = 3.0f;
    c.m_fOffset = 11.0f;
    c.m_nAux1 = 99;
    const CSrwFile a = Native(Numbered(12, 8));
    const Files list = {Unreadable(dir, "x.srw"), Put(dir, "a.srw", a),
                        Put(dir, "b.srw", Numbered(12, 8), 125.0f), Put(dir, "c.srw", c)};
    const std::string out = dir.File(std::string("all") + GetParam());
    test::RecordingHost host;
    ASSERT_EQ(CombineFiles(list, out, host), 2);
    EXPECT_EQ(host.messages, (std::vector<Message>{kTruncated}))
        << "an inconsistent file is left out silently";

    CSeg2File seg2;
    CSegyFile segy;
    FormatFile& expected = FileTypeOfPath(out) == FileType::Seg2 ? static_cast<FormatFile&>(seg2) : segy;
    expected.CopyNumericFrom(a);
    expected.m_nTraceCount = 17;
    expected.m_arrTraces = a.m_arrTraces;
    expected.m_arrTraces.insert(expected.m_arrTraces.end(), c.m_arrTraces.begin(), c.m_arrTraces.end());
    for (int32_t k = 0; k < 17; ++k) {
        const auto n = static_cast<float>(k % 12);
        expected.m_receivers.push_back({k % 12 + 1, k < 12 ? 7.0f + 2.0f * n : 11.0f + 3.0f * n, 0.0f});
    }
    EXPECT_EQ(test::ReadBytes(out), WrittenBytes(expected));
}

INSTANTIATE_TEST_SUITE_P(Formats, CombineTest, ::testing::Values(".SEG2", ".sgy"));

TEST(CombineFiles, AFailedWriteLeavesThePreviousFile) {
    test::TempDir dir;
    // 40 ms does not fit the SEG-Y header's 16-bit interval, so the writer refuses the record.
    const Files list = {Put(dir, "a.srw", Numbered(2, 8), 40000.0f),
                        Put(dir, "b.srw", Numbered(2, 8), 40000.0f)};
    test::WriteBytes(dir.File("o.sgy"), {'o', 'l', 'd'});
    test::RecordingHost host;
    EXPECT_EQ(CombineFiles(list, dir.File("o.sgy"), host), 0);
    EXPECT_EQ(host.messages, (std::vector<Message>{kSaveFailed}));
    EXPECT_EQ(test::ReadBytes(dir.File("o.sgy")), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(EntriesIn(dir), 3u) << "no temporary file is left behind";
}

TEST(ExtractChannels, OneSeg2FilePerChannelWithEachRecordsTraceInListOrder) {
    test::TempDir dir;
    const Files list = {Put(dir, "a.srw", Numbered(12, 4, 1)), Put(dir, "b.srw", Numbered(12, 4, 2)),
                        Put(dir, "c.srw", Numbered(12, 4, 3))};
    test::RecordingHost host;
    ASSERT_EQ(ExtractChannels(list, dir.File("line.sg2"), host), 3);
    EXPECT_TRUE(host.messages.empty());
    for (int32_t c = 1; c <= 12; ++c) {
        CSeg2File expected;
        expected.CopyNumericFrom(Native(Numbered(12, 4, 1)));
        expected.m_nTraceCount = 3;
        for (int32_t base = 1; base <= 3; ++base) {
            expected.m_arrTraces.push_back(Numbered(12, 4, base)[static_cast<size_t>(c - 1)]);
        }
        const std::string name = dir.File("line_CH" + std::to_string(c) + ".sg2");
        EXPECT_EQ(test::ReadBytes(name), WrittenBytes(expected)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("line_CH13.sg2")));
}

TEST(ExtractChannels, SkipsRecordsThatDifferInChannelsIntervalOrLength) {
    test::TempDir dir;
    const Files list = {Put(dir, "a.srw", Numbered(4, 4, 1)),
                        Put(dir, "b.srw", Numbered(3, 4)),
                        Put(dir, "c.srw", Numbered(4, 4), 125.0f),
                        Put(dir, "d.srw", Numbered(4, 5)),
                        Unreadable(dir, "e.srw"),
                        Put(dir, "f.srw", Numbered(4, 4, 6))};
    test::RecordingHost host;
    std::filesystem::create_directory(dir.File("out.d"));
    ASSERT_EQ(ExtractChannels(list, dir.File("out.d/line"), host), 2);
    EXPECT_EQ(host.messages, (std::vector<Message>{kTruncated}));
    // Whatever the chosen path's extension, the outputs are SEG-2 files.
    CSeg2File channel4;
    ASSERT_EQ(channel4.Read(dir.File("out.d/line_CH4")), ReadError::None);
    EXPECT_EQ(channel4.m_arrTraces, (Traces{Numbered(4, 4, 1)[3], Numbered(4, 4, 6)[3]}));
}

TEST(ExtractChannels, AFailedChannelLeavesTheChannelsBeforeItAndNothingElse) {
    for (const int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        test::TempDir dir;
        const Files list = {Put(dir, "a.srw", Numbered(8, 4, 1)), Put(dir, "b.srw", Numbered(8, 4, 2))};
        // A folder under the third channel's name: that file cannot be put in place.
        std::filesystem::create_directory(dir.File("line_CH3.sg2"));
        test::RecordingHost host;
        EXPECT_EQ(ExtractChannels(list, dir.File("line.sg2"), host, {}, threads), 0);
        EXPECT_EQ(host.messages, (std::vector<Message>{kSaveFailed}));
        EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("line_CH2.sg2")));
        EXPECT_EQ(EntriesIn(dir), 5u) << "two inputs, two channels, the folder; no other file";
    }
}

TEST(StackFiles, MeanTruncatesTowardsZeroAndSumsIn64Bits) {
    test::TempDir dir;
    const int32_t big = 2000000000;
    const CSrwFile a = Native({{3, -3, big, -big}, {0, 1, 2, 3}});
    const Files list = {Put(dir, "a.srw", a), Put(dir, "b.srw", Native({{4, -4, big, -big}, {0, 0, 0, 0}})),
                        Put(dir, "c.srw", Native({{4, -4, big, -big}})), Unreadable(dir, "d.srw")};
    test::RecordingHost host;
    ASSERT_EQ(StackFiles(list, dir.File("mean.srw"), host), 2);
    EXPECT_EQ(host.messages, (std::vector<Message>{kTruncated}));

    CSrwFile expected; // texts and carried tables keep the native defaults
    expected.CopyNumericFrom(a);
    expected.m_arrTraces = {{3, -3, big, -big}, {0, 0, 1, 1}};
    EXPECT_EQ(test::ReadBytes(dir.File("mean.srw")), WrittenBytes(expected));
}

// Runs that end without an output, not even a part of one: cancelled at the second file, a first
// record without traces, an output of a format the tool does not write (refused before any reading).
TEST(BatchTools, RunsThatWriteNothing) {
    struct Case {
        Tool tool;
        const char* output;
        Traces traces;
        int cancelAt; // the progress cancels when told that this many files are done
        int reads;    // how often the progress is called
    };
    const Case cases[] = {
        {CombineFiles, "o.sg2", Numbered(2, 8), 1, 2}, {ExtractChannels, "o.sg2", Numbered(2, 8), 1, 2},
        {StackFiles, "o.srw", Numbered(2, 8), 1, 2},   {ExtractChannels, "o.sg2", {}, 3, 3},
        {CombineFiles, "o.srw", Numbered(2, 8), 2, 0}, {CombineFiles, "o.SRW.sg2", Numbered(2, 8), 2, 0},
        {CombineFiles, "o.dat", Numbered(2, 8), 2, 0}, {StackFiles, "o.sg2", Numbered(2, 8), 2, 0}};
    for (const Case& c : cases) {
        for (const int threads : {1, 4}) {
            SCOPED_TRACE(std::string(c.output) + " " + std::to_string(threads));
            test::TempDir dir;
            const Files list = {Put(dir, "a.srw", c.traces), Put(dir, "b.srw", c.traces),
                                Put(dir, "c.srw", c.traces)};
            test::RecordingHost host;
            int reads = 0;
            const auto progress = [&](int done, int, const std::string&) {
                ++reads;
                return done < c.cancelAt;
            };
            EXPECT_EQ(c.tool(list, dir.File(c.output), host, progress, threads), 0);
            EXPECT_EQ(reads, c.reads);
            EXPECT_TRUE(host.messages.empty());
            EXPECT_EQ(EntriesIn(dir), 3u);
        }
    }
}

// What a run leaves: its result, its messages, its list afterwards and every file in its folder.
struct Outcome {
    int result = 0;
    std::vector<Message> messages;
    Files names;
    std::map<std::string, std::vector<uint8_t>> files;
};

using ListRun = std::function<int(Files&, const test::TempDir&, DocumentHost&, int threads)>;

// Sixteen records, among them an unreadable one, a missing one and one at another interval, beside
// three that are not listed; with `feed`, the first record's resample output comes second, so it
// must be read after being written.
Outcome RunOnMixedList(const ListRun& run, bool feed, int threads) {
    test::TempDir dir;
    Files list;
    for (int32_t k = 0; k < 16; ++k) {
        list.push_back(Put(dir, "s" + std::to_string(k) + ".srw", Numbered(3, 16, k)));
    }
    list[2] = Unreadable(dir, "bad.srw");
    list[5] = Put(dir, "other.srw", Numbered(3, 16), 125.0f);
    list[9] = dir.File("missing.srw");
    if (feed) {
        list.insert(list.begin() + 1, dir.File("s0_rs.srw"));
    }
    test::RecordingHost host;
    Outcome outcome;
    outcome.result = run(list, dir, host, threads);
    outcome.messages = host.messages;
    for (const std::string& path : list) {
        outcome.names.push_back(std::filesystem::path(path).filename().string());
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        outcome.files[entry.path().filename().string()] = test::ReadBytes(entry.path().string());
    }
    return outcome;
}

TEST(BatchTools, FourThreadsReportAndWriteExactlyWhatOneThreadDoes) {
    struct Case {
        const char* name;
        ListRun run;
        bool feed;
        int result;
        size_t outputs;
    };
    const ListRun resample = [](Files& list, const test::TempDir&, DocumentHost& host, int threads) {
        return ResampleFiles(list, 500.0f, 12, host, {}, threads);
    };
    const auto into = [](Tool tool, const char* output) -> ListRun {
        return [=](Files& list, const test::TempDir& dir, DocumentHost& host, int threads) {
            return tool(list, dir.File(output), host, {}, threads);
        };
    };
    const Case cases[] = {{"resample", resample, false, 14, 14},
                          {"resample fed", resample, true, 15, 15},
                          {"combine", into(CombineFiles, "all.sgy"), false, 13, 1},
                          {"extract", into(ExtractChannels, "line.sg2"), false, 13, 3},
                          {"stack", into(StackFiles, "mean.srw"), false, 13, 1}};
    const std::vector<Message> failures = {kTruncated, OpenFailedMessage(ReadError::CannotOpen)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome one = RunOnMixedList(c.run, c.feed, 1), four = RunOnMixedList(c.run, c.feed, 4);
        EXPECT_EQ(one.result, c.result);
        EXPECT_EQ(one.messages, failures);
        EXPECT_EQ(one.files.size(), 18 + c.outputs);
        EXPECT_EQ(four.result, one.result);
        EXPECT_EQ(four.messages, one.messages);
        EXPECT_EQ(four.names, one.names);
        EXPECT_TRUE(four.files == one.files) << "the folders differ";
    }
}

} // namespace
} // namespace kvt
