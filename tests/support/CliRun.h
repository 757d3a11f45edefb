// Runs kvt-cli as a separate process and collects its exit status and both output streams.
#pragma once

#include <string>
#include <vector>

namespace kvt::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// kvt-cli with the given arguments (no shell involved).
CliResult RunCli(const std::vector<std::string>& args);

// Each part occurs in text, in the given order.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& parts);

// `kvt-cli dump path` refuses the file: the open message with the reason's text, exit 1, nothing on
// standard output.
void ExpectDumpRefused(const std::string& path, const std::string& reason);

} // namespace kvt::test
