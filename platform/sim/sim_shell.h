#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "ports/process.h"
#include "ports/tray.h"

namespace jukett::sim {

// The shell's notification area: icons by window and id, as the shell keeps
// them; adding an id twice fails, as does deleting one that is not there.
// The user's pointer on an icon is reported to the icon's window.
class SimTray : public Tray {
 public:
  enum class Call { Add, Delete };
  // How a window takes the shell's reports: the icon's id and the mouse
  // message that happened on it.
  using Receiver = std::function<void(std::uint32_t id, std::uint32_t message)>;

  bool Add(const IconRecord& record) override;
  void Delete(const IconRecord& record) override;

  // The shell turns icons away, e.g. while it is still starting.
  void RefuseIcons(bool refuse) { refuse_ = refuse; }
  // The shell restarted: its icons are gone.
  void ForgetIcons() { icons_.clear(); }
  // Where the shell's reports to `window` arrive.
  void ReportTo(Window window, Receiver receiver) { receivers_[window] = std::move(receiver); }
  // The user's pointer on the first icon: each mouse message in turn is
  // reported to the icon's window, as long as the icon is there. False when
  // there is no icon to click.
  bool Click(std::initializer_list<std::uint32_t> messages);

  const std::vector<IconRecord>& Icons() const { return icons_; }
  // The icons' tips as the shell shows them: each up to its end.
  std::vector<std::string> Tips() const;
  const std::vector<Call>& Calls() const { return calls_; }

 private:
  std::vector<IconRecord> icons_;
  std::vector<Call> calls_;
  std::map<Window, Receiver> receivers_;
  bool refuse_ = false;
};

// What the simulation throws where the real program would end: it unwinds to
// the test, so nothing after the end runs.
struct ProcessEnded {};

class SimProcess : public Process {
 public:
  explicit SimProcess(std::string programDirectory) : directory_(std::move(programDirectory)) {}

  std::string ProgramDirectory() override { return directory_; }
  [[noreturn]] void End() override;
  // What the end takes with it, such as the messages still on their way.
  void OnEnd(std::function<void()> ending) { ending_ = std::move(ending); }

  int EndCount() const { return ends_; }

 private:
  std::string directory_;
  std::function<void()> ending_;
  int ends_ = 0;
};

}  // namespace jukett::sim
