// CFixedLineFormat: a string-table line format made of literal text and three "%.7f" conversions,
// split once into its literal pieces, so that filling it for each model line parses no format.
#pragma once

#include "platform/WinTypes.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

class CFixedLineFormat {
public:
    // The format of string resource id, e.g. 111 "    %.7f %.7f %.7f".
    explicit CFixedLineFormat(UINT id);

    // The line for x, y and z, ended by CR LF, written into buffer (grown when too small); returns it.
    std::string_view Format(double x, double y, double z, std::string& buffer) const;

private:
    std::array<std::string, 4> m_pieces;
    std::size_t m_nMaxLength = 0;
};
