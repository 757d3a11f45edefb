// Small helpers for the JSON that kvt-cli prints.
#pragma once

#include <string>
#include <string_view>

namespace kvt::cli {

// A JSON string literal, quotes included.
std::string JsonString(std::string_view text);
// A float with "%.9g" (round-trips a float32); null for values JSON cannot hold.
std::string JsonFloat(double value);

} // namespace kvt::cli
