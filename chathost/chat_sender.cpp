#include "chathost/chat_sender.h"

#include <optional>
#include <string>
#include <vector>

#include "chathost/chat_room.h"
#include "util/text.h"

namespace jukett {
namespace {

// Text the host leaves in an idle chat input; it is not the user's own.
constexpr std::string_view kInputMarker = "Chat Input";
constexpr char kCarriageReturn = '\r';

std::string WithoutMarker(const std::string& typed) {
  const bool markerShown = typed.find(kInputMarker) != std::string::npos;
  return markerShown ? RemoveFirstIgnoringCase(typed, kInputMarker) : typed;
}

}  // namespace

void SendChat(const HostPorts& host, std::string_view text) {
  using Kind = WindowEdit::Kind;
  HostWindows& windows = host.windows;
  // Every window is found before the user's text is read: the room search
  // handles queued events, and one handled between the read and the edits
  // (a click with its pause, say) would give the user time to type on, and
  // the stale text would be put back over what they typed.
  const Window room = FindChatRoom(host);
  const Window input = FindChatInput(windows, room);
  if (input == kNoWindow) return;
  const Window cleared = InputToClear(windows, room);

  // Nothing is touched until what the user has typed is known: a client too
  // busy to tell would otherwise have it erased for good.
  const std::optional<std::string> typed = windows.UserText(input);
  if (!typed) return;
  const bool clearsOtherInput = cleared != kNoWindow && cleared != input;
  const std::optional<std::string> typedInCleared =
      clearsOtherInput ? windows.UserText(cleared) : std::optional<std::string>("");
  if (!typedInCleared) return;

  std::vector<WindowEdit> edits;
  const auto clear = [&] {
    if (cleared != kNoWindow) edits.push_back({Kind::SetText, cleared, ""});
  };
  clear();
  edits.push_back({Kind::SetText, input, std::string(text)});
  edits.push_back({Kind::Char, input, std::string(1, kCarriageReturn)});
  // Whatever the user had started typing goes back once the line is out,
  // without the host's idle marker.
  if (!typed->empty()) {
    clear();
    edits.push_back({Kind::PutBackText, input, WithoutMarker(*typed)});
  }
  if (!typedInCleared->empty()) edits.push_back({Kind::PutBackText, cleared, *typedInCleared});
  // As one unit, so that a client slow to answer one of them still gets the
  // rest, and with them the user's text back.
  windows.EditInOrder(edits);
}

}  // namespace jukett
