#include "tools/standin_host/standin_host.h"

#include <string>
#include <utility>

#include "chathost/host_classes.h"
#include "tools/standin_host/chat_input.h"
#include "tools/standin_host/child_contents.h"
#include "tools/standin_host/host_menu.h"
#include "tools/standin_host/host_window_classes.h"
#include "tools/standin_host/sibling_order.h"
#include "tools/standin_host/to_ansi.h"

namespace jukett::standin {

namespace {

namespace classes = jukett::host_classes;

constexpr char kFrameCaption[] = "Chat host (stand-in)";
constexpr int kFrameWidth = 1010;
constexpr int kFrameHeight = 790;
constexpr int kChildWidth = 480;
constexpr int kChildHeight = 320;
constexpr int kMdiClientId = 0xCAC;

// Children are laid out two by two so the first rooms are fully visible;
// later ones cascade over them.
POINT ChildPosition(int position) {
  const int layer = position / 4;
  return {(position % 2) * (kChildWidth + 10) + layer * 30,
          ((position / 2) % 2) * (kChildHeight + 10) + layer * 30};
}

std::string ChildCaption(const StandinOptions& options, ChildKind kind, int roomNumber) {
  switch (kind) {
    case ChildKind::Welcome:
      return ToAnsi(WelcomeCaption(options));
    case ChildKind::Other:
      return "Mailbox";
    case ChildKind::Room:
    case ChildKind::Partial:
    case ChildKind::NoInput:
      break;
  }
  return "Lobby " + std::to_string(roomNumber);
}

}  // namespace

StandinHost::StandinHost(StandinOptions options) : options_(std::move(options)) {}

StandinHost::~StandinHost() {
  // The frame takes its menu, MDI client and children (and their state)
  // with it.
  if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
}

bool StandinHost::Create(HINSTANCE instance, int show) {
  if (frame_) return false;
  if (!RegisterHostWindowClasses(instance) ||
      !RegisterRichEditClasses(instance, options_.unicodeInput)) {
    return false;
  }
  const MenuBar menu = BuildMenuBar(options_);
  if (!menu.bar) return false;
  if (!CreateFrame(instance, menu.bar)) {
    DestroyMenu(menu.bar);
    return false;
  }
  if (!CreateMdiClient(instance, menu.windowMenu) || !CreateChildren(instance)) {
    return false;
  }
  ShowWindow(frame_, show);
  UpdateWindow(frame_);
  if (!OrderChildren()) return false;
  DelayChatInputs(options_.slowClearMs, options_.slowLineMs);
  return true;
}

bool StandinHost::CreateFrame(HINSTANCE instance, HMENU menuBar) {
  frame_ = CreateWindowExA(0, classes::kFrame, kFrameCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, kFrameWidth, kFrameHeight, nullptr,
                           menuBar, instance, nullptr);
  return frame_ != nullptr;
}

bool StandinHost::CreateMdiClient(HINSTANCE instance, HMENU windowMenu) {
  CLIENTCREATESTRUCT client{};
  client.hWindowMenu = windowMenu;
  client.idFirstChild = command_ids::kFirstMdiChild;
  RECT area{};
  GetClientRect(frame_, &area);
  mdiClient_ = CreateWindowExA(WS_EX_CLIENTEDGE, classes::kMdiClient, nullptr,
                               WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0,
                               0, area.right, area.bottom, frame_,
                               reinterpret_cast<HMENU>(kMdiClientId), instance, &client);
  if (!mdiClient_) return false;
  SetFrameMdiClient(frame_, mdiClient_);
  return true;
}

bool StandinHost::CreateChildren(HINSTANCE instance) {
  int roomNumber = 0;
  for (std::size_t i = 0; i < options_.children.size(); ++i) {
    HWND child = CreateChild(instance, options_.children[i], static_cast<int>(i), roomNumber);
    if (!child) return false;
    children_.push_back(child);
  }
  return true;
}

HWND StandinHost::CreateChild(HINSTANCE instance, ChildKind kind, int position, int& roomNumber) {
  if (kind != ChildKind::Welcome && kind != ChildKind::Other) ++roomNumber;
  const std::string caption = ChildCaption(options_, kind, roomNumber);
  const POINT at = ChildPosition(position);
  HWND child = CreateMDIWindowA(classes::kChild, caption.c_str(), 0, at.x, at.y, kChildWidth,
                                kChildHeight, mdiClient_, instance, 0);
  if (!child) return nullptr;
  ChildSetup setup;
  setup.instance = instance;
  setup.screenName = ToAnsi(options_.screenName);
  setup.inputs = options_.inputsPerRoom;
  setup.inputText = ToAnsi(options_.inputText);
  setup.wideInputText = options_.inputText;
  setup.logPath = options_.logPath;
  return PopulateChild(child, kind, setup) ? child : nullptr;
}

// The first child is made the active one: the MDI client raises whichever
// child it activates, so activating any other would undo the order later.
bool StandinHost::OrderChildren() {
  if (children_.empty()) return true;
  SendMessageA(mdiClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children_.front()), 0);
  StackInOrder(children_);
  return ChildrenInOrder(mdiClient_, classes::kChild, children_);
}

}  // namespace jukett::standin
