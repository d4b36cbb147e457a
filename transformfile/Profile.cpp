#include "transformfile/Profile.h"

#include "platform/ModulePath.h"
#include "platform/NumberText.h"
#include "platform/PrivateProfile.h"
#include "platform/SplitPath.h"

#include <utility>

namespace {

std::string& AppNameOverride() {
    static std::string name;
    return name;
}

} // namespace

void CProfile::SetAppName(std::string name) {
    AppNameOverride() = std::move(name);
}

std::string CProfile::GetAppName() {
    if (!AppNameOverride().empty()) {
        return AppNameOverride();
    }
    return SplitPath(GetModuleFileName()).fname;
}

std::string GetDefaultProfilePath() {
    return SplitPath(GetModuleFileName()).dir + CProfile::GetAppName() + ".ini";
}

void ResolveProfilePath(std::string& path) {
    if (!path.starts_with('/')) {
        path = SplitPath(GetModuleFileName()).dir + path;
    }
}

CProfile::CProfile() : m_strFileName(GetDefaultProfilePath()), m_strSection(GetAppName()) {}

CProfile::CProfile(const std::string& path)
    : m_strFileName(path.empty() ? GetDefaultProfilePath() : path), m_strSection(GetAppName()) {
    ResolveProfilePath(m_strFileName);
}

void CProfile::SetSection(std::string_view name) {
    m_strSection = name;
}

std::string CProfile::GetString(std::string_view key, std::string_view defaultValue,
                                std::optional<std::string_view> section) {
    if (section) {
        SetSection(*section);
    }
    GetPrivateProfileString(m_strSection, key, defaultValue, m_szValue, m_strFileName);
    return m_szValue.data();
}

int CProfile::GetInt(std::string_view key, int defaultValue, std::optional<std::string_view> section) {
    GetString(key, std::to_string(defaultValue), section);
    return LeadingInt(m_szValue.data());
}

void CProfile::WriteString(std::string_view key, std::string_view value,
                           std::optional<std::string_view> section) {
    if (section) {
        SetSection(*section);
    }
    WritePrivateProfileString(m_strSection, key, value, m_strFileName);
}

void CProfile::WriteInt(std::string_view key, int value, std::optional<std::string_view> section) {
    WriteString(key, std::to_string(value), section);
}

void CProfile::ExchangeInt(bool bRead, int& value, std::string_view key,
                           std::optional<std::string_view> section, int defaultValue) {
    if (bRead) {
        value = GetInt(key, defaultValue, section);
    } else {
        WriteInt(key, value, section);
    }
}
