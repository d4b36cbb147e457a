#include "app/TarvolinApp.h"

#include "app/TarvolinDlg.h"
#include "platform/qt/HtmlHelp.h"
#include "platform/qt/MainWnd.h"
#include "platform/qt/QtMessageBox.h"

CTarvolinApp theApp;

bool CTarvolinApp::InitInstance() {
    InstallQtMessageBoxHandler();

    CTarvolinDlg dlg;
    AfxSetMainWnd(&dlg);
    dlg.DoModal();
    // dlg's destruction writes the remembered folders and closes the log.
    return false;
}

void CTarvolinApp::OnHelp() {
    LaunchHelp();
}
