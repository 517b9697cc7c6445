#include "core/conversions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

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

// Powers of ten that a double holds exactly, so scaling by them adds no error of its own.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

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

// Strict reading shared by the typed conversions.
template <typename T>
T ReadStrict(std::string_view text, char separator) {
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
                return plain->value;
            }
        }
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

double PowerOfTen(int exponent) noexcept {
    if (exponent < static_cast<int>(kExactPowersOfTen.size())) {
        return kExactPowersOfTen[static_cast<std::size_t>(exponent)];
    }
    return std::pow(10.0, exponent);
}

// Powers of ten as whole numbers, 10^0 to 10^19.
constexpr std::array<std::uint64_t, 20> kWholePowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// A double's 15 significant digits in fixed notation exactly as to_chars gives them (rounded
// to nearest, ties to even, on the exact binary value), for 1E-04 <= |value| < 1E+15, without
// to_chars' costly arbitrary-precision path: the value is m / 2^shift with a 53-bit m and a
// shift of 3 to 66, and m * 10^p fits 128 bits for every p (at most 18) that range needs.
// Returns the length written, or 0 where the general layout must decide.
std::size_t FormatFixed15(double value, char separator, char* out) noexcept {
    __extension__ using Wide = unsigned __int128;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e15)) {
        return 0;
    }
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52U);
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52U) - 1)) | (std::uint64_t{1} << 52U);
    const int shift = 1075 - biased;                         // magnitude = mantissa / 2^shift
    constexpr std::uint64_t kLeast = kWholePowersOfTen[14];  // the smallest 15-digit number
    const auto digitsAt = [&](int leading) {
        const Wide scaled =
            Wide{mantissa} * kWholePowersOfTen[static_cast<std::size_t>(14 - leading)];
        auto whole = static_cast<std::uint64_t>(scaled >> shift);
        const Wide rest = scaled & ((Wide{1} << shift) - 1);
        const Wide half = Wide{1} << (shift - 1);
        if (rest > half || (rest == half && (whole & 1U) != 0)) {
            ++whole;
        }
        return whole;
    };
    // The decimal exponent of the leading digit: floor(e * log10(2)) for the binary exponent
    // e is it or one less; the digits found settle which.
    int leading = ((52 - shift) * 78913) >> 18;
    std::uint64_t digits = digitsAt(leading);
    if (digits >= 10 * kLeast && leading < 14) {
        digits = digitsAt(++leading);
    }
    if (leading < -4 || digits < kLeast || digits >= 10 * kLeast) {
        return 0;
    }
    std::array<char, 15> text{};
    std::to_chars(text.data(), text.data() + text.size(), digits);
    std::size_t used = text.size();
    while (used > 1 && text[used - 1] == '0' && static_cast<int>(used) > leading + 1) {
        --used;
    }
    char* p = out;
    if (value < 0) {
        *p++ = '-';
    }
    if (leading < 0) {
        *p++ = '0';
        *p++ = separator;
        p = std::fill_n(p, -leading - 1, '0');
        p = std::copy_n(text.data(), used, p);
    } else {
        const auto whole = static_cast<std::size_t>(leading) + 1;
        p = std::copy_n(text.data(), whole, p);
        if (used > whole) {
            *p++ = separator;
            p = std::copy(text.data() + whole, text.data() + used, p);
        }
    }
    return static_cast<std::size_t>(p - out);
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
    std::size_t length = FormatFixed15(value, decimalSeparator, buffer.data());
    if (length == 0) {
        length = FormatGeneral(value, 15, decimalSeparator, buffer.data(),
                               buffer.data() + buffer.size());
    }
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
