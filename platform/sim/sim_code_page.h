#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jukett::sim {

// The code points of a UTF-8 text; a malformed sequence counts as one U+FFFD.
std::vector<char32_t> CodePoints(std::string_view utf8);

// The texts of an 8-bit file as the system of a Western European Windows
// writes them: the ANSI code page 1252. A character the code page lacks
// becomes "?" and is lost. Texts are UTF-8 outside.
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);
// Whether every character of `utf8` survives the way to the code page and back.
bool AnsiHolds(std::string_view utf8);

// A Unicode profile file: UTF-16LE, opened by its byte-order mark. A file
// may also come in UTF-16BE or UTF-8, each opened by its own mark.
inline constexpr std::string_view kUtf16Bom = "\xFF\xFE";
inline constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
std::string Utf8ToUtf16Le(std::string_view utf8);
std::string Utf16LeToUtf8(std::string_view utf16);
std::string Utf16BeToUtf8(std::string_view utf16);

}  // namespace jukett::sim
