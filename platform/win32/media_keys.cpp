#include "platform/win32/media_keys.h"

namespace jukett::win32 {
namespace {

// Each hot key is numbered by its own virtual key, which lies in the range
// of a program's hot keys.
constexpr UINT kMediaKeys[] = {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_STOP, VK_MEDIA_NEXT_TRACK,
                               VK_MEDIA_PREV_TRACK};

}  // namespace

void RegisterMediaKeys(HWND window) {
  // A key held down does not repeat its command.
  for (UINT key : kMediaKeys) RegisterHotKey(window, static_cast<int>(key), MOD_NOREPEAT, key);
}

void UnregisterMediaKeys(HWND window) {
  for (UINT key : kMediaKeys) UnregisterHotKey(window, static_cast<int>(key));
}

std::optional<MediaKey> MediaKeyOfVirtualKey(WPARAM key) {
  switch (key) {
    case VK_MEDIA_PLAY_PAUSE:
      return MediaKey::PlayPause;
    case VK_MEDIA_STOP:
      return MediaKey::Stop;
    case VK_MEDIA_NEXT_TRACK:
      return MediaKey::NextTrack;
    case VK_MEDIA_PREV_TRACK:
      return MediaKey::PreviousTrack;
    default:
      return std::nullopt;
  }
}

std::optional<MediaKey> MediaKeyOfAppCommand(LPARAM command) {
  switch (GET_APPCOMMAND_LPARAM(command)) {
    case APPCOMMAND_MEDIA_PLAY_PAUSE:
      return MediaKey::PlayPause;
    case APPCOMMAND_MEDIA_STOP:
      return MediaKey::Stop;
    case APPCOMMAND_MEDIA_NEXTTRACK:
      return MediaKey::NextTrack;
    case APPCOMMAND_MEDIA_PREVIOUSTRACK:
      return MediaKey::PreviousTrack;
    default:
      return std::nullopt;
  }
}

}  // namespace jukett::win32
