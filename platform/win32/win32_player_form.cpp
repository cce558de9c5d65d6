#include "platform/win32/win32_player_form.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/ansi_text.h"
#include "platform/win32/file_list.h"
#include "platform/win32/form_labels.h"
#include "platform/win32/twips.h"
#include "player/folder_paths.h"
#include "player/pixel_grid.h"

namespace jukett::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"jukettZRV.frmJUKETT";
constexpr int kFileListId = 101;
constexpr int kDirListId = 102;
constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;

bool SameFolder(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

int HeldButtons(WPARAM wParam) {
  return ((wParam & MK_LBUTTON) ? kLeftButton : 0) | ((wParam & MK_RBUTTON) ? kRightButton : 0) |
         ((wParam & MK_MBUTTON) ? kMiddleButton : 0);
}

int ShiftKeys(WPARAM wParam) {
  return ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

std::wstring ListText(HWND list, int index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

void RegisterFormClass(HINSTANCE instance, HICON icon, HICON smallIcon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;  // each window installs its own at creation
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.lpszClassName = kFormClass;
  RegisterClassExW(&windowClass);  // already there for a second window: fine
}

}  // namespace

Win32PlayerForm::Win32PlayerForm(FormEvents& events)
    : events_(events), twipsPerPixel_(win32::TwipsPerPixel(ScreenDpi())), fonts_(ScreenDpi()) {
  for (const ControlLayout& layout : FormControls()) {
    if (layout.kind == ControlKind::Label) {
      labels_.push_back({&layout, Utf8ToWide(layout.caption), layout.foreColor});
    }
  }
}

Win32PlayerForm::~Win32PlayerForm() {
  if (window_) {
    // Gone without an Unload event: only the program's end raises that.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (listBrush_) DeleteObject(listBrush_);
}

bool Win32PlayerForm::Create() {
  if (window_) return true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // The program's own icon (resource 1) where it has one.
  icon_ = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!icon_) icon_ = LoadIconA(nullptr, IDI_APPLICATION);
  if (!smallIcon_) smallIcon_ = icon_;
  RegisterFormClass(instance, icon_, smallIcon_);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");

  widthPixels_ = TwipsToPixels(widthTwips_, twipsPerPixel_);
  heightPixels_ = TwipsToPixels(heightTwips_, twipsPerPixel_);
  const std::wstring title = Utf8ToWide(kFormTitle);
  // No caption and no frame; the minimise box only lets the shell minimise it.
  window_ = CreateWindowExW(0, kFormClass, title.c_str(),
                            WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                            widthPixels_, heightPixels_, nullptr, nullptr, instance, nullptr);
  if (!window_) return false;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormProc));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

  const ControlLayout& file = LayoutOf(Control::File1);
  listBrush_ = CreateSolidBrush(ResolveColor(file.backColor));
  // Created in tab order, so the window's own child order agrees with it.
  // The names come sorted: a sorted list box would compare each one it is
  // given with its neighbours, slowly, in a folder of thousands.
  file1_ = CreateList(file, 0);
  dir1_ = CreateList(LayoutOf(Control::Dir1), 0);
  if (!file1_ || !dir1_) return false;

  // Both lists start in the process's current folder.
  dirPath_ = ExistingFolder(L".");
  FillDirList();
  SetFileListPath(WideToUtf8(dirPath_));
  return true;
}

HWND Win32PlayerForm::CreateList(const ControlLayout& layout, DWORD extraStyle) {
  // The form draws the list's frame in solid black around it: a list box's
  // own border takes the system's frame colour.
  RECT place = PixelRect(layout, twipsPerPixel_);
  if (layout.border) InflateRect(&place, -1, -1);
  const int id = layout.control == Control::File1 ? kFileListId : kDirListId;
  HWND list = CreateWindowExW(
      0, L"LISTBOX", L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
          LBS_HASSTRINGS | extraStyle,
      place.left, place.top, place.right - place.left, place.bottom - place.top, window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!list) return nullptr;
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(layout.font)), FALSE);
  SetWindowLongPtrW(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listBoxProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListProc)));
  return list;
}

// ---- Window geometry ----

