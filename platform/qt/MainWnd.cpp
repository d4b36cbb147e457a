#include "platform/qt/MainWnd.h"

#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget>& MainWindow() {
    static QPointer<QWidget> window;
    return window;
}

} // namespace

QWidget* AfxGetMainWnd() {
    return MainWindow().data();
}

void AfxSetMainWnd(QWidget* window) {
    MainWindow() = window;
}
