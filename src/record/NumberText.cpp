#include "NumberText.h"

#include <clocale>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace kvt {

namespace {

// The "C" locale, so a decimal point is always '.', whatever the user's locale says.
locale_t CLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

double ParseLeadingFloat(std::string_view text) {
    std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

int32_t ParseLeadingInt(std::string_view text) {
    std::string copy(text);
    long long value = strtoll_l(copy.c_str(), nullptr, 10, CLocale());
    // atoi is undefined beyond the 32-bit range; clamp like strtol does for its own range.
    if (value > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

} // namespace kvt
