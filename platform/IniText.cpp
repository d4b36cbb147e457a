#include "platform/IniText.h"

#include "platform/TextUtil.h"

#include <utility>

namespace {

std::string_view TrimBlanks(std::string_view text) {
    text = TrimLeftBlanks(text);
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

} // namespace

CIniText::CIniText(std::string bytes) : m_strBytes(std::move(bytes)) {
    const std::string_view text = m_strBytes;
    // The section key lines go to; null inside a section whose name came before (it is never read).
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t newline = text.find('\n', pos);
        const bool hasEnd = newline != std::string_view::npos;
        std::size_t end = hasEnd ? newline : text.size();
        const std::size_t next = hasEnd ? newline + 1 : text.size();
        if (hasEnd && end > pos && text[end - 1] == '\r') {
            --end;
        }
        const std::string_view line = text.substr(pos, end - pos);
        const std::string_view trimmed = TrimLeftBlanks(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::string_view name = TrimBlanks(trimmed.substr(1, trimmed.find(']', 1) - 1));
            const auto [it, added] = m_sections.try_emplace(ToLower(name));
            current = added ? &it->second : nullptr;
            if (current != nullptr) {
                current->insertAt = next;
                current->insertNeedsBreak = !hasEnd;
            }
        } else if (const std::size_t equals = line.find('=');
                   current != nullptr && equals != std::string_view::npos) {
            current->insertAt = next;
            current->insertNeedsBreak = !hasEnd;
            const std::string_view value = Unquote(TrimBlanks(line.substr(equals + 1)));
            current->keys.try_emplace(
                ToLower(TrimBlanks(line.substr(0, equals))),
                KeyLine{pos, end, static_cast<std::size_t>(value.data() - text.data()), value.size()});
        }
        pos = next;
    }
}

const CIniText::Section* CIniText::FindSection(std::string_view section) const {
    const auto it = m_sections.find(ToLower(section));
    return it == m_sections.end() ? nullptr : &it->second;
}

std::optional<std::string_view> CIniText::Find(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto it = found->keys.find(ToLower(key));
    if (it == found->keys.end()) {
        return std::nullopt;
    }
    return std::string_view(m_strBytes).substr(it->second.valueBegin, it->second.valueSize);
}

std::string CIniText::WithValue(std::string_view section, std::string_view key,
                                std::string_view value) const {
    const std::string_view bytes = m_strBytes;
    std::string keyLine;
    keyLine.append(key).append("=").append(value);
    std::string out;
    out.reserve(bytes.size() + keyLine.size() + section.size() + 8);
    const Section* found = FindSection(section);
    if (found == nullptr) {
        out.append(bytes);
        if (!bytes.empty() && bytes.back() != '\n') {
            out.append("\r\n");
        }
        return out.append("[").append(section).append("]\r\n").append(keyLine).append("\r\n");
    }
    if (const auto it = found->keys.find(ToLower(key)); it != found->keys.end()) {
        return out.append(bytes.substr(0, it->second.lineBegin))
            .append(keyLine)
            .append(bytes.substr(it->second.lineEnd));
    }
    out.append(bytes.substr(0, found->insertAt));
    if (found->insertNeedsBreak) {
        out.append("\r\n");
    }
    return out.append(keyLine).append("\r\n").append(bytes.substr(found->insertAt));
}
