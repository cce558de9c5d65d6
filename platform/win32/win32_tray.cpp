#include "platform/win32/win32_tray.h"

#include <windows.h>

#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace jukett::win32 {
namespace {

// The record is handed to the shell byte for byte, so it has to be the
// shell's first form exactly, on either architecture (its tip is 64 bytes;
// later forms widen it to 128 and add members after it).
static_assert(sizeof(IconRecord) == NOTIFYICONDATAA_V1_SIZE);
static_assert(kTrayIconMessage == WM_APP + 1);
static_assert(offsetof(IconRecord, cbSize) == offsetof(NOTIFYICONDATAA, cbSize));
static_assert(offsetof(IconRecord, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(IconRecord, uID) == offsetof(NOTIFYICONDATAA, uID));
static_assert(offsetof(IconRecord, uFlags) == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(offsetof(IconRecord, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(IconRecord, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(IconRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip));

// The full structure is larger than the first form; the shell reads only as
// far as the record's own size says, and the rest stays zero.
NOTIFYICONDATAA ShellRecord(const IconRecord& record) {
  NOTIFYICONDATAA data{};
  std::memcpy(&data, &record, sizeof record);
  data.uCallbackMessage = kTrayIconMessage;
  return data;
}

}  // namespace

bool Win32Tray::Add(const IconRecord& record) {
  const auto notify = notifyIcon_.Get();
  if (!notify) return false;
  NOTIFYICONDATAA data = ShellRecord(record);
  return notify(NIM_ADD, &data) != FALSE;
}

void Win32Tray::Delete(const IconRecord& record) {
  const auto notify = notifyIcon_.Get();
  if (!notify) return;
  NOTIFYICONDATAA data = ShellRecord(record);
  notify(NIM_DELETE, &data);
}

}  // namespace jukett::win32
