#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace jukett {

// Opaque handles of windows and menus of the desktop; 0 means none.
using Window = std::uintptr_t;
using Menu = std::uintptr_t;
// Menu command identifiers, held at the platform's full width.
using MenuItemId = std::uint32_t;

inline constexpr Window kNoWindow = 0;
inline constexpr Menu kNoMenu = 0;

// Another program's windows and menus, seen from outside. Every call is a
// fresh look: nothing is remembered between calls. Texts are UTF-8 here;
// lengths and capacities count the platform's own text units (on Windows the
// ANSI code page's bytes), and a capacity includes the terminating zero.
// Calls on window or menu 0, or on ones that have gone, give 0 or empty text.
class HostWindows {
 public:
  virtual ~HostWindows() = default;

  virtual Window FindTopLevel(std::string_view windowClass) = 0;
  // The next direct child of `parent` whose class is exactly `windowClass`,
  // after `after` (0: from the first), in the platform's enumeration order.
  virtual Window FindChild(Window parent, Window after, std::string_view windowClass) = 0;
  virtual std::string ClassName(Window window, int capacity) = 0;

  // The caption as the window manager keeps it (no message to the window).
  virtual int CaptionLength(Window window) = 0;
  virtual std::string Caption(Window window, int capacity) = 0;

  // The text as the window itself answers text messages.
  virtual int TextLength(Window window) = 0;
  virtual std::string Text(Window window, int capacity) = 0;
  virtual void SetText(Window window, std::string_view text) = 0;
  virtual void DeliverChar(Window window, char character) = 0;

  virtual Menu MenuBar(Window window) = 0;
  // -1 for a menu that is not there.
  virtual int MenuItemCount(Menu menu) = 0;
  virtual Menu SubMenu(Menu menu, int position) = 0;
  virtual MenuItemId ItemId(Menu menu, int position) = 0;
  virtual std::string ItemText(Menu menu, MenuItemId id, int capacity) = 0;
};

}  // namespace jukett
