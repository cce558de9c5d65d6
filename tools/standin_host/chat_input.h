#pragma once

// The room's rich-edit controls: the read-only transcript and the chat
// input. Pressing Enter in an input (or sending it WM_CHAR 13 from another
// process, as a player does) posts its text: the line goes to the room's
// transcript and, byte for byte, to the log file tests read.

#include <windows.h>

#include <string>

namespace jukett::standin {

// Registers the transcript and chat input classes as rich-edit superclasses.
bool RegisterRichEditClasses(HINSTANCE instance);

// Makes lines posted from `input` go to the file at `path` too. The input
// owns its copy of the path and frees it when it is destroyed.
bool AttachChatLog(HWND input, const std::wstring& path);

}  // namespace jukett::standin
