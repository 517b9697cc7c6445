#include "core/conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

#include "core/runtime_failure.h"

namespace lwviz::conv {

namespace {

constexpr bool IsBlank(char c) noexcept { return c == ' ' || c == '\t'; }
constexpr bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Where the parts of a number sit in a text; `end` is where the number stops.
struct NumberSpan {
    const char* digitsBegin = nullptr;  // after the sign
    const char* mantissaEnd = nullptr;
    const char* separator = nullptr;  // nullptr without a decimal separator
    const char* end = nullptr;
    const char* exponentBegin = nullptr;  // first char after E/e, nullptr without exponent
    bool negative = false;
    bool hasDigits = false;
};

// Longest prefix at `p` that forms a number; an exponent letter counts only when digits follow.
NumberSpan ScanNumber(const char* p, const char* last, char separator) noexcept {
    NumberSpan span;
    if (p != last && (*p == '+' || *p == '-')) {
        span.negative = *p == '-';
        ++p;
    }
    span.digitsBegin = p;
    while (p != last && IsDigit(*p)) {
        ++p;
    }
    span.hasDigits = p != span.digitsBegin;
    if (p != last && *p == separator) {
        span.separator = p;
        const char* fraction = ++p;
        while (p != last && IsDigit(*p)) {
            ++p;
        }
        span.hasDigits = span.hasDigits || p != fraction;
    }
    span.mantissaEnd = p;
    if (span.hasDigits && p != last && (*p == 'E' || *p == 'e')) {
        const char* q = p + 1;
        if (q != last && (*q == '+' || *q == '-')) {
            ++q;
        }
        if (q != last && IsDigit(*q)) {
            span.exponentBegin = p + 1;
            while (q != last && IsDigit(*q)) {
                ++q;
            }
            p = q;
        }
    }
    span.end = span.hasDigits ? p : span.digitsBegin;
    return span;
}

// Decides, for a number from_chars found out of range, whether it is too large (else too small
// in magnitude). The decimal exponent of the leading non-zero digit settles it.
bool IsTooLarge(const NumberSpan& span) noexcept {
    std::ptrdiff_t leading = 0;  // decimal exponent of the first non-zero digit
    bool found = false;
    const char* point = span.separator != nullptr ? span.separator : span.mantissaEnd;
    for (const char* p = span.digitsBegin; p != span.mantissaEnd; ++p) {
        if (p == span.separator || *p == '0') {
            continue;
        }
        leading = p < point ? point - p - 1 : point - p;
        found = true;
        break;
    }
    if (!found) {
        return false;
    }
    std::ptrdiff_t exponent = 0;
    if (span.exponentBegin != nullptr) {
        const char* p = span.exponentBegin;
        const bool negative = *p == '-';
        if (*p == '+' || *p == '-') {
            ++p;
        }
        // Saturates: any exponent this large is out of every range anyway.
        for (; p != span.end && exponent < 1'000'000; ++p) {
            exponent = exponent * 10 + (*p - '0');
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    return leading + exponent > 0;
}

enum class Range { kInside, kTooLarge, kTooSmall };

template <typename T>
struct Reading {
    T value;
    Range range;
};

template <typename T>
Reading<T> FromChars(const NumberSpan& span, const char* first, const char* last) noexcept {
    T value{};
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here; supply what strtod would.
        const bool tooLarge = IsTooLarge(span);
        value = tooLarge ? std::numeric_limits<T>::infinity() : T{0};
        return {span.negative ? -value : value, tooLarge ? Range::kTooLarge : Range::kTooSmall};
    }
    return {span.negative ? -value : value, Range::kInside};
}

// Converts a scanned number; only a separator other than '.' needs a copy for from_chars.
template <typename T>
Reading<T> Convert(const NumberSpan& span, char separator) {
    if (span.separator == nullptr || separator == '.') {
        return FromChars<T>(span, span.digitsBegin, span.end);
    }
    const std::string_view number(span.digitsBegin,
                                  static_cast<std::size_t>(span.end - span.digitsBegin));
    const auto separatorAt = static_cast<std::size_t>(span.separator - span.digitsBegin);
    std::array<char, 64> stack;
    if (number.size() <= stack.size()) {
        std::copy(number.begin(), number.end(), stack.begin());
        stack[separatorAt] = '.';
        return FromChars<T>(span, stack.data(), stack.data() + number.size());
    }
    std::string heap(number);
    heap[separatorAt] = '.';
    return FromChars<T>(span, heap.data(), heap.data() + heap.size());
}

// Strict reading shared by the typed conversions.
template <typename T>
T ReadStrict(std::string_view text, char separator) {
    const char* p = text.data();
    const char* last = p + text.size();
    while (p != last && IsBlank(*p)) {
        ++p;
    }
    const NumberSpan span = ScanNumber(p, last, separator);
    if (!span.hasDigits) {
        throw RuntimeFailure::typeMismatch();
    }
    p = span.end;
    while (p != last && IsBlank(*p)) {
        ++p;
    }
    if (p != last) {
        throw RuntimeFailure::typeMismatch();
    }
    const Reading<T> reading = Convert<T>(span, separator);
    if (reading.range == Range::kTooLarge) {
        throw RuntimeFailure::overflow();
    }
    return reading.value;
}

// %.Ng layout with an upper-case exponent letter and the caller's separator.
template <typename T>
std::size_t FormatGeneral(T value, int digits, char separator, char* first, char* last) {
    if (std::isnan(value)) {
        constexpr std::string_view kNaN = "NaN";
        return static_cast<std::size_t>(std::copy(kNaN.begin(), kNaN.end(), first) - first);
    }
    if (std::isinf(value)) {
        const std::string_view inf = value < 0 ? "-Inf" : "Inf";
        return static_cast<std::size_t>(std::copy(inf.begin(), inf.end(), first) - first);
    }
    if (value == 0) {
        value = 0;  // -0 prints as 0
    }
    const auto result = std::to_chars(first, last, value, std::chars_format::general, digits);
    for (char* p = first; p != result.ptr; ++p) {
        if (*p == 'e') {
            *p = 'E';
        } else if (*p == '.') {
            *p = separator;
        }
    }
    return static_cast<std::size_t>(result.ptr - first);
}

// Sign, 17 digits, separator, exponent letter, sign and three digits fit with room to spare.
constexpr std::size_t kNumberBuffer = 40;

// Powers of ten that a double holds exactly, so scaling by them adds no error of its own.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double PowerOfTen(int exponent) noexcept {
    if (exponent < static_cast<int>(kExactPowersOfTen.size())) {
        return kExactPowersOfTen[static_cast<std::size_t>(exponent)];
    }
    return std::pow(10.0, exponent);
}

}  // namespace

double ValOfText(std::string_view text) noexcept {
    const char* p = text.data();
    const char* last = p + text.size();
    while (p != last && IsBlank(*p)) {
        ++p;
    }
    const NumberSpan span = ScanNumber(p, last, '.');
    if (!span.hasDigits) {
        return 0.0;
    }
    // Beyond the double range the reading is +/-infinity, below it +/-0, as strtod gives.
    return FromChars<double>(span, span.digitsBegin, span.end).value;
}

double TextToDouble(std::string_view text, char decimalSeparator) {
    return ReadStrict<double>(text, decimalSeparator);
}

float TextToSingle(std::string_view text, char decimalSeparator) {
    // Read straight into float: going through double could round twice.
    return ReadStrict<float>(text, decimalSeparator);
}

std::int16_t TextToInteger(std::string_view text, char decimalSeparator) {
    // The program never leaves the default rounding mode, so nearbyint rounds ties to even.
    const double rounded = std::nearbyint(ReadStrict<double>(text, decimalSeparator));
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeFailure::overflow();
    }
    return static_cast<std::int16_t>(rounded);
}

