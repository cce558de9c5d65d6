#pragma once

// The room's rich-edit controls: the read-only transcript and the chat
// input. Pressing Enter in an input (or sending it WM_CHAR 13 from another
// process, as a player does) posts its text: the line goes to the room's
// transcript and, byte for byte, to the log file tests read.

#include <windows.h>

#include <string>

namespace jukett::standin {

// Registers the transcript and chat input classes as rich-edit superclasses;
// the chat input a Unicode window when `unicodeInput` is set. The first
// registration in a process decides.
bool RegisterRichEditClasses(HINSTANCE instance, bool unicodeInput = false);

// From now on, the chat inputs of this process stay busy for `clearMs` with
// the next message that empties one, and for `lineMs` with the next that
// sets a text, as a client does that is busy with something else.
void DelayChatInputs(unsigned clearMs, unsigned lineMs);

// Makes lines posted from `input` go to the file at `path` too. The input
// owns its copy of the path and frees it when it is destroyed.
bool AttachChatLog(HWND input, const std::wstring& path);

}  // namespace jukett::standin
