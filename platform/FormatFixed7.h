// FormatFixed7: printf "%.7f" for the rewriter's hot path, without the C library and its locale.
// Exact: the digits are those of glibc's printf for every double (exact ties to even, "-0.0000000" for a
// negative value that rounds to zero), computed in integer arithmetic on the double's mantissa.
#pragma once

#include "platform/NumberText.h"

#include <cstddef>

// Room for any double: FormatFixed7 falls back to FormatFixed for values it does not compute itself.
inline constexpr std::size_t kFixed7BufferSize = kFixedBufferSize;

// Writes value as "%.7f" at first (no terminator) and returns the end; first must have
// kFixed7BufferSize bytes of room.
char* FormatFixed7(char* first, double value);
