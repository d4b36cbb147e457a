// _splitpath: a path as directory, base name and extension.
// Both '/' and '\' separate folders; the directory runs up to and including the last separator,
// the extension starts at the last '.' of what remains. Linux paths have no drive part.
#pragma once

#include <string>
#include <string_view>

struct SplitPathParts {
    std::string dir;
    std::string fname;
    std::string ext;
};

SplitPathParts SplitPath(std::string_view path);
