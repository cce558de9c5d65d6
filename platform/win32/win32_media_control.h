#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "platform/win32/system_function.h"
#include "ports/media_control.h"

namespace jukett::win32 {

// MCI through the wide API, so a track plays whatever its file name holds.
class Win32MediaControl : public MediaControl {
 public:
  bool SendCommand(std::string_view command) override;
  std::string ShortPath(std::string_view path) override;

 private:
  // The sound library is loaded at the first command: the window shows
  // sooner, and it needs no sound before a track plays.
  SystemFunction<decltype(&mciSendStringW)> mciSendString_{L"winmm.dll", "mciSendStringW"};
};

}  // namespace jukett::win32
