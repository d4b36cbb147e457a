// The real file and folder dialogs: QFileDialog for existing files (one or several) and for folders
// (directories only).
#pragma once

#include "platform/qt/FileDialogs.h"

#include <string>
#include <string_view>

class CQtFileDialogs : public IFileDialogs {
public:
    OpenFileResult GetOpenFileNames(const OpenFileRequest& request) override;
    FolderResult BrowseForFolder(const FolderRequest& request) override;
};

// The framework's filter "Text (*.a)|*.a|All|*.*||" as Qt's "Text (*.a);;All (*.*)".
std::string QtFilterFromFramework(std::string_view filter);
