#include "chathost/chat_room.h"

#include "chathost/host_classes.h"
#include "chathost/host_identity.h"

namespace jukett {
namespace {

struct RoomMarkers {
  bool combobox = false;
  bool listbox = false;
  bool label = false;
  bool icon = false;
  bool transcript = false;

  bool AllFound() const { return combobox && listbox && label && icon && transcript; }
  // A first window with these three decides the search on its own, room or not.
  bool EndsSearch() const { return combobox && listbox && label; }
};

RoomMarkers LookUpMarkers(HostWindows& windows, Window candidate) {
  const auto has = [&](const char* windowClass) {
    return windows.FindChild(candidate, kNoWindow, windowClass) != kNoWindow;
  };
  RoomMarkers markers;
  markers.combobox = has(host_classes::kCombobox);
  markers.listbox = has(host_classes::kListbox);
  markers.label = has(host_classes::kStatic);
  markers.icon = has(host_classes::kIcon);
  markers.transcript = has(host_classes::kTranscript);
  return markers;
}

}  // namespace

Window FindChatRoom(const HostPorts& host) {
  HostWindows& windows = host.windows;
  const Window frame = windows.FindTopLevel(host_classes::kFrame);
  const Window mdiClient = windows.FindChild(frame, kNoWindow, host_classes::kMdiClient);
  if (mdiClient == kNoWindow) return kNoWindow;

  Window candidate = windows.FindChild(mdiClient, kNoWindow, host_classes::kChild);
  const RoomMarkers first = LookUpMarkers(windows, candidate);
  if (candidate != kNoWindow && first.AllFound()) return candidate;
  if (first.EndsSearch()) return kNoWindow;

  while (true) {
    host.events.ProcessPendingEvents();
    candidate = windows.FindChild(mdiClient, candidate, host_classes::kChild);
    if (candidate == kNoWindow) return kNoWindow;
    if (LookUpMarkers(windows, candidate).AllFound()) return candidate;
  }
}

Window FindChatInput(HostWindows& windows, Window room) {
  return windows.FindChild(room, kNoWindow, host_classes::kChatInput);
}

Window InputToClear(HostWindows& windows, Window room) {
  const bool typesIntoSecondInput = HostVersion(windows) == "5";
  const Window input = FindChatInput(windows, room);
  if (typesIntoSecondInput && input != kNoWindow) {
    return windows.FindChild(room, input, host_classes::kChatInput);
  }
  return input;
}

void ClearChatInput(const HostPorts& host) {
  const Window input = InputToClear(host.windows, FindChatRoom(host));
  if (input != kNoWindow) host.windows.SetText(input, "");
}

}  // namespace jukett
