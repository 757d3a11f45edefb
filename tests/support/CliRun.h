// Runs kvt-cli as a separate process and collects its exit status and both output streams.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvt::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Writes a synthetic gather (tools/synth) as the native file `path`, and returns the path.
std::string WriteGather(const std::string& path, int32_t channels, int32_t samples, float intervalUs = 250.0f,
                        uint32_t seed = 1);

// kvt-cli with the given arguments (no shell involved).
CliResult RunCli(const std::vector<std::string>& args);

// kvt-cli exits with `exitCode` and writes exactly `err` on standard error; the result for more checks.
CliResult ExpectCli(const std::vector<std::string>& args, int exitCode, const std::string& err);

// Each part occurs in text, in the given order.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& parts);

// `kvt-cli dump path` refuses the file: the open message with the reason's text, exit 1, nothing on
// standard output.
void ExpectDumpRefused(const std::string& path, const std::string& reason);

} // namespace kvt::test
