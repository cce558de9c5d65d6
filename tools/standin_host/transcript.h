#pragma once

// The room's read-only transcript: each posted line shown as the chat client
// shows it, its HTML turned into fonts, colours and bold.

#include <windows.h>

#include <string>

namespace jukett::standin {

// Appends `line` (ANSI, as posted) to `transcript` on a line of its own.
void AppendTranscriptLine(HWND transcript, const std::string& line);

}  // namespace jukett::standin
