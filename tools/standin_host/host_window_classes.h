#pragma once

// Window classes of the host's frame, its MDI children and the plain marker
// controls a chat room is recognised by.

#include <windows.h>

namespace jukett::standin {

// Registers the frame, the MDI child class and the marker superclasses
// (combobox, listbox, static, icon). Safe to call once per host.
bool RegisterHostWindowClasses(HINSTANCE instance);

// Tells the frame which MDI client its default processing works with.
void SetFrameMdiClient(HWND frame, HWND mdiClient);

}  // namespace jukett::standin
