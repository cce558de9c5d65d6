#include "platform/win32/media_keys.h"

namespace jukett::win32 {
namespace {

// Each media key by its virtual key and by the application command it
// raises. Each hot key is numbered by its own virtual key, which lies in the
// range of a program's hot keys.
struct MediaKeyCodes {
  UINT virtualKey;
  short appCommand;
  MediaKey key;
};
constexpr MediaKeyCodes kMediaKeys[] = {
    {VK_MEDIA_PLAY_PAUSE, APPCOMMAND_MEDIA_PLAY_PAUSE, MediaKey::PlayPause},
    {VK_MEDIA_STOP, APPCOMMAND_MEDIA_STOP, MediaKey::Stop},
    {VK_MEDIA_NEXT_TRACK, APPCOMMAND_MEDIA_NEXTTRACK, MediaKey::NextTrack},
    {VK_MEDIA_PREV_TRACK, APPCOMMAND_MEDIA_PREVIOUSTRACK, MediaKey::PreviousTrack},
};

}  // namespace

void RegisterMediaKeys(HWND window) {
  // A key held down does not repeat its command.
  for (const MediaKeyCodes& codes : kMediaKeys) {
    RegisterHotKey(window, static_cast<int>(codes.virtualKey), MOD_NOREPEAT, codes.virtualKey);
  }
}

void UnregisterMediaKeys(HWND window) {
  for (const MediaKeyCodes& codes : kMediaKeys) {
    UnregisterHotKey(window, static_cast<int>(codes.virtualKey));
  }
}

std::optional<MediaKey> MediaKeyOfVirtualKey(WPARAM key) {
  for (const MediaKeyCodes& codes : kMediaKeys) {
    if (codes.virtualKey == key) return codes.key;
  }
  return std::nullopt;
}

std::optional<MediaKey> MediaKeyOfAppCommand(LPARAM command) {
  const short appCommand = GET_APPCOMMAND_LPARAM(command);
  for (const MediaKeyCodes& codes : kMediaKeys) {
    if (codes.appCommand == appCommand) return codes.key;
  }
  return std::nullopt;
}

}  // namespace jukett::win32
