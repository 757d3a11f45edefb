// The version text both programs print; the build reads the number from here for the package too.
#pragma once

namespace kvt {

inline constexpr const char* kVersionText = "KVT 1.0.1.1119";

} // namespace kvt
