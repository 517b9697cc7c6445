// Every text-to-number conversion on arbitrary bytes: each returns or throws RuntimeFailure,
// never anything else, never crashes; what it reads agrees with the C library's strtod/strtof
// on an independent grammar of the strict form; written numbers read back.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/conversions.h"
#include "core/runtime_failure.h"
#include "fuzz_check.h"

namespace lwviz::fuzz {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The strict form, written out on its own: blanks, an optional sign, digits with at most one
// separator and at least one digit, an optional exponent (E or e, optional sign, digits),
// blanks. Gives the number with '.' as its separator, or nothing when the text is not one.
std::optional<std::string> strictNumber(std::string_view text, char separator) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i])) {
        ++i;
    }
    std::string number;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        number += text[i++];
    }
    std::size_t digits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++digits) {
        number += text[i];
    }
    if (i < n && text[i] == separator) {
        number += '.';
        for (++i; i < n && isDigit(text[i]); ++i, ++digits) {
            number += text[i];
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        if (j < n && isDigit(text[j])) {
            for (; j < n && isDigit(text[j]); ++j) {
                exponent += text[j];
            }
            number += exponent;
            i = j;
        }
    }
    while (i < n && isBlank(text[i])) {
        ++i;
    }
    if (i != n) {
        return std::nullopt;
    }
    return number;
}

// Runs one strict conversion: its value, or the failure's number. Any other exception
// escapes, and libFuzzer reports it.
template <typename Convert>
auto attempt(Convert convert) -> std::pair<std::optional<decltype(convert())>, int> {
    try {
        return {convert(), 0};
    } catch (const RuntimeFailure& failure) {
        return {std::nullopt, failure.number()};
    }
}

// The lenient reading agrees with strtod wherever both read the same alphabet (strtod also
// takes hexadecimal, "inf", "nan" and other white space, which the lenient reading does not).
void checkLenient(std::string_view text) {
    const double value = conv::ValOfText(text);
    check(!std::isnan(value), "ValOfText gave NaN", text);
    if (text.find_first_not_of(" \t+-0123456789.eE") != std::string_view::npos) {
        return;
    }
    const std::string copy(text);
    const double expected = std::strtod(copy.c_str(), nullptr);
    check(value == expected, "ValOfText differs from strtod", text);
}

void checkStrict(std::string_view text, char separator) {
    const std::optional<std::string> number = strictNumber(text, separator);

    const auto [asDouble, doubleFailure] =
        attempt([&] { return conv::TextToDouble(text, separator); });
    const auto [asSingle, singleFailure] =
        attempt([&] { return conv::TextToSingle(text, separator); });
    const auto [asInteger, integerFailure] =
        attempt([&] { return conv::TextToInteger(text, separator); });

    if (!number) {
        check(doubleFailure == RuntimeFailure::kTypeMismatch, "TextToDouble took a non-number",
              text);
        check(singleFailure == RuntimeFailure::kTypeMismatch, "TextToSingle took a non-number",
              text);
        check(integerFailure == RuntimeFailure::kTypeMismatch, "TextToInteger took a non-number",
              text);
        return;
    }

    const double expected = std::strtod(number->c_str(), nullptr);
    if (std::isinf(expected)) {
        check(doubleFailure == RuntimeFailure::kOverflow, "TextToDouble: no overflow", text);
    } else {
        check(asDouble.has_value(), "TextToDouble refused a number", text);
        check(*asDouble == expected, "TextToDouble differs from strtod", text);
    }

    const float expectedSingle = std::strtof(number->c_str(), nullptr);
    if (std::isinf(expectedSingle)) {
        check(singleFailure == RuntimeFailure::kOverflow, "TextToSingle: no overflow", text);
    } else {
        check(asSingle.has_value(), "TextToSingle refused a number", text);
        check(*asSingle == expectedSingle, "TextToSingle differs from strtof", text);
    }

    // Half to even, 16 bits; beyond that (infinity included) overflow.
    const double rounded = std::nearbyint(expected);
    if (rounded >= -32768.0 && rounded <= 32767.0) {
        check(asInteger.has_value(), "TextToInteger refused a number in range", text);
        check(*asInteger == static_cast<std::int16_t>(rounded), "TextToInteger misrounded", text);
        const double fraction = expected - std::trunc(expected);
        if (std::fabs(fraction) == 0.5) {
            check(*asInteger % 2 == 0, "TextToInteger: a tie not to even", text);
        }
    } else {
        check(integerFailure == RuntimeFailure::kOverflow, "TextToInteger: no overflow", text);
    }
}

