#include "cli/SourceList.h"

#include "platform/TextUtil.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

bool HasModelExtension(const std::string& name) {
    return name.size() >= 4 && ToLower(std::string_view(name).substr(name.size() - 4)) == ".mdl";
}

} // namespace

std::vector<std::string> ExpandSources(const std::vector<std::string>& operands) {
    std::vector<std::string> sources;
    for (const std::string& operand : operands) {
        std::error_code error;
        if (!std::filesystem::is_directory(operand, error)) {
            sources.push_back(operand);
            continue;
        }
        std::vector<std::string> names;
        std::filesystem::directory_iterator it(operand, error);
        for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
            const std::string name = it->path().filename().string();
            std::error_code typeError;
            if (HasModelExtension(name) && std::filesystem::is_regular_file(it->path(), typeError)) {
                names.push_back(name);
            }
        }
        if (error) {
            sources.push_back(operand);
            continue;
        }
        std::sort(names.begin(), names.end());
        const std::string prefix = operand.ends_with('/') ? operand : operand + "/";
        for (const std::string& name : names) {
            sources.push_back(prefix + name);
        }
    }
    return sources;
}
