// The file and folder dialogs behind an interface, so tests can answer them. The window program uses
// CQtFileDialogs; RunOpenFileDialog adds what the platform's open-file dialog adds itself: a selection
// that does not fit its character buffer fails with FNERR_BUFFERTOOSMALL.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <string>
#include <vector>

class QWidget;

inline constexpr unsigned FNERR_BUFFERTOOSMALL = 0x3003;
// The framework's buffer for a single file name (MAX_PATH, terminator included).
inline constexpr std::size_t kDefaultMaxFile = 260;

struct OpenFileRequest {
    std::string title;       // empty: the platform's default title
    std::string initialDir;  // folder the dialog opens in (empty: the platform's choice)
    std::string initialFile; // file preselected (a full path also chooses the folder)
    std::string filter;      // the framework's form: "Description|*.ext||"
    std::string defaultExt;  // added to a typed name without extension
    bool allowMultiSelect = false;
    std::size_t maxFile = kDefaultMaxFile; // nMaxFile: characters of the selection buffer
    QWidget* parent = nullptr;
};

struct OpenFileResult {
    enum class Outcome { Ok, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    std::vector<std::string> paths; // full paths, in the dialog's order (Ok only)
    unsigned errorCode = 0;         // CommDlgExtendedError (Failed only)
};

struct FolderRequest {
    std::string title;
    std::string initialFolder; // empty: no preselection
    UINT flags = 0;            // BIF_* browse flags
    QWidget* parent = nullptr;
};

struct FolderResult {
    enum class Outcome { Chosen, NoPath, Cancelled };
    Outcome outcome = Outcome::Cancelled;
    std::string path; // Chosen only
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The user's selection as the dialog returns it, without the buffer check.
    virtual OpenFileResult GetOpenFileNames(const OpenFileRequest& request) = 0;
    virtual FolderResult BrowseForFolder(const FolderRequest& request) = 0;
};

// The dialogs in use: the Qt ones unless a test installed its own.
IFileDialogs& FileDialogs();
// Installs dialogs that the caller keeps alive (null restores the Qt ones); returns the previous ones.
IFileDialogs* SetFileDialogsForTesting(IFileDialogs* dialogs);

// Characters the selection takes in the platform's buffer. Several files: folder, NUL, each name and
// its NUL, a final NUL. One file: its path and a NUL (and the final NUL in multi-select mode).
std::size_t SelectionBufferLength(const std::vector<std::string>& paths, bool allowMultiSelect);

// Runs the open-file dialog and applies the buffer limit of request.maxFile.
OpenFileResult RunOpenFileDialog(const OpenFileRequest& request);
