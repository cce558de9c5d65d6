#pragma once

#include <windows.h>

#include "platform/win32/bounded_send.h"
#include "ports/host_windows.h"

namespace jukett::win32 {

// The chat client's windows and menus through user32. Every message to the
// client waits a bounded time, so a hung client cannot freeze the player.
class Win32HostWindows : public HostWindows {
 public:
  // `giveUpMs`: how long a lone message the client leaves unanswered holds
  // the client's further messages back.
  explicit Win32HostWindows(DWORD giveUpMs = BoundedSender::kGiveUpMs);

  Window FindTopLevel(std::string_view windowClass) override;
  Window FindChild(Window parent, Window after, std::string_view windowClass) override;
  std::string ClassName(Window window, int capacity) override;
  int CaptionLength(Window window) override;
  std::string Caption(Window window, int capacity) override;
  int TextLength(Window window) override;
  std::string Text(Window window, int capacity) override;
  void SetText(Window window, std::string_view text) override;
  std::optional<std::string> UserText(Window window) override;
  void EditInOrder(const std::vector<WindowEdit>& edits) override;
  void FinishEdits(double maxSeconds) override;
  Menu MenuBar(Window window) override;
  int MenuItemCount(Menu menu) override;
  Menu SubMenu(Menu menu, int position) override;
  MenuItemId ItemId(Menu menu, int position) override;
  std::string ItemText(Menu menu, MenuItemId id, int capacity) override;

 private:
  LRESULT SendBounded(Window window, UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<std::string> UserTextAnsi(HWND window);
  std::optional<std::string> UserTextWide(HWND window);

  BoundedSender sender_;
};

}  // namespace jukett::win32
