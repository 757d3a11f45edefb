// resample, combine, extract and stack: the batch tools with the dialogs' rules and messages.
#include "CliHost.h"
#include "Commands.h"
#include "processing/BatchMessages.h"
#include "processing/BatchTools.h"
#include "processing/Resampling.h"

#include <cstdio>
#include <optional>

namespace kvt::cli {

namespace {

// The value after an option, or nothing when the option ends the arguments.
std::optional<std::string> OptionValue(const Args& args, size_t& i) {
    if (i + 1 >= args.size()) {
        return std::nullopt;
    }
    return args[++i];
}

struct ListArgs {
    std::string output;
    std::vector<std::string> files;
};

// "-o OUT FILE..." in any order; the problem text when the arguments do not fit.
std::optional<std::string> ParseListArgs(const Args& args, ListArgs& parsed) {
    bool haveOutput = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            const auto value = OptionValue(args, i);
            if (!value) {
                return "-o needs a path";
            }
            parsed.output = *value;
            haveOutput = true;
        } else {
            parsed.files.push_back(args[i]);
        }
    }
    if (!haveOutput) {
        return "expected -o OUT";
    }
    if (parsed.files.size() < 2) {
        return "expected at least two FILEs";
    }
    return std::nullopt;
}

using ListTool = int (*)(std::vector<std::string>, const std::string&, DocumentHost&, const BatchProgress&);

int RunListTool(const char* name, BatchTool tool, ListTool run, const Args& args) {
    const Command& self = CommandNamed(name);
    ListArgs parsed;
    if (const auto problem = ParseListArgs(args, parsed)) {
        return UsageError(self, *problem);
    }
    CliHost host;
    const int used = run(parsed.files, parsed.output, host, {});
    host.ShowMessage(BatchResultMessage(tool, used, parsed.files));
    return used > 0 ? kExitOk : kExitFailed;
}

} // namespace

int RunResample(const Args& args) {
    const Command& self = CommandNamed("resample");
    std::optional<std::string> intervalText;
    std::optional<std::string> countText;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--interval-ms") {
            if (!(intervalText = OptionValue(args, i))) {
                return UsageError(self, "--interval-ms needs a value");
            }
        } else if (args[i] == "--samples") {
            if (!(countText = OptionValue(args, i))) {
                return UsageError(self, "--samples needs a value");
            }
        } else {
            files.push_back(args[i]);
        }
    }
    if (!intervalText || !countText) {
        return UsageError(self, "expected --interval-ms X and --samples N");
    }
    if (files.empty()) {
        return UsageError(self, "expected at least one FILE");
    }
    CliHost host;
    const ResampleSettings settings = ReadResampleSettings(*intervalText, *countText);
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
