// kvt-fuzz-replay TARGET PATH...: runs one harness over files and folders of inputs, without libFuzzer,
// so the committed corpus is checked by every ordinary (sanitizer) build.
#include "FuzzTargets.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

int Replay(kvt::fuzz::Target target, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return target(bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: kvt-fuzz-replay native|seg2|segy|point PATH...\n");
        return 2;
    }
    const kvt::fuzz::Target target = kvt::fuzz::TargetNamed(argv[1]);
    if (target == nullptr) {
        std::fprintf(stderr, "kvt-fuzz-replay: unknown target %s\n", argv[1]);
        return 2;
    }
    int inputs = 0;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path path = argv[i];
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    Replay(target, entry.path());
                    ++inputs;
                }
            }
        } else {
            Replay(target, path);
            ++inputs;
        }
    }
    std::printf("%d inputs replayed without a fault\n", inputs);
    return inputs > 0 ? 0 : 1;
}
