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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Length of the leading decimal number of `text`: white space, sign, digits with an optional point,
// an exponent only when digits follow it. Hexadecimal, "inf" and "nan" are not numbers here, as in the
// C library that edit boxes and record files were always read with; 0 when there is no number.
size_t DecimalPrefix(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            i = j;
            while (i < text.size() && IsDigit(text[i])) {
                ++i;
            }
        }
    }
    return i;
}

} // namespace

double ParseLeadingFloat(std::string_view text) {
    const size_t length = DecimalPrefix(text);
    if (length == 0) {
        return 0.0;
    }
    const std::string number(text.substr(0, length));
    return strtod_l(number.c_str(), nullptr, CLocale());
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
