// CProfile: keyed access to one INI file, the transformation file (read by the loader, written at exit).
// It holds no open file: every read and write goes to the file on disk through the profile-string calls.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

class CProfile {
public:
    // The default file (GetDefaultProfilePath).
    CProfile();
    // An empty path is the default file; a relative path is taken beside the executable.
    explicit CProfile(const std::string& path);
    virtual ~CProfile() = default;

    void SetSection(std::string_view name);

    // A given section becomes the current one and stays so for later calls that give none.
    // The value as read, at most 255 characters; "key=" reads as "" even when a default is given.
    std::string GetString(std::string_view key, std::string_view defaultValue = {},
                          std::optional<std::string_view> section = std::nullopt);
    // The leading integer of the value (as "%d" reads it, clamped), 0 when it has none or is empty.
    int GetInt(std::string_view key, int defaultValue,
               std::optional<std::string_view> section = std::nullopt);
    // Failures are not reported: the file then stays as it was.
    void WriteString(std::string_view key, std::string_view value,
                     std::optional<std::string_view> section = std::nullopt);
    void WriteInt(std::string_view key, int value, std::optional<std::string_view> section = std::nullopt);
    // bRead: value = GetInt(key, defaultValue, section); otherwise WriteInt(key, value, section).
    void ExchangeInt(bool bRead, int& value, std::string_view key,
                     std::optional<std::string_view> section = std::nullopt, int defaultValue = 0);

    const std::string& GetFileName() const { return m_strFileName; }
    const std::string& GetSection() const { return m_strSection; }

    // The application's name: the base name of the default file and a new profile's section. It is the
    // executable's base name unless set; tarvolin-batch sets "Tarvolin" to share the window program's file.
    static void SetAppName(std::string name);
    static std::string GetAppName();

private:
    std::array<char, 256> m_szValue{};
    std::string m_strFileName;
    std::string m_strSection;
};

// The executable's folder and the application's name with ".ini".
std::string GetDefaultProfilePath();

// A path that is not absolute is made relative to the executable's folder; an absolute one stays.
void ResolveProfilePath(std::string& path);
