#pragma once

#include <string>
#include <string_view>

namespace jukett::win32 {

// The program keeps its texts in UTF-8; the chat client speaks the system's
// ANSI code page, where "»" is a single byte.
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace jukett::win32
