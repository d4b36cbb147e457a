// CFolderDialog: the folder picker, used like a modal dialog: construct, DoModal, read the path.
// The main window chooses its destination folder with it.
#pragma once

#include "platform/WinTypes.h"

#include <QPointer>
#include <QWidget>
#include <cstddef>
#include <string>

// Only folders of the file system can be confirmed.
inline constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;

class CFolderDialog {
public:
    // The platform's path limit (MAX_PATH), terminator included.
    static constexpr std::size_t kMaxPath = 260;

    // initialPath: the folder to preselect (null or empty: none).
    CFolderDialog(const std::string& title, const char* initialPath, QWidget* parent, UINT flags);

    // IDOK with the chosen folder's path; IDCANCEL when the choice has no file-system path that fits
    // MAX_PATH; -1 when the user cancelled.
    int DoModal();
    // Meaningful only after DoModal returned IDOK.
    const std::string& GetChosenPath() const { return m_szChosenPath; }

private:
    std::string m_strTitle;
    std::string m_szChosenPath;
    std::string m_szInitialPath;
    QPointer<QWidget> m_pParent;
    UINT m_nFlags;
};
