#pragma once

// The frame's menu bar. Players read it from outside to learn the client's
// version, so the Help drop-down holds the version item among ordinary
// items, a nested submenu and a separator, as the real client's does.

#include <windows.h>

#include "tools/standin_host/standin_options.h"

namespace jukett::standin {

namespace command_ids {
inline constexpr UINT kNew = 101;
inline constexpr UINT kOpen = 102;
inline constexpr UINT kExit = 103;
inline constexpr UINT kUndo = 201;
inline constexpr UINT kCut = 202;
inline constexpr UINT kCopy = 203;
inline constexpr UINT kPaste = 204;
inline constexpr UINT kCascade = 301;
inline constexpr UINT kTile = 302;
inline constexpr UINT kArrangeIcons = 303;
inline constexpr UINT kHelpTopics = 401;
inline constexpr UINT kMemberDirectory = 402;
inline constexpr UINT kAccountHelp = 403;
inline constexpr UINT kAbout = 404;
inline constexpr UINT kVersion = 405;
inline constexpr UINT kFirstExtraHelpItem = 500;
// The MDI client numbers its window-list entries from here; far above the
// extra items so that no --menu-item count can collide with them.
inline constexpr UINT kFirstMdiChild = 50000;
}  // namespace command_ids

struct MenuBar {
  HMENU bar = nullptr;
  HMENU windowMenu = nullptr;  // where the MDI client lists its children
};

// Builds the bar; the caller owns it until it is attached to a window.
// Returns a null bar when the system runs out of menu handles.
MenuBar BuildMenuBar(const StandinOptions& options);

}  // namespace jukett::standin
