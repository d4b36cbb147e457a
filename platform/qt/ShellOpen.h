// ShellExecute "open": hands a URL ("mailto:...", "https://...") or a local file to the desktop, which
// opens it with the user's program for it. Replaceable, so tests never start a browser.
#pragma once

#include <functional>
#include <string>

// Returns whether the desktop accepted the target.
using ShellOpenHandler = std::function<bool(const std::string& target)>;

// Installs the handler and returns the previous one (an empty function means the desktop).
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);

// A target starting with '/' is a local file, anything else a URL.
bool ShellOpen(const std::string& target);
