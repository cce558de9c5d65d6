#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/gdi_fonts.h"
#include "player/form_layout.h"

namespace jukett::win32 {

// What a list tells the window it lives in.
class ListBoxOwner {
 public:
  virtual void ListFocused(Control list) = 0;
  // A key went down in the list; true when the window took it.
  virtual bool ListKeyDown(Control list, WPARAM key) = 0;
  virtual void ListPointerMoved(Control list, const Pointer& pointer) = 0;

 protected:
  ~ListBoxOwner() = default;
};

// One of the window's two lists: a child list box placed, coloured and
// lettered from the table, holding rows of text. Its focus, keys and pointer
// moves go to its owner; its double-click goes to the window as the list
// box's own notification.
class ListBox {
 public:
  ListBox(Control control, ListBoxOwner& owner) : control_(control), owner_(owner) {}
  ~ListBox();
  ListBox(const ListBox&) = delete;
  ListBox& operator=(const ListBox&) = delete;

  // Makes the list box inside `parent`, numbered `id` in its notifications.
  bool Create(HWND parent, int id, DWORD extraStyle, FontSet& fonts, float twipsPerPixel);

  HWND Window() const { return window_; }

  // Shows `rows` in place of what the list held, `selected` chosen (-1: none).
  void Fill(const std::vector<std::wstring>& rows, int selected = -1);
  int Count() const;
  int Selection() const;  // -1: nothing selected
  void Select(int index);
  std::wstring Text(int index) const;

  // Colours `dc` for the list box to paint with; the brush of its ground.
  HBRUSH Colour(HDC dc) const;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);

  const Control control_;
  ListBoxOwner& owner_;
  HWND window_ = nullptr;
  HBRUSH ground_ = nullptr;
  float twipsPerPixel_ = 15;
};

}  // namespace jukett::win32
