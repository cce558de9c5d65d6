#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jukett {

// Opaque handles of windows and menus of the desktop; 0 means none.
using Window = std::uintptr_t;
using Menu = std::uintptr_t;
// Menu command identifiers, held at the platform's full width.
using MenuItemId = std::uint32_t;

inline constexpr Window kNoWindow = 0;
inline constexpr Menu kNoMenu = 0;

// The most text units read from another program's window. A rich-edit chat
// input holds 32,767 characters unless its program raises the limit, and a
// character takes at most two units (a double-byte code page's two bytes, or
// a surrogate pair): room for all of them. A window that claims more holds
// text no chat input does, or answers nonsense; reading it must not cost
// the player gigabytes.
inline constexpr int kMaxWindowTextUnits = 2 * 32767;

// One change made to another program's window.
struct WindowEdit {
  enum class Kind {
    SetText,      // text in the platform's ANSI code page, as the program speaks it
    PutBackText,  // text the window held before, with every character it had
    Char,         // the one character of `text`, as if typed
  };
  Kind kind;
  Window window;
  std::string text;
};

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

  // What the user has typed into the window, with every character, whatever
  // the code page; nothing when the window's program did not answer in time,
  // or claims more than `kMaxWindowTextUnits`: a text that cannot be read
  // whole is left alone.
  virtual std::optional<std::string> UserText(Window window) = 0;
  // Makes the edits in order, as one unit: once begun, a program that is slow
  // to answer still gets all of them, in order, even after the call has
  // stopped waiting for it. A program that is still busy with an earlier
  // unit gets none of them.
  virtual void EditInOrder(const std::vector<WindowEdit>& edits) = 0;
  // Waits, at most `maxSeconds`, until every unit already begun has reached
  // its program, answering messages sent to the player meanwhile. A unit
  // still on its way when the program ends is cut off where it stands.
  virtual void FinishEdits(double maxSeconds) = 0;

  virtual Menu MenuBar(Window window) = 0;
  // -1 for a menu that is not there.
  virtual int MenuItemCount(Menu menu) = 0;
  virtual Menu SubMenu(Menu menu, int position) = 0;
  virtual MenuItemId ItemId(Menu menu, int position) = 0;
  virtual std::string ItemText(Menu menu, MenuItemId id, int capacity) = 0;
};

}  // namespace jukett
