#include "platform/win32/one_player.h"

#include <windows.h>

#include "platform/win32/win32_player_form.h"

namespace jukett::win32 {
namespace {

constexpr wchar_t kSessionName[] = L"Local\\jukettZRV.player";

// The running player's window, even hidden in the tray, is asked back; a
// player still before its window, or past it, is left to itself.
void AskRunningPlayerBack() {
  HWND window = FindWindowW(Win32PlayerForm::kClassName, nullptr);
  if (!window) return;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  // This start is the user's latest act, so it may hand the front on.
  AllowSetForegroundWindow(process);
  PostMessageW(window, RegisterWindowMessageW(Win32PlayerForm::kStartedAgainMessage), 0, 0);
}

}  // namespace

bool FirstPlayerInSession() {
  // The first start holds the name for its whole life, however it ends: the
  // system closes the handle then. Without the name the player still plays.
  HANDLE name = CreateMutexW(nullptr, FALSE, kSessionName);
  if (!name || GetLastError() != ERROR_ALREADY_EXISTS) return true;
  CloseHandle(name);
  AskRunningPlayerBack();
  return false;
}

}  // namespace jukett::win32
