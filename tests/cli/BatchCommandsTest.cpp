#include "CliRun.h"
#include "FileBytes.h"
#include "SyntheticGather.h"
#include "TempDir.h"
#include "processing/BatchTools.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kvt {
namespace {

using test::RunCli;

std::string Gather(const test::TempDir& dir, const std::string& name, float interval = 250.0f,
                   uint32_t seed = 1, int32_t channels = 4) {
    synth::GatherShape shape;
    shape.channels = channels;
    shape.samples = 600;
    shape.interval = interval;
    shape.seed = seed;
    EXPECT_TRUE(synth::MakeGather(shape).Write(dir.File(name)));
    return dir.File(name);
}

std::string Unreadable(const test::TempDir& dir, const std::string& name) {
    test::WriteBytes(dir.File(name), {'B', 'A', 'D'});
    return dir.File(name);
}

TEST(CliResample, WritesRsFilesPrintsTheirPathsAndTheResult) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw"), c = Gather(dir, "c.srw");
    const auto r =
        RunCli({"resample", "--interval-ms", "0.5", "--samples", "1024", a, Unreadable(dir, "b.srw"), c});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, dir.File("a_rs.srw") + "\n" + dir.File("c_rs.srw") + "\n");
    EXPECT_EQ(r.err, "Error: 文件打开失败\n批量重采样: 成功重采样2个文件\n");

    CSrwFile out;
    ASSERT_TRUE(out.Read(dir.File("c_rs.srw")));
    EXPECT_EQ(out.m_nSampleCount, 1024);
    EXPECT_EQ(out.m_fSampleInterval, 500.0f);

    std::string expected = c;
    SilentHost host;
    ASSERT_TRUE(ResampleFile(expected, 500.0f, 1024, host));
    EXPECT_EQ(test::ReadBytes(dir.File("c_rs.srw")), test::ReadBytes(expected));
}

TEST(CliResample, RefusesBadSettingsBeforeTouchingAnyFile) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw");
    auto r = RunCli({"resample", "--interval-ms", "100.01", "--samples", "511", a});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "KVT: 采样间隔应在0.001-100 ms之间！\n");
    EXPECT_EQ(r.out, "");
    r = RunCli({"resample", "--samples", "16385", "--interval-ms", "100", a});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "KVT: 采样长度应在512-16384 之间！\n");
    r = RunCli({"resample", "--interval-ms", "abc", "--samples", "1024", a});
    EXPECT_EQ(r.err, "KVT: 采样间隔应在0.001-100 ms之间！\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("a_rs.srw")));
}

TEST(CliResample, NoSuccessIsAFailure) {
    test::TempDir dir;
    const auto r = RunCli({"resample", "--interval-ms", "1", "--samples", "512", Unreadable(dir, "x.srw")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Error: 文件打开失败\n批量重采样: 批量重采样失败\n");
}

TEST(CliBatch, CombineReportsTheFilesLeftOut) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw"), b = Gather(dir, "b.srw", 125.0f),
               c = Gather(dir, "c.srw", 250.0f, 3);
    const auto r = RunCli({"combine", "-o", dir.File("all.sgy"), a, b, c});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "合并文件: 成功合并2个文件,有1个文件与\r\n" + a + " 采样参数不一致,未参与合并\n");

    SilentHost host;
    ASSERT_EQ(CombineFiles({a, b, c}, dir.File("same.sgy"), host), 2);
    EXPECT_EQ(test::ReadBytes(dir.File("all.sgy")), test::ReadBytes(dir.File("same.sgy")));
}

TEST(CliBatch, CombineIntoANativeFileFails) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw"), b = Gather(dir, "b.srw");
    const auto r = RunCli({"combine", a, b, "-o", dir.File("all.srw")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "合并文件: 合并文件失败\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("all.srw")));
}

TEST(CliBatch, ExtractWritesOneFilePerChannel) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw"), b = Gather(dir, "b.srw", 250.0f, 2),
               c = Gather(dir, "c.srw", 250.0f, 3, 3);
    const auto r = RunCli({"extract", "-o", dir.File("line.sg2"), a, b, c});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "通道提取: 成功提取2个文件,有1个文件与\r\n" + a + " 采样参数不一致,未参与提取\n");

    test::TempDir again;
    SilentHost host;
    ASSERT_EQ(ExtractChannels({a, b, c}, again.File("line.sg2"), host), 2);
    for (int channel = 1; channel <= 4; ++channel) {
        const std::string name = "line_CH" + std::to_string(channel) + ".sg2";
        EXPECT_EQ(test::ReadBytes(dir.File(name)), test::ReadBytes(again.File(name))) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("line_CH5.sg2")));
}

TEST(CliBatch, StackAveragesAndUnreadableInputsAreReported) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw"), b = Gather(dir, "b.srw", 250.0f, 2);
    const auto r = RunCli({"stack", "-o", dir.File("mean.srw"), a, Unreadable(dir, "x.srw"), b});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "Error: 文件打开失败\n垂直叠加: 成功垂直叠加2个文件,有1个文件与\r\n" + a +
                         " 采样参数不一致,未参与叠加\n");

    SilentHost host;
    ASSERT_EQ(StackFiles({a, b}, dir.File("same.srw"), host), 2);
    EXPECT_EQ(test::ReadBytes(dir.File("mean.srw")), test::ReadBytes(dir.File("same.srw")));

    const auto wrong = RunCli({"stack", "-o", dir.File("mean.sg2"), a, b});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err, "垂直叠加: 垂直叠加失败\n");
}

TEST(CliBatch, UsageErrors) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw");
    for (const char* command : {"combine", "extract", "stack"}) {
        EXPECT_EQ(RunCli({command, "-o", dir.File("o.sg2"), a}).exitCode, 2) << command;
        EXPECT_EQ(RunCli({command, a, a}).exitCode, 2) << command;
        EXPECT_EQ(RunCli({command, a, a, "-o"}).exitCode, 2) << command;
        EXPECT_EQ(RunCli({command, "--help"}).exitCode, 0) << command;
    }
    EXPECT_EQ(RunCli({"resample", "--interval-ms", "1", "--samples", "512"}).exitCode, 2);
    EXPECT_EQ(RunCli({"resample", "--interval-ms", "1", a}).exitCode, 2);
    EXPECT_EQ(RunCli({"resample", "--samples", "512", "--interval-ms"}).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("a_rs.srw")));
}

} // namespace
} // namespace kvt
