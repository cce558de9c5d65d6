#pragma once

// Window classes and texts of the chat client's window tree, as the player
// finds them from outside. The stand-in host in tools/ builds its tree from
// the same names.

namespace jukett::host_classes {

inline constexpr const char* kFrame = "AOL Frame25";
inline constexpr const char* kMdiClient = "MDIClient";
inline constexpr const char* kChild = "AOL Child";

// A chat room is an "AOL Child" with at least one child of each of these.
inline constexpr const char* kCombobox = "_AOL_Combobox";
inline constexpr const char* kListbox = "_AOL_Listbox";
inline constexpr const char* kStatic = "_AOL_Static";
inline constexpr const char* kIcon = "_AOL_Icon";
inline constexpr const char* kTranscript = "RICHCNTLREADONLY";

// The room's chat input.
inline constexpr const char* kChatInput = "RICHCNTL";

}  // namespace jukett::host_classes
