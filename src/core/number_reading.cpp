#include "core/number_reading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

#include "core/exact_powers_of_ten.h"
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

// A number in the plain form the cells hold, and where it ends.
struct PlainNumber {
    double value;
    const char* end;
};

// Reads the plain form at `p`: a sign, at most 19 digits with at most one separator, and no
// exponent. A whole number up to 2^53 over an exact power of ten is one correctly rounded
// division, the very double that from_chars gives, at a fraction of the cost of the general
// reading. Nothing where the general reading must decide (no digits, an exponent letter, more
// digits).
std::optional<PlainNumber> ReadPlain(const char* p, const char* last, char separator) noexcept {
    constexpr std::uint64_t kExactWhole = std::uint64_t{1} << 53U;
    constexpr int kMostDigits = 19;
    const bool negative = p != last && *p == '-';
    if (p != last && (*p == '-' || *p == '+')) {
        ++p;
    }
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = -1;  // -1 until the separator
    for (; p != last; ++p) {
        const auto digit = static_cast<unsigned>(*p - '0');
        if (digit <= 9) {
            whole = whole * 10 + digit;
            ++digits;
            decimals += decimals >= 0 ? 1 : 0;
        } else if (*p == separator && decimals < 0) {
            decimals = 0;
        } else {
            break;
        }
    }
    if (digits == 0 || digits > kMostDigits || whole > kExactWhole ||
        (p != last && (*p == 'E' || *p == 'e'))) {
        return std::nullopt;
    }
    const double value = static_cast<double>(whole) /
                         kExactPowersOfTen[static_cast<std::size_t>(std::max(decimals, 0))];
    return PlainNumber{negative ? -value : value, p};
}

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

// Why a strict reading failed; the throwing conversions turn it into a RuntimeFailure.
enum class Failure { kNone, kTypeMismatch, kOverflow };

template <typename T>
struct Strict {
    T value;
    Failure failure;
};

// Strict reading shared by the typed conversions.
template <typename T>
Strict<T> ReadStrict(std::string_view text, char separator) {
    const char* p = text.data();
    const char* last = p + text.size();
    while (p != last && IsBlank(*p)) {
        ++p;
    }
    if constexpr (std::is_same_v<T, double>) {
        if (const std::optional<PlainNumber> plain = ReadPlain(p, last, separator)) {
            const char* rest = plain->end;
            while (rest != last && IsBlank(*rest)) {
                ++rest;
            }
            if (rest == last) {
                return {plain->value, Failure::kNone};
            }
        }
    }
    const NumberSpan span = ScanNumber(p, last, separator);
    if (!span.hasDigits) {
        return {T{}, Failure::kTypeMismatch};
    }
    p = span.end;
    while (p != last && IsBlank(*p)) {
        ++p;
    }
    if (p != last) {
        return {T{}, Failure::kTypeMismatch};
    }
    const Reading<T> reading = Convert<T>(span, separator);
    if (reading.range == Range::kTooLarge) {
        return {T{}, Failure::kOverflow};
    }
    return {reading.value, Failure::kNone};
}

// Rounded half to even into a 16-bit signed integer; outside its range, overflow.
Strict<std::int16_t> ReadInteger(std::string_view text, char separator) {
    const Strict<double> read = ReadStrict<double>(text, separator);
    if (read.failure != Failure::kNone) {
        return {0, read.failure};
    }
    // The program never leaves the default rounding mode, so nearbyint rounds ties to even.
    const double rounded = std::nearbyint(read.value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return {0, Failure::kOverflow};
    }
    return {static_cast<std::int16_t>(rounded), Failure::kNone};
}

template <typename T>
T OrThrow(const Strict<T>& read) {
    if (read.failure == Failure::kTypeMismatch) {
        throw RuntimeFailure::typeMismatch();
    }
    if (read.failure == Failure::kOverflow) {
        throw RuntimeFailure::overflow();
    }
    return read.value;
}

template <typename T>
std::optional<T> OrNothing(const Strict<T>& read) {
    return read.failure == Failure::kNone ? std::optional<T>(read.value) : std::nullopt;
}

}  // namespace

double ValOfText(std::string_view text) noexcept {
    const char* p = text.data();
    const char* last = p + text.size();
    while (p != last && IsBlank(*p)) {
        ++p;
    }
    if (const std::optional<PlainNumber> plain = ReadPlain(p, last, '.')) {
        return plain->value;
    }
    const NumberSpan span = ScanNumber(p, last, '.');
    if (!span.hasDigits) {
        return 0.0;
    }
    // Beyond the double range the reading is +/-infinity, below it +/-0, as strtod gives.
    return FromChars<double>(span, span.digitsBegin, span.end).value;
}

double TextToDouble(std::string_view text, char decimalSeparator) {
    return OrThrow(ReadStrict<double>(text, decimalSeparator));
}

float TextToSingle(std::string_view text, char decimalSeparator) {
    // Read straight into float: going through double could round twice.
    return OrThrow(ReadStrict<float>(text, decimalSeparator));
}

std::int16_t TextToInteger(std::string_view text, char decimalSeparator) {
    return OrThrow(ReadInteger(text, decimalSeparator));
}

std::optional<float> SingleOfText(std::string_view text, char decimalSeparator) {
    return OrNothing(ReadStrict<float>(text, decimalSeparator));
}

std::optional<std::int16_t> IntegerOfText(std::string_view text, char decimalSeparator) {
    return OrNothing(ReadInteger(text, decimalSeparator));
}

}  // namespace lwviz::conv
