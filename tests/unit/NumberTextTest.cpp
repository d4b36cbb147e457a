#include "platform/NumberText.h"

#include <bit>
#include <climits>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <locale.h>
#include <random>

namespace {

struct FixedCase {
    double value;
    int precision;
    const char* expected;
};

TEST(FormatFixed, MatchesPrintfOnTheCasesThatMatter) {
    const FixedCase cases[] = {
        {0.00390625, 7, "0.0039062"}, // exact tie goes to even
        {0.00390635, 7, "0.0039064"},
        {-0.0, 7, "-0.0000000"},
        {0.0, 7, "0.0000000"},
        {-1e-9, 7, "-0.0000000"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {1.5, 4, "1.5000"},
        {123.45678905, 7, "123.4567890"},
        {6.123233995736766e-17, 7, "0.0000000"},
        {1e21, 7, "1000000000000000000000.0000000"},
        {INFINITY, 7, "inf"},
        {-INFINITY, 7, "-inf"},
        {NAN, 7, "nan"},
        {-NAN, 7, "-nan"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixedString(c.value, c.precision), c.expected) << c.value;
    }
}

TEST(FormatFixed, AgreesWithPrintfInTheCLocaleOnRandomDoubles) {
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = uselocale(cLocale);
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    for (int i = 0; i < 20000; ++i) {
        // Half spread over magnitudes, half arbitrary bit patterns.
        double value = i % 2 == 0 ? std::pow(10.0, exponent(random)) * (i % 4 == 0 ? -1 : 1)
                                  : std::bit_cast<double>(random());
        if (!std::isfinite(value)) {
            continue;
        }
        for (int precision : {0, 4, 7}) {
            char expected[400];
            std::snprintf(expected, sizeof expected, "%.*f", precision, value);
            ASSERT_EQ(FormatFixedString(value, precision), expected) << std::hexfloat << value;
        }
    }
    uselocale(previous);
    freelocale(cLocale);
}

struct ParseCase {
    const char* text;
    bool accepted;
    double value;
    std::size_t consumed;
};

TEST(ParseDouble, FollowsTheNumberSyntax) {
    const ParseCase cases[] = {
        {"1.5", true, 1.5, 3},  {"  \t+3", true, 3.0, 5}, {".5", true, 0.5, 2},    {"5.", true, 5.0, 2},
        {"1e", true, 1.0, 1},   {"1e+", true, 1.0, 1},    {"2E-2", true, 0.02, 4}, {"1.5.5", true, 1.5, 3},
        {"0x10", true, 0.0, 1}, {"1e-400", true, 0.0, 6}, {"1e400", false, 0, 0},  {"-1e400", false, 0, 0},
        {"inf", false, 0, 0},   {"nan", false, 0, 0},     {"", false, 0, 0},       {"-", false, 0, 0},
        {".", false, 0, 0},     {"+-3", false, 0, 0},     {"e5", false, 0, 0},
    };
    for (const auto& c : cases) {
        const std::string text = c.text;
        double value = -42.0;
        const char* end = ParseDouble(text.data(), text.data() + text.size(), value);
        ASSERT_EQ(end != nullptr, c.accepted) << text;
        if (c.accepted) {
            EXPECT_EQ(value, c.value) << text;
            EXPECT_EQ(static_cast<std::size_t>(end - text.data()), c.consumed) << text;
        } else {
            EXPECT_EQ(value, -42.0) << text;
        }
    }
}

TEST(ParseDouble, KeepsSignsAndSubnormals) {
    double value = 0;
    const std::string negativeZero = "-0";
    ASSERT_NE(ParseDouble(negativeZero.data(), negativeZero.data() + 2, value), nullptr);
    EXPECT_TRUE(std::signbit(value));
    const std::string subnormal = "4e-320";
    ASSERT_NE(ParseDouble(subnormal.data(), subnormal.data() + subnormal.size(), value), nullptr);
    EXPECT_EQ(value, 4e-320);
    const std::string negativeUnderflow = "-1e-999";
    ASSERT_NE(
        ParseDouble(negativeUnderflow.data(), negativeUnderflow.data() + negativeUnderflow.size(), value),
        nullptr);
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
}

TEST(ParseInt, ReadsLikePercentDAndClamps) {
    const std::pair<const char*, int> cases[] = {
        {"12abc", 12},
        {"-3", -3},
        {"  +7", 7},
        {"abc", 0},
        {"", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"- 5", 0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(LeadingInt(text), expected) << text;
    }
}

struct ScanCase {
    const char* input;
    const char* format;
    int converted;
    double values[3];
};

TEST(ScanDoubles, MatchesAsScanfWould) {
    const ScanCase cases[] = {
        {"(1,1,1.5)", "( %lf , %lf , %lf )", 3, {1, 1, 1.5}},
        {"( 1 , 1 , 1.5 )", "( %lf , %lf , %lf )", 3, {1, 1, 1.5}},
        {"( 1 , 2 , 3 , 4 )", "( %lf , %lf , %lf )", 3, {1, 2, 3}},
        {"(1,2,3", "( %lf , %lf , %lf )", 3, {1, 2, 3}},
        {"( 1 1 1.5 )", "( %lf , %lf , %lf )", 1, {1}},
        {"1 , 1 , 1.5", "( %lf , %lf , %lf )", 0, {}},
        {"( 1 , 1 )", "( %lf , %lf , %lf )", 2, {1, 1}},
        {"", "( %lf , %lf , %lf )", 0, {}},
        {"( 1e400 , 2 , 3 )", "( %lf , %lf , %lf )", 0, {}},
        {"( 30 , 5 )", "( %lf )", 1, {30}},
        {"1-2-3", " %lf %lf %lf", 3, {1, -2, -3}},
        {"  0.1 0.0 1.2 extra", " %lf %lf %lf", 3, {0.1, 0.0, 1.2}},
        {"position 1 2 3", "position %lf %lf %lf", 3, {1, 2, 3}},
        {"Position 1 2 3", "position %lf %lf %lf", 0, {}},
    };
    for (const auto& c : cases) {
        double values[3] = {};
        ASSERT_EQ(ScanDoubles(c.input, c.format, values, 3), c.converted) << c.input;
        for (int i = 0; i < c.converted; ++i) {
            EXPECT_EQ(values[i], c.values[i]) << c.input;
        }
    }
}

} // namespace
