#include "platform/win32/win32_host_windows.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/ansi_text.h"

namespace jukett::win32 {
namespace {

// Long enough for any responsive client, short enough that a hung one costs
// the player a moment, not its life.
constexpr DWORD kReplyTimeoutMs = 2000;

HWND AsHwnd(Window window) { return reinterpret_cast<HWND>(window); }
HMENU AsHmenu(Menu menu) { return reinterpret_cast<HMENU>(menu); }
Window AsWindow(HWND hwnd) { return reinterpret_cast<Window>(hwnd); }
Menu AsMenu(HMENU hmenu) { return reinterpret_cast<Menu>(hmenu); }

// The text a platform call reports it wrote into `buffer`, as UTF-8; the
// buffer's last byte is kept for the terminating zero.
std::string WrittenText(std::string_view buffer, LRESULT written) {
  if (written <= 0 || buffer.empty()) return {};
  const auto length = std::min(static_cast<std::size_t>(written), buffer.size() - 1);
  return AnsiToUtf8(buffer.substr(0, length));
}

// What a platform call writes into a buffer of `capacity` bytes, as UTF-8.
template <typename Fill>
std::string ReadAnsi(int capacity, Fill fill) {
  if (capacity <= 0) return {};
  std::string buffer(static_cast<std::size_t>(capacity), '\0');
  const int written = fill(buffer.data(), capacity);
  return WrittenText(buffer, written);
}

// Room for a text of the length a window claims, with its terminating zero;
// nothing when it claims more than any chat input holds. Such a text cannot
// be read whole, and a cut one must never be put back in its place.
std::optional<std::size_t> RoomForText(LRESULT claimed) {
  if (claimed > kMaxWindowTextUnits) return std::nullopt;
  return static_cast<std::size_t>(claimed) + 1;
}

// A message in the ANSI code page, carrying `buffer` when one is given.
Delivery AnsiMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     std::optional<std::string> buffer = std::nullopt) {
  Delivery delivery;
  delivery.window = window;
  delivery.message = message;
  delivery.wParam = wParam;
  delivery.lParam = lParam;
  delivery.buffer = std::move(buffer);
  return delivery;
}

// A Unicode message, carrying `buffer` when one is given.
Delivery WideMessage(HWND window, UINT message, WPARAM wParam,
                     std::optional<std::wstring> buffer = std::nullopt) {
  Delivery delivery = AnsiMessage(window, message, wParam, 0);
  delivery.wideBuffer = std::move(buffer);
  delivery.wide = true;
  return delivery;
}

}  // namespace

Win32HostWindows::Win32HostWindows(DWORD giveUpMs) : sender_(kReplyTimeoutMs, giveUpMs) {}

LRESULT Win32HostWindows::SendBounded(Window window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window == kNoWindow) return 0;
  const auto answered = sender_.Send(AnsiMessage(AsHwnd(window), message, wParam, lParam));
  return answered ? answered->result : 0;
}

Window Win32HostWindows::FindTopLevel(std::string_view windowClass) {
  return AsWindow(FindWindowA(std::string(windowClass).c_str(), nullptr));
}

Window Win32HostWindows::FindChild(Window parent, Window after, std::string_view windowClass) {
  // A parent of 0 would search the top-level windows instead.
  if (parent == kNoWindow) return kNoWindow;
  return AsWindow(
      FindWindowExA(AsHwnd(parent), AsHwnd(after), std::string(windowClass).c_str(), nullptr));
}

std::string Win32HostWindows::ClassName(Window window, int capacity) {
  if (window == kNoWindow) return {};
  return ReadAnsi(capacity, [&](char* buffer, int size) {
    return GetClassNameA(AsHwnd(window), buffer, size);
  });
}

int Win32HostWindows::CaptionLength(Window window) {
  if (window == kNoWindow) return 0;
  return GetWindowTextLengthA(AsHwnd(window));
}

std::string Win32HostWindows::Caption(Window window, int capacity) {
  if (window == kNoWindow) return {};
  return ReadAnsi(capacity, [&](char* buffer, int size) {
    return GetWindowTextA(AsHwnd(window), buffer, size);
  });
}

int Win32HostWindows::TextLength(Window window) {
  return static_cast<int>(SendBounded(window, WM_GETTEXTLENGTH, 0, 0));
}

std::string Win32HostWindows::Text(Window window, int capacity) {
  if (window == kNoWindow || capacity <= 0) return {};
  const auto answered =
      sender_.Send(AnsiMessage(AsHwnd(window), WM_GETTEXT, static_cast<WPARAM>(capacity), 0,
                               std::string(static_cast<std::size_t>(capacity), '\0')));
  return answered ? WrittenText(*answered->buffer, answered->result) : std::string();
}

