#pragma once

// A stand-in for the chat client's window tree: an MDI frame with the
// client's class names, a menu bar with the version item, and MDI children
// that are (or nearly are) chat rooms. Used by the stand-in host program and
// built in-process by tests.

#include <windows.h>

#include <vector>

#include "tools/standin_host/standin_options.h"

namespace jukett::standin {

class StandinHost {
 public:
  explicit StandinHost(StandinOptions options);
  // Destroys the tree; must run on the thread that called Create.
  ~StandinHost();

  StandinHost(const StandinHost&) = delete;
  StandinHost& operator=(const StandinHost&) = delete;

  // Builds the whole tree in the calling thread, which then has to pump
  // messages for it, and shows it with `show` (tests that only look at the
  // tree pass SW_HIDE: a shown window costs Wine a moment to take down).
  // On success the MDI children, and each room's controls, enumerate in the
  // order the options list them. Call once.
  bool Create(HINSTANCE instance, int show = SW_SHOWNORMAL);

  HWND Frame() const { return frame_; }
  HWND MdiClient() const { return mdiClient_; }
  // The MDI children, in the order of options.children.
  const std::vector<HWND>& Children() const { return children_; }

 private:
  bool CreateFrame(HINSTANCE instance, HMENU menuBar);
  bool CreateMdiClient(HINSTANCE instance, HMENU windowMenu);
  bool CreateChildren(HINSTANCE instance);
  HWND CreateChild(HINSTANCE instance, ChildKind kind, int position, int& roomNumber);
  bool OrderChildren();

  StandinOptions options_;
  HWND frame_ = nullptr;
  HWND mdiClient_ = nullptr;
  std::vector<HWND> children_;
};

}  // namespace jukett::standin
