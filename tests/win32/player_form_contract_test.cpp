// The player window's contract against the real window: the pointer as real
// input through the system, the keys as the messages the lists get.
#include "tests/contracts/player_form_contract.h"

#include <windows.h>

#include <cmath>
#include <string>
#include <string_view>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_tray.h"
#include "tests/win32/player_window_fixture.h"
#include "tests/win32/standin_process.h"

namespace jukett {
namespace {

class Win32FormWorld {
 public:
  Win32FormWorld() {
    SetProcessDPIAware();
    if (!form.Create()) ADD_FAILURE() << "no window";
  }

  PlayerForm& Form() { return form; }
  testing::NotedEvents& Events() { return events; }
  float TwipsPerPixel() { return form.TwipsPerPixel(); }
  std::string StageFolder(const std::vector<std::string>& names) {
    const std::wstring folder = testing::NewScratchFolder();
    for (const std::string& name : names) {
      const std::wstring path = folder + win32::Utf8ToWide(name);
      name.ends_with('\\') ? void(CreateDirectoryW(path.c_str(), nullptr))
                           : testing::MakeFile(path);
    }
    return win32::WideToUtf8(folder.substr(0, folder.size() - 1));
  }
  void ShowAndSettle() {
    form.Show();
    testing::PumpMessages(300);
  }
  void Pointer(Control control, float x, float y, Input input) {
    RECT window{};
    GetWindowRect(Window(), &window);
    const float pixel = form.TwipsPerPixel();
    const POINT at{window.left + std::lround((LayoutOf(control).left + x) / pixel),
                   window.top + std::lround((LayoutOf(control).top + y) / pixel)};
    constexpr DWORD kFlags[] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTDOWN,
                                MOUSEEVENTF_RIGHTUP};
    if (input != Input::DoubleClick) return Send(at, kFlags[static_cast<int>(input)]);
    for (const Input half : {Input::LeftDown, Input::LeftUp, Input::LeftDown, Input::LeftUp}) {
      Send(at, kFlags[static_cast<int>(half)]);
    }
  }
  void ReturnInFileList() {
    HWND list = form.ListWindow(Control::File1);
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(list, WM_CHAR, L'\r', 0);
  }
  void OpenInDirList(std::string_view folder, bool byDoubleClick) {
    HWND dir = form.ListWindow(Control::Dir1);
    int row = static_cast<int>(SendMessageW(dir, LB_GETCOUNT, 0, 0));
    wchar_t text[MAX_PATH] = {};
    do {
      SendMessageW(dir, LB_GETTEXT, --row, reinterpret_cast<LPARAM>(text));
    } while (row > 0 && std::wstring(text).find(win32::Utf8ToWide(folder)) == std::wstring::npos);
    if (!byDoubleClick) {
      SendMessageW(dir, LB_SETCURSEL, row, 0);
      SendMessageW(dir, WM_KEYDOWN, VK_RETURN, 0);
      return;
    }
    // At the row's middle, in twips from the corner of the frame around the list.
    RECT item{};
    SendMessageW(dir, LB_SETTOPINDEX, row, 0);
    SendMessageW(dir, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const float pixel = form.TwipsPerPixel();
    Pointer(Control::Dir1, (item.left + 6) * pixel, ((item.top + item.bottom) / 2 + 1) * pixel,
            Input::DoubleClick);
  }
  void TrayIconReport(int message) { SendMessageW(Window(), win32::kTrayIconMessage, 1, message); }
  void Close() { SendMessageW(Window(), WM_CLOSE, 0, 0); }

 private:
  HWND Window() { return reinterpret_cast<HWND>(form.Handle()); }

  static void Send(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // The middle of the pixel, so that no rounding takes it to the next.
    input.mi.dx = (2 * screen.x + 1) * 32768 / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (2 * screen.y + 1) * 32768 / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    testing::PumpMessages(80);
  }

  testing::NotedEvents events;
  win32::Win32PlayerForm form{events};
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, PlayerFormContract, Win32FormWorld);

}  // namespace jukett
