#include "chathost/announcements.h"

#include <algorithm>

namespace jukett {
namespace {

constexpr std::string_view kOpening = "<font face=Arial color=#000000><b>\u00BB</b> ";
constexpr std::string_view kProductHead =
    "<b><font color=#BBBBBB>juKett ZRV</b><font color=#000000> ";
constexpr std::string_view kMarker = " <b>\u00BB</b> ";
constexpr std::string_view kValueOpen = "[<b><font color=#BBBBBB>";
constexpr std::string_view kValueClose = "</b><font color=#000000>]";
constexpr std::string_view kByline = "by kelvor";

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The chat client sends its input at a line break, so a CR or LF in a value
// (a window caption may hold them) would cut the announcement in two.
std::string OnOneLine(std::string_view value) {
  std::string text(value);
  std::replace_if(text.begin(), text.end(), IsLineBreak, ' ');
  return text;
}

std::string Value(std::string_view value) {
  std::string text(kValueOpen);
  text += OnOneLine(value);
  text += kValueClose;
  return text;
}

std::string ProductLine(std::string_view middle, std::string_view value) {
  std::string line(kOpening);
  line += kProductHead;
  line += middle;
  line += kMarker;
  line += Value(value);
  return line;
}

std::string_view StatusWord(PlayerStatus status) {
  switch (status) {
    case PlayerStatus::On:
      return "on";
    case PlayerStatus::Minimized:
      return "minimized";
    case PlayerStatus::Off:
      return "off";
    case PlayerStatus::Muted:
      return "muted";
    case PlayerStatus::Unmuted:
      return "unmuted";
    case PlayerStatus::DirShown:
      return "dir shown";
    case PlayerStatus::DirHidden:
      return "dir hidden";
  }
  return {};
}

std::string_view EventWord(TrackEvent event) {
  switch (event) {
    case TrackEvent::Playing:
      return "playing";
    case TrackEvent::Paused:
      return "paused";
    case TrackEvent::Unpaused:
      return "unpaused";
    case TrackEvent::Stopped:
      return "stopped";
  }
  return {};
}

}  // namespace

std::string StatusAnnouncement(PlayerStatus status) {
  return ProductLine(kByline, StatusWord(status));
}

std::string TrackAnnouncement(TrackEvent event, std::string_view fileName) {
  return ProductLine(EventWord(event), fileName);
}

std::string CountAnnouncement(std::size_t fileCount) {
  return ProductLine(kByline, std::to_string(fileCount) + " mp3's loaded");
}

std::string IdentityAnnouncement(std::string_view screenName, std::string_view version) {
  std::string line(kOpening);
  line += "user: ";
  line += Value(screenName);
  line += kMarker;
  line += "aol: ";
  line += Value(std::string(version) + ".0");
  return line;
}

}  // namespace jukett
