// Locale-independent number text: printf "%.Nf" output and scanf "%lf" / "%d" input.
// The C library's own routines follow the process locale, which the window toolkit sets from the
// environment; under a decimal-comma locale they would misread and miswrite every model.
//
// Output: correctly rounded like glibc's printf (exact ties to even), "-0.0000000" for negative zero,
// "inf", "-inf", "nan", "-nan" for what only arithmetic can make.
// Input syntax of a number: optional C white space, optional sign, digits with an optional '.' and
// fraction (at least one digit in all), an optional exponent (e/E, optional sign, digits) that counts
// only when digits follow it. No inf, nan or hexadecimal. A value that rounds to infinity is no number;
// underflow gives the nearest double (a subnormal or a signed zero).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Room for any finite double in fixed notation with up to kMaxFixedPrecision decimals.
inline constexpr int kMaxFixedPrecision = 40;
inline constexpr std::size_t kFixedBufferSize = 360;

// Writes value as "%.{precision}f" at first (no terminator) and returns the end.
// first must have kFixedBufferSize bytes of room; precision is 0..kMaxFixedPrecision.
char* FormatFixed(char* first, double value, int precision);
void AppendFixed(std::string& out, double value, int precision);
std::string FormatFixedString(double value, int precision);

// Parses one number at first (skipping C white space); returns the end of the number, or nullptr
// when there is none there (value is then unchanged).
const char* ParseDouble(const char* first, const char* last, double& value);

// "%d": C white space, optional sign, decimal digits, clamped to the 32-bit range. Returns the end of
// the digits, or nullptr when no digit follows.
const char* ParseInt(const char* first, const char* last, int& value);

// The leading integer of text as "%d" reads it, or 0 when it has none.
int LeadingInt(std::string_view text);

// sscanf with a format made of literal characters, white space (matching any run of C white space,
// none included) and "%lf" conversions. Returns how many numbers were converted before the input
// ran out or failed to match; later conversions are never attempted.
int ScanDoubles(std::string_view input, std::string_view format, double* values, int maxValues);
