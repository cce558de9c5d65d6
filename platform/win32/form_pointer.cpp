#include "platform/win32/form_pointer.h"

#include <windowsx.h>

#include "platform/win32/form_labels.h"

namespace jukett::win32 {
namespace {

int HeldButtons(WPARAM wParam) {
  return ((wParam & MK_LBUTTON) ? kLeftButton : 0) | ((wParam & MK_RBUTTON) ? kRightButton : 0) |
         ((wParam & MK_MBUTTON) ? kMiddleButton : 0);
}

int ShiftKeys(WPARAM wParam) {
  return ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

Pointer PointerOf(WPARAM wParam, LPARAM lParam, POINT origin, float twipsPerPixel) {
  const POINT point = PointOf(lParam);
  Pointer pointer;
  pointer.buttons = HeldButtons(wParam);
  pointer.shift = ShiftKeys(wParam);
  pointer.x = static_cast<float>(point.x - origin.x) * twipsPerPixel;
  pointer.y = static_cast<float>(point.y - origin.y) * twipsPerPixel;
  return pointer;
}

Control FormPointer::Target(LPARAM lParam) const {
  return pressing_ ? pressed_ : labels_.At(PointOf(lParam));
}

Pointer FormPointer::At(Control control, WPARAM wParam, LPARAM lParam) const {
  return PointerOf(wParam, lParam, labels_.Origin(control), labels_.TwipsPerPixel());
}

void FormPointer::Move(WPARAM wParam, LPARAM lParam) {
  const Control target = Target(lParam);
  events_.MouseMove(target, At(target, wParam, lParam));
}

void FormPointer::TrayIconReport(WPARAM wParam, LPARAM lParam) {
  Pointer pointer = At(Control::Form, wParam, lParam);
  pointer.trayIcon = true;
  events_.MouseMove(Control::Form, pointer);
}

void FormPointer::Press(HWND window, int button, WPARAM wParam, LPARAM lParam) {
  const Control target = Target(lParam);
  if (!pressing_) {
    // Everything until the last button is let go belongs to the control pressed.
    pressed_ = target;
    pressing_ = true;
    SetCapture(window);
  }
  Pointer pointer = At(target, wParam, lParam);
  pointer.buttons = button;
  events_.MouseDown(target, pointer);
}

void FormPointer::Release(int button, WPARAM wParam, LPARAM lParam) {
  if (!pressing_) return;
  const Control pressed = pressed_;
  const bool clicked =
      button == kLeftButton && pressed != Control::Form && labels_.At(PointOf(lParam)) == pressed;
  if (HeldButtons(wParam) == 0) {
    pressing_ = false;
    ReleaseCapture();
  }
  if (clicked) events_.Click(pressed);
}

}  // namespace jukett::win32
