// AfxFormatString1 and AfxFormatString2: a string-table text with %1 (and %2) filled in.
// Only the placeholders are replaced; the inserted text is taken literally.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

void AfxFormatString1(std::string& rString, UINT nIDS, std::string_view lpsz1);
void AfxFormatString2(std::string& rString, UINT nIDS, std::string_view lpsz1, std::string_view lpsz2);

// The replacement itself, for a text that is not in the string table.
std::string FormatPlaceholders(std::string_view format, std::string_view arg1, std::string_view arg2 = {});
