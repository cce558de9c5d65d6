#include "standin_host.h"

#include <string>
#include <utility>

#include "chat_input.h"
#include "chathost/host_classes.h"
#include "child_contents.h"
#include "host_menu.h"
#include "host_windows.h"
#include "sibling_order.h"
#include "to_ansi.h"

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

std::string ChildCaption(const StandinOptions& options, ChildKind kind, int room_number) {
  switch (kind) {
    case ChildKind::kWelcome:
      return ToAnsi(WelcomeCaption(options));
    case ChildKind::kOther:
      return "Mailbox";
    case ChildKind::kRoom:
    case ChildKind::kPartial:
    case ChildKind::kNoInput:
      break;
  }
  return "Lobby " + std::to_string(room_number);
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
  if (!RegisterHostWindowClasses(instance) || !RegisterRichEditClasses(instance)) {
    return false;
  }
  const MenuBar menu = BuildMenuBar(options_);
  if (!menu.bar) return false;
  if (!CreateFrame(instance, menu.bar)) {
    DestroyMenu(menu.bar);
    return false;
  }
  if (!CreateMdiClient(instance, menu.window_menu) || !CreateChildren(instance)) {
    return false;
  }
  ShowWindow(frame_, show);
  UpdateWindow(frame_);
  return OrderChildren();
}

bool StandinHost::CreateFrame(HINSTANCE instance, HMENU menu_bar) {
  frame_ = CreateWindowExA(0, classes::kFrame, kFrameCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, kFrameWidth, kFrameHeight, nullptr,
                           menu_bar, instance, nullptr);
  return frame_ != nullptr;
}

bool StandinHost::CreateMdiClient(HINSTANCE instance, HMENU window_menu) {
  CLIENTCREATESTRUCT client{};
  client.hWindowMenu = window_menu;
  client.idFirstChild = command_ids::kFirstMdiChild;
  RECT area{};
  GetClientRect(frame_, &area);
  mdi_client_ = CreateWindowExA(WS_EX_CLIENTEDGE, classes::kMdiClient, nullptr,
                                WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                0, 0, area.right, area.bottom, frame_,
                                reinterpret_cast<HMENU>(kMdiClientId), instance, &client);
  if (!mdi_client_) return false;
  SetFrameMdiClient(frame_, mdi_client_);
  return true;
}

bool StandinHost::CreateChildren(HINSTANCE instance) {
  int room_number = 0;
  for (std::size_t i = 0; i < options_.children.size(); ++i) {
    HWND child = CreateChild(instance, options_.children[i], static_cast<int>(i), room_number);
    if (!child) return false;
    children_.push_back(child);
  }
  return true;
}

HWND StandinHost::CreateChild(HINSTANCE instance, ChildKind kind, int position, int& room_number) {
  if (kind != ChildKind::kWelcome && kind != ChildKind::kOther) ++room_number;
  const std::string caption = ChildCaption(options_, kind, room_number);
  const POINT at = ChildPosition(position);
  HWND child = CreateMDIWindowA(classes::kChild, caption.c_str(), 0, at.x, at.y, kChildWidth,
                                kChildHeight, mdi_client_, instance, 0);
  if (!child) return nullptr;
  ChildSetup setup;
  setup.instance = instance;
  setup.screen_name = ToAnsi(options_.screen_name);
  setup.inputs = options_.inputs_per_room;
  setup.input_text = ToAnsi(options_.input_text);
  setup.log_path = options_.log_path;
  return PopulateChild(child, kind, setup) ? child : nullptr;
}

// The first child is made the active one: the MDI client raises whichever
// child it activates, so activating any other would undo the order later.
bool StandinHost::OrderChildren() {
  if (children_.empty()) return true;
  SendMessageA(mdi_client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children_.front()), 0);
  StackInOrder(children_);
  return ChildrenInOrder(mdi_client_, classes::kChild, children_);
}

}  // namespace jukett::standin
