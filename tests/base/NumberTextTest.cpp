#include "record/NumberText.h"

#include <clocale>
#include <gtest/gtest.h>

namespace kvt {
namespace {

TEST(NumberText, FloatsFollowTheCRules) {
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("  12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("-0.25"), -0.25);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("+3e2"), 300.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat(""), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("\t-2.5e1m"), -25.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("7e"), 7.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("7e+x"), 7.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("5."), 5.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("-.e3"), 0.0);
}

TEST(NumberText, FloatsAreDecimalOnly) {
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("0x10"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("0x1p3"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("inf"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("-infinity"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("nan"), 0.0);
}

TEST(NumberText, FloatsIgnoreTheUsersLocale) {
    const char* old = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(ParseLeadingFloat("2.75"), 2.75);
    if (old != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(NumberText, IntegersFollowTheCRulesAndClamp) {
    EXPECT_EQ(ParseLeadingInt(" 42x"), 42);
    EXPECT_EQ(ParseLeadingInt("-7"), -7);
    EXPECT_EQ(ParseLeadingInt("3.9"), 3);
    EXPECT_EQ(ParseLeadingInt("x1"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999"), INT32_MAX);
    EXPECT_EQ(ParseLeadingInt("-99999999999"), INT32_MIN);
}

} // namespace
} // namespace kvt
