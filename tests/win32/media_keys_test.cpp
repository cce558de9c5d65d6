// The media keys and the real window: it holds them as its hot keys while it
// lives, and without them hears each key once through its focus. (The hot
// keys at work with another program in front: tests/e2e/media_keys.sh.)
#include "platform/win32/media_keys.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/win32/player_window_fixture.h"

namespace jukett::testing {
namespace {

using Keys = std::vector<MediaKey>;

// Pumps this thread's messages until the window has heard of `count` keys.
bool HeardKeys(const NotedEvents& events, std::size_t count) {
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (events.mediaKeys.size() < count && GetTickCount64() < deadline) PumpMessages(20);
  return events.mediaKeys.size() >= count;
}

void PressKey(WORD key) {
  INPUT input[2] = {};
  for (INPUT& one : input) {
    one.type = INPUT_KEYBOARD;
    one.ki.wVk = key;
  }
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

constexpr WORD kMediaKeys[] = {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_STOP, VK_MEDIA_NEXT_TRACK,
                               VK_MEDIA_PREV_TRACK};

// Whether another program could take `key` as its hot key now.
bool KeyFree(WORD key) {
  if (!RegisterHotKey(nullptr, key, MOD_NOREPEAT, key)) return false;
  UnregisterHotKey(nullptr, key);
  return true;
}

TEST_F(PlayerWindow, HoldsTheFourMediaKeysUntilTheWindowGoes) {
  for (WORD key : kMediaKeys) EXPECT_FALSE(KeyFree(key)) << key;
  SendMessageW(Window(), WM_CLOSE, 0, 0);
  ASSERT_EQ(form.Handle(), 0u);
  for (WORD key : kMediaKeys) EXPECT_TRUE(KeyFree(key)) << key;
}

// As when another program holds the keys but does not take them from the
// window that has the focus.
TEST_F(PlayerWindow, WithoutItsHotKeysTheFocusedWindowHearsEachKeyOnce) {
  win32::UnregisterMediaKeys(Window());
  ShowAndSettle();
  for (WORD key : kMediaKeys) PressKey(key);
  ASSERT_TRUE(HeardKeys(events, 4));
  PumpMessages(200);
  EXPECT_EQ(events.mediaKeys, (Keys{MediaKey::PlayPause, MediaKey::Stop, MediaKey::NextTrack,
                                    MediaKey::PreviousTrack}));
  HWND window = Window();
  EXPECT_EQ(SendMessageW(window, WM_APPCOMMAND, reinterpret_cast<WPARAM>(window),
                         MAKELPARAM(0, FAPPCOMMAND_KEY | APPCOMMAND_VOLUME_UP)),
            FALSE)
      << "left to the system";
}

}  // namespace
}  // namespace jukett::testing
