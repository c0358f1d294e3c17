// Conversions between 8-bit text and UTF-16. On Windows the system's
// conversion functions with the ANSI code page; elsewhere Windows-1252 stands
// in for the ANSI code page. Input is read up to its first zero byte or unit.
#pragma once

#include <string>
#include <string_view>

namespace tavrel::platform {

// Strict decoding: input the code page rejects gives an empty out and false.
bool AnsiToUtf16(std::string_view ansi, std::u16string& out);
bool Utf8ToUtf16(std::string_view utf8, std::u16string& out);

// Encoding. UTF-8 of an unpaired surrogate becomes U+FFFD's bytes. For ANSI,
// a unit the code page cannot hold becomes '?' and *lossless (when given)
// is set to false.
std::string Utf16ToUtf8(std::u16string_view text);
std::string Utf16ToAnsi(std::u16string_view text, bool* lossless = nullptr);

}  // namespace tavrel::platform
