#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <utility>

#include "util/text.h"

namespace jukett::sim {
namespace {

// What a buffer of `capacity` units, one kept for the terminating zero, holds.
std::string Fit(std::string_view text, int capacity) {
  if (capacity <= 0) return {};
  return std::string(text.substr(0, static_cast<std::size_t>(capacity - 1)));
}

constexpr MenuItemId kDropDownItemId = 0xFFFFFFFF;

// Class names are compared whole, without regard to case, as Windows does.
bool SameClass(std::string_view a, std::string_view b) {
  return ToLowerAscii(a) == ToLowerAscii(b);
}

}  // namespace

Window SimDesktop::AddWindow(std::string windowClass, std::string text, Window parent) {
  const Window window = nextWindow_;
  nextWindow_ += 0x10;
  windows_[window] = WindowState{std::move(windowClass), std::move(text), parent, kNoMenu, {}};
  creationOrder_.push_back(window);
  return window;
}

void SimDesktop::RemoveWindow(Window window) {
  std::vector<Window> children;
  for (const auto& [handle, state] : windows_) {
    if (state.parent == window) children.push_back(handle);
  }
  for (Window child : children) RemoveWindow(child);
  windows_.erase(window);
  std::erase(creationOrder_, window);
}

void SimDesktop::OnChar(Window window, CharHandler handler) {
  if (auto* state = Find(window)) state->onChar = std::move(handler);
}

void SimDesktop::StageText(Window window, std::string text) {
  if (auto* state = Find(window)) state->text = std::move(text);
}

Menu SimDesktop::AddMenu() {
  const Menu menu = nextMenu_;
  nextMenu_ += 0x10;
  menus_[menu];
  return menu;
}

void SimDesktop::AppendItem(Menu menu, MenuItemId id, std::string text) {
  menus_.at(menu).push_back(MenuItem{id, std::move(text), kNoMenu});
}

void SimDesktop::AppendDropDown(Menu menu, Menu dropDown, std::string text) {
  menus_.at(menu).push_back(MenuItem{kDropDownItemId, std::move(text), dropDown});
}

void SimDesktop::SetMenuBar(Window window, Menu bar) {
  if (auto* state = Find(window)) state->menuBar = bar;
}

void SimDesktop::Post(std::function<void()> event) { PostAt(now_, std::move(event)); }

void SimDesktop::PostAt(double seconds, std::function<void()> event) {
  events_.emplace(seconds, std::move(event));
}

std::string SimDesktop::TextOf(Window window) const {
  const auto* state = Find(window);
  return state ? state->text : std::string();
}

Window SimDesktop::FindAmong(Window parent, Window after, std::string_view windowClass) const {
  auto it = creationOrder_.begin();
  if (after != kNoWindow) {
    it = std::find(creationOrder_.begin(), creationOrder_.end(), after);
    if (it == creationOrder_.end() || Find(after)->parent != parent) return kNoWindow;
    ++it;
  }
  for (; it != creationOrder_.end(); ++it) {
    const WindowState& state = windows_.at(*it);
    if (state.parent == parent && SameClass(state.windowClass, windowClass)) return *it;
  }
  return kNoWindow;
}

Window SimDesktop::FindTopLevel(std::string_view windowClass) {
  return FindAmong(kNoWindow, kNoWindow, windowClass);
}

Window SimDesktop::FindChild(Window parent, Window after, std::string_view windowClass) {
  if (!Find(parent)) return kNoWindow;
  return FindAmong(parent, after, windowClass);
}

std::string SimDesktop::ClassName(Window window, int capacity) {
  const auto* state = Find(window);
  return state ? Fit(state->windowClass, capacity) : std::string();
}

int SimDesktop::CaptionLength(Window window) {
  const auto* state = Find(window);
  return state ? static_cast<int>(state->text.size()) : 0;
}

std::string SimDesktop::Caption(Window window, int capacity) {
  const auto* state = Find(window);
  return state ? Fit(state->text, capacity) : std::string();
}

int SimDesktop::TextLength(Window window) {
  messages_.push_back({MessageKind::GetTextLength, window, {}});
  return CaptionLength(window);
}

std::string SimDesktop::Text(Window window, int capacity) {
  messages_.push_back({MessageKind::GetText, window, {}});
  return Caption(window, capacity);
}

void SimDesktop::SetText(Window window, std::string_view text) {
  messages_.push_back({MessageKind::SetText, window, std::string(text)});
  if (auto* state = Find(window)) state->text = text;
}

void SimDesktop::DeliverChar(Window window, char character) {
  messages_.push_back({MessageKind::Char, window, std::string(1, character)});
  auto* state = Find(window);
  if (state && state->onChar) {
    // The handler may change the tree; keep it alive while it runs.
    CharHandler handler = state->onChar;
    handler(character);
  }
}

std::optional<std::string> SimDesktop::UserText(Window window) {
  const int length = TextLength(window);
  if (std::find(unanswering_.begin(), unanswering_.end(), window) != unanswering_.end()) {
    return std::nullopt;
  }
  if (length <= 0) return std::string();
  return Text(window, length + 1);
}

void SimDesktop::EditInOrder(const std::vector<WindowEdit>& edits) {
  for (const WindowEdit& edit : edits) {
    if (edit.kind == WindowEdit::Kind::Char) {
      if (!edit.text.empty()) DeliverChar(edit.window, edit.text[0]);
    } else {
      SetText(edit.window, edit.text);
    }
  }
}

Menu SimDesktop::MenuBar(Window window) {
  messages_.push_back({MessageKind::ReadMenuBar, window, {}});
  const auto* state = Find(window);
  return state ? state->menuBar : kNoMenu;
}

int SimDesktop::MenuItemCount(Menu menu) {
  const auto it = menus_.find(menu);
  return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

Menu SimDesktop::SubMenu(Menu menu, int position) {
  const auto it = menus_.find(menu);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
    return kNoMenu;
  }
  return it->second[static_cast<std::size_t>(position)].dropDown;
}

MenuItemId SimDesktop::ItemId(Menu menu, int position) {
  const auto it = menus_.find(menu);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
    return kDropDownItemId;
  }
  return it->second[static_cast<std::size_t>(position)].id;
}

// Like the platform, a search by identifier also looks inside nested menus.
const SimDesktop::MenuItem* SimDesktop::FindItemById(Menu menu, MenuItemId id) const {
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return nullptr;
  for (const MenuItem& item : it->second) {
    if (item.dropDown != kNoMenu) {
      if (const MenuItem* nested = FindItemById(item.dropDown, id)) return nested;
    } else if (item.id == id) {
      return &item;
    }
  }
  return nullptr;
}

std::string SimDesktop::ItemText(Menu menu, MenuItemId id, int capacity) {
  const MenuItem* item = FindItemById(menu, id);
  return item ? Fit(item->text, capacity) : std::string();
}

void SimDesktop::ProcessPendingEvents() {
  ++pumps_;
  while (!events_.empty() && events_.begin()->first <= now_) {
    auto event = std::move(events_.begin()->second);
    events_.erase(events_.begin());
    event();
  }
}

void SimDesktop::WaitForEvents(double maxSeconds) {
  const double until = now_ + maxSeconds;
  if (!events_.empty() && events_.begin()->first <= now_) return;
  now_ = events_.empty() ? until : std::min(until, events_.begin()->first);
}

double SimDesktop::MonotonicSeconds() {
  ++clockReads_;
  return now_;
}

SimDesktop::WindowState* SimDesktop::Find(Window window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const SimDesktop::WindowState* SimDesktop::Find(Window window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

}  // namespace jukett::sim
