#include "transformfile/WildcardMatch.h"

bool WildcardMatch(std::string_view pattern, std::string_view text) {
    std::size_t p = 0;
    std::size_t t = 0;
    // Up to the first '*' every byte must match in step.
    while (t < text.size() && (p == pattern.size() || pattern[p] != '*')) {
        if (p == pattern.size() || (pattern[p] != text[t] && pattern[p] != '?')) {
            return false;
        }
        ++p;
        ++t;
    }
    std::size_t restart = 0;
    std::size_t retry = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            if (++p == pattern.size()) {
                return true;
            }
            restart = p;
            retry = t + 1;
        } else if (p < pattern.size() && (pattern[p] == text[t] || pattern[p] == '?')) {
            ++p;
            ++t;
        } else {
            p = restart;
            t = retry++;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}
