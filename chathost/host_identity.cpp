#include "chathost/host_identity.h"

#include <array>
#include <optional>
#include <string_view>

#include "chathost/host_classes.h"
#include "chathost/window_text.h"
#include "util/text.h"

namespace jukett {
namespace {

constexpr int kMenuTextCapacity = 100;
constexpr std::string_view kUnknownVersion = "9";
constexpr std::string_view kNobody = "None";

struct VersionMarker {
  std::string_view lowerCasedItem;
  std::string_view version;
};

// Tried in this order on each item; the 6.0 client is treated as a 5.0 one.
constexpr std::array<VersionMarker, 5> kVersionMarkers{{
    {"&what's new in aol 5.0", "5"},
    {"&what's new in aol 6.0", "5"},
    {"&what's new in aol 4.0", "4"},
    {"&what's new in aol 7.0", "7"},
    {"&what's new in aol 8.0", "8"},
}};

std::optional<std::string_view> VersionNamedBy(std::string_view itemText) {
  const std::string lower = ToLowerAscii(itemText);
  for (const auto& marker : kVersionMarkers) {
    if (lower.find(marker.lowerCasedItem) != std::string::npos) return marker.version;
  }
  return std::nullopt;
}

std::optional<std::string_view> VersionInDropDown(HostWindows& windows, Menu dropDown) {
  const int items = windows.MenuItemCount(dropDown);
  for (int position = 0; position < items; ++position) {
    const MenuItemId id = windows.ItemId(dropDown, position);
    if (auto version = VersionNamedBy(windows.ItemText(dropDown, id, kMenuTextCapacity))) {
      return version;
    }
  }
  return std::nullopt;
}

// The caption reads "Welcome, " then the name up to the first "!".
std::string NameInWelcomeCaption(std::string_view caption) {
  constexpr std::size_t kGreetingLength = 9;  // "Welcome," and the blank
  const auto bang = caption.find('!');
  if (bang == std::string_view::npos || bang <= kGreetingLength) return {};
  return std::string(caption.substr(kGreetingLength, bang - kGreetingLength));
}

}  // namespace

std::string HostVersion(HostWindows& windows) {
  const Menu bar = windows.MenuBar(windows.FindTopLevel(host_classes::kFrame));
  const int dropDowns = windows.MenuItemCount(bar);
  for (int position = 0; position < dropDowns; ++position) {
    if (auto version = VersionInDropDown(windows, windows.SubMenu(bar, position))) {
      return std::string(*version);
    }
  }
  return std::string(kUnknownVersion);
}

std::string HostScreenName(const HostPorts& host) {
  HostWindows& windows = host.windows;
  const Window frame = windows.FindTopLevel(host_classes::kFrame);
  const Window mdiClient = windows.FindChild(frame, kNoWindow, host_classes::kMdiClient);
  const Window firstChild = windows.FindChild(mdiClient, kNoWindow, host_classes::kChild);
  const Window welcome = FindChildByCaption(host, mdiClient, firstChild, "Welcome,");
  const std::string name = NameInWelcomeCaption(ReadWindowText(windows, welcome));
  return name.empty() ? std::string(kNobody) : name;
}

}  // namespace jukett
