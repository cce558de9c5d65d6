// Another program that holds the media keys: it registers all four as its
// own hot keys, prints "holding N" (how many it got), then prints the
// virtual key of every hot key it receives, one a line, until it is ended.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

int main() {
  int held = 0;
  for (UINT key : {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_STOP, VK_MEDIA_NEXT_TRACK, VK_MEDIA_PREV_TRACK}) {
    held += RegisterHotKey(nullptr, static_cast<int>(key), MOD_NOREPEAT, key) ? 1 : 0;
  }
  std::printf("holding %d\n", held);
  std::fflush(stdout);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_HOTKEY) {
      std::printf("hot key %u\n", static_cast<unsigned>(HIWORD(message.lParam)));
      std::fflush(stdout);
    }
  }
  return 0;
}
