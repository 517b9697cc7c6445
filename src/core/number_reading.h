#pragma once

// Reading cell texts as numbers. Lenient reading (ValOfText) and strict reading (TextToDouble
// ...) differ, and which one a step uses is part of its behaviour.

#include <cstdint>
#include <optional>
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

// The strict readings where a failure is expected (a stored setting): nothing instead of a
// RuntimeFailure.
[[nodiscard]] std::optional<float> SingleOfText(std::string_view text, char decimalSeparator = '.');
[[nodiscard]] std::optional<std::int16_t> IntegerOfText(std::string_view text,
                                                        char decimalSeparator = '.');

}  // namespace lwviz::conv
