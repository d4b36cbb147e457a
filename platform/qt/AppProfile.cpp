#include "platform/qt/AppProfile.h"

#include "platform/NumberText.h"
#include "platform/PrivateProfile.h"
#include "platform/qt/AppName.h"

#include <QStandardPaths>
#include <array>
#include <filesystem>
#include <system_error>

std::string ProfileFilePath() {
    const std::filesystem::path folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    return (folder / (AfxGetAppName() + ".INI")).string();
}

int GetProfileInt(std::string_view section, std::string_view entry, int nDefault) {
    std::array<char, 32> buffer{};
    const UINT length = GetPrivateProfileString(section, entry, "", buffer, ProfileFilePath());
    if (length == 0) {
        return nDefault;
    }
    return LeadingInt(std::string_view(buffer.data(), length));
}

bool WriteProfileInt(std::string_view section, std::string_view entry, int nValue) {
    const std::filesystem::path path = ProfileFilePath();
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return WritePrivateProfileString(section, entry, std::to_string(nValue), path.string());
}
