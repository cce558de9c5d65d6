#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/win32/known_wine_gap.h"
#include "tests/win32/message_pump.h"

namespace jukett::testing {

// Wine's own notification area: the "Wine System Tray" window Wine shows when
// the desktop has no tray of its own, as on the tests' bare virtual displays.
// Its icons are child windows of their own class, 20 x 20 pixels side by side.
inline constexpr wchar_t kWineTrayClass[] = L"__winex11_standalone_tray";
inline constexpr wchar_t kWineTrayTitle[] = L"Wine System Tray";
inline constexpr wchar_t kWineTrayIconClass[] = L"__winex11_tray_icon";

// The tray window while it is shown; 0 when there is none or it is hidden.
HWND VisibleWineTray();
// How many icons the shown tray window holds.
int WineTrayIconCount();

// The tips Wine's tray holds for its icons, in UTF-8, read out of the tray's
// own process (its tooltip control keeps them there).
std::vector<std::string> WineTrayTips();

enum class TrayClick { Left, Right, Double };

// Clicks the tray's icon number `index` (0: the first added) with real X
// pointer input, through tools/wine-tray-click.sh, and waits until the click
// is made while dispatching this thread's messages. Gives the script's exit
// status: 0 clicked, 2 no tray window shown; -1 when it could not be run or
// did not finish in time.
int ClickWineTrayIcon(TrayClick click, int index = 0);

// The Unix path Wine maps a Windows path to; empty when not under Wine.
std::string UnixPathOf(const std::wstring& windowsPath);
// The Windows path Wine maps a Unix path to; empty when not under Wine.
std::wstring WindowsPathOf(const std::string& unixPath);

}  // namespace jukett::testing
