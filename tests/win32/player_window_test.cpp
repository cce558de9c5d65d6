// The real player window, built from its table and looked at pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/form_labels.h"
#include "platform/win32/win32_player_form.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_tray.h"
#include "tests/win32/standin_process.h"
#include "tests/win32/window_capture.h"

namespace jukett::testing {
namespace {

// Handlers that only note what the window told them.
class NotedEvents : public FormEvents {
 public:
  struct Event {
    std::string what;
    Control control;
    Pointer pointer;
  };

  void Load() override { Note("Load", Control::Form); }
  void Unload() override { Note("Unload", Control::Form); }
  void Paint() override { ++paints; }
  void MouseDown(Control control, const Pointer& pointer) override {
    Note("MouseDown", control, pointer);
  }
  void MouseMove(Control control, const Pointer& pointer) override {
    Note("MouseMove", control, pointer);
  }
  void Click(Control control) override { Note("Click", control); }
  void DblClick(Control control) override { Note("DblClick", control); }
  void Change(Control control) override { Note("Change", control); }
  void TaskbarCreated() override { Note("TaskbarCreated", Control::Form); }

  int Count(const std::string& what) const {
    int count = 0;
    for (const Event& event : events) count += event.what == what;
    return count;
  }

  std::vector<Event> events;
  int paints = 0;

 private:
  void Note(const std::string& what, Control control, const Pointer& pointer = {}) {
    events.push_back({what, control, pointer});
  }
};

class PlayerWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProcessDPIAware();
    ASSERT_TRUE(form.Create());
  }

  void ShowAndSettle() {
    form.Show();
    PumpMessages(300);
  }

  HWND Window() { return reinterpret_cast<HWND>(form.Handle()); }

  LPARAM At(Control control, int dx = 2, int dy = 2) {
    const RECT place = win32::PixelRect(LayoutOf(control), form.TwipsPerPixel());
    return MAKELPARAM(place.left + dx, place.top + dy);
  }

  NotedEvents events;
  win32::Win32PlayerForm form{events};
};

void ExpectFramed(const WindowCapture& shot, int height) {
  ASSERT_EQ(shot.Width(), 209);
  ASSERT_EQ(shot.Height(), height);
  int misses = 0;
  int strip = 0;
  for (int x = 0; x < shot.Width(); ++x) {
    // The title strip: black above and below its white captions.
    misses += !shot.IsBlack(x, 0) + !shot.IsBlack(x, 16) + !shot.IsBlack(x, height - 1);
    for (int y = 0; y < 17; ++y) strip += shot.IsBlack(x, y);
  }
  for (int y = 0; y < height; ++y) misses += !shot.IsBlack(0, y) + !shot.IsBlack(208, y);
  EXPECT_EQ(misses, 0) << "height " << height;
  EXPECT_GT(strip, 209 * 17 * 8 / 10);
  // Bare ground between the title strip and the file list.
  for (int x = 1; x < 208; ++x) {
    for (int y = 17; y < 24; ++y) ASSERT_TRUE(shot.IsWhite(x, y)) << x << "," << y;
  }
}

void MakeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
}

TEST_F(PlayerWindow, ShortAndTallWindowsAreFramedWithTheTitleOnABlackStrip) {
  // Filled as the running program fills it, so the pictures show a real look.
  const std::wstring folder = NewScratchFolder() + L"Music";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\Live").c_str(), nullptr);
  for (const wchar_t* name : {L"\\01 Intro.mp3", L"\\02 Night Drive.mp3", L"\\03 Outro.mp3"}) {
    MakeFile(folder + name);
  }
  form.SetDirPath(win32::WideToUtf8(folder));
  form.SetFileListPath(form.DirPath());
  form.SetSelectedIndex(1);
  form.SetCaption(Control::Label10, "3 mp3's in this dir");
  ShowAndSettle();
  const WindowCapture shortShot(Window());
  ExpectFramed(shortShot, 145);
  for (const Control glyph :
       {Control::lbback, Control::lbstop, Control::lbplay, Control::lbpause, Control::lbfoward}) {
    EXPECT_TRUE(shortShot.HasSolidMark(win32::PixelRect(LayoutOf(glyph), 15)))
        << LayoutOf(glyph).name;
  }
  // The transparent count label shows the white ground inside its frame.
  EXPECT_TRUE(shortShot.IsBlack(8, 120));
  EXPECT_TRUE(shortShot.IsWhite(100, 125));

  form.SetHeight(kTallHeight);
  PumpMessages(300);
  const WindowCapture tallShot(Window());
  ExpectFramed(tallShot, 233);
  EXPECT_TRUE(tallShot.IsBlack(100, 144)) << "the short window's bottom line stays drawn";
  const RECT dir = win32::PixelRect(LayoutOf(Control::Dir1), 15);
  EXPECT_TRUE(tallShot.IsBlack(dir.left, dir.top + 5)) << "the directory list's black frame";
  EXPECT_TRUE(tallShot.IsBlack(dir.left + 5, dir.bottom - 1));

  wchar_t shots[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"JUKETT_SCREENSHOTS", shots, MAX_PATH) > 0) {
    shortShot.Save(std::wstring(shots) + L"\\window-short.bmp");
    tallShot.Save(std::wstring(shots) + L"\\window-tall.bmp");
  }
}

