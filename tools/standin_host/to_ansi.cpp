#include "to_ansi.h"

#include <windows.h>

namespace jukett::standin {

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int wide_length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, 0, text.data(), wide_length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string ansi(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), wide_length, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

}  // namespace jukett::standin
