#include "platform/sim/sim_code_page.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace jukett::sim {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code page 1252 from 0x80 to 0x9F; the five bytes it leaves undefined stand
// for the control characters of the same number, as the system maps them.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void Encode(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

char32_t FromAnsiByte(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

char ToAnsiByte(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::vector<char32_t> CodePoints(std::string_view utf8) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > utf8.size()) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    bool wellFormed = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      wellFormed = wellFormed && (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    out.push_back(wellFormed ? code : kReplacement);
    i += wellFormed ? length : 1;
  }
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  for (char32_t code : CodePoints(utf8)) out += ToAnsiByte(code);
  return out;
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  for (char byte : ansi) Encode(FromAnsiByte(static_cast<unsigned char>(byte)), out);
  return out;
}

bool AnsiHolds(std::string_view utf8) { return AnsiToUtf8(Utf8ToAnsi(utf8)) == utf8; }

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string out;
  auto unit = [&out](std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
  };
  for (char32_t code : CodePoints(utf8)) {
    if (code >= 0x10000) {
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      unit(code);
    }
  }
  return out;
}

std::string Utf16LeToUtf8(std::string_view utf16) {
  std::string out;
  for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
    char32_t code = static_cast<unsigned char>(utf16[i]) |
                    static_cast<char32_t>(static_cast<unsigned char>(utf16[i + 1])) << 8;
    if (code >= 0xD800 && code < 0xDC00 && i + 3 < utf16.size()) {
      const char32_t low = static_cast<unsigned char>(utf16[i + 2]) |
                           static_cast<char32_t>(static_cast<unsigned char>(utf16[i + 3])) << 8;
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    Encode(code >= 0xD800 && code < 0xE000 ? kReplacement : code, out);
  }
  return out;
}

std::string Utf16BeToUtf8(std::string_view utf16) {
  std::string swapped(utf16.substr(0, utf16.size() & ~std::size_t{1}));
  for (std::size_t i = 0; i < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
  return Utf16LeToUtf8(swapped);
}

}  // namespace jukett::sim