TEST_F(PlayerWindow, IsABorderlessWindowTitledAndSizedInTwips) {
  HWND window = Window();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  EXPECT_EQ(win32::WideToUtf8(title), "juKett ZRV - by kelvor");
  EXPECT_FALSE(form.Visible());
  EXPECT_NE(form.IconHandle(), 0u);
  EXPECT_EQ(form.ScaleMode(), 1);

  EXPECT_EQ(form.Width(), 3135);
  EXPECT_EQ(form.Height(), 2175);
  form.SetLeft(1500);
  form.SetTop(3000);
  EXPECT_EQ(form.Left(), 1500);
  EXPECT_EQ(form.Top(), 3000);
  form.SetLeft(1510);  // less than a pixel away still moves
  EXPECT_EQ(form.Left(), 1515);
  form.SetTop(2990);
  EXPECT_EQ(form.Top(), 2985);

  win32::Win32Screen screen;
  EXPECT_EQ(screen.TwipsPerPixelX(), 15);
  EXPECT_EQ(screen.Width(), GetSystemMetrics(SM_CXSCREEN) * 15.0f);
  EXPECT_EQ(screen.Height(), GetSystemMetrics(SM_CYSCREEN) * 15.0f);
}

TEST_F(PlayerWindow, ShowsHidesMinimisesAndRestores) {
  ShowAndSettle();
  EXPECT_TRUE(form.Visible());
  form.MakeTopmost();
  EXPECT_TRUE(GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  form.SetState(WindowState::Minimized);
  PumpMessages(100);
  EXPECT_EQ(form.State(), WindowState::Minimized);
  // Moved while minimised, it reads back where it will be restored to.
  const float left = form.Left();
  form.SetLeft(left + 10);
  EXPECT_EQ(form.Left(), left + 15);
  form.Hide();
  EXPECT_FALSE(form.Visible());
  form.SetState(WindowState::Normal);
  form.Show();
  PumpMessages(100);
  EXPECT_EQ(form.State(), WindowState::Normal);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Height(), 2175);
}

TEST_F(PlayerWindow, MovingItWhileInTheTrayLeavesItHidden) {
  ShowAndSettle();
  form.SetState(WindowState::Minimized);
  form.Hide();
  PumpMessages(100);
  const float left = form.Left(), top = form.Top();
  form.SetLeft(left + 150);
  form.SetTop(top + 150);
  PumpMessages(100);
  EXPECT_FALSE(IsWindowVisible(Window()));
  EXPECT_EQ(form.State(), WindowState::Minimized);
  EXPECT_EQ(form.Left(), left + 150);

  form.SetState(WindowState::Normal);
  form.Show();
  PumpMessages(100);
  RECT rect{};
  GetWindowRect(Window(), &rect);
  EXPECT_EQ(rect.left * form.TwipsPerPixel(), left + 150) << "restored where it was moved to";
  EXPECT_EQ(rect.top * form.TwipsPerPixel(), top + 150);
}

