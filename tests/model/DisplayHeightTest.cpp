#include "scene/DisplayHeight.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

TEST(DisplayHeightText, TakesTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(parseDisplayHeight("390"), 390);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("  390.00"), 390);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("\t+1234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("-20"), -20);
    EXPECT_DOUBLE_EQ(parseDisplayHeight(".5"), 0.5);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("7."), 7);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("149.99"), 149.99);
    // Whatever follows the number does not count, exponents and commas included.
    EXPECT_DOUBLE_EQ(parseDisplayHeight("2000.5xyz"), 2000.5);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("1e9"), 1);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("390,75"), 390);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("1.2.3"), 1.2);
}

TEST(DisplayHeightText, WithoutALeadingNumberCountsAsZero) {
    for (const char* text :
         {"", "   ", "abc", "nan", "inf", "-inf", "+", "-", "+-5", "- 5", ".", "-.", "x390",
          "\xC3\xA4"
          "390",
          "\xEF\xBC\x91"}) // "ä390", fullwidth 1
        EXPECT_EQ(parseDisplayHeight(text), 0) << '"' << text << '"';
    EXPECT_TRUE(std::signbit(parseDisplayHeight("-0")));
}

TEST(DisplayHeightText, EndlessDigitsSaturateInsteadOfFailing) {
    EXPECT_EQ(parseDisplayHeight(std::string(10000, '9')), INFINITY);
    EXPECT_EQ(parseDisplayHeight("-" + std::string(10000, '9')), -INFINITY);
    EXPECT_EQ(parseDisplayHeight("0." + std::string(10000, '0') + "1"), 0);
    EXPECT_DOUBLE_EQ(parseDisplayHeight("1." + std::string(10000, '5')), 1.5555555555555556);
}

TEST(DisplayHeightText, IsWrittenRightAlignedWithTwoDecimals) {
    EXPECT_EQ(formatDisplayHeight(390), "  390.00");
    EXPECT_EQ(formatDisplayHeight(5000), " 5000.00");
    EXPECT_EQ(formatDisplayHeight(1234.5f), " 1234.50");
    EXPECT_EQ(formatDisplayHeight(0.125f), "    0.12") << "the exact binary value rounds to even";
    EXPECT_EQ(formatDisplayHeight(123456.78f), "123456.78") << "wider values are not cut";
}

TEST(DisplayHeightText, IgnoresTheUserLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "German locale not installed";
    const double parsed = parseDisplayHeight("149.99");
    const std::string written = formatDisplayHeight(390);
    std::setlocale(LC_ALL, "C");
    EXPECT_DOUBLE_EQ(parsed, 149.99);
    EXPECT_EQ(written, "  390.00");
}

TEST(DisplayHeightModel, IsLimitedAndCarriesLevelAlong) {
    SceneState s;
    InitialiseSceneState(s);
    const struct {
        double value;
        float stored;
    } cases[] = {{0, 150},     {-5, 150},        {149.99, 150},    {150, 150}, {5000, 5000},
                 {5001, 5000}, {INFINITY, 5000}, {-INFINITY, 150}, {NAN, 150}, {777.25, 777.25f}};
    for (const auto& c : cases) {
        s.level = -1;
        ApplyDisplayHeight(s, c.value);
        EXPECT_FLOAT_EQ(s.displayHeight, c.stored) << c.value;
        EXPECT_FLOAT_EQ(s.level, c.stored / 2) << c.value;
    }
}

TEST(DisplayHeightModel, FlapCountRoundsHalvesToEvenWithTheTypeAddend) {
    SceneState s;
    for (const char* type : {"R-410", "R-650", ""}) {
        s.typeCode = type;
        ApplyDisplayHeight(s, 155);
        EXPECT_EQ(s.flapCount, 16 + 9) << type << ": 15.5 rounds to 16";
        ApplyDisplayHeight(s, 165);
        EXPECT_EQ(s.flapCount, 16 + 9) << type << ": 16.5 rounds to 16";
    }
    s.typeCode = "R-760";
    ApplyDisplayHeight(s, 5000);
    EXPECT_EQ(s.flapCount, 500 + 5);
}
