#include "platform/qt/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace {

ShellOpenHandler& CurrentHandler() {
    static ShellOpenHandler handler;
    return handler;
}

bool OpenWithDesktop(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl url = target.starts_with('/') ? QUrl::fromLocalFile(text) : QUrl(text);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

bool ShellOpen(const std::string& target) {
    if (const auto& handler = CurrentHandler()) {
        return handler(target);
    }
    return OpenWithDesktop(target);
}