void DoubleToText(double value, std::string& out, char decimalSeparator) {
    std::array<char, kNumberBuffer> buffer{};
    const std::size_t length =
        FormatGeneral(value, 15, decimalSeparator, buffer.data(), buffer.data() + buffer.size());
    out.assign(buffer.data(), length);
}

std::string DoubleToText(double value, char decimalSeparator) {
    std::string out;
    DoubleToText(value, out, decimalSeparator);
    return out;
}

std::string SingleToText(float value, char decimalSeparator) {
    std::array<char, kNumberBuffer> buffer{};
    const std::size_t length =
        FormatGeneral(value, 7, decimalSeparator, buffer.data(), buffer.data() + buffer.size());
    return {buffer.data(), length};
}

void LongToText(std::int64_t value, std::string& out) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.assign(buffer.data(), result.ptr);
}

std::string LongToText(std::int64_t value) {
    std::string out;
    LongToText(value, out);
    return out;
}

std::string IntegerToText(std::int16_t value) { return LongToText(value); }

double RoundHalfEven(double value, int decimals) noexcept {
    if (!std::isfinite(value)) {
        return value;
    }
    // Dividing by the exact power (rather than multiplying by its inexact reciprocal) yields
    // the double nearest to the rounded decimal.
    if (decimals < 0) {
        const double scale = PowerOfTen(-decimals);
        return std::nearbyint(value / scale) * scale;
    }
    const double scale = PowerOfTen(decimals);
    const double scaled = value * scale;
    // From 2^52 on a double has no fraction left to round (this also covers scaled == inf).
    if (!(std::fabs(scaled) < 4503599627370496.0)) {
        return value;
    }
    return std::nearbyint(scaled) / scale;
}

std::int32_t ToLong(double value) {
    const double rounded = std::nearbyint(value);
    // Written so that NaN fails the test as well.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw RuntimeFailure::overflow();
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace lwviz::conv
