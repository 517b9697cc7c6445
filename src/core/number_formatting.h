#pragma once

// Numbers as cell texts, and the roundings the cells use.

#include <cstdint>
#include <string>

namespace lwviz::conv {

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
