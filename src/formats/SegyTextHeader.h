// The 3200-byte textual file header of standard SEG-Y: forty lines of eighty columns, in EBCDIC (the
// standard's code, as IBM code page 037) or in ASCII, as many programs write it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvt {

enum class TextEncoding : uint8_t { Ebcdic, Ascii };

inline constexpr size_t kTextHeaderLines = 40;
inline constexpr size_t kTextHeaderColumns = 80;

// EBCDIC when its space (0x40) outnumbers ASCII's (0x20); without spaces, when bytes above 0x7F (EBCDIC
// letters and digits) outnumber the printable ASCII ones.
TextEncoding GuessTextEncoding(std::span<const uint8_t> header);

// The header as forty lines of UTF-8 (EBCDIC through code page 037, ASCII through the ANSI code page),
// control characters as spaces and trailing spaces removed. Blank lines stay, so line n is C n.
std::vector<std::string> TextHeaderLines(std::span<const uint8_t> header);

// Whether a 3200-byte extended textual header, in either code, is the "((SEG: EndText))" stanza that
// ends a variable number of them.
bool HoldsEndTextStanza(std::span<const uint8_t> record);

// Forty lines, each cut or padded with spaces to eighty columns, in EBCDIC. Characters the code page
// has no place for (anything beyond ASCII) become '?', one per character.
std::array<uint8_t, 3200> EbcdicTextHeader(const std::vector<std::string>& lines);

} // namespace kvt
