// The application profile (CWinApp::GetProfileInt, WriteProfileInt): the INI file named after the
// application, "Tarvolin.INI", in the user's configuration folder, read and written with the
// program's own INI reader and writer. Only the progress window keeps its position there.
#pragma once

#include <string>
#include <string_view>

std::string ProfileFilePath();

// The entry's leading integer ("%d"); nDefault when the file, the section or the entry is missing or
// the value is empty.
int GetProfileInt(std::string_view section, std::string_view entry, int nDefault);

// Writes the value in decimal; creates the configuration folder when needed. False on failure.
bool WriteProfileInt(std::string_view section, std::string_view entry, int nValue);
