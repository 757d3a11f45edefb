// resample, combine, extract and stack end to end: the files the batch tools write and the dialogs'
// messages on standard error.
#include "CliRun.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "batch/BatchTools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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

// Every file in a folder by name, and the folder's path in a text replaced by "DIR".
std::map<std::string, std::vector<uint8_t>> FilesIn(const test::TempDir& dir) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        files[entry.path().filename().string()] = test::ReadBytes(entry.path().string());
    }
    return files;
}

std::string WithoutFolder(std::string text, const test::TempDir& dir) {
    const std::string folder = dir.Path().string();
    for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at)) {
        text.replace(at, folder.size(), "DIR");
    }
    return text;
}

TEST(CliBatch, FourThreadsPrintAndWriteWhatOneThreadDoes) {
    const Files commands[] = {{"resample", "--interval-ms", "0.5", "--samples", "1024"},
                              {"combine", "-o", "all.sgy"},
                              {"extract", "-o", "line.sg2"},
                              {"stack", "-o", "mean.srw"}};
    for (const Files& command : commands) {
        SCOPED_TRACE(command[0]);
        test::TempDir one, four;
        std::vector<test::CliResult> results;
        for (const auto& [dir, threads] : {std::pair{&one, "1"}, std::pair{&four, "4"}}) {
            Files args = command;
            if (args[1] == "-o") {
                args[2] = dir->File(args[2]);
            }
            args.insert(args.end(), {"-j", threads, Unreadable(*dir, "bad.srw")});
            for (uint32_t k = 0; k < 10; ++k) {
                args.push_back(Gather(*dir, "s" + std::to_string(k) + ".srw", k == 4 ? 125.0f : 250.0f, k));
            }
            args.push_back(dir->File("missing.srw"));
            results.push_back(test::RunCli(args));
        }
        EXPECT_EQ(results[0].exitCode, 0);
        EXPECT_EQ(results[1].exitCode, 0);
        EXPECT_EQ(WithoutFolder(results[1].out, four), WithoutFolder(results[0].out, one));
        EXPECT_EQ(WithoutFolder(results[1].err, four), WithoutFolder(results[0].err, one));
        test::ExpectInOrder(results[0].err, {kTruncated, "Error: 文件打开失败\n详细信息: "});
        EXPECT_TRUE(FilesIn(four) == FilesIn(one)) << "the folders differ";
    }
}

TEST(CliBatch, ThreadCountsThatAreNotAWholeNumberOfFilesAreUsageErrors) {
    test::TempDir dir;
    const auto a = Gather(dir, "a.srw"), b = Gather(dir, "b.srw");
    for (const char* count : {"0", "-1", "x", "2x", "", "1.5", "257", "99999999999"}) {
        SCOPED_TRACE(count);
        for (const Files& args : {Files{"resample", "--interval-ms", "1", "--samples", "512", "-j", count, a},
                                  Files{"extract", "-o", dir.File("line.sg2"), "-j", count, a, b}}) {
            const test::CliResult r = test::RunCli(args);
            EXPECT_EQ(r.exitCode, 2);
            EXPECT_EQ(r.err.rfind("kvt-cli " + args[0] + ": -j N needs a whole number", 0), 0u) << r.err;
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2) << "nothing was written";
}

} // namespace
} // namespace kvt