TEST_F(PlayerWindow, OpensWithFocusInTheFileListAndTabsIntoTheHiddenDirectoryList) {
  ShowAndSettle();
  HWND file = form.ListWindow(Control::File1);
  HWND dir = form.ListWindow(Control::Dir1);
  EXPECT_EQ(GetFocus(), file);
  SendMessageW(file, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), dir) << "reachable though the short window cuts it off";
  SendMessageW(dir, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), file);
  // A click on a label takes no focus from the list.
  SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(Control::lbplay));
  SendMessageW(Window(), WM_LBUTTONUP, 0, At(Control::lbplay));
  EXPECT_EQ(GetFocus(), file);
}

TEST_F(PlayerWindow, CaptionsAndColoursReadBackAsWritten) {
  EXPECT_EQ(form.Caption(Control::Label3), "\xC3\x97");
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
  EXPECT_EQ(form.Caption(Control::Label10), "");
  form.SetCaption(Control::lbpause, "4");
  form.SetCaption(Control::Label10, "12 mp3's in this dir");
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
  EXPECT_EQ(form.Caption(Control::Label10), "12 mp3's in this dir");
  EXPECT_EQ(form.Caption(Control::Dir1), "");  // no label: nothing, and no harm

  ShowAndSettle();
  const int settled = events.paints;
  // Writing what is already there must not set off another paint: the
  // Paint handler itself writes the colours and the count.
  form.SetForeColor(Control::lbplay, 0);
  form.SetCaption(Control::Label10, "12 mp3's in this dir");
  PumpMessages(200);
  EXPECT_EQ(events.paints, settled);
  form.SetForeColor(Control::lbplay, 0x0000FF);
  PumpMessages(200);
  EXPECT_GT(events.paints, settled);
}

TEST_F(PlayerWindow, PointerEventsGoToTheLabelUnderThePointerInTwips) {
  ShowAndSettle();
  HWND window = Window();
  SendMessageW(window, WM_MOUSEMOVE, 0, At(Control::Label10, 3, 4));
  ASSERT_EQ(events.events.back().what, "MouseMove");
  EXPECT_EQ(events.events.back().control, Control::Label10);
  EXPECT_EQ(events.events.back().pointer.x, 45);
  EXPECT_EQ(events.events.back().pointer.y, 60);

  // A drag on the title keeps reporting to it, the left button held.
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(Control::Label1, 10, 5));
  EXPECT_EQ(events.events.back().what, "MouseDown");
  EXPECT_EQ(events.events.back().control, Control::Label1);
  EXPECT_EQ(events.events.back().pointer.buttons, 1);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 60));
  EXPECT_EQ(events.events.back().control, Control::Label1);
  EXPECT_EQ(events.events.back().pointer.buttons, 1);
  EXPECT_EQ(events.events.back().pointer.y, 60 * 15);
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(100, 60));
  EXPECT_EQ(events.Count("Click"), 0) << "released away from the title";

  // Press and release on the same label is a click; leaving it first is not.
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(Control::Label3));
  SendMessageW(window, WM_LBUTTONUP, 0, At(Control::Label3));
  ASSERT_EQ(events.Count("Click"), 1);
  EXPECT_EQ(events.events.back().control, Control::Label3);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(Control::Label5));
  SendMessageW(window, WM_LBUTTONUP, 0, At(Control::Label4));
  SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, At(Control::Label5));
  SendMessageW(window, WM_RBUTTONUP, 0, At(Control::Label5));
  EXPECT_EQ(events.Count("Click"), 1);

  SendMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(events.events.back().what, "TaskbarCreated");

  SendMessageW(form.ListWindow(Control::File1), WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  EXPECT_EQ(events.events.back().control, Control::File1);
  EXPECT_EQ(events.events.back().pointer.x, 75);

  SendMessageW(window, WM_CLOSE, 0, 0);
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(events.Count("Unload"), 1);
  form.Unload();
  EXPECT_EQ(events.Count("Unload"), 1);
}

