// GetModuleFileNameA: the running executable's full path, from /proc/self/exe.
// Tests point it at a folder of their own so that "beside the executable" is a scratch folder.
#pragma once

#include <string>

std::string GetModuleFileName();

// Replaces the executable's path for this process; an empty path restores the real one.
void SetModuleFileNameForTesting(const std::string& path);
