// One announcement into the stand-in chat room: the program's SendChat
// against the bare messages that posting a line needs, sent from one thread.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chathost/announcements.h"
#include "chathost/chat_sender.h"
#include "chathost/host_classes.h"
#include "measures.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "standin_process.h"
#include "stats.h"

namespace jukett::bench {
namespace {

namespace classes = host_classes;

void PumpPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

HWND Child(HWND parent, HWND after, const char* windowClass) {
  return FindWindowExA(parent, after, windowClass, nullptr);
}

// The room search: the first "AOL Child" with all five markers; a first one
// with the first three decides on its own.
HWND BareFindRoom() {
  const HWND mdiClient = Child(FindWindowA(classes::kFrame, nullptr), nullptr, classes::kMdiClient);
  if (!mdiClient) return nullptr;
  bool first = true;
  for (HWND candidate = Child(mdiClient, nullptr, classes::kChild); candidate;
       candidate = Child(mdiClient, candidate, classes::kChild)) {
    const bool threeMarkers = Child(candidate, nullptr, classes::kCombobox) &&
                              Child(candidate, nullptr, classes::kListbox) &&
                              Child(candidate, nullptr, classes::kStatic);
    if (threeMarkers && Child(candidate, nullptr, classes::kIcon) &&
        Child(candidate, nullptr, classes::kTranscript)) {
      return candidate;
    }
    if (first && threeMarkers) return nullptr;
    first = false;
    PumpPending();
  }
  return nullptr;
}

// The client version from the frame's menus: the walk the input's clearing
// makes; only the version 5 client needs another input emptied.
bool BareIsVersionFive() {
  const HMENU bar = GetMenu(FindWindowA(classes::kFrame, nullptr));
  const int dropDowns = bar ? GetMenuItemCount(bar) : -1;
  for (int position = 0; position < dropDowns; ++position) {
    const HMENU dropDown = GetSubMenu(bar, position);
    const int items = GetMenuItemCount(dropDown);
    for (int item = 0; item < items; ++item) {
      char text[100] = {};
      GetMenuStringA(dropDown, GetMenuItemID(dropDown, item), text, sizeof text, MF_BYCOMMAND);
      const std::string lower = CharLowerA(text);
      if (lower.find("&what's new in aol 5.0") != std::string::npos ||
          lower.find("&what's new in aol 6.0") != std::string::npos) {
        return true;
      }
    }
  }
  return false;
}

void BareClearInput() {
  const bool second = BareIsVersionFive();
  const HWND room = BareFindRoom();
  HWND input = room ? Child(room, nullptr, classes::kChatInput) : nullptr;
  if (second && input) input = Child(room, input, classes::kChatInput);
  if (input) SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

void BareSendChat(const std::string& ansiText) {
  const HWND room = BareFindRoom();
  const HWND input = room ? Child(room, nullptr, classes::kChatInput) : nullptr;
  if (!input) return;
  const LRESULT length = SendMessageA(input, WM_GETTEXTLENGTH, 0, 0);
  std::string saved(static_cast<std::size_t>(length > 0 ? length + 1 : 0), '\0');
  if (length > 0) {
    saved.resize(static_cast<std::size_t>(
        SendMessageA(input, WM_GETTEXT, saved.size(), reinterpret_cast<LPARAM>(saved.data()))));
  }
  BareClearInput();
  SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansiText.c_str()));
  SendMessageA(input, WM_CHAR, '\r', 0);
  if (saved.empty()) return;
  BareClearInput();
  SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(saved.c_str()));
}

template <typename Send>
double SecondsOf(Send send) {
  const LARGE_INTEGER start = Now();
  send();
  return SecondsSince(start);
}

}  // namespace

AnnouncementFigures MeasureAnnouncement(int rounds) {
  testing::StandinProcess room({});
  win32::Win32HostWindows windows;
  win32::Win32EventPump events;
  const HostPorts host{windows, events};
  const std::string text = TrackAnnouncement(TrackEvent::Playing, "Lazy Sunday.mp3");
  const std::string ansiText = win32::Utf8ToAnsi(text);

  // One of each first: the first message to a new process costs more.
  SendChat(host, text);
  BareSendChat(ansiText);
  std::vector<double> sendChat, bare;
  for (int round = 0; round < rounds; ++round) {
    sendChat.push_back(SecondsOf([&] { SendChat(host, text); }));
    bare.push_back(SecondsOf([&] { BareSendChat(ansiText); }));
  }
  const int lines = 2 * (rounds + 1);
  const std::string log = room.LogOfLines(lines);
  const bool posted = std::count(log.begin(), log.end(), '\n') == lines;
  return {Median(sendChat), Median(bare), posted};
}

}  // namespace jukett::bench
