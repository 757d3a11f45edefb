#include "JsonText.h"

#include <cmath>
#include <cstdio>

namespace kvt::cli {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string JsonFloat(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", value);
    return buf;
}

} // namespace kvt::cli
