#include "platform/NumberText.h"

#include "platform/TextUtil.h"

#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <system_error>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// strtod in the "C" locale, for the rare values that from_chars only reports as out of range.
double StrtodC(const char* first, const char* last) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string text(first, last);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

// The digits of a number as far as they fit in 64 bits, gathered while its syntax is checked.
struct DecimalDigits {
    static constexpr std::size_t kMaxDigits = 19; // any 19 digits fit in 64 bits
    std::uint64_t value = 0;
    std::size_t count = 0;
    std::size_t fractionCount = 0;

    void Add(char digit) {
        if (++count <= kMaxDigits) {
            value = value * 10 + static_cast<std::uint64_t>(digit - '0');
        }
    }
};

// Clinger's fast path, for the plain decimals models are made of: digits forming an integer of at most
// 2^53 with at most 22 of them after the point, and no exponent, are that integer over a power of ten.
// Both are exact doubles, so the one correctly rounded division gives the correctly rounded value.
bool PlainDecimalValue(const DecimalDigits& digits, double& magnitude) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (digits.count > DecimalDigits::kMaxDigits || digits.value > (std::uint64_t{1} << 53) ||
        digits.fractionCount > 22) {
        return false;
    }
    magnitude = static_cast<double>(digits.value) / kPowersOfTen[digits.fractionCount];
    return true;
}

} // namespace

char* FormatFixed(char* first, double value, int precision) {
    const auto result =
        std::to_chars(first, first + kFixedBufferSize, value, std::chars_format::fixed, precision);
    return result.ptr;
}

void AppendFixed(std::string& out, double value, int precision) {
    char buffer[kFixedBufferSize];
    out.append(buffer, FormatFixed(buffer, value, precision));
}

std::string FormatFixedString(double value, int precision) {
    std::string text;
    AppendFixed(text, value, precision);
    return text;
}

const char* ParseDouble(const char* first, const char* last, double& value) {
    const char* p = first;
    while (p < last && IsCSpace(*p)) {
        ++p;
    }
    bool negative = false;
    if (p < last && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* mantissa = p;
    DecimalDigits digits;
    while (p < last && IsDigit(*p)) {
        digits.Add(*p++);
    }
    if (p < last && *p == '.') {
        ++p;
        while (p < last && IsDigit(*p)) {
            digits.Add(*p++);
            ++digits.fractionCount;
        }
    }
    if (digits.count == 0) {
        return nullptr;
    }
    bool hasExponent = false;
    if (p < last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q < last && (*q == '+' || *q == '-')) {
            ++q;
        }
        if (q < last && IsDigit(*q)) {
            while (q < last && IsDigit(*q)) {
                ++q;
            }
            p = q;
            hasExponent = true;
        }
    }
    double magnitude = 0.0;
    if (hasExponent || !PlainDecimalValue(digits, magnitude)) {
        const auto result = std::from_chars(mantissa, p, magnitude, std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range) {
            magnitude = StrtodC(mantissa, p);
        } else if (result.ec != std::errc() || result.ptr != p) {
            return nullptr;
        }
    }
    if (std::isinf(magnitude)) {
        return nullptr;
    }
    value = negative ? -magnitude : magnitude;
    return p;
}

const char* ParseInt(const char* first, const char* last, int& value) {
    const char* p = first;
    while (p < last && IsCSpace(*p)) {
        ++p;
    }
    bool negative = false;
    if (p < last && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == last || !IsDigit(*p)) {
        return nullptr;
    }
    // Accumulate the magnitude, saturating just past the int range so the sign can still be applied.
    constexpr long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    while (p < last && IsDigit(*p)) {
        if (magnitude <= limit) {
            magnitude = magnitude * 10 + (*p - '0');
        }
        ++p;
    }
    if (negative) {
        value = magnitude >= limit ? INT_MIN : static_cast<int>(-magnitude);
    } else {
        value = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    }
    return p;
}

int LeadingInt(std::string_view text) {
    int value = 0;
    return ParseInt(text.data(), text.data() + text.size(), value) != nullptr ? value : 0;
}

int ScanDoubles(std::string_view input, std::string_view format, double* values, int maxValues) {
    const char* in = input.data();
    const char* const end = in + input.size();
    int count = 0;
    std::size_t f = 0;
    while (f < format.size()) {
        const char c = format[f];
        if (IsCSpace(c)) {
            while (f < format.size() && IsCSpace(format[f])) {
                ++f;
            }
            while (in < end && IsCSpace(*in)) {
                ++in;
            }
            continue;
        }
        if (format.compare(f, 3, "%lf") == 0) {
            if (count == maxValues) {
                break;
            }
            const char* next = ParseDouble(in, end, values[count]);
            if (next == nullptr) {
                break;
            }
            ++count;
            in = next;
            f += 3;
            continue;
        }
        if (in == end || *in != c) {
            break;
        }
        ++in;
        ++f;
    }
    return count;
}
