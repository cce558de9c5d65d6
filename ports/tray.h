#pragma once

#include <cstdint>

#include "ports/host_windows.h"

namespace jukett {

// The shell's icon record in its first form, member for member and byte for
// byte: 88 bytes in a 32-bit program, 104 in a 64-bit one.
struct IconRecord {
  std::uint32_t cbSize = 0;
  Window hWnd = kNoWindow;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uintptr_t hIcon = 0;
  char szTip[64] = {};
};
static_assert(sizeof(IconRecord) == (sizeof(void*) == 8 ? 104 : 88));

// The notification area of the shell. The icon's pointer events come back to
// the record's window, which delivers them as pointer moves of its own marked
// as the icon's, whose X, in pixels, is the event's message number.
class Tray {
 public:
  virtual ~Tray() = default;

  // False when the shell did not take the icon.
  virtual bool Add(const IconRecord& record) = 0;
  virtual void Delete(const IconRecord& record) = 0;
};

}  // namespace jukett
