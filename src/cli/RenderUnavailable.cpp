// render without QtGui (builds with KVT_BUILD_GUI off): the command exists but cannot draw.
#include "CliHost.h"
#include "Commands.h"

#include <cstdio>

namespace kvt::cli {

int RunRender(const Args&) {
    std::fprintf(stderr, "kvt-cli render: not available in this build (it was built without Qt)\n");
    return kExitFailed;
}

} // namespace kvt::cli
