// The settings file beside the program, through the platform's profile
// functions, read back by a second process.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_profile_files.h"
#include "playback/settings.h"
#include "tests/win32/child_process.h"

namespace jukett {
namespace {

std::wstring TestFolder() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L'\\'));
}

// A copy of the settings probe in a folder of its own whose name has blanks
// and letters outside the ANSI code page: the program may live anywhere.
class SettingsFile : public ::testing::Test {
 protected:
  SettingsFile() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"jukett \u0416\u0443\u043a settings " +
             std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount());
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((TestFolder() + L"\\settings_probe.exe").c_str(), Probe().c_str(), FALSE);
    file = jukett::SettingsFile(win32::WideToUtf8(folder));
  }
  ~SettingsFile() override {
    for (const wchar_t* name :
         {L"\\settings_probe.exe", L"\\jukettzrv.ini", L"\\read-back.txt", L"\\to-write.txt"}) {
      DeleteFileW((folder + name).c_str());
    }
    RemoveDirectoryW(folder.c_str());
  }
  std::wstring Probe() const { return folder + L"\\settings_probe.exe"; }

  // Runs the probe as a process of its own and waits for it.
  bool RunProbe(const std::wstring& command) {
    return testing::RunToEnd(L"\"" + Probe() + L"\" " + command) == DWORD{0};
  }
  std::string ProbeRead() {
    if (!RunProbe(L"read")) return "<probe failed>";
    std::ostringstream value;
    value << std::ifstream(std::filesystem::path(folder + L"\\read-back.txt"), std::ios::binary)
                 .rdbuf();
    return value.str();
  }

  std::wstring folder;
  std::string file;
  win32::Win32ProfileFiles profiles;
};

TEST_F(SettingsFile, WrittenHereIsReadBackByAnotherProcess) {
  ASSERT_EQ(ProbeRead(), "");  // first run: nothing stored yet
  EXPECT_EQ(GetFileAttributesW((folder + L"\\jukettzrv.ini").c_str()), INVALID_FILE_ATTRIBUTES);

  WriteSetting(profiles, kSettingsSection, kSettingsPathKey, "D:\\My Music\\Caf\xC3\xA9", file);
  EXPECT_EQ(ProbeRead(), "D:\\My Music\\Caf\xC3\xA9");

  WriteSetting(profiles, kSettingsSection, kSettingsPathKey, "C:\\", file);
  EXPECT_EQ(ProbeRead(), "C:\\");
}

TEST_F(SettingsFile, LongFoldersComeBackWholeBothWays) {
  const std::string longFolder = "C:\\" + std::string(150, 'a') + "\\" + std::string(150, 'b');
  WriteSetting(profiles, kSettingsSection, kSettingsPathKey, longFolder, file);
  EXPECT_EQ(ProbeRead(), longFolder);

  const std::string other = longFolder + "\\" + std::string(200, 'c');
  std::ofstream(std::filesystem::path(folder + L"\\to-write.txt"), std::ios::binary) << other;
  ASSERT_TRUE(RunProbe(L"write"));
  EXPECT_EQ(ReadSetting(profiles, kSettingsSection, kSettingsPathKey, file), other);
}

}  // namespace
}  // namespace jukett
