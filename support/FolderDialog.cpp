#include "support/FolderDialog.h"

#include "platform/qt/FileDialogs.h"

CFolderDialog::CFolderDialog(const std::string& title, const char* initialPath, QWidget* parent, UINT flags)
    : m_strTitle(title), m_pParent(parent), m_nFlags(flags) {
    // A path that would not fit the platform's buffer is not preselected rather than cut.
    if (initialPath != nullptr && std::char_traits<char>::length(initialPath) < kMaxPath) {
        m_szInitialPath = initialPath;
    }
}

int CFolderDialog::DoModal() {
    // The dialog is modal over its parent, which blocks the parent's input as disabling it would.
    const FolderResult result =
        FileDialogs().BrowseForFolder({m_strTitle, m_szInitialPath, m_nFlags, m_pParent});
    switch (result.outcome) {
    case FolderResult::Outcome::Cancelled:
        return -1;
    case FolderResult::Outcome::NoPath:
        return IDCANCEL;
    case FolderResult::Outcome::Chosen:
        break;
    }
    if (result.path.empty() || result.path.size() >= kMaxPath) {
        return IDCANCEL;
    }
    m_szChosenPath = result.path;
    return IDOK;
}
