// The application's string table, looked up by number; a number without an entry gives "".
// The numbers are in res/Resource.h, the texts in res/StringTable.cpp.
#pragma once

#include "platform/WinTypes.h"

#include <string>

std::string LoadResourceString(UINT id);