// The tray icon reports as a pointer move of the window itself whose x, in
// pixels, is the mouse message number, even where the window is wide enough
// to have a label at that x; a real move there is no report. Run at every DPI
// of the tray tests too.
TEST_F(PlayerWindow, TrayIconReportsReachTheWindowItselfAtAnyWidth) {
  ShowAndSettle();
  HWND window = Window();
  for (const LPARAM code : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP}) {
    SCOPED_TRACE(code);
    SendMessageW(window, win32::kTrayIconMessage, 1, code);
    ASSERT_EQ(events.events.back().what, "MouseMove");
    EXPECT_EQ(events.events.back().control, Control::Form);
    EXPECT_TRUE(events.events.back().pointer.trayIcon);
    EXPECT_EQ(events.events.back().pointer.x, static_cast<float>(code) * form.TwipsPerPixel());
    EXPECT_EQ(events.events.back().pointer.buttons, 1);

    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(code, 2));
    ASSERT_EQ(events.events.back().what, "MouseMove");
    EXPECT_FALSE(events.events.back().pointer.trayIcon);
  }
}

TEST_F(PlayerWindow, TitleShowsTheMovePointer) {
  ShowAndSettle();
  RECT rect{};
  GetWindowRect(Window(), &rect);
  SetCursorPos(rect.left + 100, rect.top + 8);
  PumpMessages(100);
  SendMessageW(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEALL));
  SetCursorPos(rect.left + 100, rect.top + 30);
  PumpMessages(100);
  SendMessageW(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(PlayerWindow, FileListHoldsTheMp3NamesSortedAndSelectsWithoutPlaying) {
  const std::wstring folder = NewScratchFolder();
  for (const wchar_t* name : {L"b.mp3", L"A.MP3", L"c.mp3x", L"notes.txt", L"\u00e9t\u00e9.Mp3"}) {
    MakeFile(folder + name);
  }
  CreateDirectoryW((folder + L"folder.mp3").c_str(), nullptr);
  form.SetFileListPath(win32::WideToUtf8(folder.substr(0, folder.size() - 1)));
  ASSERT_EQ(form.FileCount(), 3);
  EXPECT_EQ(form.SelectedIndex(), -1);
  EXPECT_EQ(form.SelectedFileName(), "");
  std::vector<std::string> names;
  for (int i = 0; i < 3; ++i) {
    form.SetSelectedIndex(i);
    names.push_back(form.SelectedFileName());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"A.MP3", "b.mp3", "\xC3\xA9t\xC3\xA9.Mp3"}));
  form.SetSelectedIndex(1);
  form.SetSelectedIndex(7);  // beyond the list: the selection stays
  EXPECT_EQ(form.SelectedIndex(), 1);
  EXPECT_EQ(events.Count("DblClick"), 0);

  // A real double-click on the list is its double-click event.
  ShowAndSettle();
  HWND list = form.ListWindow(Control::File1);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 3));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 3));
  EXPECT_EQ(events.Count("DblClick"), 0) << "a single click only selects";
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 3));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 3));
  EXPECT_EQ(events.Count("DblClick"), 1);
  EXPECT_EQ(form.SelectedIndex(), 0);

  form.SetSelectedIndex(-1);
  EXPECT_EQ(form.SelectedFileName(), "");
  form.SetFileListPath(win32::WideToUtf8(folder + L"missing"));
  EXPECT_EQ(form.FileCount(), 0);
}

