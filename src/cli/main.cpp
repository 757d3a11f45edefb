// kvt-cli: record inspection, conversion and the batch tools without a window.
#include "CliHost.h"
#include "Commands.h"
#include "base/MemoryPolicy.h"
#include "base/Version.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

namespace kvt::cli {

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"dump", "kvt-cli dump PATH\n  Print a record (or a .point file) as one JSON object.", RunDump},
        {"info",
         "kvt-cli info PATH\n  Print a record's header, receivers and peak for a person; for SEG-Y also the\n"
         "  layout read and the textual header.",
         RunInfo},
        {"convert",
         "kvt-cli convert IN OUT [--standard]\n"
         "  Open IN and save it to OUT in the format OUT's name chooses; --standard writes standard\n"
         "  SEG-Y (revision 1) that other programs read, OUT a .sgy or .segy.",
         RunConvert},
        {"spectrum",
         "kvt-cli spectrum PATH [--divisor D] [--traces I,J,...]\n"
         "  Print the amplitude spectrum of the average of all or the listed 0-based traces, every D-th\n"
         "  sample (D 1 to 16, default 4), as lines: index, frequency in Hz, amplitude.",
         RunSpectrum},
        {"filter",
         "kvt-cli filter PATH -o OUT --corner HZ [--type low|high] [--traces I,J,...]\n"
         "  Low-pass (default) or high-pass filter all or the listed 0-based traces at the corner\n"
         "  frequency and save to OUT; a corner not between 0 and half the sampling frequency fails.",
         RunFilter},
        {"resample",
         "kvt-cli resample --interval-ms X --samples N [-j N] FILE...\n  Resample native files to FILE_rs."
         "\n  -j N: files at once (default: the number of cores).",
         RunResample},
        {"combine",
         "kvt-cli combine -o OUT [-j N] FILE...\n  Combine native files into one SEG-2 or SEG-Y file."
         "\n  -j N: files at once (default: the number of cores).",
         RunCombine},
        {"extract",
         "kvt-cli extract -o OUT [-j N] FILE...\n  Extract each channel of native files into OUT_CH<n> files."
         "\n  -j N: files at once (default: the number of cores).",
         RunExtract},
        {"stack",
         "kvt-cli stack -o OUT [-j N] FILE...\n  Stack repeated native records into one."
         "\n  -j N: files at once (default: the number of cores).",
         RunStack},
        {"render",
         "kvt-cli render PATH -o OUT.bmp|OUT.png [--width W] [--height H] [--fill positive|negative|wiggle]\n"
         "    [--scale global|trace] [--gain DB] [--range N]\n  Render the section as a picture.",
         RunRender},
        {"dispersion",
         "kvt-cli dispersion PATH [--fmin HZ] [--fmax HZ] [--df HZ] [--vmin M/S] [--vmax M/S] [--dv M/S]\n"
         "    [--traces I,J,...] [--normalise] [-o OUT.png|OUT.bmp] [--picks OUT.csv]\n"
         "  Print the peak of the phase-shift dispersion image at each frequency (default 5 to 100 Hz by\n"
         "  0.5, 50 to 1000 m/s by 1) as lines: frequency in Hz, phase velocity in m/s, power 0 to 1;\n"
         "  --normalise scales each frequency to its own peak, -o draws the image, --picks writes the\n"
         "  peaks as CSV.",
         RunDispersion},
    };
    return commands;
}

bool WantsHelp(const Args& args) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            return true;
        }
    }
    return false;
}

const Command& CommandNamed(const char* name) {
    for (const Command& c : AllCommands()) {
        if (std::string(c.name) == name) {
            return c;
        }
    }
    return AllCommands().front();
}

int PrintHelp(const Command& command) {
    std::printf("usage: %s\n", command.usage);
    return kExitOk;
}

int UsageError(const Command& command, const std::string& problem) {
    std::fprintf(stderr, "kvt-cli %s: %s\nusage: %s\n", command.name, problem.c_str(), command.usage);
    return kExitUsage;
}

namespace {

void PrintProgramUsage(std::FILE* out) {
    std::fprintf(out, "usage: kvt-cli COMMAND [ARGS...]\n\nCommands:\n");
    for (const Command& c : AllCommands()) {
        std::fprintf(out, "  %s\n", c.usage);
    }
    std::fprintf(out,
                 "\nOptions:\n  -h, --help  Print this text.\n  --version   Print the program's version.\n");
    std::fprintf(out, "\nRun 'kvt-cli COMMAND --help' for one command.\n");
}

} // namespace

} // namespace kvt::cli

int main(int argc, char** argv) {
    using namespace kvt::cli;
    kvt::KeepFreedMemory();
    if (argc < 2) {
        PrintProgramUsage(stderr);
        return kExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        PrintProgramUsage(stdout);
        return kExitOk;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", kvt::kVersionText);
        return kExitOk;
    }
    for (const Command& command : AllCommands()) {
        if (command.name == std::string(argv[1])) {
            Args args(argv + 2, argv + argc);
            if (WantsHelp(args)) {
                return PrintHelp(command);
            }
            return command.run(args);
        }
    }
    std::fprintf(stderr, "kvt-cli: unknown command '%s'\n", argv[1]);
    PrintProgramUsage(stderr);
    return kExitUsage;
}
