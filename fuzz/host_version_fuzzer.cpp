// The chat client's version from its menu texts. The input holds the texts
// of the items of the client's drop-down menus, one a line; an empty line
// starts the next drop-down. Whatever they say, the version is "9" when no
// item shows a "What's New" marker, and otherwise the marker's version of the
// first item, in menu order, that shows one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chathost/host_identity.h"
#include "fuzz/fuzz_checks.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_host_client.h"
#include "util/text.h"

namespace {

using jukett::fuzz::Require;

constexpr std::size_t kMostItems = 64;
// An item's text is read into a buffer of 100 units, its end included.
constexpr std::size_t kItemTextSeen = 99;

struct Marker {
  std::string_view text;
  std::string_view version;
};
// The 6.0 client counts as a 5.0 one.
constexpr std::array<Marker, 5> kMarkers{{
    {"&What's New in AOL 4.0", "4"},
    {"&What's New in AOL 5.0", "5"},
    {"&What's New in AOL 6.0", "5"},
    {"&What's New in AOL 7.0", "7"},
    {"&What's New in AOL 8.0", "8"},
}};

using DropDowns = std::vector<std::vector<std::string>>;

DropDowns Menus(std::string_view input) {
  DropDowns menus(1);
  std::size_t items = 0;
  while (!input.empty() && items < kMostItems) {
    const auto end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    if (line.empty()) {
      menus.emplace_back();
    } else {
      menus.back().emplace_back(line);
      ++items;
    }
  }
  return menus;
}

// The versions whose markers an item's visible text shows.
std::vector<std::string_view> VersionsShown(std::string_view item) {
  std::vector<std::string_view> versions;
  for (const auto& marker : kMarkers) {
    if (jukett::ContainsIgnoringCase(jukett::fuzz::AsReadInTheCodePage(item, kItemTextSeen),
                                     marker.text)) {
      versions.push_back(marker.version);
    }
  }
  return versions;
}

bool OneOf(const std::vector<std::string_view>& versions, std::string_view version) {
  for (const auto& shown : versions) {
    if (shown == version) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const DropDowns menus = Menus({reinterpret_cast<const char*>(data), size});
  jukett::sim::SimDesktop desktop;
  jukett::sim::SimHostClient client(desktop);
  for (const auto& items : menus) {
    const jukett::Menu dropDown = client.AddDropDown("&Menu");
    for (const auto& item : items) client.AddMenuItemTo(dropDown, item);
  }

  const std::string version = jukett::HostVersion(desktop);

  std::vector<std::string_view> firstShown;
  for (const auto& items : menus) {
    for (const auto& item : items) {
      firstShown = VersionsShown(item);
      if (!firstShown.empty()) break;
    }
    if (!firstShown.empty()) break;
  }
  if (firstShown.empty()) {
    Require(version == "9", "without a marker the version is 9");
  } else {
    Require(OneOf(firstShown, version), "the first item with a marker names the version");
  }
  return 0;
}