// The shape of a written number: no leading blank, at most `digits` significant digits, no
// trailing zeros after the separator, only the given separator, an exponent as E, sign and at
// least two digits.
void checkWritten(const std::string& written, int digits, char separator, std::string_view input) {
    check(!written.empty() && written.front() != ' ', "written with a leading blank", input);
    const std::size_t e = written.find('E');
    const std::string mantissa = written.substr(0, e);
    int significant = 0;
    bool leading = true;
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        const char c = mantissa[i];
        if (isDigit(c)) {
            leading = leading && c == '0';
            significant += leading ? 0 : 1;
        } else {
            check(c == separator || (c == '-' && i == 0), "written: stray char", input);
        }
    }
    check(significant <= digits, "written with too many digits", input);
    if (mantissa.find(separator) != std::string::npos) {
        check(mantissa.back() != '0' && mantissa.back() != separator, "written with trailing zeros",
              input);
    }
    if (e != std::string::npos) {
        const std::string exponent = written.substr(e + 1);
        check(exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-') &&
                  exponent.find_first_not_of("0123456789", 1) == std::string::npos,
              "written exponent malformed", input);
    }
}

// DoubleToText then TextToDouble comes back within 15 significant digits, and writing the
// value read back gives the same text. The largest doubles are left out: their 15-digit text
// (from 1.79769313486232E+308 on) lies beyond the double range and reads as overflow.
void checkDoubleRoundTrip(double value, std::string_view input) {
    if (!std::isfinite(value) || std::fabs(value) > 1.79769313486231e308) {
        return;
    }
    for (const char separator : {'.', ','}) {
        const std::string written = conv::DoubleToText(value, separator);
        checkWritten(written, 15, separator, input);
        const auto [back, failure] =
            attempt([&] { return conv::TextToDouble(written, separator); });
        check(back.has_value(), "DoubleToText wrote what TextToDouble refuses", input);
        // Half a unit in the 15th digit (at most 5E-15 of the value), plus the reading's own
        // rounding to the nearest double.
        check(std::fabs(*back - value) <=
                  5.2e-15 * std::fabs(value) + std::numeric_limits<double>::denorm_min(),
              "DoubleToText round trip beyond 15 digits", input);
        const double magnitude = std::fabs(*back);
        const bool exponentForm = written.find('E') != std::string::npos;
        check(exponentForm == (magnitude != 0 && (magnitude < 1e-4 || magnitude >= 1e15)),
              "DoubleToText exponent form at the wrong magnitude", input);
        if (magnitude >= DBL_MIN) {
            check(conv::DoubleToText(*back, separator) == written,
                  "DoubleToText of the value read back differs", input);
        }
    }
}

void checkSingleRoundTrip(float value, std::string_view input) {
    if (!std::isfinite(value)) {
        return;
    }
    for (const char separator : {'.', ','}) {
        const std::string written = conv::SingleToText(value, separator);
        checkWritten(written, 7, separator, input);
        const auto [back, failure] =
            attempt([&] { return conv::TextToSingle(written, separator); });
        check(back.has_value(), "SingleToText wrote what TextToSingle refuses", input);
        check(std::fabs(*back - value) <=
                  6e-7F * std::fabs(value) + std::numeric_limits<float>::denorm_min(),
              "SingleToText round trip beyond 7 digits", input);
    }
}

}  // namespace
}  // namespace lwviz::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lwviz::fuzz;
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): libFuzzer hands bytes
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    checkLenient(text);
    for (const char separator : {'.', ','}) {
        checkStrict(text, separator);
        if (const std::optional<std::string> number = strictNumber(text, separator)) {
            checkDoubleRoundTrip(std::strtod(number->c_str(), nullptr), text);
            checkSingleRoundTrip(std::strtof(number->c_str(), nullptr), text);
        }
    }
    // The raw bytes as numbers too, to reach every exponent and every bit pattern.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkDoubleRoundTrip(value, text);
    }
    if (size >= sizeof(float)) {
        float value = 0;
        std::memcpy(&value, data, sizeof value);
        checkSingleRoundTrip(value, text);
    }
    return 0;
}
