#pragma once

// Conversions between cell texts and numbers. Which one a step uses is part of its
// behaviour: lenient reading (ValOfText) and strict reading (TextToDouble ...) differ.
// The decimal separator is a parameter; the uptime engine and the settings store always
// pass '.', so their numbers read the same under every locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace lwviz::conv {

// Lenient: leading blanks skipped, then the longest prefix that forms a number ('.' as the
// decimal point, optional sign, optional exponent E[+-]digits); no such prefix reads as 0.
[[nodiscard]] double ValOfText(std::string_view text) noexcept;

// Strict: the whole text (surrounding blanks allowed) must be a number with the given decimal
// separator, else RuntimeFailure type mismatch; beyond the double range, overflow.
[[nodiscard]] double TextToDouble(std::string_view text, char decimalSeparator = '.');
// Strict, into single precision; beyond its range, overflow.
[[nodiscard]] float TextToSingle(std::string_view text, char decimalSeparator = '.');
// Strict, rounded half to even into a 16-bit signed integer; outside its range, overflow.
[[nodiscard]] std::int16_t TextToInteger(std::string_view text, char decimalSeparator = '.');

// At most 15 significant digits, no trailing zeros, no leading blank; below 1E-04 or from
// 1E+15 on in exponent form ("1E-05", "1.5E+15"). Writes into `out`, keeping its buffer.
void DoubleToText(double value, std::string& out, char decimalSeparator = '.');
[[nodiscard]] std::string DoubleToText(double value, char decimalSeparator = '.');
// The same with at most 7 significant digits (exponent form from 1E+07 on).
[[nodiscard]] std::string SingleToText(float value, char decimalSeparator = '.');

void LongToText(std::int64_t value, std::string& out);
[[nodiscard]] std::string LongToText(std::int64_t value);
[[nodiscard]] std::string IntegerToText(std::int16_t value);

// Rounds to the given count of decimals, ties to even.
[[nodiscard]] double RoundHalfEven(double value, int decimals) noexcept;
// Nearest whole number, ties to even, as a 32-bit signed integer; outside the range (or NaN),
// RuntimeFailure overflow.
[[nodiscard]] std::int32_t ToLong(double value);

}  // namespace lwviz::conv
