#include "host_windows.h"

#include "chathost/host_classes.h"
#include "host_menu.h"
#include "superclass.h"

namespace jukett::standin {

namespace {

namespace classes = jukett::host_classes;

WNDPROC g_combobox_proc = nullptr;
WNDPROC g_listbox_proc = nullptr;
WNDPROC g_static_proc = nullptr;
WNDPROC g_icon_proc = nullptr;

HWND FrameMdiClient(HWND frame) {
  return reinterpret_cast<HWND>(GetWindowLongPtrA(frame, GWLP_USERDATA));
}

// The Window menu works as in any MDI application; every other command is
// accepted and does nothing.
bool HandleFrameCommand(HWND mdi_client, UINT id) {
  switch (id) {
    case command_ids::kCascade:
      SendMessageA(mdi_client, WM_MDICASCADE, 0, 0);
      return true;
    case command_ids::kTile:
      SendMessageA(mdi_client, WM_MDITILE, MDITILE_VERTICAL, 0);
      return true;
    case command_ids::kArrangeIcons:
      SendMessageA(mdi_client, WM_MDIICONARRANGE, 0, 0);
      return true;
    default:
      return id < command_ids::kFirstMdiChild;
  }
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND mdi_client = FrameMdiClient(frame);
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == command_ids::kExit) {
        PostMessageA(frame, WM_CLOSE, 0, 0);
        return 0;
      }
      if (mdi_client && HandleFrameCommand(mdi_client, LOWORD(wparam))) return 0;
      break;
    case WM_NCDESTROY:
      // A frame closed by a message sent from another process is destroyed
      // inside GetMessage, which would then sleep on; the empty posted
      // message wakes the loop so it notices the frame is gone.
      PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
      break;
    default:
      break;
  }
  return DefFrameProcA(frame, mdi_client, message, wparam, lparam);
}

LRESULT CALLBACK ChildProc(HWND child, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefMDIChildProcA(child, message, wparam, lparam);
}

bool RegisterOwnClass(HINSTANCE instance, const char* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, name, &existing)) return true;
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = proc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hbrBackground = background;
  window_class.lpszClassName = name;
  return RegisterClassExA(&window_class) != 0;
}

}  // namespace

bool RegisterHostWindowClasses(HINSTANCE instance) {
  const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  const auto workspace = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  return RegisterOwnClass(instance, classes::kFrame, FrameProc, workspace) &&
         RegisterOwnClass(instance, classes::kChild, ChildProc, face) &&
         RegisterSuperclass(instance, nullptr, "COMBOBOX", classes::kCombobox,
                            ForwardToBase<&g_combobox_proc>, g_combobox_proc) &&
         RegisterSuperclass(instance, nullptr, "LISTBOX", classes::kListbox,
                            ForwardToBase<&g_listbox_proc>, g_listbox_proc) &&
         RegisterSuperclass(instance, nullptr, "STATIC", classes::kStatic,
                            ForwardToBase<&g_static_proc>, g_static_proc) &&
         RegisterSuperclass(instance, nullptr, "STATIC", classes::kIcon,
                            ForwardToBase<&g_icon_proc>, g_icon_proc);
}

void SetFrameMdiClient(HWND frame, HWND mdi_client) {
  SetWindowLongPtrA(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(mdi_client));
}

}  // namespace jukett::standin
