// AfxMessageBox: the framework's application message box, routed to a replaceable handler.
// The window program shows a modal box, the command line writes to standard error, tests record.
// Without a handler a message goes to standard error, so nothing ever waits for a person.
#pragma once

#include "platform/WinTypes.h"

#include <functional>
#include <string>

// text: what the box says; type: MB_* flags (AfxMessageBox adds the exclamation icon to a box without one).
using MessageBoxHandler = std::function<int(const std::string& text, UINT type)>;

// Installs the handler and returns the previous one (an empty function means the default).
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows text through the current handler, as is (no icon added); returns the handler's result.
int ShowMessageBox(const std::string& text, UINT type);

int AfxMessageBox(const std::string& text, UINT type = MB_OK);
int AfxMessageBox(UINT idPrompt, UINT type = MB_OK);
