#include "formats/AnsiText.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace kvt {
namespace {

class AnsiText : public ::testing::Test {
protected:
    void TearDown() override { unsetenv("KVT_ANSI_CODEPAGE"); }
};

TEST_F(AnsiText, GbkIsTheDefaultCodePage) {
    unsetenv("KVT_ANSI_CODEPAGE");
    EXPECT_EQ(AnsiCodePage(), "GBK");
    EXPECT_EQ(Utf8ToAnsi("工程"), "\xB9\xA4\xB3\xCC");
    EXPECT_EQ(AnsiToUtf8("\xB9\xA4\xB3\xCC"), "工程");
    EXPECT_EQ(AnsiToUtf8("MORAVENT"), "MORAVENT");
}

TEST_F(AnsiText, TheEnvironmentChoosesAnotherCodePage) {
    setenv("KVT_ANSI_CODEPAGE", "CP1252", 1);
    EXPECT_EQ(Utf8ToAnsi("é"), "\xE9");
    EXPECT_EQ(AnsiToUtf8("\xE9"), "é");
    setenv("KVT_ANSI_CODEPAGE", "NO-SUCH-CODEPAGE", 1);
    EXPECT_EQ(AnsiCodePage(), "GBK");
}

TEST_F(AnsiText, UndecodableBytesAndUnencodableCharactersAreReplaced) {
    unsetenv("KVT_ANSI_CODEPAGE");
    EXPECT_EQ(AnsiToUtf8("a\xFF"
                         "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(Utf8ToAnsi("a😀b"), "a?b");
    // A multi-byte character cut at the end of a field decodes to one replacement, not garbage.
    EXPECT_EQ(AnsiToUtf8("x\xB9"), "x\xEF\xBF\xBD");
}

TEST_F(AnsiText, FieldTextStopsAtTheFirstZeroByte) {
    const char field[5] = {'a', 'b', 0, 'c', 'd'};
    EXPECT_EQ(FieldText(field, 5), "ab");
    const char full[3] = {'x', 'y', 'z'};
    EXPECT_EQ(FieldText(full, 3), "xyz");
}

} // namespace
} // namespace kvt
