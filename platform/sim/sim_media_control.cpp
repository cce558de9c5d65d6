#include "platform/sim/sim_media_control.h"

#include <cctype>

#include "util/text.h"

namespace jukett::sim {
namespace {

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  return text;
}

// The next blank-separated word of `rest`, taken off it.
std::string NextWord(std::string_view& rest) {
  rest = TrimLeft(rest);
  size_t end = 0;
  while (end < rest.size() && !std::isspace(static_cast<unsigned char>(rest[end]))) ++end;
  std::string word(rest.substr(0, end));
  rest.remove_prefix(end);
  return ToLowerAscii(word);
}

// The device name of an open command: in double quotes it may hold blanks,
// otherwise it ends at the first blank, as MCI parses it.
bool NextDeviceName(std::string_view& rest, std::string& name) {
  rest = TrimLeft(rest);
  if (!rest.empty() && rest.front() == '"') {
    const auto close = rest.find('"', 1);
    if (close == std::string_view::npos) return false;
    name = std::string(rest.substr(1, close - 1));
    rest.remove_prefix(close + 1);
    return true;
  }
  size_t end = 0;
  while (end < rest.size() && !std::isspace(static_cast<unsigned char>(rest[end]))) ++end;
  name = std::string(rest.substr(0, end));
  rest.remove_prefix(end);
  return !name.empty();
}

}  // namespace

bool SimMediaControl::SendCommand(std::string_view command) {
  const bool succeeded = Execute(command);
  trace_.push_back({std::string(command), succeeded});
  return succeeded;
}

std::string SimMediaControl::ShortPath(std::string_view path) {
  shortPathsAsked_.emplace_back(path);
  return files_.ShortPath(path);
}

std::vector<std::string> SimMediaControl::Commands() const {
  std::vector<std::string> commands;
  for (const auto& sent : trace_) commands.push_back(sent.command);
  return commands;
}

bool SimMediaControl::Execute(std::string_view command) {
  std::string_view rest = command;
  const std::string verb = NextWord(rest);
  if (verb == "open") return Open(rest);
  const std::string alias = NextWord(rest);
  if (verb == "close" && alias == "all" && TrimLeft(rest).empty()) {
    devices_.clear();
    return true;
  }
  const auto found = devices_.find(alias);
  if (found == devices_.end()) return false;
  Device& device = found->second;
  const std::string arguments = ToLowerAscii(TrimLeft(rest));
  if (verb == "close" && arguments.empty()) {
    devices_.erase(found);
    return true;
  }
  if (verb == "play" && arguments.empty()) {
    // Playing from the end of the file ends again at once.
    if (device.state != State::Ended) device.state = State::Playing;
    return true;
  }
  if (verb == "play" && arguments == "wait") {
    // Answers once the track has played to its end.
    device.state = State::Ended;
    return true;
  }
  if (verb == "stop" && arguments.empty()) {
    if (device.state != State::Ended) device.state = State::Stopped;
    return true;
  }
  if (verb == "pause" && arguments.empty()) {
    if (device.state == State::Playing) device.state = State::Paused;
    return true;
  }
  if (verb == "resume" && arguments.empty()) {
    if (device.state == State::Paused) device.state = State::Playing;
    return true;
  }
  if (verb == "status" && arguments == "mode") return true;
  if (verb == "set" && (arguments == "audio all off" || arguments == "audio all on")) {
    device.muted = arguments == "audio all off";
    return true;
  }
  return false;
}

bool SimMediaControl::Open(std::string_view arguments) {
  std::string path;
  if (!NextDeviceName(arguments, path)) return false;
  std::string type;
  std::string alias;
  while (true) {
    const std::string word = NextWord(arguments);
    if (word.empty()) break;
    if (word == "type") {
      type = NextWord(arguments);
    } else if (word == "alias") {
      alias = NextWord(arguments);
    } else {
      return false;  // e.g. the rest of an unquoted path with blanks
    }
  }
  if (type != "mpegvideo" || alias.empty() || devices_.count(alias) != 0) return false;
  // As measured under Wine: a missing or empty file does not open.
  const auto contents = files_.ReadFile(path);
  if (!contents || contents->empty()) return false;
  devices_[alias] = Device{files_.LongPath(path)};
  return true;
}

const SimMediaControl::Device* SimMediaControl::Find(std::string_view alias) const {
  const auto found = devices_.find(ToLowerAscii(alias));
  return found == devices_.end() ? nullptr : &found->second;
}

bool SimMediaControl::IsOpen(std::string_view alias) const { return Find(alias) != nullptr; }

std::string SimMediaControl::PlayingFile(std::string_view alias) const {
  const Device* device = Find(alias);
  return device != nullptr && device->state == State::Playing ? device->file : std::string{};
}

std::string SimMediaControl::OpenFile(std::string_view alias) const {
  const Device* device = Find(alias);
  return device != nullptr ? device->file : std::string{};
}

bool SimMediaControl::IsPaused(std::string_view alias) const {
  const Device* device = Find(alias);
  return device != nullptr && device->state == State::Paused;
}

bool SimMediaControl::IsMuted(std::string_view alias) const {
  const Device* device = Find(alias);
  return device != nullptr && device->muted;
}

void SimMediaControl::EndTrack(std::string_view alias) {
  if (auto found = devices_.find(ToLowerAscii(alias)); found != devices_.end()) {
    if (found->second.state == State::Playing) found->second.state = State::Ended;
  }
}

}  // namespace jukett::sim
