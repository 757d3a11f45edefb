#include "CliRun.h"
#include "FileBytes.h"
#include "SyntheticGather.h"
#include "TempDir.h"
#include "formats/CSeg2File.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::RunCli;

using test::ExpectInOrder;

TEST(CliSeg2, DumpShowsTheRecordAsRead) {
    test::TempDir dir;
    CSeg2File file;
    file.m_nTraceCount = 3;
    file.m_nSampleCount = 2;
    file.m_fSampleInterval = 125.0000076f;
    file.m_arrTraces = {{7, -8}, {0, 9}, {-10, 11}};
    file.m_receivers = {{1, 5.0f, 0}, {2, 7.0f, 0}, {3, 9.0f, 0}};
    ASSERT_TRUE(file.Write(dir.File("r.sg2")));

    const auto r = RunCli({"dump", dir.File("r.sg2")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ExpectInOrder(r.out, {"\"format\": 1", "\"trace_count\": 3", "\"sample_interval\": 125.000008",
                          "\"sample_count\": 2", "\"trace_spacing\": 2", "\"offset\": 5", "\"max_abs\": 11",
                          "\"shot\": {\"number\": 0, \"x\": 0, \"y\": 0}",
                          "{\"channel\": 3, \"position\": 9, \"cdp\": 0}", "[7, -8]", "[0, 9]", "[-10, 11]"});
}

TEST(CliSeg2, ConvertsBetweenNativeAndSeg2) {
    test::TempDir dir;
    synth::GatherShape shape;
    shape.channels = 3;
    shape.samples = 3;
    CSrwFile native = synth::MakeGather(shape);
    native.m_arrTraces = {{1000, -2000, 3000}, {0, 4000, 0}, {-5000, 0, 6000}};
    ASSERT_TRUE(native.Write(dir.File("a.srw")));

    ASSERT_EQ(RunCli({"convert", dir.File("a.srw"), dir.File("b.sg2")}).exitCode, 0);
    const auto seg2 = RunCli({"dump", dir.File("b.sg2")});
    ASSERT_EQ(seg2.exitCode, 0) << seg2.err;
    // 250 µs goes out as "0.000250" s and comes back through float32 seconds, one step above 250.
    ExpectInOrder(seg2.out, {"\"format\": 1", "\"trace_count\": 3", "\"sample_interval\": 250.000015",
                             "\"trace_spacing\": 2", "\"offset\": 5", "{\"channel\": 1, \"position\": 5",
                             "{\"channel\": 3, \"position\": 9", "[1000, -2000, 3000]", "[0, 4000, 0]",
                             "[-5000, 0, 6000]"});

    // The same writer behind both extensions, so the second conversion changes no byte.
    ASSERT_EQ(RunCli({"convert", dir.File("b.sg2"), dir.File("c.seg2")}).exitCode, 0);
    EXPECT_EQ(test::ReadBytes(dir.File("c.seg2")), test::ReadBytes(dir.File("b.sg2")));

    ASSERT_EQ(RunCli({"convert", dir.File("c.seg2"), dir.File("d.srw")}).exitCode, 0);
    const auto back = RunCli({"dump", dir.File("d.srw")});
    ExpectInOrder(back.out, {"\"format\": 0", "\"trace_count\": 3", "\"trace_spacing\": 2", "\"offset\": 5",
                             "[1000, -2000, 3000]", "[0, 4000, 0]", "[-5000, 0, 6000]"});
}

TEST(CliSeg2, RealGeodeRecordDumpsUnderASeg2Name) {
    const std::string real = test::RealTestFile("swprocess_wghs_6.dat");
    if (real.empty()) {
        GTEST_SKIP() << "real test data not present";
    }
    test::TempDir dir;
    std::filesystem::copy_file(real, dir.File("6.sg2"));
    const auto r = RunCli({"dump", dir.File("6.sg2")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ExpectInOrder(r.out, {"\"trace_count\": 24", "\"sample_count\": 1500", "\"trace_spacing\": 2",
                          "\"offset\": 0", "\"shot\": {\"number\": 6, \"x\": -5, \"y\": 0}",
                          "{\"channel\": 24, \"position\": 46", "[27, 19, 21, 23, 19,"});
}

TEST(CliSeg2, DamagedOrUnsupportedRecordsFailWithTheOpenMessage) {
    test::TempDir dir;
    test::WriteBytes(dir.File("short.sg2"), {0x55, 0x3A, 1, 0, 4, 0});
    std::vector<std::string> paths = {dir.File("short.sg2")};
    const std::string twentyBit = test::RealTestFile("obspy_20180307_031245000.0.seg2");
    if (!twentyBit.empty()) {
        paths.push_back(twentyBit);
    }
    for (const std::string& path : paths) {
        test::ExpectDumpRefused(path);
    }
}

} // namespace
} // namespace kvt
