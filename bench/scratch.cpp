#include "scratch.h"

#include <windows.h>

#include <cwchar>
#include <filesystem>

namespace jukett::bench {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"jukett-bench-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

std::wstring ScratchFolder::Subfolder(const std::wstring& name) const {
  const std::wstring folder = path_ + name + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void MakeMp3Files(const std::wstring& folder, int count) {
  static const wchar_t* const kArtists[] = {L"Lazy Sunday", L"Blue Train", L"Zebra Crossing",
                                            L"Airmail", L"Quiet Harbour"};
  for (int i = 0; i < count; ++i) {
    wchar_t name[80];
    std::swprintf(name, 80, L"%ls - Track %05d.mp3", kArtists[i % 5], (i * 7919) % count);
    HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
}

std::wstring PlayerCopyIn(const std::wstring& folder, const std::wstring& musicFolder) {
  const std::wstring player = folder + L"jukettzrv.exe";
  CopyFileW((ProgramFolder() + L"jukettzrv.exe").c_str(), player.c_str(), FALSE);
  WritePrivateProfileStringW(L"juKett ZRV", L"path", musicFolder.c_str(),
                             (folder + L"jukettzrv.ini").c_str());
  return player;
}

}  // namespace jukett::bench
