// The profile files contract against the platform's profile functions on
// real files, in a folder whose name has blanks and letters outside the code
// page: the program may live anywhere.
#include <windows.h>

#include <sddl.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_profile_files.h"
#include "tests/contracts/profile_files_contract.h"
#include "tests/win32/known_wine_gap.h"

namespace jukett {
namespace {

class Win32ProfilesWorld {
 public:
  Win32ProfilesWorld() {
    folder_ = (std::filesystem::temp_directory_path() /
               (L"jukett profiles \u0416\u0443\u043a " + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(GetTickCount())))
                  .wstring();
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  ~Win32ProfilesWorld() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  ProfileFiles& Profiles() { return profiles_; }
  std::string File(std::string_view name) {
    return win32::WideToUtf8(folder_ + L"\\" + win32::Utf8ToWide(name) + L".ini");
  }
  void Store(const std::string& file, std::string_view bytes) {
    std::ofstream(std::filesystem::path(Wide(file)), std::ios::binary) << bytes;
  }
  std::optional<std::string> Load(const std::string& file) {
    std::ifstream in(std::filesystem::path(Wide(file)), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  void Hold(const std::string& file, bool sharing) {
    held_[file] = CreateFileW(Wide(file).c_str(), GENERIC_READ,
                              sharing ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  }
  // Under Wine, as these tests run it, a file's permissions deny nothing:
  // there these obstacles stay unstaged.
  bool DenyReading(const std::string& file) {
    Permit(Wide(file), L"D:P(D;;0x1;;;WD)(A;;FA;;;WD)");  // FILE_READ_DATA denied to all
    return Staged(file, !Load(file));
  }
  bool DenyWriting(const std::string& file) {
    Permit(Wide(file), L"D:P(D;;0x6;;;WD)(A;;FA;;;WD)");  // FILE_WRITE_DATA, FILE_APPEND_DATA
    Permit(folder_, L"D:P(D;;0x2;;;WD)(A;;FA;;;WD)");     // FILE_ADD_FILE
    return Staged(file, !std::ofstream(std::filesystem::path(Wide(file)), std::ios::app));
  }
  // Wine keeps no permissions on folders that could refuse new files: a
  // folder by the new file's name keeps it from being made.
  void RefuseNewFiles(const std::string& file) {
    CreateDirectoryW(Wide(file + ".new").c_str(), nullptr);
  }
  void Release(const std::string& file) {
    if (const auto held = held_.find(file); held != held_.end()) {
      CloseHandle(held->second);
      held_.erase(held);
    }
    Permit(folder_, L"D:(A;;FA;;;WD)");
    Permit(Wide(file), L"D:(A;;FA;;;WD)");
    RemoveDirectoryW(Wide(file + ".new").c_str());
  }

 private:
  bool Staged(const std::string& file, bool permissionsKeptTo) {
    EXPECT_WINE_GAP(permissionsKeptTo);
    if (!permissionsKeptTo) Release(file);
    return permissionsKeptTo;
  }
  static std::wstring Wide(const std::string& file) { return win32::Utf8ToWide(file); }
  static void Permit(const std::wstring& path, const wchar_t* rights) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (ConvertStringSecurityDescriptorToSecurityDescriptorW(rights, SDDL_REVISION_1, &descriptor,
                                                             nullptr)) {
      SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor);
      LocalFree(descriptor);
    }
  }

  std::wstring folder_;
  std::map<std::string, HANDLE> held_;
  win32::Win32ProfileFiles profiles_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProfileFilesContract, Win32ProfilesWorld);

}  // namespace jukett
