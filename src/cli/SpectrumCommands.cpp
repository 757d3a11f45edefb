#include "Commands.h"

#include <cstdio>

namespace kvt::cli {

int RunSpectrum(const Args&) {
    std::fprintf(stderr, "kvt-cli: this command is not available in this build\n");
    return 1;
}

int RunFilter(const Args&) {
    std::fprintf(stderr, "kvt-cli: this command is not available in this build\n");
    return 1;
}

} // namespace kvt::cli
