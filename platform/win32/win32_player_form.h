#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ports/player_form.h"
#include "platform/win32/file_list.h"
#include "platform/win32/gdi_fonts.h"
#include "player/form_layout.h"

namespace jukett::win32 {

// The real player window, built from the window's table: a borderless popup
// that paints its labels and lines itself and holds the two lists as child
// list boxes. Its events go to the handlers given to it.
//
// The program runs it as: Create(), then events.Load(), then Show(), then
// its message loop until the Unload handler ends the process.
class Win32PlayerForm : public PlayerForm {
 public:
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
  float TwipsPerPixel() const { return twipsPerPixel_; }
  // Draws the whole client area into `dc`, as a paint does.
  void Draw(HDC dc);

 private:
  struct LabelState {
    const ControlLayout* layout;
    std::wstring caption;
    Color foreColor;
  };

  static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnListMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

  HWND CreateList(const ControlLayout& layout, DWORD extraStyle);
  void OnPaint();
  void OnMouseMove(WPARAM wParam, LPARAM lParam);
  void OnButtonDown(int button, WPARAM wParam, LPARAM lParam);
  void OnButtonUp(int button, WPARAM wParam, LPARAM lParam);
  bool OnSetCursor();
  void OnCommand(WPARAM wParam, LPARAM lParam);

  Control HitTest(POINT point) const;
  POINT Origin(Control control) const;
  Pointer PointerAt(Control control, WPARAM wParam, LPARAM lParam) const;
  LabelState* FindLabel(Control control);
  Control ListControl(HWND list) const;
  void MoveFocus(HWND from, bool backwards);
  void FocusList(Control list);

  void FillDirList();
  void OpenDirEntry(int index);
  RECT WindowRect() const;
  void MoveTo(int x, int y);

  FormEvents& events_;
  HWND window_ = nullptr;
  HWND file1_ = nullptr;
  HWND dir1_ = nullptr;
  WNDPROC listBoxProc_ = nullptr;
  HBRUSH listBrush_ = nullptr;
  HICON icon_ = nullptr;
  HICON smallIcon_ = nullptr;
  UINT taskbarCreated_ = 0;
  float twipsPerPixel_ = 15;
  FontSet fonts_;

  std::vector<LabelState> labels_;
  // The sizes last set in twips and the pixels they came to: read back as
  // set while the window keeps those pixels, so a height compares equal to
  // the value written at any DPI.
  float widthTwips_ = kFormWidth, heightTwips_ = kShortHeight;
  int widthPixels_ = 0, heightPixels_ = 0;

  std::wstring dirPath_;
  std::vector<std::wstring> dirEntries_;
  // The folder just moved to, read once for both lists while they fill.
  std::optional<FolderListing> freshListing_;
  Control pressed_ = Control::Form;
  bool pressing_ = false;
  Control focused_ = Control::File1;
  bool unloading_ = false;
};

}  // namespace jukett::win32
