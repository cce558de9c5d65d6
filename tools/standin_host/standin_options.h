#pragma once

// What the stand-in chat host builds, as chosen on its command line.

#include <optional>
#include <string>
#include <vector>

namespace jukett::standin {

// The kinds of MDI children. Only kRoom is a complete chat room; the others
// are near misses a player must not post into.
enum class ChildKind {
  kWelcome,  // the signed-on greeting window
  kRoom,     // all room markers, a transcript and chat input(s)
  kOther,    // an unrelated window (a mailbox)
  kPartial,  // room markers and an input, but no transcript
  kNoInput,  // all room markers and a transcript, but no input
};

// How the version item of the Help menu is spelled.
enum class VersionCase { kTitle, kUpper, kLower };

struct StandinOptions {
  std::wstring log_path;       // empty: posted lines are written nowhere
  std::wstring ready_path;     // empty: no ready file
  std::optional<int> version;  // 4..8; none: no version item at all
  VersionCase version_case = VersionCase::kTitle;
  std::vector<std::wstring> extra_help_items;  // before the version item
  std::wstring screen_name = L"Guest";
  std::optional<std::wstring> welcome_caption;  // wins over screen_name
  std::vector<ChildKind> children{ChildKind::kWelcome, ChildKind::kRoom};
  int inputs_per_room = 1;
  std::wstring input_text;  // preset in each room's first chat input
  unsigned hang_ms = 0;
  std::optional<unsigned> quit_after_ms;
};

// Parses the arguments without the program name. Returns nothing for an
// unknown option, a missing or malformed value, a stray argument or a
// single-valued option given twice.
std::optional<StandinOptions> ParseStandinOptions(const std::vector<std::wstring>& args);

// The welcome window's caption: the explicit one, else "Welcome, NAME!".
std::wstring WelcomeCaption(const StandinOptions& options);

// "&What's New in AOL 6.0" in the requested letter case.
std::wstring VersionItemText(int version, VersionCase letter_case);

}  // namespace jukett::standin
