#include "Commands.h"

#include <cstdio>

namespace kvt::cli {

int RunResample(const Args&) {
    std::fprintf(stderr, "kvt-cli: this command is not available in this build\n");
    return 1;
}

int RunCombine(const Args&) {
    std::fprintf(stderr, "kvt-cli: this command is not available in this build\n");
    return 1;
}

int RunExtract(const Args&) {
    std::fprintf(stderr, "kvt-cli: this command is not available in this build\n");
    return 1;
}

int RunStack(const Args&) {
    std::fprintf(stderr, "kvt-cli: this command is not available in this build\n");
    return 1;
}

} // namespace kvt::cli
