// resample, combine, extract and stack: the batch tools with the dialogs' rules and messages.
#include "ArgumentList.h"
#include "CliHost.h"
#include "Commands.h"
#include "batch/BatchTools.h"
#include "document/Messages.h"
#include "document/Resampling.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace kvt::cli {

namespace {

using ListTool = int (*)(std::vector<std::string>, const std::string&, DocumentHost&, const BatchProgress&,
                         int);

// More threads than this gain nothing on any machine the program runs on and only cost memory.
constexpr int kMostThreads = 256;

// "-j N": how many files run at once; by default as many as the machine has cores. Nothing when the
// value is not a count the tools take.
std::optional<int> ThreadCount(const ArgumentList& parsed) {
    if (!parsed.Has("-j")) {
        return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostThreads);
    }
    return WholeNumber(parsed.Value("-j"), 1, kMostThreads);
}

const std::string kBadThreadCount = "-j N needs a whole number of files at once, from 1 to 256";

int RunListTool(const char* name, BatchTool tool, ListTool run, const Args& args) {
    const Command& self = CommandNamed(name);
    ArgumentList parsed;
    if (const auto problem = SplitArguments(args, {"-o", "-j"}, parsed)) {
        return UsageError(self, *problem);
    }
    const std::optional<int> threads = ThreadCount(parsed);
    if (!threads) {
        return UsageError(self, kBadThreadCount);
    }
    if (!parsed.Has("-o")) {
        return UsageError(self, "expected -o OUT");
    }
    const std::vector<std::string>& files = parsed.positional;
    if (files.size() < 2) {
        return UsageError(self, "expected at least two FILEs");
    }
    CliHost host;
    const int used = run(files, parsed.Value("-o"), host, {}, *threads);
    host.ShowMessage(BatchResultMessage(tool, used, files));
    return used > 0 ? kExitOk : kExitFailed;
}

} // namespace

int RunResample(const Args& args) {
    const Command& self = CommandNamed("resample");
    ArgumentList parsed;
    if (const auto problem = SplitArguments(args, {"--interval-ms", "--samples", "-j"}, parsed)) {
        return UsageError(self, *problem);
    }
    const std::optional<int> threads = ThreadCount(parsed);
    if (!threads) {
        return UsageError(self, kBadThreadCount);
    }
    if (!parsed.Has("--interval-ms") || !parsed.Has("--samples")) {
        return UsageError(self, "expected --interval-ms X and --samples N");
    }
    std::vector<std::string> files = parsed.positional;
    if (files.empty()) {
        return UsageError(self, "expected at least one FILE");
    }
    CliHost host;
    const ResampleSettings settings =
        ReadResampleSettings(parsed.Value("--interval-ms"), parsed.Value("--samples"));
    if (const auto refusal = ValidateResample(settings)) {
        host.ShowMessage(*refusal);
        return kExitFailed;
    }
    const std::vector<std::string> inputs = files;
    const int successes =
        ResampleFiles(files, settings.IntervalMicroseconds(), settings.sampleCount, host, {}, *threads);
    for (size_t i = 0; i < files.size(); ++i) {
        if (files[i] != inputs[i]) {
            std::printf("%s\n", files[i].c_str());
        }
    }
    std::fflush(stdout);
    host.ShowMessage(ResampleResultMessage(successes));
    return successes > 0 ? kExitOk : kExitFailed;
}

int RunCombine(const Args& args) {
    return RunListTool("combine", BatchTool::Combine, CombineFiles, args);
}

int RunExtract(const Args& args) {
    return RunListTool("extract", BatchTool::Extract, ExtractChannels, args);
}

int RunStack(const Args& args) {
    return RunListTool("stack", BatchTool::Stack, StackFiles, args);
}

} // namespace kvt::cli