RECT Win32PlayerForm::WindowRect() const {
  RECT rect{};
  if (!window_) return rect;
  if (IsIconic(window_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_, &placement);
    return placement.rcNormalPosition;
  }
  GetWindowRect(window_, &rect);
  return rect;
}

float Win32PlayerForm::Left() { return static_cast<float>(WindowRect().left) * twipsPerPixel_; }
float Win32PlayerForm::Top() { return static_cast<float>(WindowRect().top) * twipsPerPixel_; }

float Win32PlayerForm::Width() {
  const RECT rect = WindowRect();
  const int pixels = rect.right - rect.left;
  return pixels == widthPixels_ ? widthTwips_ : static_cast<float>(pixels) * twipsPerPixel_;
}

float Win32PlayerForm::Height() {
  const RECT rect = WindowRect();
  const int pixels = rect.bottom - rect.top;
  return pixels == heightPixels_ ? heightTwips_ : static_cast<float>(pixels) * twipsPerPixel_;
}

void Win32PlayerForm::SetLeft(float left) {
  const RECT rect = WindowRect();
  const int x = PixelForTwips(left, twipsPerPixel_, rect.left);
  if (x != rect.left) MoveTo(x, rect.top);
}

void Win32PlayerForm::SetTop(float top) {
  const RECT rect = WindowRect();
  const int y = PixelForTwips(top, twipsPerPixel_, rect.top);
  if (y != rect.top) MoveTo(rect.left, y);
}

// A minimised window moves where it will be restored to: that is where its
// position is read from, so a slide running meanwhile still comes to an end.
void Win32PlayerForm::MoveTo(int x, int y) {
  if (!window_) return;
  if (!IsIconic(window_)) {
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window_, &placement);
  OffsetRect(&placement.rcNormalPosition, x - placement.rcNormalPosition.left,
             y - placement.rcNormalPosition.top);
  SetWindowPlacement(window_, &placement);
}

void Win32PlayerForm::SetHeight(float height) {
  if (!window_) return;
  const RECT rect = WindowRect();
  // The nearest pixel: a size has no slide that must move at every step, and
  // writing the height it already has must leave it alone.
  const int pixels = std::max(0, TwipsToPixels(height, twipsPerPixel_));
  heightTwips_ = height;
  heightPixels_ = pixels;
  SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, pixels,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}

// ---- Window state ----

WindowState Win32PlayerForm::State() {
  return window_ && IsIconic(window_) ? WindowState::Minimized : WindowState::Normal;
}

void Win32PlayerForm::SetState(WindowState state) {
  if (!window_) return;
  if (state == WindowState::Minimized) {
    if (!IsIconic(window_)) ShowWindow(window_, SW_MINIMIZE);
  } else if (IsIconic(window_)) {
    ShowWindow(window_, SW_RESTORE);
  }
}

bool Win32PlayerForm::Visible() { return window_ && IsWindowVisible(window_); }

void Win32PlayerForm::Show() {
  if (!window_) return;
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  FocusList(focused_);
}

void Win32PlayerForm::Hide() {
  if (window_) ShowWindow(window_, SW_HIDE);
}

void Win32PlayerForm::MakeTopmost() {
  if (window_) SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32PlayerForm::BringToForeground() {
  if (window_) SetForegroundWindow(window_);
}

Window Win32PlayerForm::Handle() { return reinterpret_cast<Window>(window_); }

std::uintptr_t Win32PlayerForm::IconHandle() { return reinterpret_cast<std::uintptr_t>(icon_); }

void Win32PlayerForm::Unload() {
  if (unloading_) return;
  unloading_ = true;
  events_.Unload();
  // Only reached when the handler let the program live on.
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    HWND window = window_;
    window_ = file1_ = dir1_ = nullptr;
    DestroyWindow(window);
  }
}

// ---- Labels ----

Win32PlayerForm::LabelState* Win32PlayerForm::FindLabel(Control control) {
  for (LabelState& label : labels_) {
    if (label.layout->control == control) return &label;
  }
  return nullptr;
}

std::string Win32PlayerForm::Caption(Control label) {
  if (label == Control::Form) return std::string(kFormTitle);
  const LabelState* state = FindLabel(label);
  return state ? WideToUtf8(state->caption) : std::string();
}

