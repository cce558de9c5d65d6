#pragma once

#include "ports/media_control.h"

namespace jukett::win32 {

// MCI through the wide API, so a track plays whatever its file name holds.
class Win32MediaControl : public MediaControl {
 public:
  bool SendCommand(std::string_view command) override;
  std::string ShortPath(std::string_view path) override;
};

}  // namespace jukett::win32
