#include "tools/standin_host/to_ansi.h"

#include <windows.h>

namespace jukett::standin {

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int wideLength = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string ansi(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), wideLength, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

}  // namespace jukett::standin
