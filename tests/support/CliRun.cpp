#include "CliRun.h"

#include "FileBytes.h"
#include "SyntheticGather.h"
#include "TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvt::test {

std::string WriteGather(const std::string& path, int32_t channels, int32_t samples, float intervalUs,
                        uint32_t seed) {
    synth::GatherShape shape;
    shape.channels = channels;
    shape.samples = samples;
    shape.interval = intervalUs;
    shape.seed = seed;
    EXPECT_TRUE(synth::MakeGather(shape).Write(path)) << path;
    return path;
}

CliResult RunCli(const std::vector<std::string>& args) {
    TempDir dir;
    const std::string outPath = dir.File("out"), errPath = dir.File("err");
    // execv takes the strings as char* but does not change them.
    std::vector<char*> argv = {const_cast<char*>(KVT_CLI_PATH)};
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        execv(KVT_CLI_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const auto text = [](const std::string& path) {
        const std::vector<uint8_t> bytes = ReadBytes(path);
        return std::string(bytes.begin(), bytes.end());
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text(outPath), text(errPath)};
}

CliResult ExpectCli(const std::vector<std::string>& args, int exitCode, const std::string& err) {
    CliResult r = RunCli(args);
    EXPECT_EQ(r.exitCode, exitCode) << testing::PrintToString(args) << "\n" << r.err;
    EXPECT_EQ(r.err, err) << testing::PrintToString(args);
    return r;
}

void ExpectInOrder(const std::string& text, const std::vector<std::string>& parts) {
    size_t at = 0;
    for (const std::string& part : parts) {
        const size_t found = text.find(part, at);
        ASSERT_NE(found, std::string::npos) << part << "\n" << text;
        at = found + part.size();
    }
}

void ExpectDumpRefused(const std::string& path, const std::string& reason) {
    const CliResult r = ExpectCli({"dump", path}, 1, "Error: 文件打开失败\n详细信息: " + reason + "\n");
    EXPECT_EQ(r.out, "") << path;
}

} // namespace kvt::test
