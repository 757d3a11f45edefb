#include "AnsiText.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace kvt {

namespace {

// What to do with input that does not convert: write a replacement into `out` and return how many
// input bytes (at least one, at most `left`) it stands for.
using InvalidInput = size_t (*)(const char* at, size_t left, std::string& out);

// One conversion. Text fields and paths are short, so a fresh iconv descriptor per call costs nothing
// that matters.
std::string Convert(std::string_view in, const char* to, const char* from, InvalidInput invalid) {
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
        // EILSEQ or EINVAL: the input at src does not convert.
        const size_t skip = invalid(src, left, out);
        src += skip;
        left -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

// An undecodable file byte becomes U+FFFD.
size_t ReplacementCharacter(const char*, size_t, std::string& out) {
    out.append("\xEF\xBF\xBD");
    return 1;
}

// A UTF-8 character the code page cannot hold becomes '?', its whole sequence at once.
size_t QuestionMark(const char* at, size_t left, std::string& out) {
    const auto lead = static_cast<unsigned char>(*at);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    out.push_back('?');
    return length < left ? length : left;
}

// A byte that is not well-formed UTF-8 becomes the lone UTF-16 unit 0xDC00 + byte (little-endian), so
// that different byte strings never decode to the same units.
size_t EscapedByte(const char* at, size_t, std::string& out) {
    const auto unit = static_cast<uint16_t>(0xDC00 + static_cast<unsigned char>(*at));
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
    return 1;
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
    return Convert(ansi, "UTF-8", AnsiCodePage().c_str(), ReplacementCharacter);
}

std::string Utf8ToAnsi(std::string_view utf8) {
    if (IsPlainAscii(utf8)) {
        return std::string(utf8);
    }
    return Convert(utf8, AnsiCodePage().c_str(), "UTF-8", QuestionMark);
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    const std::string bytes = Convert(utf8, "UTF-16LE", "UTF-8", EscapedByte);
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return units;
}

std::string_view FieldText(const char* field, size_t width) {
    const void* zero = std::memchr(field, 0, width);
    return std::string_view(field,
                            zero ? static_cast<size_t>(static_cast<const char*>(zero) - field) : width);
}

} // namespace kvt
