#include "tools/standin_host/chat_input.h"

#include <richedit.h>

#include <cstring>
#include <string>

#include "chathost/host_classes.h"
#include "tools/standin_host/superclass.h"
#include "tools/standin_host/transcript.h"

namespace jukett::standin {

namespace {

namespace classes = jukett::host_classes;

// RichEdit20A's own procedure, which each superclass forwards to.
WNDPROC richEditBaseProc = nullptr;    // for the chat input
WNDPROC transcriptBaseProc = nullptr;  // for the transcript

constexpr char kLogPathProperty[] = "jukett.standin.log_path";

// What is left of the delays DelayChatInputs asked for: each is spent once.
unsigned clearDelayMs = 0;
unsigned lineDelayMs = 0;

std::wstring* LogPathOf(HWND input) {
  return static_cast<std::wstring*>(GetPropA(input, kLogPathProperty));
}

// The input's text as the ANSI bytes another process would read back.
std::string InputText(HWND input) {
  const int length = GetWindowTextLengthA(input);
  if (length <= 0) return {};
  // The length may count characters; a double-byte code page needs up to
  // two bytes for each.
  std::string text(static_cast<std::size_t>(length) * 2 + 1, '\0');
  const int copied = GetWindowTextA(input, text.data(), static_cast<int>(text.size()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// One write per line, so a reader in another process never sees half a line;
// the file is closed at once so the line is there when the sender returns.
bool AppendLogLine(const std::wstring& path, const std::string& line) {
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const std::string bytes = line + '\n';
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

// The input is cleared before the log line is written, so whoever sees the
// line in the log also sees the room in its after-posting state.
void PostInput(HWND input) {
  const std::string line = InputText(input);
  if (line.empty()) return;
  HWND transcript = FindWindowExA(GetParent(input), nullptr, classes::kTranscript, nullptr);
  if (transcript) AppendTranscriptLine(transcript, line);
  SetWindowTextA(input, "");
  if (const std::wstring* path = LogPathOf(input)) AppendLogLine(*path, line);
}

bool SetsEmptyText(HWND input, LPARAM lparam) {
  if (lparam == 0) return true;
  return IsWindowUnicode(input) ? *reinterpret_cast<const wchar_t*>(lparam) == L'\0'
                                : *reinterpret_cast<const char*>(lparam) == '\0';
}

void StayBusy(unsigned& delayMs) {
  const unsigned ms = delayMs;
  delayMs = 0;
  if (ms > 0) Sleep(ms);
}

LRESULT CALLBACK ChatInputProc(HWND input, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETTEXT:
      StayBusy(SetsEmptyText(input, lparam) ? clearDelayMs : lineDelayMs);
      break;
    case WM_KEYDOWN:
      // Enter is acted on as the character TranslateMessage makes of it;
      // the key itself must not reach the rich edit, which could start a
      // new paragraph.
      if (wparam == VK_RETURN) return 0;
      break;
    case WM_CHAR:
      if (wparam == '\r') {
        PostInput(input);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      delete static_cast<std::wstring*>(RemovePropA(input, kLogPathProperty));
      break;
    default:
      break;
  }
  // A Unicode input gets its messages in UTF-16 and passes them on so.
  const auto forward = IsWindowUnicode(input) ? CallWindowProcW : CallWindowProcA;
  return forward(richEditBaseProc, input, message, wparam, lparam);
}

}  // namespace

bool RegisterRichEditClasses(HINSTANCE instance, bool unicodeInput) {
  // Never freed: the registered classes point into the library.
  HMODULE richEdit = LoadLibraryA("riched20.dll");
  if (!richEdit) return false;
  if (!RegisterSuperclass(instance, richEdit, RICHEDIT_CLASSA, classes::kTranscript,
                          ForwardToBase<&transcriptBaseProc>, transcriptBaseProc)) {
    return false;
  }
  if (unicodeInput) {
    const std::wstring name(classes::kChatInput, classes::kChatInput + strlen(classes::kChatInput));
    return RegisterSuperclassW(instance, richEdit, RICHEDIT_CLASSW, name.c_str(), ChatInputProc,
                               richEditBaseProc);
  }
  return RegisterSuperclass(instance, richEdit, RICHEDIT_CLASSA, classes::kChatInput, ChatInputProc,
                            richEditBaseProc);
}

void DelayChatInputs(unsigned clearMs, unsigned lineMs) {
  clearDelayMs = clearMs;
  lineDelayMs = lineMs;
}

bool AttachChatLog(HWND input, const std::wstring& path) {
  auto* owned = new std::wstring(path);
  std::wstring* previous = LogPathOf(input);
  if (!SetPropA(input, kLogPathProperty, owned)) {
    delete owned;
    return false;
  }
  delete previous;
  return true;
}

}  // namespace jukett::standin
