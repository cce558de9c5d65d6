// Folders past MAX_PATH characters and folders named outside the code page,
// through the real window, the real settings file and the real media device:
// listed, entered, played, stored at the end and restored at the next start.
#include "platform/win32/long_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_player.h"
#include "playback/settings.h"
#include "tests/win32/standin_process.h"

namespace jukett::testing {
namespace {

using win32::Utf8ToWide;
using win32::WideToUtf8;

// A program living in a folder of the test's choosing, whose end unwinds to
// the test instead of ending it.
class ProgramIn : public Process {
 public:
  struct Ended {};
  explicit ProgramIn(std::wstring folder) : folder_(WideToUtf8(folder)) {}
  std::string ProgramDirectory() override { return folder_; }
  [[noreturn]] void End() override { throw Ended{}; }

 private:
  std::string folder_;
};

// The real device, with the path of every track it was asked to open.
class NotedMedia : public MediaControl {
 public:
  bool SendCommand(std::string_view command) override {
    constexpr std::string_view kOpen = "open ";
    constexpr std::string_view kDevice = " type mpegvideo alias mp3play";
    if (command.starts_with(kOpen) && command.ends_with(kDevice)) {
      std::string path(
          command.substr(kOpen.size(), command.size() - kOpen.size() - kDevice.size()));
      if (path.size() > 1 && path.front() == '"') path = path.substr(1, path.size() - 2);
      opened.push_back(path);
    }
    return real_.SendCommand(command);
  }
  std::string ShortPath(std::string_view path) override { return real_.ShortPath(path); }

  std::vector<std::string> opened;

 private:
  win32::Win32MediaControl real_;
};

// The player as the program wires it, but for the program's folder, its end
// and the noted device.
struct Player {
  explicit Player(const std::wstring& programFolder) : process(programFolder) {
    SetProcessDPIAware();
    form.Create();
    handlers.Load();
  }
  // Quits as the window's unload does; false if the program did not end.
  bool Quit() {
    try {
      form.Unload();
    } catch (const ProgramIn::Ended&) {
      return true;
    }
    return false;
  }
  std::wstring DirRow(int row) {
    HWND dir = form.ListWindow(Control::Dir1);
    std::wstring text(SendMessageW(dir, LB_GETTEXTLEN, row, 0) + 1, L'\0');
    text.resize(SendMessageW(dir, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data())));
    return text;
  }
  int DirRows() {
    return static_cast<int>(SendMessageW(form.ListWindow(Control::Dir1), LB_GETCOUNT, 0, 0));
  }
  // Opens the folder of that row as the Return key does.
  void Enter(int row) {
    HWND dir = form.ListWindow(Control::Dir1);
    SendMessageW(dir, LB_SETCURSEL, row, 0);
    SendMessageW(dir, WM_KEYDOWN, VK_RETURN, 0);
  }
  // Double-clicks the track of that name; false when it is not listed.
  bool Play(const std::string& name) {
    for (int i = 0; i < form.FileCount(); ++i) {
      form.SetSelectedIndex(i);
      if (form.SelectedFileName() != name) continue;
      handlers.DblClick(Control::File1);
      return true;
    }
    return false;
  }

  win32::Win32HostWindows windows;
  win32::Win32EventPump events;
  win32::Win32Clock clock;
  win32::Win32Screen screen;
  win32::Win32Tray tray;
  ProgramIn process;
  NotedMedia media;
  win32::Win32ProfileFiles profiles;
  win32::Win32PlayerForm form{handlers};
  frmJUKETT handlers{{form, screen, tray, process, media, profiles, {windows, events}, clock}};
};

// Made behind the prefix, so that the test's own folders do not depend on
// what it tests.
void MakeFolder(const std::wstring& path) {
  ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr)) << WideToUtf8(path);
}

void MakeFile(const std::wstring& path) {
  HANDLE file = CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << WideToUtf8(path);
  CloseHandle(file);
}

// A chain of folders under `base` whose path is longer than `length`.
std::wstring DeepFolder(std::wstring base, std::size_t length, const std::wstring& name) {
  MakeFolder(base);
  for (int level = 0; base.size() <= length; ++level) {
    base += L"\\" + name + std::to_wstring(level);
    MakeFolder(base);
  }
  return base;
}

std::string Stored(Player& player, const std::wstring& programFolder) {
  return ReadSetting(player.profiles, kSettingsSection, kSettingsPathKey,
                     SettingsFile(WideToUtf8(programFolder)));
}

