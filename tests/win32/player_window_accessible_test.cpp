// The window as a screen reader finds it, asked from the test's own process
// (ScreenReader in tests/e2e asks the real program from another).
#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

#include "player/captions.h"
#include "player/spoken_names.h"
#include "tests/win32/player_window_fixture.h"

namespace jukett::testing {
namespace {

VARIANT Child(LONG id) {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

LONG ChildIdOf(Control control) {
  const auto order = ReadingOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == control) return static_cast<LONG>(i) + 1;
  }
  return CHILDID_SELF;
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
    ShowAndSettle();
    accessible = AccessibleOf(Window());
    ASSERT_NE(accessible, nullptr);
  }

  void TearDown() override {
    if (accessible) accessible->Release();
    CoUninitialize();
  }

  std::wstring Name(LONG id) {
    BSTR name = nullptr;
    accessible->get_accName(Child(id), &name);
    std::wstring text = name ? name : L"(none)";
    SysFreeString(name);
    return text;
  }

  LONG Role(LONG id) {
    VARIANT role{};
    accessible->get_accRole(Child(id), &role);
    return role.vt == VT_I4 ? role.lVal : -1;
  }

  RECT Location(LONG id) {
    LONG left = 0, top = 0, width = 0, height = 0;
    accessible->accLocation(&left, &top, &width, &height, Child(id));
    return RECT{left, top, left + width, top + height};
  }

  RECT OnScreen(Control control) {
    RECT place = win32::PixelRect(LayoutOf(control), form.TwipsPerPixel());
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&place), 2);
    return place;
  }

  IAccessible* accessible = nullptr;
};

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

TEST_F(AccessibleWindow, ChildrenAreTheControlsInReadingOrderNamedForWhatTheyDo) {
  form.SetCaption(Control::Label10, "3 files");
  // Away from the screen's corner, where places in the window and on the
  // screen would be the same.
  form.SetLeft(1500);
  form.SetTop(900);
  const std::vector<std::wstring> names{
      L"Minimise", L"juKett ZRV - by kelvor", L"Close", L"", L"Back", L"Stop", L"Play",
      L"Pause", L"Forward", L"3 files", L"Show folders", L"Mute", L""};
  LONG count = 0;
  ASSERT_EQ(accessible->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, static_cast<LONG>(names.size()));

  for (LONG id = 1; id <= count; ++id) {
    const Control control = ReadingOrder()[id - 1];
    const ControlLayout& layout = LayoutOf(control);
    IDispatch* child = nullptr;
    if (layout.kind != ControlKind::Label) {
      // A list is the system's own object for its window.
      ASSERT_EQ(accessible->get_accChild(Child(id), &child), S_OK) << layout.name;
      child->Release();
      RECT frame{};
      GetWindowRect(form.ListWindow(control), &frame);
      EXPECT_TRUE(Location(id) == frame) << layout.name;
      continue;
    }
    EXPECT_EQ(accessible->get_accChild(Child(id), &child), S_FALSE) << layout.name;
    EXPECT_EQ(Name(id), names[id - 1]) << layout.name;
    EXPECT_EQ(Role(id), IsButton(layout) ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_STATICTEXT)
        << layout.name;
    const RECT place = OnScreen(control);
    EXPECT_TRUE(Location(id) == place) << layout.name;
    VARIANT hit{};
    accessible->accHitTest((place.left + place.right) / 2, (place.top + place.bottom) / 2, &hit);
    EXPECT_EQ(hit.vt == VT_I4 ? hit.lVal : -1, id) << layout.name;
  }
}

TEST_F(AccessibleWindow, ButtonsDefaultActionIsTheirClickAndTextsHaveNone) {
  for (LONG id = 1; id <= static_cast<LONG>(ReadingOrder().size()); ++id) {
    const Control control = ReadingOrder()[id - 1];
    const ControlLayout& layout = LayoutOf(control);
    events.events.clear();
    const HRESULT result = accessible->accDoDefaultAction(Child(id));
    PumpMessages(50);
    if (IsButton(layout)) {
      EXPECT_EQ(result, S_OK) << layout.name;
      ASSERT_EQ(events.Count("Click"), 1) << layout.name;
      EXPECT_EQ(events.events.back().control, control) << layout.name;
    } else {
      EXPECT_EQ(result, DISP_E_MEMBERNOTFOUND) << layout.name;
      EXPECT_EQ(events.Count("Click"), 0) << layout.name;
    }
  }
}

std::vector<LONG> nameChanges;

void CALLBACK NoteNameChange(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) nameChanges.push_back(child);
}

TEST_F(AccessibleWindow, ANewCaptionIsANewNameAndTheReaderIsTold) {
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &NoteNameChange,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  struct Case {
    Control label;
    std::string_view caption;
    const wchar_t* name;
  };
  const Case cases[] = {{Control::lbpause, kPlayGlyph, L"Resume"},
                        {Control::Label4, kMutedCaption, L"Unmute"},
                        {Control::Label5, kHideDirCaption, L"Hide folders"},
                        {Control::Label10, "1 file", L"1 file"}};
  for (const Case& c : cases) {
    nameChanges.clear();
    form.SetCaption(c.label, c.caption);
    form.SetCaption(c.label, c.caption);  // no change, nothing to tell
    PumpMessages(50);
    EXPECT_EQ(nameChanges, std::vector<LONG>{ChildIdOf(c.label)}) << LayoutOf(c.label).name;
    EXPECT_EQ(Name(ChildIdOf(c.label)), c.name);
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
  EXPECT_EQ(held->get_accName(Child(ChildIdOf(Control::lbplay)), &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(held->accDoDefaultAction(Child(ChildIdOf(Control::lbplay))), RPC_E_DISCONNECTED);
  held->Release();
  PumpMessages(50);
  EXPECT_EQ(otherEvents.Count("Click"), 0);
}

}  // namespace
}  // namespace jukett::testing
