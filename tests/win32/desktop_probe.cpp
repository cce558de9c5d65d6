// What the end-to-end tests need from inside Wine's desktop, one task a run:
//   desktop_probe hold-media-keys  registers the four media keys as its own
//     hot keys, prints "holding N" (how many it got), then the virtual key of
//     every hot key it receives, one a line, until it is ended
//   desktop_probe focus  prints the classes of the window in front and of
//     the window with the keyboard focus, blank-separated
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

int HoldMediaKeys() {
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

const char* ClassOf(HWND window, char (&name)[256]) {
  name[0] = '\0';
  if (!window || GetClassNameA(window, name, sizeof name) == 0) std::strcpy(name, "-");
  return name;
}

int PrintFocus() {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(0, &thread);
  char front[256];
  char focus[256];
  std::printf("%s %s\n", ClassOf(GetForegroundWindow(), front), ClassOf(thread.hwndFocus, focus));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "hold-media-keys") == 0) return HoldMediaKeys();
  if (argc == 2 && std::strcmp(argv[1], "focus") == 0) return PrintFocus();
  return 2;
}
