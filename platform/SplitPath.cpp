#include "platform/SplitPath.h"

SplitPathParts SplitPath(std::string_view path) {
    SplitPathParts parts;
    const auto lastSeparator = path.find_last_of("/\\");
    if (lastSeparator != std::string_view::npos) {
        parts.dir = std::string(path.substr(0, lastSeparator + 1));
        path.remove_prefix(lastSeparator + 1);
    }
    const auto lastDot = path.find_last_of('.');
    if (lastDot != std::string_view::npos) {
        parts.ext = std::string(path.substr(lastDot));
        path = path.substr(0, lastDot);
    }
    parts.fname = std::string(path);
    return parts;
}
