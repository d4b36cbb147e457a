// CTarvolinDlg: the main window (dialog 102), through which the user works in the five numbered steps:
// the transformation file, the source files, the destination folder, "&Go!", and the results.
//
// The fields and the batch run come from CTarvolinCore; this class adds the controls, the data exchange
// between them and the fields, the handlers of the buttons and of the context menu that stands for the
// system menu, and the progress window of a run. The constructor initialises the window as its
// OnInitDialog would (the default transformation file is loaded then); the destructor runs the closing
// steps (the remembered folders into the default transformation file, the log closed).
#pragma once

#include "app/BackdropDialog.h"
#include "app/TarvolinCore.h"
#include "app/TypedTextLimit.h"
#include "platform/WinTypes.h"

#include <QBrush>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <string>
#include <string_view>
#include <vector>

class CTarvolinDlg : public CBackdropDialog, public CTarvolinCore {
public:
    explicit CTarvolinDlg(QWidget* parent = nullptr);
    ~CTarvolinDlg() override;
    CTarvolinDlg(const CTarvolinDlg&) = delete;
    CTarvolinDlg& operator=(const CTarvolinDlg&) = delete;

    // Runs the window modally; IDOK when it was closed by "E&xit" or Enter, IDCANCEL otherwise.
    int DoModal();

    // true: the controls' texts into the fields; false: the fields into the controls. A path box with
    // more than 256 characters fails the transfer from the window, with the framework's message.
    bool UpdateData(bool bSaveAndValidate) override;

    // The handlers, as the buttons and the menu call them.
    void OnSysCommand(UINT nID);
    void OnBrowseSource();
    void OnBrowseDest();
    void OnShowTransforms();
    void OnSelectTransformFile();
    // "E&xit" and Enter: the window closes only when the transfer from it succeeds.
    void OnOK();
    // Escape and the close box: the window closes without a transfer.
    void OnCancel();
    void reject() override { OnCancel(); }

    // The name after the last separator, and the folder before it ("" when the separator is the first
    // character or there is none).
    static std::string GetFileNamePart(std::string_view path);
    static std::string GetFolderPart(std::string_view path);

    QIcon m_hIcon;
    QBrush m_brushStatic;
    // The items the program appends to the system menu; a right-click on the background opens it.
    QMenu m_menuSystem;

    // The controls, in resource order, which is also the tab order.
    QPushButton m_btnExit;
    QLabel m_wndStep2;
    QListWidget m_listSourceFiles;
    QLineEdit m_editDestDir;
    QPushButton m_btnBrowseSource;
    QPushButton m_btnBrowseDest;
    QLabel m_wndStep3;
    QLabel m_wndStep4;
    QPushButton m_btnGo;
    QPushButton m_btnShowTransforms;
    QLabel m_wndStep5;
    QLineEdit m_editStatus;
    QPushButton m_btnHelp;
    QLineEdit m_editTransformFile;
    QPushButton m_btnSelectTransformFile;
    QLabel m_wndStep1;

    // Every control, in resource order.
    std::vector<QWidget*> Controls();

protected:
    void OnSelectionCleared() override;
    std::unique_ptr<IBatchProgress> CreateProgressWindow(const std::string& caption) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A disabled window (during a batch run) takes no input, its close box included.
    void closeEvent(QCloseEvent* event) override;

private:
    bool OnInitDialog();
    bool DoDataExchange(bool bSaveAndValidate);
    // What the platform asks the window for each control's colours: the static kind (labels, and edits
    // that are read-only or disabled) is drawn over m_brushStatic, every other kind keeps its own.
    void OnCtlColor(QWidget& control, UINT nCtlColor);

    CTypedTextLimit m_limitDestDir;
    CTypedTextLimit m_limitTransformFile;
};
