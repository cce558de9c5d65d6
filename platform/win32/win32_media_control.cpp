#include "platform/win32/win32_media_control.h"

#include <windows.h>

#include <mmsystem.h>

#include "platform/win32/ansi_text.h"
#include "platform/win32/long_path.h"

namespace jukett::win32 {

bool Win32MediaControl::SendCommand(std::string_view command) {
  const auto send = mciSendString_.Get();
  return send && send(Utf8ToWide(command).c_str(), nullptr, 0, nullptr) == 0;
}

// The long-path prefix where the track needs it; the player's path may hold
// slashes and doubled separators.
std::string Win32MediaControl::ShortPath(std::string_view path) {
  return WideToUtf8(ShortPathName(Utf8ToWide(path)));
}

}  // namespace jukett::win32
