#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ports/process.h"
#include "ports/tray.h"

namespace jukett::sim {

// The shell's notification area: icons by window and id, as the shell keeps
// them; adding an id twice fails, as does deleting one that is not there.
class SimTray : public Tray {
 public:
  enum class Call { Add, Delete };

  bool Add(const IconRecord& record) override;
  void Delete(const IconRecord& record) override;

  // The shell turns icons away, e.g. while it is still starting.
  void RefuseIcons(bool refuse) { refuse_ = refuse; }
  // The shell restarted: its icons are gone.
  void ForgetIcons() { icons_.clear(); }

  const std::vector<IconRecord>& Icons() const { return icons_; }
  const std::vector<Call>& Calls() const { return calls_; }

 private:
  std::vector<IconRecord> icons_;
  std::vector<Call> calls_;
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
