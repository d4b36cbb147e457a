#include "platform/FormatFixed7.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Fast(double value) {
    char buffer[kFixed7BufferSize];
    return {buffer, FormatFixed7(buffer, value)};
}

// glibc's printf in the C locale, the reference every digit is held against.
class CPrintfInCLocale {
public:
    CPrintfInCLocale()
        : m_locale(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))),
          m_previous(uselocale(m_locale)) {}
    ~CPrintfInCLocale() {
        uselocale(m_previous);
        freelocale(m_locale);
    }
    CPrintfInCLocale(const CPrintfInCLocale&) = delete;
    CPrintfInCLocale& operator=(const CPrintfInCLocale&) = delete;

    std::string operator()(double value) const {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.7f", value);
        return buffer;
    }

private:
    locale_t m_locale;
    locale_t m_previous;
};

void ExpectAgreement(const std::vector<double>& values) {
    const CPrintfInCLocale printf7;
    for (const double value : values) {
        ASSERT_EQ(Fast(value), printf7(value)) << std::hexfloat << value;
        ASSERT_EQ(Fast(-value), printf7(-value)) << std::hexfloat << -value;
    }
}

TEST(FormatFixed7, WritesTheCasesThatMatter) {
    const std::pair<double, const char*> cases[] = {
        {0.00390625, "0.0039062"}, // an exact tie goes to even
        {0.01171875, "0.0117188"}, // which may be upwards
        {-0.0, "-0.0000000"},      // negative zero keeps its sign
        {-1e-9, "-0.0000000"},     // so does a negative value that rounds to zero
        {0.99999996, "1.0000000"}, // rounding carries into the integer part
        {0.99999995, "0.9999999"}, // the double nearest this tie lies below it
        {5e-324, "0.0000000"},     // the smallest subnormal
        {1e21, "1000000000000000000000.0000000"},
        {INFINITY, "inf"},
        {-NAN, "-nan"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(Fast(value), expected) << std::hexfloat << value;
    }
}

TEST(FormatFixed7, AgreesWithPrintfOnRandomDoubles) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> exponent(-9.0, 13.0);
    std::uniform_int_distribution<int> digits(1, 9);
    std::vector<double> values;
    for (int i = 0; i < 200000; ++i) {
        switch (i % 3) {
        case 0: // any magnitude a model holds, and beyond the direct range
            values.push_back(std::pow(10.0, exponent(random)));
            break;
        case 1: { // decimal text of 1 to 9 significant digits, as models are written
            const double scale = std::pow(10.0, static_cast<int>(random() % 8));
            const auto mantissa =
                static_cast<double>(random() % static_cast<std::uint64_t>(std::pow(10, digits(random))));
            values.push_back(mantissa / scale);
            break;
        }
        default: { // arbitrary bit patterns
            const double value = std::bit_cast<double>(random());
            if (std::isfinite(value)) {
                values.push_back(value);
            }
        }
        }
    }
    ExpectAgreement(values);
}

TEST(FormatFixed7, AgreesWithPrintfOnExactTiesAndNearThem) {
    // v * 10^7 ends in exactly .5 when v is an odd multiple of 2^-8 (10^7 = 5^7 * 2^7).
    std::mt19937_64 random(7);
    std::vector<double> values;
    for (int i = 0; i < 50000; ++i) {
        const auto odd = static_cast<double>((random() % (std::uint64_t{1} << 44)) | 1);
        const double tie = std::ldexp(odd, -8);
        values.push_back(tie);
        values.push_back(std::nextafter(tie, 0.0));
        values.push_back(std::nextafter(tie, INFINITY));
    }
    ExpectAgreement(values);
}

TEST(FormatFixed7, AgreesWithPrintfOnBoundaries) {
    std::vector<double> values = {0.0,
                                  DBL_MIN,
                                  DBL_TRUE_MIN,
                                  DBL_MAX,
                                  DBL_EPSILON,
                                  0.5e-7,
                                  0.49999999e-7,
                                  1e-7,
                                  1.5e-7,
                                  2.5e-7,
                                  0.5,
                                  1.0,
                                  9.99999995,
                                  99999.99999995,
                                  1e11,
                                  9.9999999999e10,
                                  1e12,
                                  4503599627370496.0,
                                  9007199254740993.0};
    for (double limit : {1e11, 0.5e-7, 1.5e-7, 1.0, 1e-7}) {
        double below = limit;
        double above = limit;
        for (int i = 0; i < 100; ++i) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, INFINITY);
            values.push_back(below);
            values.push_back(above);
        }
    }
    for (int e = -1074; e <= 1023; ++e) {
        values.push_back(std::ldexp(1.0, e));
    }
    ExpectAgreement(values);
}

} // namespace
