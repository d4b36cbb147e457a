// The few Windows types and constants that the system's code is written with.
// Values are the platform's own, so code and tests can be read against its documentation.
#pragma once

#include <cstdint>

using UINT = unsigned int;
using BOOL = int;
using COLORREF = std::uint32_t;

// Message box types and results.
inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_YESNO = 0x00000004;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONMASK = 0x000000F0;
inline constexpr UINT MB_DEFBUTTON2 = 0x00000100;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr unsigned GetRValue(COLORREF c) {
    return c & 0xFF;
}
constexpr unsigned GetGValue(COLORREF c) {
    return (c >> 8) & 0xFF;
}
constexpr unsigned GetBValue(COLORREF c) {
    return (c >> 16) & 0xFF;
}
