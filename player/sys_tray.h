#pragma once

#include <string_view>

#include "ports/player_form.h"
#include "ports/screen.h"
#include "ports/tray.h"

namespace jukett {

// The tip the tray shows; the record's field holds it, a NUL and blanks.
inline constexpr std::string_view kTrayTip = " juKett ZRV - by kelvor ";

// The program's one icon record, filled once at start-up for the window as
// it is then, and handed unchanged to every add and delete.
IconRecord MakeIconRecord(PlayerForm& form);

// The tray reports its icon's events as pointer moves of the window whose X,
// in pixels, is the event's message number.
int TrayEventCode(float x, int scaleMode, float twipsPerPixelX);
// A left release, left double-click or right release brings the window back.
bool RestoresWindow(int trayEventCode);

// Out of the tray: shown, in front, and no icon left behind.
void RestoreFromTray(PlayerForm& form, Tray& tray, const IconRecord& record);

// A pointer move of the window: a tray event when the tray icon reported it;
// a real pointer, wherever it is, never brings the window back.
void DecodeTrayEvent(PlayerForm& form, Screen& screen, Tray& tray, const IconRecord& record,
                     const Pointer& pointer);

}  // namespace jukett
