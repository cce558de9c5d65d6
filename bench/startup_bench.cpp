// Start-up: launch to window shown, the player with the stand-in chat room
// present against a bare window; and what a folder of 10,000 MP3s adds
// against enumerating that folder.
#include <windows.h>

#include <vector>

#include "measures.h"
#include "scratch.h"
#include "standin_process.h"
#include "stats.h"

namespace jukett::bench {
namespace {

constexpr int kManyFiles = 10000;
constexpr DWORD kShowTimeoutMs = 30000;

double SecondsToShow(const std::wstring& program, const std::wstring& workingFolder,
                     const wchar_t* windowClass) {
  double seconds;
  {
    ChildProgram child(program, workingFolder);
    seconds = child.SecondsUntilShown(windowClass, kShowTimeoutMs);
  }
  WaitUntilGone(windowClass);
  return seconds;
}

// What the program's own listing cannot beat: every entry of the folder,
// one call each.
double SecondsToEnumerate(const std::wstring& folder) {
  const LARGE_INTEGER start = Now();
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int entries = 0;
  do {
    ++entries;
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return entries > 0 ? SecondsSince(start) : 0;
}

std::wstring WithoutTrailingSeparator(const std::wstring& folder) {
  return folder.substr(0, folder.size() - 1);
}

}  // namespace

StartupFigures MeasureStartup(int rounds) {
  ScratchFolder scratch;
  const std::wstring one = scratch.Subfolder(L"one");
  const std::wstring many = scratch.Subfolder(L"many");
  MakeMp3Files(one, 1);
  MakeMp3Files(many, kManyFiles);
  const std::wstring workingFolder = scratch.Subfolder(L"empty");
  const std::wstring bare = ProgramFolder() + L"bare_window.exe";
  const std::wstring playerOne =
      PlayerCopyIn(scratch.Subfolder(L"player-one"), WithoutTrailingSeparator(one));
  const std::wstring playerMany =
      PlayerCopyIn(scratch.Subfolder(L"player-many"), WithoutTrailingSeparator(many));
  // Started once the files are made: the room closes itself after two minutes.
  testing::StandinProcess room({});

  // One start of each first, so every measured one finds the files cached.
  SecondsToShow(bare, workingFolder, kBareClass);
  SecondsToShow(playerOne, workingFolder, kPlayerClass);
  SecondsToShow(playerMany, workingFolder, kPlayerClass);
  SecondsToEnumerate(many);

  std::vector<double> bareTimes, oneTimes, manyTimes, enumerateTimes, overBare, overOne;
  for (int round = 0; round < rounds; ++round) {
    bareTimes.push_back(SecondsToShow(bare, workingFolder, kBareClass));
    oneTimes.push_back(SecondsToShow(playerOne, workingFolder, kPlayerClass));
    manyTimes.push_back(SecondsToShow(playerMany, workingFolder, kPlayerClass));
    enumerateTimes.push_back(SecondsToEnumerate(many));
    overBare.push_back(oneTimes.back() - bareTimes.back());
    overOne.push_back(manyTimes.back() - oneTimes.back());
  }
  return {Median(bareTimes), Median(oneTimes), Median(manyTimes), Median(enumerateTimes),
          Median(overBare),  Median(overOne),  kManyFiles,        room.Ready()};
}

}  // namespace jukett::bench
