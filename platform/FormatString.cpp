#include "platform/FormatString.h"

#include "platform/StringTable.h"

std::string FormatPlaceholders(std::string_view format, std::string_view arg1, std::string_view arg2) {
    std::string result;
    result.reserve(format.size() + arg1.size() + arg2.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && (format[i + 1] == '1' || format[i + 1] == '2')) {
            result += format[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

void AfxFormatString1(std::string& rString, UINT nIDS, std::string_view lpsz1) {
    rString = FormatPlaceholders(LoadResourceString(nIDS), lpsz1);
}

void AfxFormatString2(std::string& rString, UINT nIDS, std::string_view lpsz1, std::string_view lpsz2) {
    rString = FormatPlaceholders(LoadResourceString(nIDS), lpsz1, lpsz2);
}
