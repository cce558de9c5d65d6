// Announcements built from arbitrary names: whatever a file or screen name
// holds, the announcement is one line with the fixed text around the value,
// and a name without line breaks goes in exactly as it is.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "chathost/announcements.h"
#include "fuzz/fuzz_checks.h"

namespace {

using jukett::fuzz::IsOneLine;
using jukett::fuzz::Require;

constexpr std::string_view kOpening = "<font face=Arial color=#000000><b>\u00BB</b> ";
constexpr std::string_view kValueClose = "</b><font color=#000000>]";

void CheckFrame(const std::string& line, std::string_view name) {
  Require(IsOneLine(line), "an announcement is one line");
  Require(line.starts_with(kOpening), "an announcement opens with the fixed opening");
  Require(line.ends_with(kValueClose), "an announcement ends by closing its value");
  if (IsOneLine(name)) {
    Require(line.find(name) != std::string::npos, "a one-line name goes in unchanged");
  }
}

}  // namespace

// The first byte picks the announcement, the rest is the name.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view name(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 6) {
    case 0:
      CheckFrame(jukett::TrackAnnouncement(jukett::TrackEvent::Playing, name), name);
      break;
    case 1:
      CheckFrame(jukett::TrackAnnouncement(jukett::TrackEvent::Paused, name), name);
      break;
    case 2:
      CheckFrame(jukett::TrackAnnouncement(jukett::TrackEvent::Unpaused, name), name);
      break;
    case 3:
      CheckFrame(jukett::TrackAnnouncement(jukett::TrackEvent::Stopped, name), name);
      break;
    case 4: {
      const std::string line = jukett::IdentityAnnouncement(name, "5");
      CheckFrame(line, name);
      Require(line.ends_with("5.0" + std::string(kValueClose)), "the version closes the line");
      break;
    }
    case 5: {
      // The name's bytes as a file count.
      std::uint64_t count = 0;
      std::memcpy(&count, name.data(), std::min(name.size(), sizeof count));
      const std::string line = jukett::CountAnnouncement(static_cast<std::size_t>(count));
      CheckFrame(line, std::to_string(count) + " mp3's loaded");
      break;
    }
  }
  return 0;
}
