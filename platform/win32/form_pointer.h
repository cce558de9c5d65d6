#pragma once

#include <windows.h>

#include "ports/player_form.h"

namespace jukett::win32 {

class FormLabels;

// The buttons as the handlers count them.
inline constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;

// The pointer of a mouse message: the buttons and shift keys held, and its
// place in twips from `origin`, a point of the window the message came to.
Pointer PointerOf(WPARAM wParam, LPARAM lParam, POINT origin, float twipsPerPixel);

// Sends the window's own mouse messages to the label under the pointer, or,
// while a button is held, to the control it was pressed on; a press and a
// left release on the same label is its click.
class FormPointer {
 public:
  FormPointer(FormEvents& events, const FormLabels& labels) : events_(events), labels_(labels) {}

  void Move(WPARAM wParam, LPARAM lParam);
  // A report of the tray icon: a pointer move of the window itself whose x,
  // in pixels, is the shell's lParam, wherever the window's labels lie.
  void TrayIconReport(WPARAM wParam, LPARAM lParam);
  void Press(HWND window, int button, WPARAM wParam, LPARAM lParam);
  void Release(int button, WPARAM wParam, LPARAM lParam);
  // The window lost the capture: the next press starts afresh.
  void CaptureLost() { pressing_ = false; }

 private:
  Control Target(LPARAM lParam) const;
  Pointer At(Control control, WPARAM wParam, LPARAM lParam) const;

  FormEvents& events_;
  const FormLabels& labels_;
  Control pressed_ = Control::Form;
  bool pressing_ = false;
};

}  // namespace jukett::win32
