#pragma once

#include <string>
#include <string_view>

namespace lwviz::win32 {

// The core speaks UTF-8; Windows speaks UTF-16. Conversions happen at the boundary only.
// Bytes that are not UTF-8 become U+FFFD rather than failing: a setting or a computer name
// with a broken byte must not stop the program.
[[nodiscard]] std::wstring toWide(std::string_view utf8);
[[nodiscard]] std::string toUtf8(std::wstring_view utf16);

// The text in the ANSI code page of the system; characters it lacks become "?".
[[nodiscard]] std::string toAnsi(std::wstring_view utf16);

// The system's own wording for a Win32 error code, without the trailing line break.
[[nodiscard]] std::string systemMessage(unsigned long error);

}  // namespace lwviz::win32