void Win32PlayerForm::SetCaption(Control label, std::string_view caption) {
  LabelState* state = FindLabel(label);
  if (!state) return;
  std::wstring wide = Utf8ToWide(caption);
  // Repainting only on a real change: the Paint handler writes captions too.
  if (wide == state->caption) return;
  state->caption = std::move(wide);
  const RECT place = PixelRect(*state->layout, twipsPerPixel_);
  if (window_) InvalidateRect(window_, &place, FALSE);
}

void Win32PlayerForm::SetForeColor(Control label, Color color) {
  LabelState* state = FindLabel(label);
  if (!state || state->foreColor == color) return;
  state->foreColor = color;
  const RECT place = PixelRect(*state->layout, twipsPerPixel_);
  if (window_) InvalidateRect(window_, &place, FALSE);
}

// ---- File1 ----

void Win32PlayerForm::SetFileListPath(std::string_view path) {
  if (!file1_) return;
  const std::wstring folder = Utf8ToWide(path);
  // The directory list has just read this folder when it moved there.
  const std::vector<std::wstring> names = freshListing_ && SameFolder(folder, dirPath_)
                                              ? std::move(freshListing_->mp3Files)
                                              : Mp3FilesIn(folder);
  freshListing_.reset();
  std::size_t characters = 0;
  for (const std::wstring& name : names) characters += name.size() + 1;
  SendMessageW(file1_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(file1_, LB_RESETCONTENT, 0, 0);
  SendMessageW(file1_, LB_INITSTORAGE, names.size(), characters * sizeof(wchar_t));
  for (const std::wstring& name : names) {
    SendMessageW(file1_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SendMessageW(file1_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(file1_, nullptr, TRUE);
}

int Win32PlayerForm::FileCount() {
  if (!file1_) return 0;
  const LRESULT count = SendMessageW(file1_, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

int Win32PlayerForm::SelectedIndex() {
  if (!file1_) return -1;
  const LRESULT index = SendMessageW(file1_, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

void Win32PlayerForm::SetSelectedIndex(int index) {
  // A list box tells its parent nothing of a selection set by the program,
  // so this never reaches the double-click action.
  if (!file1_ || index < -1 || index >= FileCount()) return;
  SendMessageW(file1_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string Win32PlayerForm::SelectedFileName() {
  const int index = SelectedIndex();
  return index < 0 ? std::string() : WideToUtf8(ListText(file1_, index));
}

// ---- Dir1 ----

std::string Win32PlayerForm::DirPath() { return WideToUtf8(dirPath_); }

void Win32PlayerForm::SetDirPath(std::string_view path) {
  // A folder that is not there leaves the list where it is: the lists must
  // always show a folder that exists.
  const std::wstring folder = ExistingFolder(Utf8ToWide(path));
  if (folder.empty() || SameFolder(folder, dirPath_)) return;
  dirPath_ = folder;
  // One pass over the folder for both lists: its change event moves the
  // track list here at once.
  freshListing_ = ListFolder(dirPath_);
  FillDirList();
  events_.Change(Control::Dir1);
  freshListing_.reset();
}

void Win32PlayerForm::FillDirList() {
  if (!dir1_) return;
  const std::vector<std::string> chain = FolderChain(WideToUtf8(dirPath_));
  dirEntries_.clear();
  std::vector<std::wstring> shown;
  for (std::size_t level = 0; level < chain.size(); ++level) {
    dirEntries_.push_back(Utf8ToWide(chain[level]));
    shown.push_back(std::wstring(level * 2, L' ') + Utf8ToWide(FolderName(chain[level])));
  }
  const std::wstring inside = dirPath_.ends_with(L'\\') ? dirPath_ : dirPath_ + L'\\';
  const std::vector<std::wstring> subfolders =
      freshListing_ ? freshListing_->subfolders : SubfoldersOf(dirPath_);
  for (const std::wstring& name : subfolders) {
    dirEntries_.push_back(inside + name);
    shown.push_back(std::wstring(chain.size() * 2, L' ') + name);
  }
  SendMessageW(dir1_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(dir1_, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& text : shown) {
    SendMessageW(dir1_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  if (!chain.empty()) SendMessageW(dir1_, LB_SETCURSEL, chain.size() - 1, 0);
  SendMessageW(dir1_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(dir1_, nullptr, TRUE);
}

void Win32PlayerForm::OpenDirEntry(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= dirEntries_.size()) return;
  const std::wstring target = dirEntries_[static_cast<std::size_t>(index)];
  const std::wstring before = dirPath_;
  SetDirPath(WideToUtf8(target));
  // A folder that went away since it was listed: show what is there now.
  if (dirPath_ == before) FillDirList();
}

HWND Win32PlayerForm::ListWindow(Control list) const {
  return list == Control::File1 ? file1_ : list == Control::Dir1 ? dir1_ : nullptr;
}

Control Win32PlayerForm::ListControl(HWND list) const {
  return list == dir1_ ? Control::Dir1 : Control::File1;
}

// ---- Focus ----

void Win32PlayerForm::FocusList(Control list) {
  HWND target = ListWindow(list);
  if (target && window_ && IsWindowVisible(window_)) SetFocus(target);
}

void Win32PlayerForm::MoveFocus(HWND from, bool backwards) {
  std::vector<const ControlLayout*> order;
  for (const ControlLayout& layout : FormControls()) {
    if (TakesFocus(layout)) order.push_back(&layout);
  }
  if (order.empty()) return;
  std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  const Control current = ListControl(from);
  const auto at = std::find_if(order.begin(), order.end(),
                               [current](auto* layout) { return layout->control == current; });
  const std::size_t count = order.size();
  const std::size_t here = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin());
  const std::size_t next = backwards ? (here + count - 1) % count : (here + 1) % count;
  // Into the directory list even while the short window hides it.
  FocusList(order[next]->control);
}

// ---- Drawing ----

void Win32PlayerForm::Draw(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  HBRUSH ground = CreateSolidBrush(ResolveColor(kFormBackColor));
  FillRect(dc, &client, ground);
  DeleteObject(ground);
  for (const LabelState& label : labels_) {
    PaintLabel(dc, *label.layout, PixelRect(*label.layout, twipsPerPixel_), label.caption,
               label.foreColor, fonts_.Get(label.layout->font));
  }
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (const ControlLayout& layout : FormControls()) {
    if (layout.kind == ControlKind::Label || !layout.border) continue;
    const RECT frame = PixelRect(layout, twipsPerPixel_);
    FrameRect(dc, &frame, black);
  }
  for (const LineLayout& line : FormLines()) PaintLine(dc, line, twipsPerPixel_);
}

void Win32PlayerForm::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  // Drawn off screen first, so labels over their ground never flicker.
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap =
      CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  HGDIOBJ old = SelectObject(buffer, bitmap);
  Draw(buffer);
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window_, &paint);
  events_.Paint();
}

// ---- Pointer ----

Control Win32PlayerForm::HitTest(POINT point) const {
  // The last label drawn lies on top.
  for (auto label = labels_.rbegin(); label != labels_.rend(); ++label) {
    const RECT place = PixelRect(*label->layout, twipsPerPixel_);
    if (PtInRect(&place, point)) return label->layout->control;
  }
  return Control::Form;
}

POINT Win32PlayerForm::Origin(Control control) const {
  if (control == Control::Form) return POINT{0, 0};
  const RECT place = PixelRect(LayoutOf(control), twipsPerPixel_);
  return POINT{place.left, place.top};
}

Pointer Win32PlayerForm::PointerAt(Control control, WPARAM wParam, LPARAM lParam) const {
  const POINT origin = Origin(control);
  Pointer pointer;
  pointer.buttons = HeldButtons(wParam);
  pointer.shift = ShiftKeys(wParam);
  pointer.x = static_cast<float>(GET_X_LPARAM(lParam) - origin.x) * twipsPerPixel_;
  pointer.y = static_cast<float>(GET_Y_LPARAM(lParam) - origin.y) * twipsPerPixel_;
  return pointer;
}

void Win32PlayerForm::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  // The tray icon's messages arrive here too, as a move whose x is the mouse
  // message number: they go to the form, x in twips like any other move.
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const Control target = pressing_ ? pressed_ : HitTest(point);
  events_.MouseMove(target, PointerAt(target, wParam, lParam));
}

void Win32PlayerForm::OnButtonDown(int button, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const Control target = pressing_ ? pressed_ : HitTest(point);
  if (!pressing_) {
    // Everything until the last button is let go belongs to the control pressed.
    pressed_ = target;
    pressing_ = true;
    SetCapture(window_);
  }
  Pointer pointer = PointerAt(target, wParam, lParam);
  pointer.buttons = button;
  events_.MouseDown(target, pointer);
}

void Win32PlayerForm::OnButtonUp(int button, WPARAM wParam, LPARAM lParam) {
  if (!pressing_) return;
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const Control pressed = pressed_;
  const bool clicked =
      button == kLeftButton && pressed != Control::Form && HitTest(point) == pressed;
  if (HeldButtons(wParam) == 0) {
    pressing_ = false;
    ReleaseCapture();
  }
  if (clicked) events_.Click(pressed);
}

bool Win32PlayerForm::OnSetCursor() {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(window_, &point);
  const bool handle = HitTest(point) == Control::Label1;
  SetCursor(LoadCursorA(nullptr, handle ? IDC_SIZEALL : IDC_ARROW));
  return true;
}

void Win32PlayerForm::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != LBN_DBLCLK) return;
  HWND list = reinterpret_cast<HWND>(lParam);
  if (list == file1_) {
    events_.DblClick(Control::File1);
  } else if (list == dir1_) {
    OpenDirEntry(static_cast<int>(SendMessageW(dir1_, LB_GETCURSEL, 0, 0)));
  }
}

// ---- Messages ----

LRESULT CALLBACK Win32PlayerForm::FormProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* form = reinterpret_cast<Win32PlayerForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form || form->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
  return form->OnMessage(message, wParam, lParam);
}

LRESULT Win32PlayerForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    events_.TaskbarCreated();
    return 0;
  }
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:
      Draw(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      OnButtonDown(kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      OnButtonDown(kRightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
      OnButtonDown(kMiddleButton, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(kRightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(kMiddleButton, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      pressing_ = false;
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT &&
          OnSetCursor()) {
        return TRUE;
      }
      break;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_CTLCOLORLISTBOX: {
      const ControlLayout& layout = LayoutOf(ListControl(reinterpret_cast<HWND>(lParam)));
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ResolveColor(layout.foreColor));
      SetBkColor(dc, ResolveColor(layout.backColor));
      return reinterpret_cast<LRESULT>(listBrush_);
    }
    case WM_SETFOCUS:
      FocusList(focused_);
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) Unload();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Win32PlayerForm::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<Win32PlayerForm*>(GetWindowLongPtrW(list, GWLP_USERDATA));
  if (!form) return DefWindowProcW(list, message, wParam, lParam);
  return form->OnListMessage(list, message, wParam, lParam);
}

LRESULT Win32PlayerForm::OnListMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  const Control control = ListControl(list);
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_TAB) {
        MoveFocus(list, GetKeyState(VK_SHIFT) < 0);
        return 0;
      }
      if (wParam == VK_RETURN && list == dir1_) {
        OpenDirEntry(static_cast<int>(SendMessageW(dir1_, LB_GETCURSEL, 0, 0)));
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\t' || wParam == L'\r') return 0;
      break;
    case WM_SETFOCUS:
      focused_ = control;
      break;
    case WM_MOUSEMOVE: {
      const LRESULT result = CallWindowProcW(listBoxProc_, list, message, wParam, lParam);
      Pointer pointer;
      pointer.buttons = HeldButtons(wParam);
      pointer.shift = ShiftKeys(wParam);
      pointer.x = static_cast<float>(GET_X_LPARAM(lParam)) * twipsPerPixel_;
      pointer.y = static_cast<float>(GET_Y_LPARAM(lParam)) * twipsPerPixel_;
      events_.MouseMove(control, pointer);
      return result;
    }
    default:
      break;
  }
  return CallWindowProcW(listBoxProc_, list, message, wParam, lParam);
}

}  // namespace jukett::win32
