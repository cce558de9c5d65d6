#pragma once

// The controls inside each kind of MDI child.

#include <windows.h>

#include <string>

#include "tools/standin_host/standin_options.h"

namespace jukett::standin {

struct ChildSetup {
  HINSTANCE instance = nullptr;
  std::string screenName;      // ANSI; listed among the room's members
  int inputs = 1;              // chat inputs of a complete room
  std::string inputText;       // ANSI; preset in a complete room's first input
  std::wstring wideInputText;  // the same whole, for a Unicode input
  std::wstring logPath;        // where every chat input logs; empty: nowhere
};

// Fills the MDI child `child` with the controls of `kind` and stacks them so
// they enumerate in creation order (a room's first chat input first).
bool PopulateChild(HWND child, ChildKind kind, const ChildSetup& setup);

}  // namespace jukett::standin
