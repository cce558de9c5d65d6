// The player window's handlers, for tests: they only note what the window
// told them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "player/form_layout.h"
#include "ports/player_form.h"

namespace jukett::testing {

class NotedEvents : public FormEvents {
 public:
  struct Event {
    std::string what;
    Control control;
    Pointer pointer;
    // "MouseDown Label1 180,60 1": the position in whole twips and the
    // buttons held; a tray icon's report ends in " tray".
    std::string Text() const {
      return what + " " + std::string(LayoutOf(control).name) + " " +
             std::to_string(static_cast<int>(pointer.x)) + "," +
             std::to_string(static_cast<int>(pointer.y)) + " " + std::to_string(pointer.buttons) +
             (pointer.trayIcon ? " tray" : "");
    }
  };

  void Load() override { Note("Load", Control::Form); }
  void Unload() override { Note("Unload", Control::Form); }
  void Paint() override { ++paints; }
  void MouseDown(Control control, const Pointer& pointer) override {
    Note("MouseDown", control, pointer);
  }
  void MouseMove(Control control, const Pointer& pointer) override {
    Note("MouseMove", control, pointer);
    if (onMove) onMove(pointer);
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
  std::string Last() const { return events.empty() ? "" : events.back().Text(); }
  // "what control" of each event from `from` on but the pointer's moves.
  std::vector<std::string> Since(std::size_t from) const {
    std::vector<std::string> seen;
    for (std::size_t i = from; i < events.size(); ++i) {
      if (events[i].what != "MouseMove") {
        seen.push_back(events[i].what + " " + std::string(LayoutOf(events[i].control).name));
      }
    }
    return seen;
  }

  std::vector<Event> events;
  std::vector<MediaKey> mediaKeys;
  int paints = 0;
  // Run at each pointer move, as a handler is.
  std::function<void(const Pointer&)> onMove;

 private:
  void Note(const std::string& what, Control control, const Pointer& pointer = {}) {
    events.push_back({what, control, pointer});
  }
};

}  // namespace jukett::testing
