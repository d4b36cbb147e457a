#include "platform/FormatFixed7.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

__extension__ using Uint128 = unsigned __int128;

constexpr std::uint64_t kScale = 10'000'000; // 10^7: seven decimals
// Below this magnitude round(|value| * 10^7) fits comfortably in 64 bits.
constexpr double kDirectLimit = 1e11;

// round(|value| * 10^7), ties to even, for a finite |value| < kDirectLimit.
std::uint64_t ScaledMagnitude(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    // |value| = mantissa * 2^exponent, and exponent < 0 since |value| < 2^52.
    const int shift = -exponent;
    // mantissa * 10^7 < 2^77, so from a shift of 78 on the product is below half a unit.
    if (shift > 77) {
        return 0;
    }
    const Uint128 product = static_cast<Uint128>(mantissa) * kScale;
    // Rounding to nearest with ties to even, without a branch: adding just under half a unit, plus one
    // when the truncated quotient is odd, carries into the quotient exactly when it must round up.
    const Uint128 halfBelow = (static_cast<Uint128>(1) << (shift - 1)) - 1;
    const Uint128 odd = (product >> shift) & 1;
    return static_cast<std::uint64_t>((product + halfBelow + odd) >> shift);
}

// "00" to "99", so that digits are written two at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

void WritePair(char* out, std::uint32_t value) {
    out[0] = kDigitPairs[2 * value];
    out[1] = kDigitPairs[2 * value + 1];
}

} // namespace

char* FormatFixed7(char* first, double value) {
    if (!(std::fabs(value) < kDirectLimit)) {
        return FormatFixed(first, value, 7);
    }
    const std::uint64_t scaled = ScaledMagnitude(value);
    char* out = first;
    if (std::signbit(value)) {
        *out++ = '-';
    }
    const std::uint64_t integer = scaled / kScale;
    if (integer < 10) {
        *out++ = static_cast<char>('0' + integer);
    } else if (integer < 100) {
        WritePair(out, static_cast<std::uint32_t>(integer));
        out += 2;
    } else {
        out = std::to_chars(out, out + 20, integer).ptr;
    }
    *out++ = '.';
    auto fraction = static_cast<std::uint32_t>(scaled % kScale);
    out[0] = static_cast<char>('0' + fraction / 1'000'000);
    fraction %= 1'000'000;
    WritePair(out + 1, fraction / 10'000);
    WritePair(out + 3, fraction / 100 % 100);
    WritePair(out + 5, fraction % 100);
    return out + 7;
}
