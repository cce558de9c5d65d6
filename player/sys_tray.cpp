#include "player/sys_tray.h"

#include <cmath>
#include <cstring>

namespace jukett {
namespace {

constexpr std::uint32_t kIconId = 1;
constexpr std::uint32_t kMessageIconTip = 1 | 2 | 4;
constexpr std::uint32_t kPointerMoveMessage = 512;
constexpr int kLeftButtonUp = 514;
constexpr int kLeftButtonDoubleClick = 515;
constexpr int kRightButtonUp = 517;

}  // namespace

IconRecord MakeIconRecord(PlayerForm& form) {
  IconRecord record;
  record.cbSize = sizeof(IconRecord);
  record.hWnd = form.Handle();
  record.uID = kIconId;
  record.uFlags = kMessageIconTip;
  record.uCallbackMessage = kPointerMoveMessage;
  record.hIcon = form.IconHandle();
  // The tip, its terminator, and blanks to the end of the field.
  std::memset(record.szTip, ' ', sizeof record.szTip);
  std::memcpy(record.szTip, kTrayTip.data(), kTrayTip.size());
  record.szTip[kTrayTip.size()] = '\0';
  return record;
}

int TrayEventCode(float x, int scaleMode, float twipsPerPixelX) {
  const double pixels = scaleMode == kScalePixels ? x : static_cast<double>(x) / twipsPerPixelX;
  // Halves go to the even neighbour.
  return static_cast<int>(std::nearbyint(pixels));
}

bool RestoresWindow(int trayEventCode) {
  return trayEventCode == kLeftButtonUp || trayEventCode == kLeftButtonDoubleClick ||
         trayEventCode == kRightButtonUp;
}

void RestoreFromTray(PlayerForm& form, Tray& tray, const IconRecord& record) {
  form.SetState(WindowState::Normal);
  form.BringToForeground();
  form.Show();
  tray.Delete(record);
}

void DecodeTrayEvent(PlayerForm& form, Screen& screen, Tray& tray, const IconRecord& record,
                     const Pointer& pointer) {
  if (!pointer.trayIcon) return;
  const int code = TrayEventCode(pointer.x, form.ScaleMode(), screen.TwipsPerPixelX());
  if (RestoresWindow(code)) RestoreFromTray(form, tray, record);
}

}  // namespace jukett
