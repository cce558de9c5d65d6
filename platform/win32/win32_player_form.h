#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/dir_list.h"
#include "platform/win32/form_accessible.h"
#include "platform/win32/form_geometry.h"
#include "platform/win32/form_labels.h"
#include "platform/win32/form_pointer.h"
#include "platform/win32/gdi_fonts.h"
#include "platform/win32/list_box.h"
#include "player/form_layout.h"
#include "ports/player_form.h"

namespace jukett::win32 {

// The real player window, built from the window's table: a borderless popup
// that paints its labels and lines itself and holds the two lists as child
// list boxes. Its events go to the handlers given to it.
//
// The program runs it as: Create(), then events.Load(), then Show(), then
// its message loop until the Unload handler ends the process.
class Win32PlayerForm : public PlayerForm, private ListBoxOwner {
 public:
  // The window's class, by which a second start of the program finds it,
  // and the message by which that start asks it back.
  static constexpr wchar_t kClassName[] = L"jukettZRV.frmJUKETT";
  static constexpr wchar_t kStartedAgainMessage[] = L"jukettZRV.StartedAgain";

  explicit Win32PlayerForm(FormEvents& events);
  ~Win32PlayerForm() override;
  Win32PlayerForm(const Win32PlayerForm&) = delete;
  Win32PlayerForm& operator=(const Win32PlayerForm&) = delete;

  // Builds the window hidden, 2175 twips high, both lists in the process's
  // current folder. False if the window could not be made.
  bool Create();

  float Left() override;
  float Top() override;
  float Width() override;
  float Height() override;
  void SetLeft(float left) override;
  void SetTop(float top) override;
  void SetHeight(float height) override;

  WindowState State() override;
  void SetState(WindowState state) override;
  bool Visible() override;
  void Show() override;
  void Hide() override;
  void MakeTopmost() override;
  void BringToForeground() override;
  Window Handle() override;
  std::uintptr_t IconHandle() override;
  int ScaleMode() override { return kScaleTwips; }
  void Unload() override;

  std::string Caption(Control label) override;
  void SetCaption(Control label, std::string_view caption) override;
  void SetForeColor(Control label, Color color) override;

  void SetFileListPath(std::string_view path) override;
  int FileCount() override;
  int SelectedIndex() override;
  void SetSelectedIndex(int index) override;
  std::string SelectedFileName() override;

  std::string DirPath() override;
  void SetDirPath(std::string_view path) override;

  // The child window of a list, for tests and focus checks.
  HWND ListWindow(Control list) const;
  float TwipsPerPixel() const { return geometry_.TwipsPerPixel(); }
  // Draws the whole client area into `dc`, as a paint does.
  void Draw(HDC dc);

 private:
  static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND window);
  void Detach();

  bool OnCreate();
  void OnPaint();
  bool OnSetCursor(HWND window, UINT hitTest);
  void OnCommand(HWND control, UINT notification);
  HBRUSH OnCtlColorListBox(HDC dc, HWND list);
  void OnSetFocus();
  void OnClose();
  void OnHotKey(WPARAM id);
  bool OnAppCommand(LPARAM command);
  void OnEndSession(bool ending);
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
  void OnAccessibleAction(WPARAM control);

  void ListFocused(Control list) override;
  bool ListKeyDown(Control list, WPARAM key) override;
  void ListPointerMoved(Control list, const Pointer& pointer) override;

  void Repaint(Control label);
  ListBox* ListOf(HWND window);
  void MoveFocus(Control from, bool backwards);
  void FocusList(Control list);
  void OpenDirRow(int row);

  FormEvents& events_;
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  HICON smallIcon_ = nullptr;
  UINT taskbarCreated_ = 0;
  UINT startedAgain_ = 0;
  FormGeometry geometry_;
  FontSet fonts_;
  FormLabels labels_;
  FormAccessibility accessibility_{labels_};
  FormPointer pointer_;
  ListBox fileList_;
  ListBox dirBox_;
  DirList dirList_;
  Control focused_ = Control::File1;
  bool unloading_ = false;
};

}  // namespace jukett::win32
