#include "platform/qt/HtmlHelp.h"

#include "platform/MessageBox.h"
#include "platform/ModulePath.h"
#include "platform/SplitPath.h"
#include "platform/qt/ShellOpen.h"

#include <filesystem>
#include <system_error>

std::string HelpFilePath() {
    const SplitPathParts parts = SplitPath(GetModuleFileName());
    return parts.dir + parts.fname + ".CHM";
}

bool LaunchHelp() {
    const std::string path = HelpFilePath();
    std::error_code error;
    // The desktop starts its opener even for a file that is not there, so look first.
    if (!std::filesystem::is_regular_file(path, error) || !ShellOpen(path)) {
        AfxMessageBox("Failed to launch help.");
        return false;
    }
    return true;
}
