// The program's figures, each beside a baseline measured in the same run:
// start-up, a large folder, idling, memory, the executable's size, one
// announcement and the 0.6 s wait. Every figure is a median of several
// runs; nothing here passes or fails, it reports.
#include <windows.h>

#include <cstdio>

#include "measures.h"
#include "scratch.h"
#include "wait_cost.h"

namespace {

using namespace jukett::bench;

constexpr int kStartupRounds = 9;
constexpr int kIdleRounds = 3;
constexpr double kIdleSeconds = 10;
constexpr int kAnnouncementRounds = 100;
constexpr int kWaitRounds = 5;

double Ratio(double figure, double baseline) { return baseline > 0 ? figure / baseline : 0; }

void Row(const char* what, const char* figure, const char* baseline, const char* ratio,
         const char* goal) {
  std::printf("%-34s %-14s %-30s %-9s %s\n", what, figure, baseline, ratio, goal);
}

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Ms(double seconds) { return Format("%.1f ms", seconds * 1000); }
std::string Kb(double kb) { return Format("%.0f KB", kb); }
std::string Times(double ratio) { return Format("%.2fx", ratio); }

double FileKb(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return static_cast<double>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                             data.nFileSizeLow) /
         1024;
}

void PrintStartup(const StartupFigures& s) {
  const double floor = s.bare + kGreetingPause;
  const double over = s.playerOverBare - kGreetingPause;
  Row("start-up, launch to window shown", Ms(s.playerOneFile).c_str(),
      (Ms(floor) + " (bare " + Ms(s.bare) + " + 0.6 s)").c_str(),
      Times(Ratio(floor + over, floor)).c_str(),
      ("+" + Ms(over) + " over; goal <= +50 ms" +
       (s.roomPresent ? "" : " (NO CHAT ROOM: the stand-in did not start)"))
          .c_str());
  const double extra = s.manyOverOne;
  Row(Format("%.0f MP3s: extra start-up", s.manyFiles).c_str(), Ms(extra).c_str(),
      (Ms(s.enumerateMany) + " FindNextFileW").c_str(),
      Times(Ratio(extra, s.enumerateMany)).c_str(), "goal <= 1.5x");
}

void PrintIdle(const IdleFigures& idle) {
  Row(Format("processor, idle %.0f s", idle.seconds).c_str(), Ms(idle.playerCpu).c_str(),
      (Ms(idle.bareCpu) + " bare window").c_str(),
      idle.bareCpu > 0 ? Times(Ratio(idle.playerCpu, idle.bareCpu)).c_str() : "-",
      "goal: zero against zero (one tick is 10 ms)");
  Row("memory: working set", Kb(idle.player.workingSetKb).c_str(),
      (Kb(idle.bare.workingSetKb) + " bare window").c_str(),
      Times(Ratio(idle.player.workingSetKb, idle.bare.workingSetKb)).c_str(), "");
  Row("memory: private bytes", Kb(idle.player.privateKb).c_str(),
      (Kb(idle.bare.privateKb) + " bare window").c_str(),
      Times(Ratio(idle.player.privateKb, idle.bare.privateKb)).c_str(), "");
}

void PrintAnnouncement(const AnnouncementFigures& a) {
  Row("one announcement", Ms(a.sendChat).c_str(), (Ms(a.bare) + " bare, one thread").c_str(),
      Times(Ratio(a.sendChat, a.bare)).c_str(),
      a.posted ? "goal <= 1.2x" : "goal <= 1.2x (LINES MISSING in the room's log)");
}

void PrintWait(const WaitCost& wait) {
  const std::string ratio =
      wait.sleeping > 0
          ? "1/" + Format("%.0f", wait.spinning / wait.sleeping)
          : "< 1/" + Format("%.0f", wait.spinning / (kCounterResolution / kWaitRounds));
  Row("0.6 s wait, processor per wait", Ms(wait.sleeping).c_str(),
      (Ms(wait.spinning) + " spinning wait").c_str(), ratio.c_str(), "");
}

}  // namespace

int main() {
  std::printf("Medians of %d start-ups, %d idle stretches, %d announcements, %d waits\n\n",
              kStartupRounds, kIdleRounds, kAnnouncementRounds, kWaitRounds);
  Row("what", "figure", "baseline (same run)", "ratio", "");
  std::fflush(stdout);
  PrintStartup(MeasureStartup(kStartupRounds));
  std::fflush(stdout);
  Row("executable jukettzrv.exe", Kb(FileKb(ProgramFolder() + L"jukettzrv.exe")).c_str(), "-", "-",
      "goal <= 200 KB");
  PrintAnnouncement(MeasureAnnouncement(kAnnouncementRounds));
  std::fflush(stdout);
  PrintIdle(MeasureIdle(kIdleRounds, kIdleSeconds));
  PrintWait(MeasureWaitCost(kWaitRounds));
  return 0;
}
