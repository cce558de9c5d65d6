// The Windows media control adapter: short paths on real files, and the
// device's answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_media_control.h"
#include "playback/mp3_play.h"

namespace jukett {
namespace {

TEST(Win32MediaControl, ShortPathsAreWholeHoweverLongAndEmptyWhenMissing) {
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
  EXPECT_EQ(media.ShortPath(win32::WideToUtf8(folder + L"\\missing.mp3")), "");
  // The player joins folder and name with one more separator; any slashes
  // and doubled separators the user's path holds must not matter.
  std::wstring untidy = track;
  untidy.replace(untidy.find(L"\\abcdefg0"), 1, L"/");
  untidy.replace(untidy.find(L"\\abcdefg1"), 1, L"\\\\");
  EXPECT_EQ(media.ShortPath(win32::WideToUtf8(untidy)), shortPath);

  DeleteFileW(track.c_str());
  for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
}

// The player announces a pause, resume or stop only when the device carried
// it out; with no track open it refuses each (a track playing is a case for
// the real sound test, which has a sound device).
TEST(Win32MediaControl, PauseResumeAndStopAreRefusedWithNothingOpen) {
  win32::Win32MediaControl media;
  EXPECT_FALSE(PauseTrack(media));
  EXPECT_FALSE(ResumeTrack(media));
  EXPECT_FALSE(StopPlayback(media));
}

}  // namespace
}  // namespace jukett
