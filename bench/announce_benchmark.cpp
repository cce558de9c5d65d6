// What one announcement into the stand-in chat room costs: the program's
// SendChat, which waits for the client a bounded time through a helper
// thread, against the bare sequence of the same messages sent one after the
// other from this thread, alternating, in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "chathost/chat_room.h"
#include "chathost/chat_sender.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "tests/win32/standin_process.h"

namespace {

constexpr int kRounds = 200;
const char kLine[] = "<font face=Arial color=#000000><b>\xBB</b> juKett ZRV benchmark";

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

template <typename Send>
double TimedMs(Send send) {
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceCounter(&start);
  send();
  QueryPerformanceCounter(&end);
  return Milliseconds(start, end);
}

// The messages SendChat sends into an empty input, plainly, with no wait
// bounded and no window looked up.
void BareSequence(HWND input) {
  SendMessageA(input, WM_GETTEXTLENGTH, 0, 0);
  SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kLine));
  SendMessageA(input, WM_CHAR, '\r', 0);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  jukett::testing::StandinProcess standin({L"--children", L"welcome,room"});
  if (!standin.Ready()) {
    std::printf("the stand-in chat client did not start\n");
    return 1;
  }
  jukett::win32::Win32HostWindows windows;
  jukett::win32::Win32EventPump events;
  const jukett::HostPorts host{windows, events};
  const auto input =
      reinterpret_cast<HWND>(jukett::FindChatInput(windows, jukett::FindChatRoom(host)));

  std::vector<double> program;
  std::vector<double> bare;
  for (int round = 0; round < kRounds; ++round) {
    program.push_back(TimedMs([&] { jukett::SendChat(host, kLine); }));
    bare.push_back(TimedMs([&] { BareSequence(input); }));
  }
  const double programMs = Median(program);
  const double bareMs = Median(bare);
  std::printf("one announcement, median of %d each, alternating:\n", kRounds);
  std::printf("  SendChat           %7.2f ms\n", programMs);
  std::printf("  bare message run   %7.2f ms\n", bareMs);
  std::printf("  ratio              %7.2f\n", programMs / bareMs);
  return 0;
}
