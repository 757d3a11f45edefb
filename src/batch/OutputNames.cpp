#include "OutputNames.h"

namespace kvt {

std::string InsertBeforeExtension(const std::string& path, const std::string& tag) {
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart) {
        return path + tag;
    }
    return path.substr(0, dot) + tag + path.substr(dot);
}

std::string ResampledPath(const std::string& path) {
    return InsertBeforeExtension(path, "_rs");
}

std::string ChannelPath(const std::string& path, int32_t channel) {
    return InsertBeforeExtension(path, "_CH" + std::to_string(channel));
}

} // namespace kvt
