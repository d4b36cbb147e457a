// The INI engine on arbitrary bytes: every lookup terminates, and setting one key makes exactly that key
// read back as set while every other key the file holds reads as before.
#include "FuzzEnvironment.h"
#include "platform/IniText.h"
#include "platform/TextUtil.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Probe = std::pair<std::string, std::string>;

std::string Trimmed(std::string_view text) {
    text = TrimLeftBlanks(text);
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

// The section and key names the bytes use, found by a plain reading of the lines, to probe the index.
std::vector<Probe> NamesIn(std::string_view bytes) {
    std::vector<Probe> probes;
    std::string section;
    std::size_t pos = 0;
    while (pos < bytes.size() && probes.size() < 64) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        const std::string_view line = TrimLeftBlanks(bytes.substr(pos, end - pos));
        if (!line.empty() && line.front() == '[') {
            section = Trimmed(line.substr(1, line.find(']', 1) - 1));
        } else if (const auto equals = line.find('='); equals != std::string_view::npos) {
            probes.emplace_back(section, Trimmed(line.substr(0, equals)));
        }
        pos = end + 1;
    }
    return probes;
}

// A name the file format can hold so that it reads back as itself.
bool IsStorableName(std::string_view name, bool isKey) {
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back()) || name.back() == '\r') {
        return false;
    }
    if (isKey && name.front() == '[') {
        return false;
    }
    return name.find_first_of(isKey ? std::string_view("=\n", 2) : std::string_view("]\n", 2)) ==
           std::string_view::npos;
}

bool IsStorableValue(std::string_view value) {
    // A CR that ends a value would end up right before the line's LF, where a read drops it.
    if (value.find('\n') != std::string_view::npos || (!value.empty() && value.back() == '\r')) {
        return false;
    }
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) {
        return false;
    }
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    return !quoted;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string section = provider.ConsumeRandomLengthString(24);
    const std::string key = provider.ConsumeRandomLengthString(24);
    const std::string value = provider.ConsumeRandomLengthString(64);
    const CIniText text(provider.ConsumeRemainingBytesAsString());

    std::vector<Probe> probes = NamesIn(text.GetBytes());
    std::vector<std::optional<std::string>> before;
    for (const auto& [probeSection, probeKey] : probes) {
        const auto found = text.Find(probeSection, probeKey);
        before.push_back(found ? std::optional<std::string>(*found) : std::nullopt);
    }

    if (!IsStorableName(section, false) || !IsStorableName(key, true) || !IsStorableValue(value)) {
        return 0;
    }
    const CIniText updated(text.WithValue(section, key, value));
    const auto readBack = updated.Find(section, key);
    FuzzCheck(readBack && *readBack == value, "a key set does not read back as set");
    for (std::size_t i = 0; i < probes.size(); ++i) {
        if (ToLower(probes[i].first) == ToLower(section) && ToLower(probes[i].second) == ToLower(key)) {
            continue;
        }
        const auto found = updated.Find(probes[i].first, probes[i].second);
        const std::optional<std::string> after = found ? std::optional<std::string>(*found) : std::nullopt;
        FuzzCheck(after == before[i], "setting one key changed another");
    }
    return 0;
}
