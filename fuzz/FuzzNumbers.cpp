// The number parser on arbitrary text, against the C library in the "C" locale on the syntax the system
// accepts: ParseDouble reads exactly what strtod reads (value and sign bit alike, minus hexadecimal,
// inf and nan, and a value that overflows is no number), ParseInt is strtol clamped to 32 bits, and
// ScanDoubles on the transformation file's patterns converts what a strtod-based scan converts.
#include "FuzzEnvironment.h"
#include "platform/NumberText.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

bool IsCSpaceC(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// strtod on the accepted syntax: nullptr where the system sees no number. text is NUL-terminated.
const char* ReferenceDouble(const char* text, double& value) {
    const char* p = text;
    while (IsCSpaceC(*p)) {
        ++p;
    }
    const char* body = *p == '+' || *p == '-' ? p + 1 : p;
    if (!(*body >= '0' && *body <= '9') && !(*body == '.' && body[1] >= '0' && body[1] <= '9')) {
        return nullptr;
    }
    if (body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        // strtod would read hexadecimal; the system reads the 0 alone.
        value = *p == '-' ? -0.0 : 0.0;
        return body + 1;
    }
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (std::isinf(parsed)) {
        return nullptr;
    }
    value = parsed;
    return end;
}

void CheckParseDouble(const std::string& text) {
    double value = 12345.0;
    const char* end = ParseDouble(text.data(), text.data() + text.size(), value);
    double expected = 12345.0;
    const char* expectedEnd = ReferenceDouble(text.c_str(), expected);
    FuzzCheck((end == nullptr) == (expectedEnd == nullptr),
              "ParseDouble accepts what strtod rejects, or back");
    if (end != nullptr) {
        FuzzCheck(end == expectedEnd, "ParseDouble stops elsewhere than strtod");
        FuzzCheck(SameDouble(value, expected), "ParseDouble's value differs from strtod's");
    } else {
        FuzzCheck(SameDouble(value, 12345.0), "a failed ParseDouble changed its value");
    }
}

void CheckParseInt(const std::string& text) {
    int value = 777;
    const char* end = ParseInt(text.data(), text.data() + text.size(), value);
    const char* p = text.c_str();
    while (IsCSpaceC(*p)) {
        ++p;
    }
    const char* digits = *p == '+' || *p == '-' ? p + 1 : p;
    if (!(*digits >= '0' && *digits <= '9')) {
        FuzzCheck(end == nullptr && value == 777, "ParseInt read a number without digits");
        return;
    }
    errno = 0;
    char* expectedEnd = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &expectedEnd, 10);
    const long long clamped = parsed < INT_MIN ? INT_MIN : parsed > INT_MAX ? INT_MAX : parsed;
    FuzzCheck(end == expectedEnd, "ParseInt stops elsewhere than strtol");
    FuzzCheck(value == clamped, "ParseInt's value is not strtol's, clamped");
}

// sscanf of "( %lf , %lf , %lf )" and its shorter forms, one step at a time with ReferenceDouble.
int ReferenceScan(const std::string& input, int count, double* values) {
    const char* p = input.c_str();
    auto skipSpace = [&p] {
        while (IsCSpaceC(*p)) {
            ++p;
        }
    };
    // A literal first in the pattern: blanks before it do not match.
    if (*p != '(') {
        return 0;
    }
    ++p;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            skipSpace();
            if (*p != ',') {
                return i;
            }
            ++p;
        }
        skipSpace();
        const char* end = ReferenceDouble(p, values[i]);
        if (end == nullptr) {
            return i;
        }
        p = end;
    }
    return count;
}

void CheckScanDoubles(const std::string& input, int count) {
    static constexpr const char* kPatterns[] = {"", "( %lf )", "( %lf , %lf )", "( %lf , %lf , %lf )"};
    double values[3] = {};
    double expected[3] = {};
    const int converted = ScanDoubles(input, kPatterns[count], values, count);
    FuzzCheck(converted == ReferenceScan(input, count, expected), "ScanDoubles converts a different count");
    for (int i = 0; i < converted; ++i) {
        FuzzCheck(SameDouble(values[i], expected[i]), "ScanDoubles converts a different value");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    const int count = provider.ConsumeIntegralInRange(1, 3);
    // No NUL inside: the C functions stop there, the system's parsers read the whole view.
    std::string text = provider.ConsumeRemainingBytesAsString();
    text.resize(std::strlen(text.c_str()));
    CheckParseDouble(text);
    CheckParseInt(text);
    CheckScanDoubles(text, count);
    return 0;
}
