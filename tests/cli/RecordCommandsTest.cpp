#include "CliRun.h"
#include "FileBytes.h"
#include "SyntheticGather.h"
#include "TempDir.h"
#include "formats/CPointFile.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::RunCli;

std::string Demo(const test::TempDir& dir, const std::string& name = "demo.srw") {
    synth::GatherShape shape;
    shape.channels = 3;
    shape.samples = 4;
    CSrwFile file = synth::MakeGather(shape);
    file.m_arrTraces = {{1000, -2000, 3000, 0}, {5, 6, -7, 8}, {0, 0, 0, -4000}};
    file.m_strProject = "工程 \"A\"";
    file.m_nAux5 = 9;
    EXPECT_TRUE(file.Write(dir.File(name)));
    return dir.File(name);
}

TEST(CliDump, PrintsEveryFieldInOrder) {
    test::TempDir dir;
    const auto r = RunCli({"dump", Demo(dir)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    test::ExpectInOrder(r.out, {"\"format\": 0",
                                "\"path\"",
                                "\"project\": \"工程 \\\"A\\\"\"",
                                "\"company\"",
                                "\"operator\"",
                                "\"profile\"",
                                "\"test_date\"",
                                "\"aux1\": 1",
                                "\"trace_count\": 3",
                                "\"sample_interval\": 250",
                                "\"sample_count\": 4",
                                "\"aux2\": 1",
                                "\"trace_spacing\": 2",
                                "\"offset\": 5",
                                "\"aux3\": 0",
                                "\"aux4\": 512",
                                "\"aux5\": 9",
                                "\"aux6\": 1",
                                "\"max_abs\": 4000",
                                "\"shot\": {\"number\": 0, \"x\": 0, \"y\": 0}",
                                "\"receivers\"",
                                "{\"channel\": 3, \"position\": 9, \"cdp\": 0}",
                                "\"traces\"",
                                "[1000, -2000, 3000, 0]",
                                "[4, 6, -7, 8]",
                                "[0, 0, 0, -4000]"});
}

TEST(CliDump, RefusedAndUnknownFilesFailWithTheOpenMessage) {
    test::TempDir dir;
    test::WriteBytes(dir.File("bad.srw"), {'B', 'A', 'D'});
    test::WriteBytes(dir.File("x.dat"), {1, 2, 3});
    for (const char* name : {"bad.srw", "x.dat", "missing.srw"}) {
        test::ExpectDumpRefused(dir.File(name));
    }
}

TEST(CliDump, PointFilesPrintIntervalCountAndSamples) {
    test::TempDir dir;
    CPointFile point;
    point.m_fSampleInterval = 125.0000076f;
    point.m_nSampleCount = 3;
    point.m_samples = {1, -2, 3};
    ASSERT_TRUE(point.Write(dir.File("t.POINT")));
    const auto r = RunCli({"dump", dir.File("t.POINT")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"sample_interval\": 125.000008"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"sample_count\": 3"), std::string::npos);
    EXPECT_NE(r.out.find("\"samples\": [1, -2, 3]"), std::string::npos);
}

TEST(CliConvert, WritesTheFormatTheOutputNameChooses) {
    test::TempDir dir;
    const auto in = Demo(dir);
    auto r = RunCli({"convert", in, dir.File("copy.srw")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto again = RunCli({"dump", dir.File("copy.srw")});
    EXPECT_NE(again.out.find("\"aux5\": 9"), std::string::npos);

    r = RunCli({"convert", in, dir.File("copy.txt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Error: 保存文件失败\n");

    r = RunCli({"convert", in, dir.File("no/folder/x.srw")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Error: 保存文件失败\n");
}

TEST(CliUsage, HelpSucceedsAndWrongArgumentsAreUsageErrors) {
    EXPECT_EQ(RunCli({"--help"}).exitCode, 0);
    EXPECT_EQ(RunCli({"dump", "--help"}).exitCode, 0);
    EXPECT_EQ(RunCli({}).exitCode, 2);
    EXPECT_EQ(RunCli({"dump"}).exitCode, 2);
    EXPECT_EQ(RunCli({"convert", "a.srw"}).exitCode, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).exitCode, 2);
}

TEST(CliInfo, LabelsTheHeaderAsTheSidePanelDoes) {
    test::TempDir dir;
    const auto r = RunCli({"info", Demo(dir)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("采样率(ms): 0.250"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("采样点数: 4"), std::string::npos);
    EXPECT_NE(r.out.find("最大振幅: 4000"), std::string::npos);
}

} // namespace
} // namespace kvt
