#include "platform/TextUtil.h"

void MakeLower(std::string& text) {
    for (char& c : text) {
        c = AsciiLower(c);
    }
}

std::string ToLower(std::string_view text) {
    std::string lower(text);
    MakeLower(lower);
    return lower;
}

std::string_view TrimLeftBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return text.substr(i);
}

std::string_view NextToken(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < text.size() && !IsBlank(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}