TEST_F(PlayerWindow, DirectoryListChangesOnlyToFoldersThatExist) {
  const std::wstring folder = NewScratchFolder();
  CreateDirectoryW((folder + L"Zed").c_str(), nullptr);
  CreateDirectoryW((folder + L"alpha").c_str(), nullptr);
  const std::string base = win32::WideToUtf8(folder.substr(0, folder.size() - 1));

  form.SetDirPath(base + "\\");
  EXPECT_EQ(form.DirPath(), base) << "no trailing separator";
  EXPECT_EQ(events.Count("Change"), 1);
  form.SetDirPath(base);
  EXPECT_EQ(events.Count("Change"), 1) << "the same folder is no change";
  form.SetDirPath(base + "\\nowhere");
  EXPECT_EQ(form.DirPath(), base);
  EXPECT_EQ(events.Count("Change"), 1);
  form.SetDirPath("C:/");
  EXPECT_EQ(form.DirPath(), "C:\\");
  EXPECT_EQ(events.Count("Change"), 2);

  // The list: the chain down to the folder, then its folders in order.
  form.SetDirPath(base);
  HWND dir = form.ListWindow(Control::Dir1);
  const int count = static_cast<int>(SendMessageW(dir, LB_GETCOUNT, 0, 0));
  ASSERT_GE(count, 3);
  wchar_t text[MAX_PATH] = {};
  SendMessageW(dir, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"C:\\");
  SendMessageW(dir, LB_GETTEXT, count - 2, reinterpret_cast<LPARAM>(text));
  EXPECT_NE(std::wstring(text).find(L"alpha"), std::wstring::npos);
  SendMessageW(dir, LB_GETTEXT, count - 1, reinterpret_cast<LPARAM>(text));
  EXPECT_NE(std::wstring(text).find(L"Zed"), std::wstring::npos);

  // Opened by a double-click on its entry, in the tall window.
  form.SetHeight(kTallHeight);
  ShowAndSettle();
  RECT item{};
  SendMessageW(dir, LB_SETTOPINDEX, count - 1, 0);
  SendMessageW(dir, LB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM where = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  SendMessageW(dir, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(dir, WM_LBUTTONUP, 0, where);
  SendMessageW(dir, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
  SendMessageW(dir, WM_LBUTTONUP, 0, where);
  EXPECT_EQ(form.DirPath(), base + "\\Zed");
  EXPECT_EQ(events.events.back().what, "Change");
}

TEST_F(PlayerWindow, ReturnOpensTheChosenFolderInTheDirectoryListOnly) {
  const std::wstring folder = NewScratchFolder();
  CreateDirectoryW((folder + L"Inner").c_str(), nullptr);
  MakeFile(folder + L"song.mp3");
  const std::string base = win32::WideToUtf8(folder.substr(0, folder.size() - 1));
  form.SetDirPath(base);
  form.SetFileListPath(base);
  ShowAndSettle();

  HWND file = form.ListWindow(Control::File1);
  form.SetSelectedIndex(0);
  SendMessageW(file, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(file, WM_CHAR, L'\r', 0);
  EXPECT_EQ(events.Count("DblClick"), 0) << "Return plays nothing";
  EXPECT_EQ(form.SelectedIndex(), 0);

  HWND dir = form.ListWindow(Control::Dir1);
  const int changes = events.Count("Change");
  const int last = static_cast<int>(SendMessageW(dir, LB_GETCOUNT, 0, 0)) - 1;
  SendMessageW(dir, LB_SETCURSEL, last, 0);
  SendMessageW(dir, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(form.DirPath(), base + "\\Inner");
  EXPECT_EQ(events.Count("Change"), changes + 1);
  SendMessageW(dir, WM_KEYDOWN, VK_RETURN, 0);  // the folder already shown
  EXPECT_EQ(events.Count("Change"), changes + 1);
}

TEST_F(PlayerWindow, AWindowOfItsClassMadeWithoutAFormIsAPlainWindow) {
  wchar_t playerClass[64] = {};
  ASSERT_GT(GetClassNameW(Window(), playerClass, 64), 0);
  HWND stray = CreateWindowExW(0, playerClass, L"stray", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(stray, nullptr);
  wchar_t title[16] = {};
  GetWindowTextW(stray, title, 16);
  EXPECT_EQ(std::wstring(title), L"stray");
  SendMessageW(stray, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(stray, WM_CLOSE, 0, 0);  // a plain window's close destroys it
  EXPECT_FALSE(IsWindow(stray));
  EXPECT_TRUE(events.events.empty()) << "the form heard nothing of it";
  EXPECT_TRUE(IsWindow(Window()));
}

TEST_F(PlayerWindow, UnloadedItAnswersAsAWindowThatIsGone) {
  ShowAndSettle();
  HWND window = Window();
  form.Unload();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(form.Handle(), kNoWindow);
  EXPECT_EQ(form.ListWindow(Control::File1), nullptr);
  EXPECT_EQ(form.ListWindow(Control::Dir1), nullptr);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.FileCount(), 0);
  EXPECT_EQ(form.SelectedFileName(), "");
  form.SetHeight(kTallHeight);
  form.SetLeft(1500);
  form.SetCaption(Control::Label10, "gone");
  EXPECT_EQ(form.Caption(Control::Label10), "gone");
}

void SendPointer(POINT screen, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  PumpMessages(80);
}

TEST_F(PlayerWindow, RealPointerInputReachesTheRightControls) {
  form.SetLeft(100 * 15);
  form.SetTop(100 * 15);
  ShowAndSettle();
  form.BringToForeground();
  PumpMessages(100);
  auto onScreen = [&](Control control, int dx, int dy) {
    const RECT place = win32::PixelRect(LayoutOf(control), form.TwipsPerPixel());
    return POINT{100 + place.left + dx, 100 + place.top + dy};
  };

  SendPointer(onScreen(Control::Label3, 5, 5), 0);
  SendPointer(onScreen(Control::Label3, 5, 5), MOUSEEVENTF_LEFTDOWN);
  SendPointer(onScreen(Control::Label3, 6, 5), MOUSEEVENTF_LEFTUP);
  ASSERT_EQ(events.Count("Click"), 1);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));

  // Held on the title, the pointer keeps reporting there, even off the window.
  SendPointer(onScreen(Control::Label1, 20, 5), 0);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEALL));
  SendPointer(onScreen(Control::Label1, 20, 5), MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(events.events.back().what, "MouseDown");
  EXPECT_EQ(events.events.back().control, Control::Label1);
  SendPointer(onScreen(Control::Label1, 20, 300), 0);
  EXPECT_EQ(events.events.back().what, "MouseMove");
  EXPECT_EQ(events.events.back().control, Control::Label1);
  EXPECT_EQ(events.events.back().pointer.buttons, 1);
  EXPECT_EQ(events.events.back().pointer.y, 300 * 15.0f);
  SendPointer(onScreen(Control::Label1, 20, 300), MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(events.Count("Click"), 1);

  // A double-click on a file is the list's double-click; a click is not.
  const std::wstring folder = NewScratchFolder();
  MakeFile(folder + L"one.mp3");
  form.SetFileListPath(win32::WideToUtf8(folder));
  PumpMessages(100);
  const POINT entry = onScreen(Control::File1, 10, 6);
  SendPointer(entry, MOUSEEVENTF_LEFTDOWN);
  SendPointer(entry, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(form.SelectedFileName(), "one.mp3");
  EXPECT_EQ(events.Count("DblClick"), 0);
  SendPointer(entry, MOUSEEVENTF_LEFTDOWN);
  SendPointer(entry, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(events.Count("DblClick"), 1);
}

// Run by the DPI test, which sets the prefix's display to another DPI first
// and names it in JUKETT_EXPECT_DPI; skipped otherwise.
TEST_F(PlayerWindow, FollowsTheDisplayDpi) {
  wchar_t expected[16] = {};
  if (GetEnvironmentVariableW(L"JUKETT_EXPECT_DPI", expected, 16) == 0) {
    GTEST_SKIP() << "only at another DPI";
  }
  const int dpi = _wtoi(expected);
  const float twipsPerPixel = 1440.0f / static_cast<float>(dpi);
  win32::Win32Screen screen;
  ASSERT_EQ(screen.TwipsPerPixelX(), twipsPerPixel);
  EXPECT_EQ(form.TwipsPerPixel(), twipsPerPixel);

  ShowAndSettle();
  const int width = static_cast<int>(std::lround(kFormWidth / twipsPerPixel));
  for (const float height : {kShortHeight, kTallHeight}) {
    form.SetHeight(height);
    PumpMessages(300);
    // Read back as written, so the handlers can tell the two heights apart.
    EXPECT_EQ(form.Height(), height);
    EXPECT_EQ(form.Width(), kFormWidth);
    const WindowCapture shot(Window());
    ASSERT_EQ(shot.Width(), width);
    ASSERT_EQ(shot.Height(), static_cast<int>(std::lround(height / twipsPerPixel)));
    int misses = 0;
    for (int x = 0; x < shot.Width(); ++x)
      misses += !shot.IsBlack(x, 0) + !shot.IsBlack(x, shot.Height() - 1);
    for (int y = 0; y < shot.Height(); ++y)
      misses += !shot.IsBlack(0, y) + !shot.IsBlack(shot.Width() - 1, y);
    EXPECT_EQ(misses, 0) << "height " << height;
  }
  form.SetLeft(1500);
  EXPECT_EQ(form.Left(), 1500);
  form.SetLeft(1510);  // every write of another place moves at least a pixel
  EXPECT_EQ(form.Left(), 1500 + twipsPerPixel);
}

}  // namespace
}  // namespace jukett::testing
