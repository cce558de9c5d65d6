// The player window's procedure: how each message reaches its handler.
#include <algorithm>
#include <vector>

#include "platform/win32/media_keys.h"
#include "platform/win32/win32_player_form.h"
#include "platform/win32/win32_tray.h"

namespace jukett::win32 {
namespace {

constexpr int kFileListId = 101;
constexpr int kDirListId = 102;

}  // namespace

LRESULT CALLBACK Win32PlayerForm::FormProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // A window of this class made without a form stays a plain window.
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (auto* form = static_cast<Win32PlayerForm*>(create->lpCreateParams)) form->Attach(window);
  }
  auto* form = reinterpret_cast<Win32PlayerForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    form->Detach();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return form->OnMessage(message, wParam, lParam);
}

void Win32PlayerForm::Attach(HWND window) {
  window_ = window;
  geometry_.Attach(window);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

// From here on the window's messages no longer reach this object, nor the
// media keys the window.
void Win32PlayerForm::Detach() {
  if (!window_) return;
  UnregisterMediaKeys(window_);
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  geometry_.Attach(nullptr);
  window_ = nullptr;
}

LRESULT Win32PlayerForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    events_.TaskbarCreated();
    return 0;
  }
  if (message == startedAgain_ && startedAgain_ != 0) {
    events_.StartedAgain();
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:
      Draw(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_MOUSEMOVE:
      pointer_.Move(wParam, lParam);
      return 0;
    case kTrayIconMessage:
      pointer_.TrayIconReport(wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      pointer_.Press(window_, kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      pointer_.Press(window_, kRightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
      pointer_.Press(window_, kMiddleButton, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      pointer_.Release(kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      pointer_.Release(kRightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      pointer_.Release(kMiddleButton, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      pointer_.CaptureLost();
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH ground =
              OnCtlColorListBox(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(ground);
      }
      break;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_HOTKEY:
      OnHotKey(wParam);
      return 0;
    case WM_APPCOMMAND:
      if (OnAppCommand(lParam)) return TRUE;
      break;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      OnEndSession(wParam != 0);
      return 0;
    case WM_GETOBJECT:
      if (LRESULT object = OnGetObject(wParam, lParam)) return object;
      break;
    case kAccessibleActionMessage:
      OnAccessibleAction(wParam);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

bool Win32PlayerForm::OnCreate() {
  // Made in tab order, so the window's own child order agrees with it. The
  // names come sorted: a sorted list box would compare each one it is given
  // with its neighbours, slowly, in a folder of thousands.
  return fileList_.Create(window_, kFileListId, 0, fonts_, TwipsPerPixel()) &&
         dirBox_.Create(window_, kDirListId, 0, fonts_, TwipsPerPixel());
}

void Win32PlayerForm::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  labels_.Paint(dc, client);
  EndPaint(window_, &paint);
  events_.Paint();
}

// The title strip, which drags the window, shows the move pointer.
bool Win32PlayerForm::OnSetCursor(HWND window, UINT hitTest) {
  if (window != window_ || hitTest != HTCLIENT) return false;
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(window_, &point);
  const bool handle = labels_.At(point) == Control::Label1;
  SetCursor(LoadCursorA(nullptr, handle ? IDC_SIZEALL : IDC_ARROW));
  return true;
}

void Win32PlayerForm::OnCommand(HWND control, UINT notification) {
  if (notification != LBN_DBLCLK) return;
  if (control == fileList_.Window()) {
    events_.DblClick(Control::File1);
  } else if (control == dirBox_.Window()) {
    OpenDirRow(dirBox_.Selection());
  }
}

HBRUSH Win32PlayerForm::OnCtlColorListBox(HDC dc, HWND list) {
  ListBox* box = ListOf(list);
  return box ? box->Colour(dc) : nullptr;
}

void Win32PlayerForm::OnSetFocus() { FocusList(focused_); }

void Win32PlayerForm::OnClose() { Unload(); }

void Win32PlayerForm::OnHotKey(WPARAM id) {
  if (const auto key = MediaKeyOfVirtualKey(id)) events_.MediaKeyPressed(*key);
}

// A media key that reached the window through its focus rather than as its
// hot key, or a remote control's command of the same name. The key's own
// press is left alone: the system sends this command for it as well (Wine
// as it takes the press from the queue), and the key would count twice.
bool Win32PlayerForm::OnAppCommand(LPARAM command) {
  const auto key = MediaKeyOfAppCommand(command);
  if (key) events_.MediaKeyPressed(*key);
  return key.has_value();
}

void Win32PlayerForm::OnEndSession(bool ending) {
  if (ending) Unload();
}

LRESULT Win32PlayerForm::OnGetObject(WPARAM wParam, LPARAM lParam) {
  return accessibility_.Answer(window_, wParam, lParam, fileList_.Window(), dirBox_.Window());
}

// A screen reader's default action: the button's own click. The message
// could come from anywhere, so only a button of the table counts.
void Win32PlayerForm::OnAccessibleAction(WPARAM control) {
  for (const ControlLayout& layout : FormControls()) {
    if (IsButton(layout) && static_cast<WPARAM>(layout.control) == control) {
      events_.Click(layout.control);
    }
  }
}

// ---- What the lists tell the window ----

void Win32PlayerForm::ListFocused(Control list) { focused_ = list; }

bool Win32PlayerForm::ListKeyDown(Control list, WPARAM key) {
  if (key == VK_TAB) {
    MoveFocus(list, GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  if (key == VK_RETURN && list == Control::Dir1) {
    OpenDirRow(dirBox_.Selection());
    return true;
  }
  return false;
}

void Win32PlayerForm::ListPointerMoved(Control list, const Pointer& pointer) {
  events_.MouseMove(list, pointer);
}

// ---- Focus ----

void Win32PlayerForm::FocusList(Control list) {
  HWND target = ListWindow(list);
  if (target && window_ && IsWindowVisible(window_)) SetFocus(target);
}

void Win32PlayerForm::MoveFocus(Control from, bool backwards) {
  std::vector<const ControlLayout*> order;
  for (const ControlLayout& layout : FormControls()) {
    if (TakesFocus(layout)) order.push_back(&layout);
  }
  if (order.empty()) return;
  std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  const auto at = std::find_if(order.begin(), order.end(),
                               [from](auto* layout) { return layout->control == from; });
  const std::size_t count = order.size();
  const std::size_t here = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin());
  const std::size_t next = backwards ? (here + count - 1) % count : (here + 1) % count;
  // Into the directory list even while the short window hides it.
  FocusList(order[next]->control);
}

}  // namespace jukett::win32
