// The "&Help" button: opens the help file, the executable's path with ".CHM", with the desktop's
// program for it; when there is no such file or the desktop refuses it, "Failed to launch help.".
#pragma once

#include <string>

std::string HelpFilePath();

// Returns whether the help file was handed to the desktop.
bool LaunchHelp();
