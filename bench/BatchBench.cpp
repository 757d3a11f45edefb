// kvt-cli resample and extract over 100 records of 24 x 4096 samples with -j 1 and -j 2, and the
// speed-up between them. The records are generated into a temporary folder and are in the page cache
// for every run; every output is written (and synced) as in real use. Each measure is the median
// wall time of whole kvt-cli runs, starting the program included.
#include "BenchTiming.h"
#include "SyntheticGather.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

constexpr int kFiles = 100;
constexpr uint32_t kGathers = 10;
constexpr int kRounds = 9;

void Require(bool ok, const std::string& what) {
    if (!ok) {
        std::fprintf(stderr, "%s\n", what.c_str());
        std::exit(1);
    }
}

// Runs kvt-cli with the arguments, its output streams thrown away; it must succeed.
void RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), KVT_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 1;
    if (posix_spawn(&pid, KVT_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    Require(status == 0, "kvt-cli " + args[1] + " failed");
}

// Medians of whole runs with -j 1 and with -j 2, taken in turns so that a change in the machine's
// load between them touches both alike.
std::pair<double, double> TimeCli(const std::vector<std::string>& command,
                                  const std::vector<std::string>& files) {
    const auto args = [&](int threads) {
        std::vector<std::string> all = command;
        all.insert(all.end(), {"-j", std::to_string(threads)});
        all.insert(all.end(), files.begin(), files.end());
        return all;
    };
    RunCli(args(1)); // warms the page cache and the outputs' folder
    std::vector<double> one, two;
    for (int round = 0; round < kRounds; ++round) {
        one.push_back(kvt::bench::MedianMs(1, [&] { RunCli(args(1)); }));
        two.push_back(kvt::bench::MedianMs(1, [&] { RunCli(args(2)); }));
    }
    return {kvt::bench::Median(one), kvt::bench::Median(two)};
}

} // namespace

int main() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvt-bench-XXXXXX").string();
    Require(mkdtemp(pattern.data()) != nullptr, "cannot create a temporary folder");
    const std::filesystem::path dir = pattern;

    // Ten different gathers, each written ten times: generating one costs far more than the batch
    // work on it, and the content does not change that work.
    std::vector<kvt::CSrwFile> gathers;
    for (uint32_t seed = 1; seed <= kGathers; ++seed) {
        kvt::synth::GatherShape shape;
        shape.channels = 24;
        shape.samples = 4096;
        shape.seed = seed;
        gathers.push_back(kvt::synth::MakeGather(shape));
    }
    std::vector<std::string> files;
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = (dir / ("shot" + std::to_string(i) + ".srw")).string();
        Require(gathers[static_cast<size_t>(i) % gathers.size()].Write(path), "cannot write " + path);
        files.push_back(path);
    }
    const std::vector<std::string> resample = {"resample", "--interval-ms", "0.5", "--samples", "2048"};
    const std::vector<std::string> extract = {"extract", "-o", (dir / "line.sg2").string()};

    std::printf("# batch: kvt-cli over %d files of 24 x 4096 samples, medians of %d\n", kFiles, kRounds);
    for (const auto& [name, command] : {std::pair{"resample", resample}, std::pair{"extract", extract}}) {
        const auto [one, two] = TimeCli(command, files);
        kvt::bench::Report(("batch_" + std::string(name) + "_j1").c_str(), one);
        kvt::bench::Report(("batch_" + std::string(name) + "_j2").c_str(), two);
        kvt::bench::Report(("batch_" + std::string(name) + "_speedup_ratio").c_str(), one / two);
    }

    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
