// Text encodings. Narrow text inside record files is in one "ANSI" code page: GBK unless the environment
// variable KVT_ANSI_CODEPAGE names another one that iconv knows. In memory all text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kvt {

// The code page in use (the environment's choice, or "GBK").
std::string AnsiCodePage();

// File bytes to UTF-8; bytes that do not decode become U+FFFD.
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 to file bytes; characters the code page cannot hold become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

// UTF-8 to UTF-16 code units (for ordering paths as the file dialogs do); a byte that is not
// well-formed UTF-8 becomes the lone unit 0xDC00 + byte.
std::u16string Utf8ToUtf16(std::string_view utf8);

// The bytes of a fixed-width field up to its first zero byte.
std::string_view FieldText(const char* field, size_t width);

} // namespace kvt
