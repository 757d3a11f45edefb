// The C library's atof/atoi rules, independent of the locale: leading white space, an optional sign,
// the longest number that follows; 0 when there is none. Users type numbers into edit boxes and
// record files carry them as text; both are read through these two functions.
#pragma once

#include <cstdint>
#include <string_view>

namespace kvt {

double ParseLeadingFloat(std::string_view text);
int32_t ParseLeadingInt(std::string_view text);

} // namespace kvt
