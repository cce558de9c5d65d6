#pragma once

#include <string>

#include "child_program.h"

namespace jukett::bench {

inline constexpr wchar_t kPlayerClass[] = L"jukettZRV.frmJUKETT";
inline constexpr wchar_t kBareClass[] = L"jukettBench.BareWindow";
inline constexpr double kGreetingPause = 0.6;

// Launch to window shown, each the median of `rounds` taken in turn: the bare
// window, the player in a folder of one MP3 and in one of 10,000; and the
// bare enumeration of the large folder. The differences are medians of each
// round's own difference, which a machine whose load drifts disturbs less.
struct StartupFigures {
  double bare = 0;
  double playerOneFile = 0;
  double playerManyFiles = 0;
  double enumerateMany = 0;
  double playerOverBare = 0;
  double manyOverOne = 0;
  int manyFiles = 0;
  bool roomPresent = false;
};
StartupFigures MeasureStartup(int rounds);

// Processor seconds over an idle stretch with the window shown, and memory at
// its end, for the player and the bare window side by side.
struct IdleFigures {
  double seconds = 0;
  double playerCpu = 0;
  double bareCpu = 0;
  MemoryUse player;
  MemoryUse bare;
};
IdleFigures MeasureIdle(int rounds, double seconds);

// One announcement into the stand-in room: the program's SendChat against
// the bare message sequence in one thread, in turn.
struct AnnouncementFigures {
  double sendChat = 0;
  double bare = 0;
  bool posted = false;  // the room's log holds every line sent
};
AnnouncementFigures MeasureAnnouncement(int rounds);

}  // namespace jukett::bench
