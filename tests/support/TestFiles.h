// Scratch folders and whole-file reads and writes for tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The locale every test runs in (installed by the test set-up): decimal comma, dot for thousands.
inline constexpr const char* kHostileLocale = "de_DE.UTF-8";

// A fresh folder under the system's temporary folder, removed with everything in it on destruction.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(std::string_view name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& path);
// The names of everything in folder (hidden ones included), sorted by byte value.
std::vector<std::string> FileNamesIn(const std::filesystem::path& folder);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);
// LF line ends as CR LF, for writing expectations readably.
std::string Crlf(std::string_view text);
