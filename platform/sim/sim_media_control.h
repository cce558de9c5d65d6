#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ports/media_control.h"
#include "platform/sim/sim_file_system.h"

namespace jukett::sim {

// A media control interface that interprets the command strings like MCI
// does for files on a SimFileSystem: devices opened under an alias, each
// stopped, playing, paused or at the end of its file, muted or not. A
// command it cannot carry out fails and changes nothing; only the sender
// hears of it.
// Tests read every command sent and say when a track reaches its end.
class SimMediaControl : public MediaControl {
 public:
  enum class State { Stopped, Playing, Paused, Ended };
  struct Sent {
    std::string command;
    bool succeeded;
  };

  explicit SimMediaControl(SimFileSystem& files) : files_(files) {}

  // MediaControl
  bool SendCommand(std::string_view command) override;
  std::string ShortPath(std::string_view path) override;

  const std::vector<Sent>& Trace() const { return trace_; }
  std::vector<std::string> Commands() const;
  // The paths whose short form was asked for, exactly as the program built
  // them: the short form itself no longer shows which separator joined them.
  const std::vector<std::string>& ShortPathsAsked() const { return shortPathsAsked_; }
  void ForgetTrace() {
    trace_.clear();
    shortPathsAsked_.clear();
  }

  int OpenDevices() const { return static_cast<int>(devices_.size()); }
  bool IsOpen(std::string_view alias = "mp3play") const;
  // The long path of the file the alias plays right now; empty when it is
  // closed, stopped, paused or at the end.
  std::string PlayingFile(std::string_view alias = "mp3play") const;
  std::string OpenFile(std::string_view alias = "mp3play") const;
  bool IsPaused(std::string_view alias = "mp3play") const;
  bool IsMuted(std::string_view alias = "mp3play") const;
  // The track reaches the end of its file; the device stays open.
  void EndTrack(std::string_view alias = "mp3play");

 private:
  struct Device {
    std::string file;  // long path
    State state = State::Stopped;
    bool muted = false;
  };
  bool Execute(std::string_view command);
  bool Open(std::string_view arguments);
  const Device* Find(std::string_view alias) const;

  SimFileSystem& files_;
  std::map<std::string, Device> devices_;  // by folded alias
  std::vector<Sent> trace_;
  std::vector<std::string> shortPathsAsked_;
};

}  // namespace jukett::sim
