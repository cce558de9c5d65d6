// The screen name from the chat client's welcome caption. The input holds
// the captions of the client's "AOL Child" windows, in order, each ended by
// a NUL (a caption never holds one). Whatever they say, the name is the text
// after "Welcome, " up to the first "!" in the first window whose caption
// greets, or "None" when there is none; reading sends nothing to the client,
// and the identity announcement built from it is one line.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chathost/announcements.h"
#include "chathost/host_identity.h"
#include "fuzz/fuzz_checks.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_host_client.h"
#include "util/text.h"

namespace {

using jukett::fuzz::AsReadInTheCodePage;
using jukett::fuzz::IsOneLine;
using jukett::fuzz::Require;

constexpr std::size_t kMostWindows = 16;
// The search compares only what its caption buffer holds.
constexpr std::size_t kCaptionSeen = 199;

std::vector<std::string> Captions(std::string_view input) {
  std::vector<std::string> captions;
  while (!input.empty() && captions.size() < kMostWindows) {
    const auto end = input.find('\0');
    captions.emplace_back(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
  return captions;
}

bool Greets(std::string_view caption) {
  return jukett::ContainsIgnoringCase(AsReadInTheCodePage(caption, kCaptionSeen), "Welcome,");
}

bool SentAnything(const jukett::sim::SimDesktop& desktop) {
  for (const auto& message : desktop.Messages()) {
    if (message.kind == jukett::sim::SimDesktop::MessageKind::SetText ||
        message.kind == jukett::sim::SimDesktop::MessageKind::Char) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto captions = Captions({reinterpret_cast<const char*>(data), size});
  jukett::sim::SimDesktop desktop;
  jukett::sim::SimHostClient client(desktop);
  for (const auto& caption : captions) client.AddWelcome(caption);
  const jukett::HostPorts host{desktop, desktop};

  const std::string name = jukett::HostScreenName(host);
  Require(!SentAnything(desktop), "reading the screen name sends nothing");

  std::optional<std::string> welcome;
  for (const auto& caption : captions) {
    if (Greets(caption)) {
      welcome = AsReadInTheCodePage(caption);
      break;
    }
  }
  // "Welcome," and a blank are skipped unread; the name runs to the first "!".
  constexpr std::size_t kGreeting = 9;
  const auto bang = !welcome ? std::string::npos : welcome->find('!');
  if (bang == std::string::npos || bang <= kGreeting) {
    Require(name == "None", "without a name before a \"!\" the name is None");
  } else {
    Require(name == welcome->substr(kGreeting, bang - kGreeting),
            "the name runs from the greeting to the first \"!\"");
  }

  const std::string line = jukett::IdentityAnnouncement(name, jukett::HostVersion(desktop));
  Require(IsOneLine(line), "the identity announcement is one line");
  return 0;
}
