// The dispersion picture without QtGui (builds with KVT_BUILD_GUI off): the option exists but cannot
// draw.
#include "DispersionPicture.h"

#include <cstdio>

namespace kvt::cli {

bool CanDrawDispersion() {
    std::fprintf(stderr, "kvt-cli dispersion: -o is not available in this build (it was built without Qt)\n");
    return false;
}

bool WriteDispersionPicture(const DispersionImage&, const std::string&) {
    return false;
}

} // namespace kvt::cli
