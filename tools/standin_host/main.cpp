// The stand-in chat host: builds the chat client's window tree from its
// command line and runs until closed (or --quit-after). Exit codes: 0 after
// a normal end, 1 when the tree or the ready file cannot be made, 2 for a
// command line it does not understand.

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/standin_host/standin_host.h"
#include "tools/standin_host/standin_options.h"

namespace {

using jukett::standin::ParseStandinOptions;
using jukett::standin::StandinHost;
using jukett::standin::StandinOptions;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// The arguments after the program name, as Unicode.
std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!argv) return {};
  std::vector<std::wstring> args(argv + (count > 0 ? 1 : 0), argv + count);
  LocalFree(argv);
  return args;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return CloseHandle(file) && ok && written == bytes.size();
}

// Written beside the target and renamed over it, so a test polling for the
// file never reads it empty. Falls back to writing in place when the
// rename is refused (the old file held open by the test, say).
bool WriteReadyFile(const std::wstring& path) {
  const std::string content = "ready\n";
  const std::wstring temporary = path + L".tmp";
  if (WriteWholeFile(temporary, content) &&
      MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    return true;
  }
  DeleteFileW(temporary.c_str());
  return WriteWholeFile(path, content);
}

// A thread timer: it needs no window, and the loop picks it out itself.
UINT_PTR StartQuitTimer(const std::optional<unsigned>& quitAfterMs) {
  if (!quitAfterMs) return 0;
  const UINT delay = *quitAfterMs < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : *quitAfterMs;
  return SetTimer(nullptr, 0, delay, nullptr);
}

bool IsQuitTimer(const MSG& message, UINT_PTR quitTimer) {
  return quitTimer != 0 && message.message == WM_TIMER && message.hwnd == nullptr &&
         message.wParam == quitTimer;
}

// Runs until the frame is gone (closed by the user, by File > Exit or by a
// test sending WM_CLOSE), WM_QUIT arrives or the quit timer fires.
int RunMessageLoop(HWND frame, HWND mdiClient, UINT_PTR quitTimer) {
  MSG message{};
  while (IsWindow(frame)) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return kExitFailed;
    if (IsQuitTimer(message, quitTimer)) return kExitOk;
    if (TranslateMDISysAccel(mdiClient, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return kExitOk;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::optional<StandinOptions> options = ParseStandinOptions(CommandLineArguments());
  if (!options) return kExitUsage;
  StandinHost host(*options);
  if (!host.Create(instance)) return kExitFailed;
  const UINT_PTR quitTimer = StartQuitTimer(options->quitAfterMs);
  if (!options->readyPath.empty() && !WriteReadyFile(options->readyPath)) {
    return kExitFailed;
  }
  // Stands for a client busy in some long operation: messages sent to it
  // from now on wait until the sleep ends.
  if (options->hangMs > 0) Sleep(options->hangMs);
  return RunMessageLoop(host.Frame(), host.MdiClient(), quitTimer);
}
