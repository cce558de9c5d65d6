// The Windows media control adapter: short paths on real files, and the
// media control contract against the real device.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_media_control.h"
#include "tests/contracts/media_control_contract.h"

namespace jukett {
namespace {

TEST(Win32MediaControl, ShortPathsAreWholeHoweverLong) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  // Eight-character folders are their own short names, so the short path is
  // as long as the long one: well past 255 characters.
  std::wstring folder = std::wstring(temp) + L"jk" + std::to_wstring(GetTickCount() % 100000);
  std::vector<std::wstring> made{folder};
  CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < 32; ++i) {
    folder += L"\\abcdefg" + std::to_wstring(i % 10);
    CreateDirectoryW(folder.c_str(), nullptr);
    made.push_back(folder);
  }
  const std::wstring track = folder + L"\\Long Name Track.MP3";
  CloseHandle(CreateFileW(track.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  win32::Win32MediaControl media;
  const std::string shortPath = media.ShortPath(win32::WideToUtf8(track));
  EXPECT_GT(shortPath.size(), 300u);
  EXPECT_EQ(shortPath.find(' '), std::string::npos) << shortPath;
  EXPECT_EQ(shortPath.substr(0, 300), win32::WideToUtf8(folder).substr(0, 300));
  // The player joins folder and name with one more separator; any slashes
  // and doubled separators the user's path holds must not matter.
  std::wstring untidy = track;
  untidy.replace(untidy.find(L"\\abcdefg0"), 1, L"/");
  untidy.replace(untidy.find(L"\\abcdefg1"), 1, L"\\\\");
  EXPECT_EQ(media.ShortPath(win32::WideToUtf8(untidy)), shortPath);

  DeleteFileW(track.c_str());
  for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
}

// A scratch music folder of the test's own; each track a copy of the short
// tone the build puts beside this program.
class Win32MediaWorld {
 public:
  Win32MediaWorld() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"jukett media " + std::to_wstring(GetCurrentProcessId()) +
              L"-" + std::to_wstring(GetTickCount() % 100000);
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  ~Win32MediaWorld() {
    media_.SendCommand("close all");
    for (const auto& track : tracks_) DeleteFileW(track.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  MediaControl& Media() { return media_; }
  std::string AddTrack(std::string_view name) {
    const std::wstring track = folder_ + L"\\" + win32::Utf8ToWide(name);
    if (!CopyFileW(Tone().c_str(), track.c_str(), FALSE)) ADD_FAILURE() << "no tone to copy";
    tracks_.push_back(track);
    return win32::WideToUtf8(track);
  }
  std::string MissingTrack(std::string_view name) {
    return win32::WideToUtf8(folder_ + L"\\" + win32::Utf8ToWide(name));
  }

 private:
  static std::wstring Tone() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring tone = self;
    return tone.substr(0, tone.find_last_of(L'\\') + 1) + L"contract-tone.mp3";
  }

  std::wstring folder_;
  std::vector<std::wstring> tracks_;
  win32::Win32MediaControl media_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, MediaControlContract, Win32MediaWorld);

}  // namespace jukett
