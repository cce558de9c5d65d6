// The window as a screen reader finds it, in the test's own process. What a
// reader in another process reads and presses: PlayerEndToEnd.ScreenReader.
#include <oleacc.h>

#include <memory>
#include <vector>

#include "player/captions.h"
#include "player/spoken_names.h"
#include "tests/win32/player_window_fixture.h"

namespace jukett::testing {
namespace {

VARIANT ChildOf(Control control) {
  VARIANT child{};
  child.vt = VT_I4;
  const auto order = ReadingOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == control) child.lVal = static_cast<LONG>(i) + 1;
  }
  return child;
}

IAccessible* AccessibleOf(HWND window) {
  void* object = nullptr;
  AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), &object);
  return static_cast<IAccessible*>(object);
}

class AccessibleWindow : public PlayerWindow {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    PlayerWindow::SetUp();
  }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(AccessibleWindow, EveryButtonsDefaultActionIsItsClickATextHasNone) {
  IAccessible* accessible = AccessibleOf(Window());
  ASSERT_NE(accessible, nullptr);
  for (const Control control : ReadingOrder()) {
    const ControlLayout& layout = LayoutOf(control);
    events.events.clear();
    const HRESULT result = accessible->accDoDefaultAction(ChildOf(control));
    PumpMessages(20);
    EXPECT_EQ(result, IsButton(layout) ? S_OK : DISP_E_MEMBERNOTFOUND) << layout.name;
    ASSERT_EQ(events.Count("Click"), IsButton(layout) ? 1 : 0) << layout.name;
    if (IsButton(layout)) {
      EXPECT_EQ(events.events.back().control, control) << layout.name;
    }
  }
  accessible->Release();
}

std::vector<LONG> nameChanges;

void CALLBACK NoteNameChange(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) nameChanges.push_back(child);
}

TEST_F(AccessibleWindow, ANewCaptionIsToldAsANewNameOfThatChild) {
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &NoteNameChange,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  const std::pair<Control, std::string_view> changes[] = {
      {Control::lbpause, kPlayGlyph},
      {Control::Label4, kMutedCaption},
      {Control::Label5, kHideDirCaption},
      {Control::Label10, "1 mp3's in this dir"}};
  for (const auto& [label, caption] : changes) {
    nameChanges.clear();
    form.SetCaption(label, caption);
    form.SetCaption(label, caption);  // no change: nothing to tell
    PumpMessages(20);
    EXPECT_EQ(nameChanges, std::vector<LONG>{ChildOf(label).lVal}) << LayoutOf(label).name;
  }
  UnhookWinEvent(hook);
}

TEST_F(AccessibleWindow, AReaderHoldingTheObjectAfterTheWindowWentReachesNothing) {
  NotedEvents otherEvents;
  auto other = std::make_unique<win32::Win32PlayerForm>(otherEvents);
  ASSERT_TRUE(other->Create());
  IAccessible* held = AccessibleOf(reinterpret_cast<HWND>(other->Handle()));
  ASSERT_NE(held, nullptr);
  other.reset();

  BSTR name = nullptr;
  EXPECT_EQ(held->get_accName(ChildOf(Control::lbplay), &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(held->accDoDefaultAction(ChildOf(Control::lbplay)), RPC_E_DISCONNECTED);
  held->Release();
  PumpMessages(20);
  EXPECT_EQ(otherEvents.Count("Click"), 0);
}

}  // namespace
}  // namespace jukett::testing
