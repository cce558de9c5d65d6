#include "chathost/chat_sender.h"

#include <string>

#include "chathost/chat_room.h"
#include "chathost/window_text.h"
#include "util/text.h"

namespace jukett {
namespace {

// Text the host leaves in an idle chat input; it is not the user's own.
constexpr std::string_view kInputMarker = "Chat Input";
constexpr char kCarriageReturn = '\r';

}  // namespace

void SendChat(const HostPorts& host, std::string_view text) {
  HostWindows& windows = host.windows;
  const Window input = FindChatInput(windows, FindChatRoom(host));
  if (input == kNoWindow) return;

  const std::string saved = ReadWindowText(windows, input);
  ClearChatInput(host);
  windows.SetText(input, text);
  windows.DeliverChar(input, kCarriageReturn);

  // Whatever the user had started typing goes back once the line is out,
  // without the host's idle marker.
  if (saved.empty()) return;
  const bool markerShown = saved.find(kInputMarker) != std::string::npos;
  ClearChatInput(host);
  windows.SetText(input, markerShown ? RemoveFirstIgnoringCase(saved, kInputMarker) : saved);
}

}  // namespace jukett
