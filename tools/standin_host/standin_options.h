#pragma once

// What the stand-in chat host builds, as chosen on its command line.

#include <optional>
#include <string>
#include <vector>

namespace jukett::standin {

// The kinds of MDI children. Only Room is a complete chat room; the others
// are near misses a player must not post into.
enum class ChildKind {
  Welcome,  // the signed-on greeting window
  Room,     // all room markers, a transcript and chat input(s)
  Other,    // an unrelated window (a mailbox)
  Partial,  // room markers and an input, but no transcript
  NoInput,  // all room markers and a transcript, but no input
};

// How the version item of the Help menu is spelled.
enum class VersionCase { Title, Upper, Lower };

struct StandinOptions {
  std::wstring logPath;        // empty: posted lines are written nowhere
  std::wstring readyPath;      // empty: no ready file
  std::optional<int> version;  // 4..8; none: no version item at all
  VersionCase versionCase = VersionCase::Title;
  std::vector<std::wstring> extraHelpItems;  // before the version item
  std::wstring screenName = L"Guest";
  std::optional<std::wstring> welcomeCaption;  // wins over screenName
  std::vector<ChildKind> children{ChildKind::Welcome, ChildKind::Room};
  int inputsPerRoom = 1;
  std::wstring inputText;     // preset in each room's first chat input
  bool unicodeInput = false;  // chat inputs are Unicode windows, not ANSI ones
  // Once the host is up, how long its chat inputs stay busy with the first
  // message that empties one, and with the first that sets a text.
  unsigned slowClearMs = 0;
  unsigned slowLineMs = 0;
  unsigned hangMs = 0;
  std::optional<unsigned> quitAfterMs;
};

// Parses the arguments without the program name. Returns nothing for an
// unknown option, a missing or malformed value, a stray argument or a
// single-valued option given twice.
std::optional<StandinOptions> ParseStandinOptions(const std::vector<std::wstring>& args);

// The welcome window's caption: the explicit one, else "Welcome, NAME!".
std::wstring WelcomeCaption(const StandinOptions& options);

// "&What's New in AOL 6.0" in the requested letter case.
std::wstring VersionItemText(int version, VersionCase letterCase);

}  // namespace jukett::standin
