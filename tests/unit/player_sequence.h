#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace jukett::sim {

// One thing that can happen to the player, the chat client, the files or the
// user, at a moment `when` (an index into a short list of delays) after the
// step before. `which` picks the control, row, folder or amount.
struct Step {
  enum class Act {
    Click,        // a control: the five buttons, "_", "x", "m", the folder label
    DoubleClick,  // a row of the track list
    SelectRow,
    Point,  // the pointer over a control
    DragTitle,
    Tray,  // the tray icon's reports
    MediaKey,
    StartAgain,  // the program started a second time
    OpenFolder,
    AddTrack,
    DeleteTrack,
    SpoilTrack,    // the file becomes empty: it no longer opens
    ClientSlow,    // the client takes a while over every message
    ClientBusy,    // the client does its own work for a while
    ClientHangs,   // ... for good
    ClientWell,    // answers at once again
    OpenRoom,      // another room, after the others
    CloseRoom,     // the first room
    Type,          // the user types into the first room's input
    Wait,          // the player's message loop runs a while
    HoldSettings,  // another program holds the settings file, or it cannot be read or made anew
    LogOff,        // the session ends: the window is unloaded
  };
  Act act;
  int which;
  int when;
};

void PrintTo(const Step& step, std::ostream* out);
void showValue(const Step& step, std::ostream& out);

// The whole player on a simulated desktop, put through `steps` and then a
// log-off, with a settings file in one of several encodings (0: none); the
// first promise it broke, or nothing.
std::optional<std::string> BrokenPromise(const std::vector<Step>& steps, int settings = 1);

}  // namespace jukett::sim
