#include "model/SubstituteModelName.h"

#include "platform/TextUtil.h"

namespace {

// Where the lowercase name next occurs in line at or after from, comparing the line lowercased.
std::size_t FindIgnoringCase(std::string_view line, std::string_view name, std::size_t from) {
    while (from + name.size() <= line.size()) {
        std::size_t i = 0;
        while (i < name.size() && AsciiLower(line[from + i]) == name[i]) {
            ++i;
        }
        if (i == name.size()) {
            return from;
        }
        ++from;
    }
    return std::string_view::npos;
}

} // namespace

bool SubstituteModelNameInto(std::string& result, std::string_view line, std::string_view modelName,
                             std::string_view outputName) {
    if (outputName == modelName || modelName.empty()) {
        return false;
    }
    std::size_t found = FindIgnoringCase(line, modelName, 0);
    if (found == std::string_view::npos) {
        return false;
    }
    result.clear();
    std::size_t copied = 0;
    while (found != std::string_view::npos) {
        result.append(line.substr(copied, found - copied)).append(outputName);
        copied = found + modelName.size();
        found = FindIgnoringCase(line, modelName, copied);
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
