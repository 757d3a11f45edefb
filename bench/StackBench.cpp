// Vertical stacking of 100 records of 24 x 4096 samples, against reading the same files with cat.
// The files are generated into a temporary folder and are in the page cache for both measurements,
// so the ratio shows what stacking costs beyond moving the bytes.
#include "SyntheticGather.h"
#include "batch/BatchTools.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kFiles = 100;
constexpr uint32_t kGathers = 10;
constexpr int kRounds = 7;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs cat over every file with its output thrown away; the wall time includes starting cat.
double TimeCat(const std::vector<std::string>& files) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> args = {"cat"};
    args.insert(args.end(), files.begin(), files.end());
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    const auto start = Clock::now();
    pid_t pid = 0;
    int status = 1;
    if (posix_spawnp(&pid, "cat", &actions, nullptr, argv.data(), environ) == 0) {
        waitpid(pid, &status, 0);
    }
    const auto end = Clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (status != 0) {
        std::fprintf(stderr, "cat failed\n");
        std::exit(1);
    }
    return Seconds(end - start);
}

double TimeStack(const std::vector<std::string>& files, const std::string& output) {
    kvt::SilentHost host;
    const auto start = Clock::now();
    const int used = kvt::StackFiles(files, output, host);
    const auto end = Clock::now();
    if (used != kFiles) {
        std::fprintf(stderr, "stack used %d of %d files\n", used, kFiles);
        std::exit(1);
    }
    return Seconds(end - start);
}

} // namespace

int main() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvt-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    const std::filesystem::path dir = pattern;

    // Ten different gathers, each written ten times: generating a gather costs far more than
    // stacking it, and the content does not change the stacking's work.
    std::vector<kvt::CSrwFile> gathers;
    for (uint32_t seed = 1; seed <= kGathers; ++seed) {
        kvt::synth::GatherShape shape;
        shape.channels = 24;
        shape.samples = 4096;
        shape.seed = seed;
        gathers.push_back(kvt::synth::MakeGather(shape));
    }
    std::vector<std::string> files;
    uintmax_t bytes = 0;
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = (dir / ("shot" + std::to_string(i) + ".srw")).string();
        if (!gathers[static_cast<size_t>(i) % gathers.size()].Write(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        bytes += std::filesystem::file_size(path);
        files.push_back(path);
    }
    const std::string output = (dir / "stack.srw").string();

    // One round of each first, so both start from a warm page cache.
    TimeCat(files);
    TimeStack(files, output);
    std::vector<double> cat, stack;
    for (int round = 0; round < kRounds; ++round) {
        cat.push_back(TimeCat(files));
        stack.push_back(TimeStack(files, output));
    }
    const double catSeconds = Median(cat), stackSeconds = Median(stack);
    std::printf("# stack: %d files of 24 x 4096 samples, %.1f MB, medians of %d\n", kFiles,
                static_cast<double>(bytes) / 1e6, kRounds);
    std::printf("stack_cat %.5f\nstack %.5f\n", catSeconds * 1e3, stackSeconds * 1e3);

    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
