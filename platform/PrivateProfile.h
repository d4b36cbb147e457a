// GetPrivateProfileString and WritePrivateProfileString: the program's own reader and writer of INI
// files (the transformation file, the window program's profile), under the rules of CIniText.
#pragma once

#include "platform/WinTypes.h"

#include <span>
#include <string>
#include <string_view>

// Copies the value (or defaultValue when the file, the section or the key is missing) into buffer,
// cut to buffer.size() - 1 characters and NUL-terminated; returns the number of characters copied.
// "key=" reads as "", not as the default. Reading never fails.
UINT GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                             std::span<char> buffer, const std::string& fileName);

// Sets key=value in section (CIniText::WithValue), creating the file when needed; every other byte of
// the file stays as it was. The new content replaces the file atomically (a hidden temporary file
// beside it, then a rename; through a symbolic link to its target, keeping the file's permission bits),
// so a write that fails leaves the old file whole and no temporary file behind. A file the user may not
// write, or that cannot be read, is not replaced. Returns false on failure; the system's callers ignore it.
bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& fileName);

// While one lives, reads of fileName come from a single reading of the file, made at the first read: a
// load of 1024 groups looks up some 14,000 keys, and reading the whole file for each takes seconds.
// Writes through WritePrivateProfileString are seen at once, other programs' changes after it ends.
// Scopes nest; create them on the stack.
class CProfileReadScope {
public:
    explicit CProfileReadScope(const std::string& fileName);
    ~CProfileReadScope();
    CProfileReadScope(const CProfileReadScope&) = delete;
    CProfileReadScope& operator=(const CProfileReadScope&) = delete;
};
