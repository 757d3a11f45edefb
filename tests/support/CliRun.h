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

} // namespace kvt::test
