// Case folding of ASCII letters only: file names are matched against ".srw" and friends the same way
// whatever the locale, and bytes of other scripts pass through unchanged.
#pragma once

#include <string>
#include <string_view>

namespace kvt {

inline std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

} // namespace kvt
