// ParseDouble's quick way for plain decimals must give exactly what the full conversion gives.
#include "platform/NumberText.h"

#include <bit>
#include <cstdlib>
#include <gtest/gtest.h>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

namespace {

void ExpectStrtodValue(const std::vector<std::string>& texts) {
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    for (const auto& text : texts) {
        double value = 0.0;
        const char* end = ParseDouble(text.data(), text.data() + text.size(), value);
        ASSERT_EQ(end, text.data() + text.size()) << text;
        const double expected = strtod_l(text.c_str(), nullptr, cLocale);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected)) << text;
    }
    freelocale(cLocale);
}

TEST(ParseDouble, GivesTheCorrectlyRoundedValueOfPlainDecimals) {
    std::vector<std::string> texts = {
        "9007199254740992",
        "9007199254740993",
        "9007199254740994",
        "0.9007199254740993",
        "1234567890123456789",
        "12345678901234567890",
        "-0.0",
        "+0",
        "5.",
        ".5",
        "0.1",
        "0.0000000000000000000001",
        "0.00000000000000000000001",
        "1.7976931348623157",
        "000000000000000000000000001.5",
        "4.9406564584124654",
        "2.2250738585072014",
    };
    std::mt19937_64 random(99);
    for (int i = 0; i < 200000; ++i) {
        const int length = 1 + static_cast<int>(random() % 24);
        std::string digits;
        for (int d = 0; d < length; ++d) {
            digits += static_cast<char>('0' + random() % 10);
        }
        const auto point = random() % (digits.size() + 2);
        if (point <= digits.size()) {
            digits.insert(point, ".");
        }
        texts.push_back((random() % 2 == 0 ? "-" : "") + digits);
    }
    ExpectStrtodValue(texts);
}

} // namespace
