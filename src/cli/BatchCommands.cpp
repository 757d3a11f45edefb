// resample, combine, extract and stack: the batch tools with the dialogs' rules and messages.
#include "ArgumentList.h"
#include "CliHost.h"
#include "Commands.h"
#include "batch/BatchTools.h"
#include "document/Messages.h"
#include "document/Resampling.h"

#include <cstdio>

namespace kvt::cli {

namespace {

using ListTool = int (*)(std::vector<std::string>, const std::string&, DocumentHost&, const BatchProgress&);

int RunListTool(const char* name, BatchTool tool, ListTool run, const Args& args) {
    const Command& self = CommandNamed(name);
    ArgumentList parsed;
    if (const auto problem = SplitArguments(args, {"-o"}, parsed)) {
        return UsageError(self, *problem);
    }
    if (!parsed.Has("-o")) {
        return UsageError(self, "expected -o OUT");
    }
    const std::vector<std::string>& files = parsed.positional;
    if (files.size() < 2) {
        return UsageError(self, "expected at least two FILEs");
    }
    CliHost host;
    const int used = run(files, parsed.Value("-o"), host, {});
    host.ShowMessage(BatchResultMessage(tool, used, files));
    return used > 0 ? kExitOk : kExitFailed;
}

} // namespace

int RunResample(const Args& args) {
    const Command& self = CommandNamed("resample");
    ArgumentList parsed;
    if (const auto problem = SplitArguments(args, {"--interval-ms", "--samples"}, parsed)) {
        return UsageError(self, *problem);
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
    const int successes = ResampleFiles(files, settings.IntervalMicroseconds(), settings.sampleCount, host);
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
