#pragma once

#include <windows.h>

#include "platform/win32/form_labels.h"

namespace jukett::win32 {

// A screen reader's default action comes back to the window on this message,
// wParam the button's Control, so that it runs from the message loop in turn
// with the user's clicks (WM_APP + 2; the tray icon reports on WM_APP + 1).
inline constexpr UINT kAccessibleActionMessage = WM_APP + 2;

class FormAccessibleObject;

// What a screen reader finds in the window: every label it paints, as a push
// button named for what it does or a static text that reads its caption, in
// reading order, and the two lists, which speak for themselves as the
// system's own list boxes. The object is made at a reader's first question
// and answers "disconnected" once the window or this is gone, so a reader
// that holds it longer reaches nothing that is no longer there.
class FormAccessibility {
 public:
  explicit FormAccessibility(const FormLabels& labels) : labels_(labels) {}
  ~FormAccessibility();
  FormAccessibility(const FormAccessibility&) = delete;
  FormAccessibility& operator=(const FormAccessibility&) = delete;

  // The answer to WM_GETOBJECT: the object for the client area, zero for any
  // other part of the window (the system answers for those) or when it could
  // not be given.
  LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam, HWND fileList, HWND dirList);

  // Puts the calling thread, the window's, in a single-threaded apartment,
  // where a reader's calls from other processes arrive in turn with the
  // window's messages. Called before anything else can put the thread in the
  // multithreaded apartment: Wine's MCI does at a track's first open, and a
  // reader's first question after that would find only the bare window.
  static void JoinApartment();

  // Tells a reader that a label's name changed with its caption.
  static void NameChanged(HWND window, Control label);

 private:
  void Disconnect();

  const FormLabels& labels_;
  FormAccessibleObject* object_ = nullptr;
};

}  // namespace jukett::win32
