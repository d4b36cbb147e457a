// CTarvolinApp: the window program's application object, theApp. InitInstance runs the main window as
// a modal dialog and returns false, so the program ends when that window closes. Help reaches it here.
#pragma once

class CTarvolinApp {
public:
    CTarvolinApp() = default;
    virtual ~CTarvolinApp() = default;
    CTarvolinApp(const CTarvolinApp&) = delete;
    CTarvolinApp& operator=(const CTarvolinApp&) = delete;

    // Needs a running QApplication.
    virtual bool InitInstance();

    // ID_HELP: the help file beside the executable; "Failed to launch help." when it cannot be opened.
    void OnHelp();
};

extern CTarvolinApp theApp;
