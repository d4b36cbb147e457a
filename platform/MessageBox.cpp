#include "platform/MessageBox.h"

#include "platform/StringTable.h"

#include <cstdio>
#include <utility>

namespace {

MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler;
    return handler;
}

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

int ShowMessageBox(const std::string& text, UINT type) {
    if (const auto& handler = CurrentHandler()) {
        return handler(text, type);
    }
    std::fprintf(stderr, "%s\n", text.c_str());
    return (type & 0x0F) == MB_YESNO ? IDNO : IDOK;
}

int AfxMessageBox(const std::string& text, UINT type) {
    if ((type & MB_ICONMASK) == 0) {
        type |= MB_ICONEXCLAMATION;
    }
    return ShowMessageBox(text, type);
}

int AfxMessageBox(UINT idPrompt, UINT type) {
    return AfxMessageBox(LoadResourceString(idPrompt), type);
}