TEST(LongPaths, AFolderPastMaxPathIsListedEnteredPlayedStoredAndRestored) {
  const std::wstring scratch = NewScratchFolder();
  const std::wstring program = scratch.substr(0, scratch.size() - 1);
  const std::wstring deep = DeepFolder(scratch + L"Music", 300, L"a folder with a long name ");
  const std::wstring inner = deep + L"\\Inner Folder";
  MakeFolder(inner);
  MakeFile(inner + L"\\Deep Track.mp3");
  MakeFile(inner + L"\\other track.MP3");
  ASSERT_GT(inner.size(), static_cast<std::size_t>(MAX_PATH));

  {
    Player first(program);
    first.form.SetDirPath(WideToUtf8(deep));
    ASSERT_EQ(first.form.DirPath(), WideToUtf8(deep));
    ASSERT_TRUE(first.DirRow(first.DirRows() - 1).ends_with(L"  Inner Folder"));
    first.Enter(first.DirRows() - 1);
    EXPECT_EQ(first.form.DirPath(), WideToUtf8(inner));
    EXPECT_EQ(first.form.FileCount(), 2);

    ASSERT_TRUE(first.Play("Deep Track.mp3"));
    ASSERT_EQ(first.media.opened.size(), 1u);
    EXPECT_EQ(win32::LongPathName(Utf8ToWide(first.media.opened[0])), inner + L"\\Deep Track.mp3")
        << "the open command names the track: " << first.media.opened[0];
    EXPECT_TRUE(first.Quit());
    EXPECT_EQ(Stored(first, program), WideToUtf8(inner));
  }

  Player second(program);
  EXPECT_EQ(second.form.DirPath(), WideToUtf8(inner));
  EXPECT_EQ(second.form.FileCount(), 2);
}

TEST(LongPaths, AFolderRestoredFromItsShortFormShowsItsLongNameAndPlaysFromIt) {
  const std::wstring scratch = NewScratchFolder();
  const std::wstring program = scratch.substr(0, scratch.size() - 1);
  const std::wstring beetle = scratch + L"\u0416\u0443\u043a music";  // "Жук", no code page letters
  MakeFolder(beetle);
  MakeFile(beetle + L"\\Song.mp3");

  {
    Player first(program);
    first.form.SetDirPath(WideToUtf8(beetle));
    ASSERT_EQ(first.form.DirPath(), WideToUtf8(beetle));
    EXPECT_TRUE(first.Quit());
    const std::string stored = Stored(first, program);
    ASSERT_NE(stored, WideToUtf8(beetle)) << "stored by its short form";
    // Whose letters the code page holds, so the file stays 8-bit.
    std::ifstream file(std::filesystem::path(program + L"\\jukettzrv.ini"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}),
              "[juKett ZRV]\r\npath=" + stored + "\r\n");
  }

  Player second(program);
  EXPECT_EQ(second.form.DirPath(), WideToUtf8(beetle));
  const int chain = second.DirRows() - 1;
  EXPECT_TRUE(second.DirRow(chain).ends_with(L"\u0416\u0443\u043a music"))
      << WideToUtf8(second.DirRow(chain));
  ASSERT_TRUE(second.Play("Song.mp3"));
  ASSERT_EQ(second.media.opened.size(), 1u);
  EXPECT_EQ(win32::LongPathName(Utf8ToWide(second.media.opened[0])), beetle + L"\\Song.mp3")
      << second.media.opened[0];
}

TEST(LongPaths, ThePrefixComesOnlyPastMaxPathAndCleansWhatItCovers) {
  const std::wstring fits = L"C:\\" + std::wstring(MAX_PATH - 4, L'a');
  EXPECT_EQ(win32::WithLongPrefix(fits), fits);
  const std::wstring past = fits + L"b";
  EXPECT_EQ(win32::WithLongPrefix(L"C:/" + past.substr(3) + L"\\\\c"), L"\\\\?\\" + past + L"\\c");
  EXPECT_EQ(win32::WithLongPrefix(L"\\\\server\\share\\" + past.substr(3)),
            L"\\\\?\\UNC\\server\\share\\" + past.substr(3));
  EXPECT_EQ(win32::WithoutLongPrefix(L"\\\\?\\UNC\\server\\share\\x"), L"\\\\server\\share\\x");
  EXPECT_EQ(win32::WithoutLongPrefix(L"\\\\?\\" + past), past);
}

TEST(LongPaths, LongNamesComeBackFromAShortFormPastMaxPath) {
  const std::wstring deep = DeepFolder(NewScratchFolder() + L"Music", 700, L"long folder name ");
  const std::wstring shortForm = win32::ShortPathName(deep);
  ASSERT_GT(shortForm.size(), static_cast<std::size_t>(MAX_PATH));
  ASSERT_LT(shortForm.size(), deep.size()) << WideToUtf8(shortForm);
  EXPECT_EQ(win32::LongPathName(shortForm), deep);
  EXPECT_EQ(win32::LongPathName(deep + L"\\missing"), L"");
}

}  // namespace
}  // namespace jukett::testing
