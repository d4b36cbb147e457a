#include "model/SubstituteModelName.h"

#include "platform/TextUtil.h"

#include <algorithm>

namespace {

// The occurrences of a lowercase name in a line compared lowercased, left to right. Candidates are found
// by searching for the name's first byte in each case, which is quick for the many lines that hold
// neither; both searches only move forward, so a whole line costs one pass whatever it holds.
class CCaseInsensitiveSearch {
public:
    CCaseInsensitiveSearch(std::string_view line, std::string_view name)
        : m_line(line), m_name(name), m_lower(name[0]),
          m_upper(m_lower >= 'a' && m_lower <= 'z' ? static_cast<char>(m_lower - 'a' + 'A') : m_lower),
          m_nextLower(line.find(m_lower)),
          m_nextUpper(m_upper != m_lower ? line.find(m_upper) : std::string_view::npos) {}

    // The first occurrence starting at or after from, or npos.
    std::size_t Next(std::size_t from) {
        while (from + m_name.size() <= m_line.size()) {
            if (m_nextLower < from) {
                m_nextLower = m_line.find(m_lower, from);
            }
            if (m_nextUpper < from) {
                m_nextUpper = m_line.find(m_upper, from);
            }
            const std::size_t at = std::min(m_nextLower, m_nextUpper);
            if (at == std::string_view::npos || at + m_name.size() > m_line.size()) {
                break;
            }
            std::size_t i = 1;
            while (i < m_name.size() && AsciiLower(m_line[at + i]) == m_name[i]) {
                ++i;
            }
            if (i == m_name.size()) {
                return at;
            }
            from = at + 1;
        }
        return std::string_view::npos;
    }

private:
    std::string_view m_line;
    std::string_view m_name;
    char m_lower;
    char m_upper;
    std::size_t m_nextLower;
    std::size_t m_nextUpper;
};

} // namespace

bool SubstituteModelNameInto(std::string& result, std::string_view line, std::string_view modelName,
                             std::string_view outputName) {
    if (outputName == modelName || modelName.empty()) {
        return false;
    }
    CCaseInsensitiveSearch search(line, modelName);
    std::size_t found = search.Next(0);
    if (found == std::string_view::npos) {
        return false;
    }
    result.clear();
    std::size_t copied = 0;
    while (found != std::string_view::npos) {
        result.append(line.substr(copied, found - copied)).append(outputName);
        copied = found + modelName.size();
        found = search.Next(copied);
    }
    result.append(line.substr(copied));
    return true;
}

std::string SubstituteModelName(std::string_view line, std::string_view modelName,
                                std::string_view outputName) {
    std::string result;
    if (!SubstituteModelNameInto(result, line, modelName, outputName)) {
        return std::string(line);
    }
    return result;
}
