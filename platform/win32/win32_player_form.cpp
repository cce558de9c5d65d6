#include "platform/win32/win32_player_form.h"

#include "platform/win32/ansi_text.h"
#include "platform/win32/file_list.h"
#include "platform/win32/media_keys.h"
#include "platform/win32/twips.h"

namespace jukett::win32 {
namespace {

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure, HICON icon, HICON smallIcon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.lpszClassName = Win32PlayerForm::kClassName;
  RegisterClassExW(&windowClass);  // already there for a second window: fine
}

}  // namespace

Win32PlayerForm::Win32PlayerForm(FormEvents& events)
    : events_(events),
      geometry_(win32::TwipsPerPixel(ScreenDpi()), kFormWidth, kShortHeight),
      fonts_(ScreenDpi()),
      labels_(geometry_.TwipsPerPixel(), fonts_),
      pointer_(events, labels_),
      fileList_(Control::File1, *this),
      dirBox_(Control::Dir1, *this),
      dirList_(dirBox_) {}

Win32PlayerForm::~Win32PlayerForm() {
  if (!window_) return;
  // Gone without an Unload event: only the program's end raises that.
  HWND window = window_;
  Detach();
  DestroyWindow(window);
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
  RegisterFormClass(instance, &FormProc, icon_, smallIcon_);
  FormAccessibility::JoinApartment();
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  startedAgain_ = RegisterWindowMessageW(kStartedAgainMessage);

  const SIZE size = geometry_.Pixels();
  const std::wstring title = Utf8ToWide(kFormTitle);
  // No caption and no frame; the minimise box only lets the shell minimise it.
  // The window knows this object from its first message on.
  if (!CreateWindowExW(0, kClassName, title.c_str(),
                       WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, size.cx,
                       size.cy, nullptr, nullptr, instance, this)) {
    return false;
  }
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  RegisterMediaKeys(window_);

  // Both lists start in the process's current folder.
  dirList_.ChangeTo(L".");
  SetFileListPath(WideToUtf8(dirList_.Folder()));
  return true;
}

// ---- The window's place and state ----

float Win32PlayerForm::Left() { return geometry_.Left(); }
float Win32PlayerForm::Top() { return geometry_.Top(); }
float Win32PlayerForm::Width() { return geometry_.Width(); }
float Win32PlayerForm::Height() { return geometry_.Height(); }
void Win32PlayerForm::SetLeft(float left) { geometry_.SetLeft(left); }
void Win32PlayerForm::SetTop(float top) { geometry_.SetTop(top); }
void Win32PlayerForm::SetHeight(float height) { geometry_.SetHeight(height); }

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
  if (!window_) return;
  HWND window = window_;
  Detach();
  DestroyWindow(window);
}

// ---- Labels ----

std::string Win32PlayerForm::Caption(Control label) {
  if (label == Control::Form) return std::string(kFormTitle);
  return labels_.Caption(label);
}

// Repainting only on a real change: the Paint handler writes captions and
// colours too. A caption the program changes is a state or a text a screen
// reader names the label by, so the reader hears of it.
void Win32PlayerForm::SetCaption(Control label, std::string_view caption) {
  if (!labels_.SetCaption(label, caption)) return;
  Repaint(label);
  FormAccessibility::NameChanged(window_, label);
}

void Win32PlayerForm::SetForeColor(Control label, Color color) {
  if (labels_.SetForeColor(label, color)) Repaint(label);
}

void Win32PlayerForm::Repaint(Control label) {
  const RECT place = labels_.Place(label);
  if (window_) InvalidateRect(window_, &place, FALSE);
}

void Win32PlayerForm::Draw(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  labels_.Draw(dc, client);
}

// ---- The lists ----

void Win32PlayerForm::SetFileListPath(std::string_view path) {
  if (!fileList_.Window()) return;
  const std::wstring folder = Utf8ToWide(path);
  std::optional<std::vector<std::wstring>> names = dirList_.TakeMp3FilesOf(folder);
  fileList_.Fill(names ? *names : Mp3FilesIn(folder));
}

int Win32PlayerForm::FileCount() { return fileList_.Count(); }

int Win32PlayerForm::SelectedIndex() { return fileList_.Selection(); }

void Win32PlayerForm::SetSelectedIndex(int index) {
  // A list box tells its parent nothing of a selection set by the program,
  // so this never reaches the double-click action.
  if (index < -1 || index >= FileCount()) return;
  fileList_.Select(index);
}

std::string Win32PlayerForm::SelectedFileName() {
  const int index = SelectedIndex();
  return index < 0 ? std::string() : WideToUtf8(fileList_.Text(index));
}

std::string Win32PlayerForm::DirPath() { return WideToUtf8(dirList_.Folder()); }

// A folder that is not there leaves the list where it is: the lists must
// always show a folder that exists.
void Win32PlayerForm::SetDirPath(std::string_view path) {
  if (!dirList_.ChangeTo(Utf8ToWide(path))) return;
  events_.Change(Control::Dir1);
  dirList_.ForgetMp3Files();
}

void Win32PlayerForm::OpenDirRow(int row) {
  if (!dirList_.Open(row)) return;
  events_.Change(Control::Dir1);
  dirList_.ForgetMp3Files();
}

HWND Win32PlayerForm::ListWindow(Control list) const {
  if (list == Control::File1) return fileList_.Window();
  if (list == Control::Dir1) return dirBox_.Window();
  return nullptr;
}

ListBox* Win32PlayerForm::ListOf(HWND window) {
  if (!window) return nullptr;
  if (window == fileList_.Window()) return &fileList_;
  if (window == dirBox_.Window()) return &dirBox_;
  return nullptr;
}

}  // namespace jukett::win32
