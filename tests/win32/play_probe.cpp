// Plays tracks through the real media control adapter on commands read from
// standard input, one a line, so that a test outside Wine can act, listen
// and measure in turn. Each command is answered with "ok" once it was sent,
// except a play whose track did not open ("not opened") and a pause, resume
// or stop that the device refused ("refused"). Like the player, the probe
// starts each track muted after a mute, until an unmute.
//   play <path>  pause  resume  stop  mute  unmute  quit
#include <cstdio>
#include <string>

#include "platform/win32/win32_media_control.h"
#include "playback/mp3_play.h"

int main() {
  jukett::win32::Win32MediaControl media;
  bool muted = false;
  char line[4096];
  while (std::fgets(line, sizeof line, stdin) != nullptr) {
    std::string command(line);
    while (!command.empty() && (command.back() == '\n' || command.back() == '\r')) {
      command.pop_back();
    }
    if (command.rfind("play ", 0) == 0) {
      // UTF-8, as the player passes paths.
      if (!jukett::PlayTrack(media, command.substr(5), muted)) {
        std::puts("not opened");
        std::fflush(stdout);
        continue;
      }
    } else if (command == "pause" || command == "resume" || command == "stop") {
      const bool done = command == "stop" ? jukett::StopPlayback(media)
                                          : jukett::TogglePause(media, command == "pause");
      std::puts(done ? "ok" : "refused");
      std::fflush(stdout);
      continue;
    } else if (command == "mute" || command == "unmute") {
      muted = command == "mute";
      jukett::SetMute(media, muted);
    } else if (command == "quit") {
      jukett::StopPlayback(media);
      std::puts("ok");
      return 0;
    }
    std::puts("ok");
    std::fflush(stdout);
  }
  jukett::StopPlayback(media);
  return 0;
}
