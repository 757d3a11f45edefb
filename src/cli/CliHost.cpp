#include "CliHost.h"

#include <cstdio>

namespace kvt::cli {

void CliHost::ShowMessage(const Message& message) {
    std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
    if (!message.detail.empty()) {
        std::fprintf(stderr, "详细信息: %s\n", message.detail.c_str());
    }
    std::fflush(stderr);
}

} // namespace kvt::cli
