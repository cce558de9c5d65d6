#include "tools/standin_host/host_window_classes.h"

#include "chathost/host_classes.h"
#include "tools/standin_host/host_menu.h"
#include "tools/standin_host/superclass.h"

namespace jukett::standin {

namespace {

namespace classes = jukett::host_classes;

WNDPROC comboboxBaseProc = nullptr;
WNDPROC listboxBaseProc = nullptr;
WNDPROC staticBaseProc = nullptr;
WNDPROC iconBaseProc = nullptr;

HWND FrameMdiClient(HWND frame) {
  return reinterpret_cast<HWND>(GetWindowLongPtrA(frame, GWLP_USERDATA));
}

// The Window menu works as in any MDI application; every other command is
// accepted and does nothing.
bool HandleFrameCommand(HWND mdiClient, UINT id) {
  switch (id) {
    case command_ids::kCascade:
      SendMessageA(mdiClient, WM_MDICASCADE, 0, 0);
      return true;
    case command_ids::kTile:
      SendMessageA(mdiClient, WM_MDITILE, MDITILE_VERTICAL, 0);
      return true;
    case command_ids::kArrangeIcons:
      SendMessageA(mdiClient, WM_MDIICONARRANGE, 0, 0);
      return true;
    default:
      return id < command_ids::kFirstMdiChild;
  }
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND mdiClient = FrameMdiClient(frame);
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == command_ids::kExit) {
        PostMessageA(frame, WM_CLOSE, 0, 0);
        return 0;
      }
      if (mdiClient && HandleFrameCommand(mdiClient, LOWORD(wparam))) return 0;
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
  return DefFrameProcA(frame, mdiClient, message, wparam, lparam);
}

LRESULT CALLBACK ChildProc(HWND child, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefMDIChildProcA(child, message, wparam, lparam);
}

bool RegisterOwnClass(HINSTANCE instance, const char* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, name, &existing)) return true;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

bool RegisterHostWindowClasses(HINSTANCE instance) {
  const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  const auto workspace = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  return RegisterOwnClass(instance, classes::kFrame, FrameProc, workspace) &&
         RegisterOwnClass(instance, classes::kChild, ChildProc, face) &&
         RegisterSuperclass(instance, nullptr, "COMBOBOX", classes::kCombobox,
                            ForwardToBase<&comboboxBaseProc>, comboboxBaseProc) &&
         RegisterSuperclass(instance, nullptr, "LISTBOX", classes::kListbox,
                            ForwardToBase<&listboxBaseProc>, listboxBaseProc) &&
         RegisterSuperclass(instance, nullptr, "STATIC", classes::kStatic,
                            ForwardToBase<&staticBaseProc>, staticBaseProc) &&
         RegisterSuperclass(instance, nullptr, "STATIC", classes::kIcon,
                            ForwardToBase<&iconBaseProc>, iconBaseProc);
}

void SetFrameMdiClient(HWND frame, HWND mdiClient) {
  SetWindowLongPtrA(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(mdiClient));
}

}  // namespace jukett::standin
