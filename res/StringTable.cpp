// The application's string table.
#include "platform/StringTable.h"

#include "res/Resource.h"

#include <array>
#include <utility>

std::string LoadResourceString(UINT id) {
    static constexpr std::array<std::pair<UINT, const char*>, 13> kTable{{
        {IDS_ABOUTBOX, "&About Tarvolin..."},
        {IDS_TOO_MANY_FILES, "Too many files selected."},
        {IDS_NO_FILES_SELECTED, "No files selected to process."},
        {IDS_PROCESSING, "Processing..."},
        {IDS_READY, "Ready"},
        {IDS_INVALID_FILE_NAME, "Invalid file name selected."},
        {IDS_UNEXPECTED_EOF, "Invalid model file (%1) - unexpected end of file found!"},
        {IDS_VERTEX_LINE, "    %.7f %.7f %.7f"},
        {IDS_AWAITING_INPUT, "Awaiting input files..."},
        {IDS_FINISHED, "Finished Processing!"},
        {IDS_INVALID_PARAMETER, "Invalid parameter in section %1 = %2. Ignoring this transform group."},
        {IDS_UNKNOWN_SELECT_ERROR, "Unknown error selecting files. Please try again."},
        {IDS_POSITION_LINE, "  position %.7f %.7f %.7f"},
    }};
    for (const auto& [number, text] : kTable) {
        if (number == id) {
            return text;
        }
    }
    return {};
}
