#pragma once

// Registering a control class under another name, so that the host's
// marker and rich-edit windows are real controls that answer to the class
// names the chat client uses.

#include <windows.h>

namespace jukett::standin {

// Registers `name` as a copy of the class `base` (looked up under
// `baseInstance`, null for the system's controls) whose window procedure is
// `proc`, and stores the base class's procedure in `baseProc` for `proc` to
// forward to. A class already registered by an earlier host in this process
// is kept: classes are never unregistered, so hosts can come and go.
bool RegisterSuperclass(HINSTANCE instance, HINSTANCE baseInstance, const char* base,
                        const char* name, WNDPROC proc, WNDPROC& baseProc);

// The same for a Unicode superclass: its windows are Unicode windows.
bool RegisterSuperclassW(HINSTANCE instance, HINSTANCE baseInstance, const wchar_t* base,
                         const wchar_t* name, WNDPROC proc, WNDPROC& baseProc);

// A window procedure that only forwards to the base procedure kept in
// *BaseProc; for superclasses that change nothing but the name.
template <WNDPROC* BaseProc>
LRESULT CALLBACK ForwardToBase(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(*BaseProc, window, message, wparam, lparam);
}

}  // namespace jukett::standin
