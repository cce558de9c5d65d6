#include "tools/standin_host/child_contents.h"

#include <vector>

#include "chathost/host_classes.h"
#include "tools/standin_host/chat_input.h"
#include "tools/standin_host/sibling_order.h"

namespace jukett::standin {

namespace {

namespace classes = jukett::host_classes;

constexpr DWORD kControl = WS_CHILD | WS_VISIBLE;

// Where a control goes inside the child's client area.
struct Place {
  int x;
  int y;
  int width;
  int height;
};

// Creates controls in order and remembers them, so the order can be fixed
// once all exist.
class ControlMaker {
 public:
  ControlMaker(HWND parent, HINSTANCE instance) : parent_(parent), instance_(instance) {}

  HWND Make(const char* className, const char* text, DWORD style, DWORD exStyle, Place place) {
    const auto id = static_cast<UINT_PTR>(100 + made_.size());
    HWND control =
        CreateWindowExA(exStyle, className, text, kControl | style, place.x, place.y, place.width,
                        place.height, parent_, reinterpret_cast<HMENU>(id), instance_, nullptr);
    if (!control) {
      failed_ = true;
      return nullptr;
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    made_.push_back(control);
    return control;
  }

  // True when every control was created and they enumerate as created.
  bool Finish() {
    if (failed_) return false;
    StackInOrder(made_);
    return ChildrenInOrder(parent_, nullptr, made_);
  }

 private:
  HWND parent_;
  HINSTANCE instance_;
  std::vector<HWND> made_;
  bool failed_ = false;
};

HWND MakeStatic(ControlMaker& maker, const char* text, Place place) {
  return maker.Make(classes::kStatic, text, SS_LEFT, 0, place);
}

HWND MakeIcon(ControlMaker& maker, const char* text, Place place) {
  return maker.Make(classes::kIcon, text, SS_CENTER | SS_CENTERIMAGE | WS_BORDER, 0, place);
}

HWND MakeTranscript(ControlMaker& maker, Place place) {
  return maker.Make(classes::kTranscript, "",
                    ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE,
                    place);
}

HWND MakeChatInput(ControlMaker& maker, const ChildSetup& setup, const char* text, Place place) {
  HWND input =
      maker.Make(classes::kChatInput, text, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, place);
  if (input && !setup.logPath.empty() && !AttachChatLog(input, setup.logPath)) {
    return nullptr;
  }
  // The ANSI text has lost what the code page lacks; a Unicode input holds it.
  if (input && *text && IsWindowUnicode(input)) SetWindowTextW(input, setup.wideInputText.c_str());
  return input;
}

void MakeMemberList(ControlMaker& maker, const ChildSetup& setup, Place place) {
  HWND list = maker.Make(classes::kListbox, "", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                         WS_EX_CLIENTEDGE, place);
  if (!list) return;
  for (const char* member : {setup.screenName.c_str(), "ChatHost", "Rover22"}) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(member));
  }
}

void MakeRoomChooser(ControlMaker& maker, Place place) {
  HWND combo = maker.Make(classes::kCombobox, "", CBS_DROPDOWNLIST | WS_VSCROLL, 0, place);
  if (!combo) return;
  for (const char* entry : {"People Here", "Member Rooms", "Private Room"}) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

// The layout of a room; the near-miss kinds leave parts of it out.
struct RoomParts {
  bool transcript;
  int inputs;
  bool presetText;
};

bool PopulateRoom(HWND child, const ChildSetup& setup, RoomParts parts) {
  ControlMaker maker(child, setup.instance);
  MakeStatic(maker, "3 people here", {8, 6, 320, 16});
  if (parts.transcript) MakeTranscript(maker, {8, 24, 320, 188});
  MakeMemberList(maker, setup, {336, 24, 124, 140});
  MakeRoomChooser(maker, {336, 170, 124, 120});
  for (int i = 0; i < parts.inputs; ++i) {
    const char* text = i == 0 && parts.presetText ? setup.inputText.c_str() : "";
    if (!MakeChatInput(maker, setup, text, {8, 220 + 28 * i, 320, 24})) return false;
  }
  MakeIcon(maker, "Send", {336, 220, 58, 24});
  MakeIcon(maker, "People", {402, 220, 58, 24});
  return maker.Finish();
}

bool PopulateWelcome(HWND child, const ChildSetup& setup) {
  ControlMaker maker(child, setup.instance);
  MakeStatic(maker, "You are signed on.", {16, 16, 300, 18});
  MakeStatic(maker, "Today's top news: nothing much happened.", {16, 44, 400, 18});
  return maker.Finish();
}

bool PopulateOther(HWND child, const ChildSetup& setup) {
  ControlMaker maker(child, setup.instance);
  MakeStatic(maker, "You have no new mail.", {16, 16, 300, 18});
  MakeIcon(maker, "Read", {16, 44, 64, 24});
  return maker.Finish();
}

}  // namespace

bool PopulateChild(HWND child, ChildKind kind, const ChildSetup& setup) {
  switch (kind) {
    case ChildKind::Welcome:
      return PopulateWelcome(child, setup);
    case ChildKind::Room:
      return PopulateRoom(child, setup, {true, setup.inputs, true});
    case ChildKind::Other:
      return PopulateOther(child, setup);
    case ChildKind::Partial:
      return PopulateRoom(child, setup, {false, 1, false});
    case ChildKind::NoInput:
      return PopulateRoom(child, setup, {true, 0, false});
  }
  return false;
}

}  // namespace jukett::standin
