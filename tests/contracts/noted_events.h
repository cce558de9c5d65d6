// What the player window's handlers were told, noted in order.
#pragma once

#include <string>
#include <vector>

#include "player/form_layout.h"
#include "ports/player_form.h"

namespace jukett::testing {

// Handlers that only note what the window told them.
class NotedEvents : public FormEvents {
 public:
  struct Event {
    std::string what;
    Control control;
    Pointer pointer;
  };

  void Load() override { Note("Load", Control::Form); }
  void Unload() override { Note("Unload", Control::Form); }
  void Paint() override { ++paints; }
  void MouseDown(Control control, const Pointer& pointer) override {
    Note("MouseDown", control, pointer);
  }
  void MouseMove(Control control, const Pointer& pointer) override {
    Note("MouseMove", control, pointer);
  }
  void Click(Control control) override { Note("Click", control); }
  void DblClick(Control control) override { Note("DblClick", control); }
  void Change(Control control) override { Note("Change", control); }
  void TaskbarCreated() override { Note("TaskbarCreated", Control::Form); }
  void MediaKeyPressed(MediaKey key) override { mediaKeys.push_back(key); }
  void StartedAgain() override { Note("StartedAgain", Control::Form); }

  int Count(const std::string& what) const {
    int count = 0;
    for (const Event& event : events) count += event.what == what;
    return count;
  }
  // The last event of that kind; an empty one when there was none.
  Event Last(const std::string& what) const {
    for (auto event = events.rbegin(); event != events.rend(); ++event) {
      if (event->what == what) return *event;
    }
    return {"", Control::Form, {}};
  }
  // Everything but the pointer's moves from event `from` on, as "what control".
  std::vector<std::string> Since(std::size_t from) const {
    std::vector<std::string> seen;
    for (std::size_t i = from; i < events.size(); ++i) {
      if (events[i].what == "MouseMove") continue;
      seen.push_back(events[i].what + " " + std::string(LayoutOf(events[i].control).name));
    }
    return seen;
  }

  std::vector<Event> events;
  std::vector<MediaKey> mediaKeys;
  int paints = 0;

 private:
  void Note(const std::string& what, Control control, const Pointer& pointer = {}) {
    events.push_back({what, control, pointer});
  }
};

}  // namespace jukett::testing
