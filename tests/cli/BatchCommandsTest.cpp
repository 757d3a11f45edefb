// resample, combine, extract and stack end to end: the files the batch tools write and the dialogs'
// messages on standard error.
#include "CliRun.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "batch/BatchTools.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kvt {
namespace {

using test::ExpectCli;
using Files = std::vector<std::string>;

const std::string kTruncated = "Error: 文件打开失败\n详细信息: 文件不完整，数据被截断\n";

std::string Gather(const test::TempDir& dir, const std::string& name, float interval = 250.0f,
                   uint32_t seed = 1) {
    return test::WriteGather(dir.File(name), 4, 600, interval, seed);
}

std::string Unreadable(const test::TempDir& dir, const std::string& name) {
    test::WriteBytes(dir.File(name), {'B', 'A', 'D'});
    return dir.File(name);
}

TEST(CliResample, WritesRsFilesPrintsTheirPathsAndTheResult) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw"), c = Gather(dir, "c.srw", 250.0f, 3);
    const auto r =
        ExpectCli({"resample", "--interval-ms", "0.5", "--samples", "1024", a, Unreadable(dir, "b.srw"), c},
                  0, kTruncated + "批量重采样: 成功重采样2个文件\n");
    EXPECT_EQ(r.out, dir.File("a_rs.srw") + "\n" + dir.File("c_rs.srw") + "\n");

    std::string expected = c;
    SilentHost host;
    ASSERT_TRUE(ResampleFile(expected, 500.0f, 1024, host));
    EXPECT_EQ(test::ReadBytes(dir.File("c_rs.srw")), test::ReadBytes(expected));
}

TEST(CliBatch, ListToolsWriteWhatTheToolsWriteAndNameTheFirstFileForThoseLeftOut) {
    using Tool = int (*)(Files, const std::string&, DocumentHost&, const BatchProgress&);
    struct Case {
        const char* command;
        const char* output;
        Tool tool;
        const char* success; // the caption and the success text up to the count
        const char* verb;    // ends the note on the files left out
    };
    const Case cases[] = {{"combine", "all.sgy", CombineFiles, "合并文件: 成功合并", "合并"},
                          {"extract", "line.sg2", ExtractChannels, "通道提取: 成功提取", "提取"},
                          {"stack", "mean.srw", StackFiles, "垂直叠加: 成功垂直叠加", "叠加"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        test::TempDir dir, again;
        // The unreadable file and the one at another interval are left out.
        const Files inputs = {Gather(dir, "a.srw"), Unreadable(dir, "x.srw"), Gather(dir, "b.srw", 125.0f),
                              Gather(dir, "c.srw", 250.0f, 3)};
        const std::string result = std::string(c.success) + "2个文件,有2个文件与\r\n" + inputs[0] +
                                   " 采样参数不一致,未参与" + c.verb + "\n";
        Files args = {c.command, "-o", dir.File(c.output)};
        args.insert(args.end(), inputs.begin(), inputs.end());
        EXPECT_EQ(ExpectCli(args, 0, kTruncated + result).out, "");
        // The same files, byte for byte, as the tool writes (one per channel for extract).
        SilentHost host;
        ASSERT_EQ(c.tool(inputs, again.File(c.output), host, {}), 2);
        for (const auto& entry : std::filesystem::directory_iterator(again.Path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_EQ(test::ReadBytes(dir.File(name)), test::ReadBytes(entry.path().string())) << name;
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}),
                  4 + std::distance(std::filesystem::directory_iterator(again.Path()), {}));
    }
}

TEST(CliBatch, FailuresExitWithOneAndTheDialogsMessages) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw"), b = Gather(dir, "b.srw"), bad = Unreadable(dir, "x.srw");
    const std::pair<Files, std::string> cases[] = {
        {{"resample", "--interval-ms", "100.01", "--samples", "511", a},
         "KVT: 采样间隔应在0.001-100 ms之间！\n"},
        {{"resample", "--interval-ms", "1", "--samples", "512", bad},
         kTruncated + "批量重采样: 批量重采样失败\n"},
        {{"combine", "-o", dir.File("all.srw"), a, b}, "合并文件: 合并文件失败\n"},
        {{"extract", "-o", dir.File("no/line.sg2"), a, b}, "Error: 保存文件失败\n通道提取: 通道提取失败\n"},
        {{"stack", "-o", dir.File("mean.sg2"), a, b}, "垂直叠加: 垂直叠加失败\n"},
    };
    for (const auto& [args, err] : cases) {
        EXPECT_EQ(ExpectCli(args, 1, err).out, "");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3) << "nothing was written";
}

} // namespace
} // namespace kvt
