#include "properties/number_text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

using namespace vexlume;

TEST(FormatGeneral6, ShortestFormWithSixDigits) {
    const std::pair<double, const char*> cases[] = {
        {0.5, "0.5"},       {40, "40"},           {0.123456789, "0.123457"}, {0, "0"},
        {-0.0, "-0"},       {360, "360"},         {1e6, "1e+06"},            {123456, "123456"},
        {1234567, "1.23457e+06"}, {0.0001, "0.0001"}, {0.00001, "1e-05"},  {-2.5, "-2.5"},
        {double{0.1f}, "0.1"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatGeneral6(value), text) << value;
}

TEST(ParseFloatField, StrictDecimalNumbers) {
    const std::pair<const char*, float> good[] = {
        {"0", 0},       {"60", 60},       {" 12 ", 12},   {"\t-3.5\t", -3.5f}, {"+2", 2},
        {".5", 0.5f},   {"5.", 5},        {"1e2", 100},   {"1E-2", 0.01f},     {"-0", -0.0f},
        {"0.123456789", 0.123456789f},    {"1e-50", 0},
    };
    for (const auto& [text, value] : good) {
        std::optional<float> read = ParseFloatField(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(*read, value) << text;
    }
    for (const char* bad : {"", " ", "abc", "1,5", "inf", "nan", "-inf", "0x10", "1e", "1e+", ".",
                            "-", "+-1", "1 2", "12abc", "1.2.3", "1e400", "3e38x", "4e38"})
        EXPECT_FALSE(ParseFloatField(bad).has_value()) << '"' << bad << '"';
}

TEST(ParseIntField, StrictWholeNumbers) {
    EXPECT_EQ(ParseIntField(" 12 "), 12);
    EXPECT_EQ(ParseIntField("-7"), -7);
    EXPECT_EQ(ParseIntField("+1000"), 1000);
    for (const char* bad : {"", "12.5", "1e3", "abc", "0x10", "- 1", "99999999999", " "})
        EXPECT_FALSE(ParseIntField(bad).has_value()) << '"' << bad << '"';
}

TEST(NumberText, MessagesFillInTheBounds) {
    EXPECT_EQ(NumberBetweenMessage(0, 60), "Please enter a number between 0 and 60.");
    EXPECT_EQ(NumberBetweenMessage(0, 1), "Please enter a number between 0 and 1.");
    EXPECT_EQ(IntegerBetweenMessage(1, 1000), "Please enter an integer between 1 and 1000.");
}

TEST(NumberText, TheLocaleChangesNothing) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    EXPECT_EQ(FormatGeneral6(0.5), "0.5");
    EXPECT_EQ(ParseFloatField("0.5"), 0.5f);
    EXPECT_FALSE(ParseFloatField("0,5").has_value());
    std::setlocale(LC_ALL, "C");
}

}  // namespace
