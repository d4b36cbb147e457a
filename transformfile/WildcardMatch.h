// WildcardMatch: whole-string, byte-wise pattern test; '*' matches any run (none included), '?' any
// one byte, every other byte only itself. No case folding: callers lowercase both sides.
// Greedy, backtracking only to the most recent '*', so the work is at most pattern x text steps.
#pragma once

#include <string_view>

bool WildcardMatch(std::string_view pattern, std::string_view text);