void Win32HostWindows::SetText(Window window, std::string_view text) {
  if (window == kNoWindow) return;
  sender_.Send(AnsiMessage(AsHwnd(window), WM_SETTEXT, 0, 0, Utf8ToAnsi(text)));
}

// A Unicode window's text is read whole through the wide messages: the ANSI
// ones would turn every character outside the code page into '?'.
std::optional<std::string> Win32HostWindows::UserText(Window window) {
  if (window == kNoWindow) return std::string();
  const HWND hwnd = AsHwnd(window);
  return IsWindowUnicode(hwnd) ? UserTextWide(hwnd) : UserTextAnsi(hwnd);
}

std::optional<std::string> Win32HostWindows::UserTextAnsi(HWND window) {
  const auto length = sender_.Send(AnsiMessage(window, WM_GETTEXTLENGTH, 0, 0));
  if (!length) return std::nullopt;
  if (length->result <= 0) return std::string();
  const auto capacity = RoomForText(length->result);
  if (!capacity) return std::nullopt;
  auto text =
      sender_.Send(AnsiMessage(window, WM_GETTEXT, *capacity, 0, std::string(*capacity, '\0')));
  if (!text) return std::nullopt;
  return WrittenText(*text->buffer, text->result);
}

std::optional<std::string> Win32HostWindows::UserTextWide(HWND window) {
  const auto length = sender_.Send(WideMessage(window, WM_GETTEXTLENGTH, 0));
  if (!length) return std::nullopt;
  if (length->result <= 0) return std::string();
  const auto capacity = RoomForText(length->result);
  if (!capacity) return std::nullopt;
  auto text =
      sender_.Send(WideMessage(window, WM_GETTEXT, *capacity, std::wstring(*capacity, L'\0')));
  if (!text) return std::nullopt;
  if (text->result <= 0) return std::string();
  const auto written = std::min(static_cast<std::size_t>(text->result), *capacity - 1);
  return WideToUtf8(std::wstring_view(*text->wideBuffer).substr(0, written));
}

void Win32HostWindows::EditInOrder(const std::vector<WindowEdit>& edits) {
  std::vector<Delivery> unit;
  for (const WindowEdit& edit : edits) {
    if (edit.window == kNoWindow) continue;
    const HWND window = AsHwnd(edit.window);
    switch (edit.kind) {
      case WindowEdit::Kind::SetText:
        unit.push_back(AnsiMessage(window, WM_SETTEXT, 0, 0, Utf8ToAnsi(edit.text)));
        break;
      case WindowEdit::Kind::PutBackText:
        if (IsWindowUnicode(window)) {
          unit.push_back(WideMessage(window, WM_SETTEXT, 0, Utf8ToWide(edit.text)));
        } else {
          unit.push_back(AnsiMessage(window, WM_SETTEXT, 0, 0, Utf8ToAnsi(edit.text)));
        }
        break;
      case WindowEdit::Kind::Char:
        if (edit.text.empty()) break;
        unit.push_back(AnsiMessage(window, WM_CHAR, static_cast<unsigned char>(edit.text[0]), 0));
        break;
    }
  }
  sender_.SendInOrder(std::move(unit));
}

void Win32HostWindows::FinishEdits(double maxSeconds) {
  const double ms = std::clamp(std::ceil(maxSeconds * 1000.0), 0.0, 3600.0 * 1000.0);
  sender_.Finish(static_cast<DWORD>(ms));
}

Menu Win32HostWindows::MenuBar(Window window) {
  if (window == kNoWindow) return kNoMenu;
  return AsMenu(GetMenu(AsHwnd(window)));
}

int Win32HostWindows::MenuItemCount(Menu menu) {
  if (menu == kNoMenu) return -1;
  return GetMenuItemCount(AsHmenu(menu));
}

Menu Win32HostWindows::SubMenu(Menu menu, int position) {
  if (menu == kNoMenu) return kNoMenu;
  return AsMenu(GetSubMenu(AsHmenu(menu), position));
}

MenuItemId Win32HostWindows::ItemId(Menu menu, int position) {
  return GetMenuItemID(AsHmenu(menu), position);
}

std::string Win32HostWindows::ItemText(Menu menu, MenuItemId id, int capacity) {
  if (menu == kNoMenu) return {};
  return ReadAnsi(capacity, [&](char* buffer, int size) {
    return GetMenuStringA(AsHmenu(menu), id, buffer, size, MF_BYCOMMAND);
  });
}

}  // namespace jukett::win32
