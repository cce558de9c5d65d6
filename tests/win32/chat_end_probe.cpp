// A second program that announces into the chat client through the real
// adapters and then ends its process, as the player does:
//   chat_end_probe finish LINE...   waits, as the player's shutdown does, for
//                                   what is still on its way, then ends
//   chat_end_probe end LINE...      ends at once
#include <windows.h>

#include <string>

#include "chathost/chat_sender.h"
#include "chathost/host_ports.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "platform/win32/win32_process.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring how = argv[1];
  if (how != L"finish" && how != L"end") return 2;
  jukett::win32::Win32HostWindows windows;
  jukett::win32::Win32EventPump events;
  const jukett::HostPorts host{windows, events};
  for (int i = 2; i < argc; ++i) jukett::SendChat(host, jukett::win32::WideToUtf8(argv[i]));
  // The player's shutdown allows its edits 2.5 s.
  if (how == L"finish") windows.FinishEdits(2.5);
  jukett::win32::Win32Process().End();
}
