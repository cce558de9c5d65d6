// The program's own process: where it lives, and ending it.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_process.h"
#include "tests/win32/standin_process.h"
#include "tests/win32/wine_tray.h"

namespace jukett::testing {
namespace {

using win32::ExecutablePath;
using win32::FolderOf;

TEST(ProgramDirectory, IsTheFolderTheTestProgramLivesIn) {
  // The build put this program there; Wine names that folder in its own way.
  std::wstring folder = WindowsPathOf(JUKETT_TEST_PROGRAM_FOLDER);
  if (!UnderWine()) {
    const std::string built = JUKETT_TEST_PROGRAM_FOLDER;
    folder.assign(built.begin(), built.end());
    for (wchar_t& c : folder) c = c == L'/' ? L'\\' : c;
  }
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(win32::Win32Process().ProgramDirectory(), win32::WideToUtf8(folder));
}

TEST(ProgramDirectory, ExecutablePathIsWholeWhateverTheFirstBuffer) {
  const std::wstring whole = ExecutablePath();
  ASSERT_GT(whole.size(), 4u);
  EXPECT_EQ(whole.substr(whole.size() - 4), L".exe");
  // Too small, exactly one short of the terminating zero, and just enough.
  for (unsigned long capacity : {0ul, 1ul, 7ul, static_cast<unsigned long>(whole.size()),
                                 static_cast<unsigned long>(whole.size() + 1)}) {
    EXPECT_EQ(ExecutablePath(capacity), whole) << capacity;
  }
}

TEST(ProgramDirectory, FolderOfCutsAtTheLastSeparatorAndKeepsADriveRoot) {
  EXPECT_EQ(FolderOf(L"C:\\Program Files\\juKett\\jukettzrv.exe"), L"C:\\Program Files\\juKett");
  EXPECT_EQ(FolderOf(L"C:\\jukettzrv.exe"), L"C:\\");
  EXPECT_EQ(FolderOf(L"\\\\server\\share\\jukettzrv.exe"), L"\\\\server\\share");
  EXPECT_EQ(FolderOf(L"jukettzrv.exe"), L"");
}

// Copies the probe into `folder` (made here), runs it there and gives what it
// wrote; the exit status goes to `status`.
std::string ProbeFrom(const std::wstring& folder, DWORD& status) {
  status = 0xFFFFFFFF;
  const std::wstring probe = folder + L"\\probe.exe";
  const std::wstring output = NewScratchFolder() + L"directory.txt";
  if (!CopyFileW((ProgramFolder() + L"program_directory_probe.exe").c_str(), probe.c_str(),
                 FALSE)) {
    return "(copy failed)";
  }
  std::wstring commandLine = L"\"" + probe + L"\" \"" + output + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return "(start failed " + std::to_string(GetLastError()) + ")";
  }
  WaitForSingleObject(process.hProcess, 30000);
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  HANDLE file = CreateFileW(output.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "(no output)";
  char buffer[4096];
  DWORD read = 0;
  ReadFile(file, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(file);
  return std::string(buffer, read);
}

TEST(ProgramDirectory, NamesAnyFolderWholeAndEndEndsAtOnce) {
  // Letters outside the ANSI code page, in a path near the longest Windows
  // starts a program from.
  std::wstring folder =
      NewScratchFolder() + L"M\u00fcsik \u266b \u30c7\u30a3\u30ec\u30af\u30c8\u30ea";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  while (folder.size() < 200) {
    folder += L"\\a folder with a long name";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << folder.size();
  }

  DWORD status = 0;
  EXPECT_EQ(ProbeFrom(folder, status), win32::WideToUtf8(folder));
  EXPECT_EQ(status, 0u);
}

}  // namespace
}  // namespace jukett::testing
