#include "core/number_formatting.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "core/exact_powers_of_ten.h"
#include "core/runtime_failure.h"

namespace lwviz::conv {

namespace {

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
