#include "transformfile/WildcardMatch.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct MatchCase {
    const char* pattern;
    const char* text;
    bool matches;
};

TEST(WildcardMatch, MatchesWholeTextsByteForByte) {
    const MatchCase cases[] = {
        {"*", "anything", true},
        {"*", "", true},
        {"", "", true},
        {"", "a", false},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"*_head*", "abc0_head012", true},
        {"xyz0_*", "abc0_chest", false},
        {"*a", "banana", true},
        {"a*", "A", false},
        {"small_*", "small_hat01", true},
        {"small_*", "smallhat01", false},
        {"small?hat01", "small_hat01", true},
        {"small_hat01", "small_hat01", true},
        {"small_hat0", "small_hat01", false},
        {"*hat*01", "small_hat_hat01", true},
        {"**a**b", "xaybz", false},
        {"**a**b", "xaybzb", true},
        {"?*?", "a", false},
        {"?*?", "ab", true},
        {"\xc3\xa9*", "\xc3\xa9t\xc3\xa9", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WildcardMatch(c.pattern, c.text), c.matches) << c.pattern << " / " << c.text;
    }
}

TEST(WildcardMatch, StarsDoNotMakeTheWorkExplode) {
    // A backtracking matcher without the restart rule would take exponential time here.
    const std::string pattern = std::string(60, '*') + std::string(40, 'a') + "*b";
    const std::string text(255, 'a');
    EXPECT_FALSE(WildcardMatch(pattern, text));
    EXPECT_TRUE(WildcardMatch(pattern, text + "b"));
}

} // namespace
