// kvt-synth: writes a synthetic shot gather as a native record.
//   kvt-synth OUT.srw [--channels N] [--spacing M] [--offset M] [--interval US] [--samples N] [--seed S]
#include "SyntheticGather.h"
#include "base/NumberText.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace kvt;
    if (argc < 2 || std::string(argv[1]) == "--help") {
        std::fprintf(argc < 2 ? stderr : stdout,
                     "usage: kvt-synth OUT.srw [--channels N] [--spacing M] [--offset M] [--interval US] "
                     "[--samples N] [--seed S]\n");
        return argc < 2 ? 2 : 0;
    }
    synth::GatherShape shape;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        if (option == "--channels") {
            shape.channels = ParseLeadingInt(value);
        } else if (option == "--spacing") {
            shape.spacing = static_cast<float>(ParseLeadingFloat(value));
        } else if (option == "--offset") {
            shape.offset = static_cast<float>(ParseLeadingFloat(value));
        } else if (option == "--interval") {
            shape.interval = static_cast<float>(ParseLeadingFloat(value));
        } else if (option == "--samples") {
            shape.samples = ParseLeadingInt(value);
        } else if (option == "--seed") {
            shape.seed = static_cast<uint32_t>(ParseLeadingInt(value));
        } else {
            std::fprintf(stderr, "kvt-synth: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (!synth::MakeGather(shape).Write(argv[1])) {
        std::fprintf(stderr, "kvt-synth: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
