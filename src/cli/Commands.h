// The commands of kvt-cli. Each takes its own arguments (after the command name) and returns the
// exit status; usage errors print the command's usage on standard error and return kExitUsage.
#pragma once

#include <string>
#include <vector>

namespace kvt::cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage; // first line: synopsis; further lines: what it does
    int (*run)(const Args& args);
};

const std::vector<Command>& AllCommands();
int UsageError(const Command& command, const std::string& problem);
bool WantsHelp(const Args& args);
int PrintHelp(const Command& command);

int RunDump(const Args& args);
int RunInfo(const Args& args);
int RunConvert(const Args& args);
int RunSpectrum(const Args& args);
int RunFilter(const Args& args);
int RunResample(const Args& args);
int RunCombine(const Args& args);
int RunExtract(const Args& args);
int RunStack(const Args& args);
int RunRender(const Args& args);
int RunDispersion(const Args& args);

// The command of that name (for usage texts).
const Command& CommandNamed(const char* name);

} // namespace kvt::cli
