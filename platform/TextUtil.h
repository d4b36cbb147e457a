// Byte-string helpers shared by the loader and the rewriter.
// Lowercasing is ASCII-only (bytes 0x80 and up stay), so UTF-8 names survive; blanks are space and TAB.
#pragma once

#include <string>
#include <string_view>

inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

void MakeLower(std::string& text);
std::string ToLower(std::string_view text);

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The C isspace set in the "C" locale: space, TAB, LF, VT, FF, CR.
inline bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Drops leading spaces and TABs.
std::string_view TrimLeftBlanks(std::string_view text);

// The token that starts at pos after skipping spaces and TABs: a run of other characters. pos moves to
// the end of that token. Empty when the text holds no further token.
std::string_view NextToken(std::string_view text, std::size_t& pos);
