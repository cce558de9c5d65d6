// A second program that reads or writes the settings file beside itself, the
// way the player does at start-up and shutdown:
//   settings_probe read    stores the value read in "read-back.txt"
//   settings_probe write   writes the value found in "to-write.txt"
// Both files sit beside the probe and hold UTF-8.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_profile_files.h"
#include "playback/settings.h"

namespace {

std::wstring OwnFolder() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L'\\'));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const std::wstring folder = OwnFolder();
  const std::string file = jukett::SettingsFile(jukett::win32::WideToUtf8(folder));
  jukett::win32::Win32ProfileFiles profiles;
  const std::wstring command = argv[1];
  if (command == L"read") {
    std::ofstream(std::filesystem::path(folder + L"\\read-back.txt"), std::ios::binary)
        << jukett::ReadSetting(profiles, jukett::kSettingsSection, jukett::kSettingsPathKey, file);
    return 0;
  }
  if (command == L"write") {
    std::ostringstream value;
    value << std::ifstream(std::filesystem::path(folder + L"\\to-write.txt"), std::ios::binary)
                 .rdbuf();
    jukett::WriteSetting(profiles, jukett::kSettingsSection, jukett::kSettingsPathKey, value.str(),
                         file);
    return 0;
  }
  return 2;
}
