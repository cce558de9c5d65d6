// Run by the process tests from folders of their choosing: writes the
// program directory it sees, as UTF-8, into the file named on its command
// line, then ends through the process port, whose end gives exit status 0.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "platform/win32/win32_process.h"

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 2) return 1;
  const std::wstring outputPath = arguments[1];
  LocalFree(arguments);

  jukett::win32::Win32Process process;
  const std::string directory = process.ProgramDirectory();
  HANDLE file = CreateFileW(outputPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  WriteFile(file, directory.data(), static_cast<DWORD>(directory.size()), &written, nullptr);
  CloseHandle(file);
  process.End();
}
