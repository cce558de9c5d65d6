// Processor time while idle with the window shown, and memory, for the
// player and the bare window running side by side.
#include <windows.h>

#include <vector>

#include "measures.h"
#include "scratch.h"
#include "standin_process.h"
#include "stats.h"

namespace jukett::bench {
namespace {

constexpr DWORD kShowTimeoutMs = 30000;
// Whatever a window does right after it shows (its first paints) is not idling.
constexpr DWORD kSettleMs = 1000;

}  // namespace

IdleFigures MeasureIdle(int rounds, double seconds) {
  testing::StandinProcess room({});
  ScratchFolder scratch;
  const std::wstring music = scratch.Subfolder(L"music");
  MakeMp3Files(music, 1);
  const std::wstring workingFolder = scratch.Subfolder(L"empty");
  const std::wstring player =
      PlayerCopyIn(scratch.Subfolder(L"player"), music.substr(0, music.size() - 1));

  std::vector<double> playerCpu, bareCpu, playerSet, playerPrivate, bareSet, barePrivate;
  for (int round = 0; round < rounds; ++round) {
    {
      ChildProgram playerProgram(player, workingFolder);
      ChildProgram bareProgram(ProgramFolder() + L"bare_window.exe", workingFolder);
      if (playerProgram.SecondsUntilShown(kPlayerClass, kShowTimeoutMs) < 0 ||
          bareProgram.SecondsUntilShown(kBareClass, kShowTimeoutMs) < 0) {
        continue;
      }
      Sleep(kSettleMs);
      const double playerBefore = playerProgram.CpuSeconds();
      const double bareBefore = bareProgram.CpuSeconds();
      Sleep(static_cast<DWORD>(seconds * 1000));
      playerCpu.push_back(playerProgram.CpuSeconds() - playerBefore);
      bareCpu.push_back(bareProgram.CpuSeconds() - bareBefore);
      const MemoryUse playerMemory = playerProgram.Memory();
      const MemoryUse bareMemory = bareProgram.Memory();
      playerSet.push_back(playerMemory.workingSetKb);
      playerPrivate.push_back(playerMemory.privateKb);
      bareSet.push_back(bareMemory.workingSetKb);
      barePrivate.push_back(bareMemory.privateKb);
    }
    WaitUntilGone(kPlayerClass);
    WaitUntilGone(kBareClass);
  }
  return {seconds,
          Median(playerCpu),
          Median(bareCpu),
          {Median(playerSet), Median(playerPrivate)},
          {Median(bareSet), Median(barePrivate)}};
}

}  // namespace jukett::bench
