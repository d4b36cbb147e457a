// The window program Tarvolin. It takes no arguments of its own (Qt's own, such as -platform, still work).
#include "app/TarvolinApp.h"
#include "platform/qt/AppName.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The executable's base name, which is also every message box's caption.
    QApplication::setApplicationName(QString::fromStdString(AfxGetAppName()));
    theApp.InitInstance();
    return 0;
}
