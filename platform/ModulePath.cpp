#include "platform/ModulePath.h"

#include <filesystem>
#include <system_error>

namespace {

std::string& OverridePath() {
    static std::string path;
    return path;
}

} // namespace

std::string GetModuleFileName() {
    if (!OverridePath().empty()) {
        return OverridePath();
    }
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

void SetModuleFileNameForTesting(const std::string& path) {
    OverridePath() = path;
}
