#include "transformfile/TransformFileLoader.h"

#include "platform/FormatString.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "platform/PrivateProfile.h"
#include "res/Resource.h"
#include "support/RunLog.h"
#include "transformfile/Profile.h"
#include "transformfile/TransformTable.h"

#include <memory>
#include <string_view>

namespace {

constexpr std::string_view kGlobalSection = "Global";
constexpr std::string_view kSourceDirKey = "SourceDir";
constexpr std::string_view kDestDirKey = "DestDir";
constexpr std::string_view kTransformCountKey = "nTransforms";
constexpr std::string_view kLogFileNameKey = "LogFileName";
constexpr std::string_view kLogLevelKey = "LogLevel";

using Setter = bool (CTransformGroup::*)(double, double, double);

struct NumberKey {
    std::string_view key;
    std::string_view defaultValue;
    int count;
    Setter setter;
};

// In the order they are read; a rejection stops at the first bad one, so the order is visible.
constexpr NumberKey kNumberKeys[] = {
    {"scale", "( 1.0 , 1.0 , 1.0 )", 3, &CTransformGroup::SetScale},
    {"rotate", "( 0.0 , 0.0 , 0.0 )", 3, &CTransformGroup::SetRotate},
    {"translate", "( 0.0 , 0.0 , 0.0 )", 3, &CTransformGroup::SetTranslate},
    {"minimum", "( -999.0 , -999.0 , -999.0 )", 3, &CTransformGroup::SetMinimum},
    {"maximum", "( 999.0 , 999.0 , 999.0 )", 3, &CTransformGroup::SetMaximum},
    {"tscale", "( 1.0 , 1.0 )", 2, &CTransformGroup::SetTScale},
    {"trotate", "( 0.0 )", 1, &CTransformGroup::SetTRotate},
    {"ttranslate", "( 0.0 , 0.0 )", 2, &CTransformGroup::SetTTranslate},
    {"tminimum", "( -999.0 , -999.0 )", 2, &CTransformGroup::SetTMinimum},
    {"tmaximum", "( 999.0 , 999.0 )", 2, &CTransformGroup::SetTMaximum},
};
constexpr NumberKey kPositionKey = {"position", "( -999.0 , -999.0 , -999.0 )", 3,
                                    &CTransformGroup::SetPosition};

constexpr std::string_view kPatterns[] = {"", "( %lf )", "( %lf , %lf )", "( %lf , %lf , %lf )"};

void RejectGroup(CTransformGroup& group, const std::string& section, const std::string& value) {
    std::string text;
    AfxFormatString2(text, IDS_INVALID_PARAMETER, section, value);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    group.SetMatch("");
}

// False when the value holds fewer numbers than the key needs; the group is then rejected.
bool ReadNumberKey(CProfile& profile, CTransformGroup& group, const std::string& section,
                   const NumberKey& key) {
    const std::string value = profile.GetString(key.key, key.defaultValue);
    double numbers[3] = {};
    if (ScanDoubles(value, kPatterns[key.count], numbers, key.count) < key.count) {
        RejectGroup(group, section, value);
        return false;
    }
    switch (key.count) {
    case 1:
        // The one-number key is the texture rotation, an angle about the third axis.
        (group.*key.setter)(0.0, 0.0, numbers[0]);
        break;
    case 2:
        (group.*key.setter)(numbers[0], numbers[1], 0.0);
        break;
    default:
        (group.*key.setter)(numbers[0], numbers[1], numbers[2]);
        break;
    }
    return true;
}

// False when the group was rejected.
bool ReadGroup(CProfile& profile, CTransformGroup& group, int index) {
    group.Reset();
    const std::string section = "s" + std::to_string(index);
    profile.SetSection(section);
    group.SetMatch(profile.GetString("match", ""));
    group.SetSubstitute(profile.GetString("substitute", "*"));
    for (const NumberKey& key : kNumberKeys) {
        if (!ReadNumberKey(profile, group, section, key)) {
            return false;
        }
    }
    if (const std::string bitmap = profile.GetString("tbitmap", ""); !bitmap.empty()) {
        group.SetTBitmap(bitmap);
    }
    return ReadNumberKey(profile, group, section, kPositionKey);
}

} // namespace

int LoadTransformationFile(ITransformFileTarget& target, const std::string& path, LogOpening logOpening) {
    CProfile profile(path);
    // A load looks up up to 14 keys per group; the file is read and parsed once for all of them.
    const CProfileReadScope readOnce(profile.GetFileName());
    g_strLoadedTransformFile = profile.GetFileName();
    profile.SetSection(kGlobalSection);

    target.SetSourceDir(profile.GetString(kSourceDirKey, ""));
    target.SetDestDir(profile.GetString(kDestDirKey, ""));

    profile.ExchangeInt(true, g_nTransforms, kTransformCountKey, std::nullopt, 0);

    if (!theLog.m_bOpen && logOpening == LogOpening::Open) {
        const std::string logFileName = profile.GetString(kLogFileNameKey, "");
        int logLevel = 1;
        profile.ExchangeInt(true, logLevel, kLogLevelKey, std::nullopt, 1);
        // Set even when the open fails; the next load then tries again with its own file's values.
        theLog.m_nLogLevel = logLevel;
        theLog.OpenLog(logFileName);
        theLog.WriteLine(1, "\nStarting...");
    }

    if (g_nTransforms > MAXTEMPLATES) {
        g_nTransforms = MAXTEMPLATES;
        theLog.WriteLine(1, "\nSetting max transforms at MAXTEMPLATES...");
    }
    // A negative count reads no group, like 0; keeping it as 0 spares every reader a negative size.
    if (g_nTransforms < 0) {
        g_nTransforms = 0;
    }

    g_pTransforms.reset();
    if (g_nTransforms > 0) {
        g_pTransforms = std::make_unique<CTransformGroup[]>(static_cast<std::size_t>(g_nTransforms));
    }

    int rejected = 0;
    for (int i = 0; i < g_nTransforms; ++i) {
        if (!ReadGroup(profile, g_pTransforms[static_cast<std::size_t>(i)], i)) {
            ++rejected;
        }
    }

    target.ResetSelection();
    return rejected;
}

void WriteRememberedFolders(const std::string& sourceDir, const std::string& destDir) {
    CProfile profile;
    profile.SetSection(kGlobalSection);
    if (!sourceDir.empty()) {
        profile.WriteString(kSourceDirKey, sourceDir);
    }
    profile.WriteString(kDestDirKey, destDir);
}
