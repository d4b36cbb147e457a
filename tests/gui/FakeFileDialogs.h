// Answers the file and folder dialogs with prepared results and records what was asked, for as long
// as it lives.
#pragma once

#include "platform/qt/FileDialogs.h"

#include <vector>

class CFakeFileDialogs : public IFileDialogs {
public:
    CFakeFileDialogs() : m_previous(SetFileDialogsForTesting(this)) {}
    ~CFakeFileDialogs() override { SetFileDialogsForTesting(m_previous); }
    CFakeFileDialogs(const CFakeFileDialogs&) = delete;
    CFakeFileDialogs& operator=(const CFakeFileDialogs&) = delete;

    OpenFileResult GetOpenFileNames(const OpenFileRequest& request) override {
        m_fileRequests.push_back(request);
        return m_fileAnswer;
    }
    FolderResult BrowseForFolder(const FolderRequest& request) override {
        m_folderRequests.push_back(request);
        return m_folderAnswer;
    }

    OpenFileResult m_fileAnswer;
    FolderResult m_folderAnswer;
    std::vector<OpenFileRequest> m_fileRequests;
    std::vector<FolderRequest> m_folderRequests;

private:
    IFileDialogs* m_previous;
};
