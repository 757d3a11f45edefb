#include "AnsiText.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace kvt {

namespace {

// One conversion with a fallback written in place of every unit that does not convert. Text fields
// are short, so a fresh iconv descriptor per call costs nothing that matters.
std::string Convert(std::string_view in, const char* to, const char* from, std::string_view fallback,
                    bool inputIsUtf8) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::string(in);
    }
    std::string out;
    std::vector<char> buffer(in.size() * 4 + 16);
    const char* src = in.data();
    size_t left = in.size();
    while (left > 0) {
        char* dst = buffer.data();
        size_t room = buffer.size();
        char* inPtr = const_cast<char*>(src);
        size_t result = iconv(cd, &inPtr, &left, &dst, &room);
        out.append(buffer.data(), static_cast<size_t>(dst - buffer.data()));
        src = inPtr;
        if (result != static_cast<size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            continue;
        }
        // EILSEQ or EINVAL: skip one unit of input and write the fallback instead.
        size_t skip = 1;
        if (inputIsUtf8) {
            auto lead = static_cast<unsigned char>(*src);
            skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (skip > left) {
                skip = left;
            }
        }
        out.append(fallback);
        src += skip;
        left -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

bool IsPlainAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string AnsiCodePage() {
    const char* env = std::getenv("KVT_ANSI_CODEPAGE");
    if (env != nullptr && *env != '\0') {
        iconv_t cd = iconv_open("UTF-8", env);
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd);
            return env;
        }
    }
    return "GBK";
}

std::string AnsiToUtf8(std::string_view ansi) {
    if (IsPlainAscii(ansi)) {
        return std::string(ansi);
    }
    return Convert(ansi, "UTF-8", AnsiCodePage().c_str(), "\xEF\xBF\xBD", false);
}

std::string Utf8ToAnsi(std::string_view utf8) {
    if (IsPlainAscii(utf8)) {
        return std::string(utf8);
    }
    return Convert(utf8, AnsiCodePage().c_str(), "UTF-8", "?", true);
}

std::string_view FieldText(const char* field, size_t width) {
    const void* zero = std::memchr(field, 0, width);
    return std::string_view(field,
                            zero ? static_cast<size_t>(static_cast<const char*>(zero) - field) : width);
}

} // namespace kvt
