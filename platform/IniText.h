// CIniText: the bytes of an INI file as the profile-string calls see them, indexed once for lookups,
// and the same bytes with one key set, every other byte kept.
//
// A line is split as a text-mode read splits it. A line whose first non-blank character is '[' opens a
// section named by the text up to the next ']' (or the rest of the line), blanks trimmed. A line with
// '=' inside a section is a key line: key before the first '=', value after it, blanks (space, TAB)
// trimmed from both; a value of two or more characters that starts and ends with the same quote (" or
// ') loses that pair. Names match without regard to ASCII case; the first matching section and, in it,
// the first matching key win. Key lines before the first section and all other lines are ignored.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class CIniText {
public:
    explicit CIniText(std::string bytes);

    // The value, trimmed and unquoted; nullopt when the section or the key is missing.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // The bytes with key=value in section: the first matching key's line replaced by it, or the line
    // added after the last key line of the first matching section, or "[section]" and the line appended
    // at the end. Added lines end in CR LF.
    std::string WithValue(std::string_view section, std::string_view key, std::string_view value) const;

    const std::string& GetBytes() const { return m_strBytes; }

private:
    struct KeyLine {
        // The line's text, without its line end.
        std::size_t lineBegin;
        std::size_t lineEnd;
        std::size_t valueBegin;
        std::size_t valueSize;
    };
    struct Section {
        // Just after the line end of the last key line (or of the header when there is none).
        std::size_t insertAt = 0;
        // That line is the file's last and has no line end, so an added line needs one before it.
        bool insertNeedsBreak = false;
        // Lowercased names, the first line of each.
        std::unordered_map<std::string, KeyLine> keys;
    };

    const Section* FindSection(std::string_view section) const;

    std::string m_strBytes;
    // Lowercased names, the first section of each.
    std::unordered_map<std::string, Section> m_sections;
};
