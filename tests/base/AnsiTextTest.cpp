// Text as record files and edit boxes hold it: code pages, UTF-16 units for ordering paths, and
// leading numbers.
#include "base/AnsiText.h"
#include "base/NumberText.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

namespace kvt {
namespace {

class AnsiText : public ::testing::Test {
protected:
    void TearDown() override { unsetenv("KVT_ANSI_CODEPAGE"); }
};

TEST_F(AnsiText, TextGoesBothWaysThroughTheChosenCodePage) {
    // The code page the environment names ("" for none; an unknown name falls back to GBK).
    const std::tuple<const char*, std::string_view, std::string_view> cases[] = {
        {"", "工程", "\xB9\xA4\xB3\xCC"},
        {"", "MORAVENT", "MORAVENT"},
        {"CP1252", "é", "\xE9"},
        {"NO-SUCH-CODEPAGE", "工程", "\xB9\xA4\xB3\xCC"}};
    for (const auto& [codePage, utf8, ansi] : cases) {
        setenv("KVT_ANSI_CODEPAGE", codePage, 1);
        EXPECT_EQ(Utf8ToAnsi(utf8), ansi) << codePage;
        EXPECT_EQ(AnsiToUtf8(ansi), utf8) << codePage;
    }
    EXPECT_EQ(AnsiCodePage(), "GBK");
}

TEST_F(AnsiText, UndecodableBytesAndUnencodableCharactersAreReplaced) {
    EXPECT_EQ(AnsiToUtf8("a\xFF"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToAnsi("a😀b"), "a?b");
    // A multi-byte character cut at the end of a field decodes to one replacement, not garbage.
    EXPECT_EQ(AnsiToUtf8("x\xB9"), "x\xEF\xBF\xBD");
}

TEST(Utf8ToUtf16, ValidTextConvertsAndEveryBadByteBecomesItsOwnUnit) {
    // Paths are ordered by these units, so different byte strings must never give the same units.
    // Bad bytes: lone, a character cut short, an over-long zero, a stray continuation byte.
    const std::pair<std::string_view, std::u16string> cases[] = {{"", u""},
                                                                 {"shot/A.srw", u"shot/A.srw"},
                                                                 {"工程é😀", u"工程é😀"},
                                                                 {"\xFF", {0xDCFF}},
                                                                 {"\xFE", {0xDCFE}},
                                                                 {"x\xE5\xB7", {u'x', 0xDCE5, 0xDCB7}},
                                                                 {"\xC0\x80", {0xDCC0, 0xDC80}},
                                                                 {"\x80工", {0xDC80, u'工'}}};
    for (const auto& [utf8, units] : cases) {
        EXPECT_EQ(Utf8ToUtf16(utf8), units) << testing::PrintToString(utf8);
    }
}

TEST(NumberText, FloatsAreTheLeadingDecimalNumber) {
    // Hexadecimal, infinities and NaN are not numbers in edit boxes and record files.
    const std::pair<const char*, double> cases[] = {
        {"  12.5abc", 12.5}, {"-0.25", -0.25}, {"+3e2", 300.0},      {".5", 0.5},    {"", 0.0},
        {"abc", 0.0},        {"1,5", 1.0},     {"\t-2.5e1m", -25.0}, {"7e", 7.0},    {"7e+x", 7.0},
        {"5.", 5.0},         {"-.e3", 0.0},    {"0x10", 0.0},        {"0x1p3", 0.0}, {"inf", 0.0},
        {"-infinity", 0.0},  {"nan", 0.0}};
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(ParseLeadingFloat(text), value) << text;
    }
    // The user's locale may use a decimal comma; record files never do.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_DOUBLE_EQ(ParseLeadingFloat("2.75"), 2.75);
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(NumberText, IntegersAreTheLeadingDecimalNumberClampedTo32Bits) {
    const std::pair<const char*, int32_t> cases[] = {
        {" -42x", -42}, {"3.9", 3}, {"x1", 0}, {"9999999999", INT32_MAX}, {"-9999999999", INT32_MIN}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseLeadingInt(text), value) << text;
    }
}

} // namespace
} // namespace kvt
