#pragma once

#include <windows.h>

#include <optional>

#include "ports/player_form.h"

namespace jukett::win32 {

// The keyboard's four media keys as hot keys of `window`, so that they reach
// it wherever the focus is. A key another program holds already stays that
// program's, without a word.
void RegisterMediaKeys(HWND window);
void UnregisterMediaKeys(HWND window);

// The media key a hot key of the window stands for: each is numbered by its
// virtual key.
std::optional<MediaKey> MediaKeyOfVirtualKey(WPARAM key);
// The media key an application command (WM_APPCOMMAND's lParam) stands for.
std::optional<MediaKey> MediaKeyOfAppCommand(LPARAM command);

}  // namespace jukett::win32
