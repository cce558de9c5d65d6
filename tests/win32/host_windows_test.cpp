// The host windows contract against real windows of a client in this
// process, on a thread of their own as another program's are to the player:
// this Wine reads no other process's menus.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_host_windows.h"
#include "tests/contracts/host_windows_contract.h"
#include "tests/win32/thread_window.h"

namespace jukett {
namespace {

HWND AsHwnd(Window window) { return reinterpret_cast<HWND>(window); }

// A Unicode window that takes each typed character at the end of its text.
LRESULT CALLBACK InputField(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CHAR) return DefWindowProcW(window, message, wParam, lParam);
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  SetWindowTextW(window, (text + static_cast<wchar_t>(wParam)).c_str());
  return 0;
}

class Win32WindowsWorld {
 public:
  ~Win32WindowsWorld() {
    OnClient([this] {
      for (HWND window : windows_) DestroyWindow(window);
    });
    for (HMENU menu : menus_) DestroyMenu(menu);
  }
  HostWindows& Host() { return host_; }
  Window AddWindow(const std::string& windowClass, const std::string& text = {},
                   Window parent = kNoWindow) {
    HWND made = nullptr;
    OnClient([&] {
      const std::wstring name = win32::Utf8ToWide(windowClass);
      WNDCLASSW registered{};
      registered.lpfnWndProc = InputField;
      registered.hInstance = GetModuleHandleW(nullptr);
      registered.lpszClassName = name.c_str();
      RegisterClassW(&registered);  // fails harmlessly once the class is there, in any case
      made = CreateWindowExW(0, name.c_str(), win32::Utf8ToWide(text).c_str(),
                             parent ? WS_CHILD : WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, AsHwnd(parent),
                             nullptr, registered.hInstance, nullptr);
    });
    if (!made) ADD_FAILURE() << "no window of class " << windowClass;
    windows_.push_back(made);
    return reinterpret_cast<Window>(made);
  }
  void RemoveWindow(Window window) {
    OnClient([&] { DestroyWindow(AsHwnd(window)); });
  }
  Menu AddMenu() {
    menus_.push_back(CreateMenu());
    return reinterpret_cast<Menu>(menus_.back());
  }
  void AppendItem(Menu menu, MenuItemId id, const std::string& text) {
    AppendMenuW(reinterpret_cast<HMENU>(menu), MF_STRING, id, win32::Utf8ToWide(text).c_str());
  }
  void AppendDropDown(Menu menu, Menu dropDown, const std::string& text) {
    AppendMenuW(reinterpret_cast<HMENU>(menu), MF_STRING | MF_POPUP, dropDown,
                win32::Utf8ToWide(text).c_str());
  }
  void SetMenuBar(Window window, Menu bar) {
    OnClient([&] { SetMenu(AsHwnd(window), reinterpret_cast<HMENU>(bar)); });
  }

 private:
  static constexpr UINT kRun = WM_APP;
  // Runs `work` on the client's thread, which owns the windows it makes.
  void OnClient(std::function<void()> work) {
    SendMessageW(client_.Window(), kRun, 0, reinterpret_cast<LPARAM>(&work));
  }

  testing::ThreadWindow client_{[](UINT message, WPARAM, LPARAM work) -> std::optional<LRESULT> {
    if (message != kRun) return std::nullopt;
    (*reinterpret_cast<std::function<void()>*>(work))();
    return 0;
  }};
  win32::Win32HostWindows host_;
  std::vector<HWND> windows_;
  std::vector<HMENU> menus_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, HostWindowsContract, Win32WindowsWorld);

}  // namespace jukett
