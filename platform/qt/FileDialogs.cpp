#include "platform/qt/FileDialogs.h"

#include "platform/qt/QtFileDialogs.h"

#include <string_view>

namespace {

IFileDialogs*& InstalledDialogs() {
    static IFileDialogs* dialogs = nullptr;
    return dialogs;
}

// The folder as the buffer holds it before the names: up to the last '/', "/" for the root.
std::string_view FolderOf(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

} // namespace

IFileDialogs& FileDialogs() {
    static CQtFileDialogs qtDialogs;
    IFileDialogs* installed = InstalledDialogs();
    return installed != nullptr ? *installed : qtDialogs;
}

IFileDialogs* SetFileDialogsForTesting(IFileDialogs* dialogs) {
    IFileDialogs* previous = InstalledDialogs();
    InstalledDialogs() = dialogs;
    return previous;
}

std::size_t SelectionBufferLength(const std::vector<std::string>& paths, bool allowMultiSelect) {
    if (paths.empty()) {
        return allowMultiSelect ? 2 : 1;
    }
    if (paths.size() == 1) {
        return paths.front().size() + (allowMultiSelect ? 2 : 1);
    }
    const std::string_view folder = FolderOf(paths.front());
    std::size_t length = folder.size() + 1;
    for (std::string_view path : paths) {
        std::string_view name = path;
        if (FolderOf(path) == folder) {
            name.remove_prefix(folder.size());
            if (name.starts_with('/')) {
                name.remove_prefix(1);
            }
        }
        length += name.size() + 1;
    }
    return length + 1;
}

OpenFileResult RunOpenFileDialog(const OpenFileRequest& request) {
    OpenFileResult result = FileDialogs().GetOpenFileNames(request);
    if (result.outcome == OpenFileResult::Outcome::Ok &&
        SelectionBufferLength(result.paths, request.allowMultiSelect) > request.maxFile) {
        return {OpenFileResult::Outcome::Failed, {}, FNERR_BUFFERTOOSMALL};
    }
    return result;
}
